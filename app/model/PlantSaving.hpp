#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/model/CareFrequency.hpp"
#include "app/model/LightNeeds.hpp"
#include "app/model/Location.hpp"
#include "app/model/Plant.hpp"
#include "app/model/PlantReminders.hpp"
#include "app/model/WaterNeeds.hpp"
#include "platform/foundation/Date.hpp"
#include "platform/foundation/NotificationCenter.hpp"
#include "platform/foundation/Result.hpp"
#include "platform/store/ModelContext.hpp"

namespace verdeo {

// The posted name that tells the plant list a plant was saved.
inline constexpr const char* kRefreshPlantList = "RefreshPlantList";

// The eleven fields the editor writes: everything of a plant except its id and its last care.
struct PlantEdits {
  std::string name;
  std::string species;  // a Species raw value
  platform::Date dateAcquired;
  CareFrequency careFrequency = CareFrequency::weekly;
  LightNeeds lightNeeds = LightNeeds::partial;
  WaterNeeds waterNeeds = WaterNeeds::moderate;
  std::string notes;
  std::optional<platform::store::Bytes> imageData;
  Location location = Location::livingRoom;
  bool notificationsEnabled = false;
  platform::Date notificationTime;

  // Assigns all eleven fields to `plant`.
  void applyTo(Plant& plant) const;
};

enum class PlantSaveMode { add, edit };

struct PlantSaveOutcome {
  // The saved record: the edited one, or the one created for a new plant. After a failed save in
  // add mode it is the record already inserted: saving it again (in add mode) keeps it instead of
  // creating a second plant.
  std::shared_ptr<Plant> plant;
  std::optional<platform::Error> error;
  // A new plant that is the only plant in the store after saving: the user's first.
  bool isFirstPlant = false;
  bool ok() const { return !error; }
};

// Saves the editor's fields and the plant's reminder, and tells the plant list: the one sequence
// the editor (and any other screen that saves a plant) runs. In edit mode `plant` is the record
// edited; in add mode it is none, or the record of an earlier failed attempt. The log lines are
// the editor's own, in Italian. A failed save rolls nothing back: the record keeps the assigned
// values and stays in the context, so automatic saving or another attempt may still persist it.
PlantSaveOutcome savePlant(platform::store::ModelContext& context, PlantSaveMode mode,
                           std::shared_ptr<Plant> plant, const PlantEdits& edits,
                           platform::Date now, const PlantReminders& reminders,
                           platform::NotificationCenter& center);

// Cancels the plant's reminder, then deletes it; automatic saving persists the deletion. Its
// growth posts stay.
void deletePlant(platform::store::ModelContext& context, const std::shared_ptr<Plant>& plant,
                 const PlantReminders& reminders);

}  // namespace verdeo
