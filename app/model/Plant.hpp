#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/model/CareFrequency.hpp"
#include "app/model/LightNeeds.hpp"
#include "app/model/Location.hpp"
#include "app/model/WaterNeeds.hpp"
#include "platform/foundation/Date.hpp"
#include "platform/foundation/Uuid.hpp"
#include "platform/store/Record.hpp"

namespace verdeo {

// A plant of the user's collection, owned by the store. Two references are the same plant when
// they are the same pointer. Enumerations are kept as their raw text; a stored text that names no
// case reads as the enumeration's first case (logged once per plant), and is rewritten only when
// the field is assigned.
class Plant final : public platform::store::Record {
 public:
  // The stored fields, in schema order.
  enum Attribute : std::size_t {
    kId,
    kName,
    kSpecies,
    kDateAcquired,
    kLastCareDate,
    kCareFrequency,
    kLightNeeds,
    kWaterNeeds,
    kNotes,
    kImageData,
    kLocation,
    kNotificationsEnabled,
    kNotificationTime,
  };

  struct Fields {
    platform::Uuid id;
    std::string name;
    std::string species;
    platform::Date dateAcquired;
    platform::Date lastCareDate;
    CareFrequency careFrequency;
    LightNeeds lightNeeds;
    WaterNeeds waterNeeds;
    std::string notes;
    std::optional<platform::store::Bytes> imageData;
    Location location;
    bool notificationsEnabled;
    platform::Date notificationTime;
  };

  static const platform::store::Entity& entityDescription();
  // A new plant, not yet in any store.
  static std::shared_ptr<Plant> create(Fields fields);

  const platform::Uuid& id() const { return uuidValue(kId); }
  const std::string& name() const { return stringValue(kName); }
  const std::string& species() const { return stringValue(kSpecies); }
  platform::Date dateAcquired() const { return dateValue(kDateAcquired); }
  platform::Date lastCareDate() const { return dateValue(kLastCareDate); }
  CareFrequency careFrequency() const;
  LightNeeds lightNeeds() const;
  WaterNeeds waterNeeds() const;
  const std::string& notes() const { return stringValue(kNotes); }
  // Reads the photo from the store the first time it is asked for.
  const std::optional<platform::store::Bytes>& imageData() const { return bytesValue(kImageData); }
  Location location() const;
  bool notificationsEnabled() const { return booleanValue(kNotificationsEnabled); }
  platform::Date notificationTime() const { return dateValue(kNotificationTime); }

  void setName(std::string name) { setValue(kName, std::move(name)); }
  void setSpecies(std::string species) { setValue(kSpecies, std::move(species)); }
  void setDateAcquired(platform::Date date) { setValue(kDateAcquired, date); }
  void setLastCareDate(platform::Date date) { setValue(kLastCareDate, date); }
  void setCareFrequency(CareFrequency frequency);
  void setLightNeeds(LightNeeds needs);
  void setWaterNeeds(WaterNeeds needs);
  void setNotes(std::string notes) { setValue(kNotes, std::move(notes)); }
  void setImageData(std::optional<platform::store::Bytes> data) {
    setValue(kImageData, std::move(data));
  }
  void setLocation(Location location);
  void setNotificationsEnabled(bool enabled) { setValue(kNotificationsEnabled, enabled); }
  void setNotificationTime(platform::Date time) { setValue(kNotificationTime, time); }

  // Whether the plant has a photo, answered without reading it.
  bool hasImageData() const { return hasBytes(kImageData); }
  // Where the display fetches the photo: "/store/Plant/<id>/imageData?v=<n>". The version
  // changes with every new photo, so a cached image is never shown for a changed one.
  std::string imageURL() const;

 private:
  Plant();
};

}  // namespace verdeo
