#include "app/model/Plant.hpp"

#include "app/model/StoredEnumeration.hpp"

namespace verdeo {

using platform::store::AttributeType;

const platform::store::Entity& Plant::entityDescription() {
  static const platform::store::Entity entity{"Plant",
                                              {
                                                  {"id", AttributeType::uuid},
                                                  {"name", AttributeType::string},
                                                  {"species", AttributeType::string},
                                                  {"dateAcquired", AttributeType::date},
                                                  {"lastCareDate", AttributeType::date},
                                                  {"careFrequency", AttributeType::string},
                                                  {"lightNeeds", AttributeType::string},
                                                  {"waterNeeds", AttributeType::string},
                                                  {"notes", AttributeType::string},
                                                  {"imageData", AttributeType::bytes},
                                                  {"location", AttributeType::string},
                                                  {"notificationsEnabled", AttributeType::boolean},
                                                  {"notificationTime", AttributeType::date},
                                              },
                                              [] { return std::shared_ptr<Record>(new Plant()); }};
  return entity;
}

Plant::Plant() : Record(entityDescription()) {}

std::shared_ptr<Plant> Plant::create(Fields fields) {
  std::shared_ptr<Plant> plant(new Plant());
  plant->setValue(kId, fields.id);
  plant->setName(std::move(fields.name));
  plant->setSpecies(std::move(fields.species));
  plant->setDateAcquired(fields.dateAcquired);
  plant->setLastCareDate(fields.lastCareDate);
  plant->setCareFrequency(fields.careFrequency);
  plant->setLightNeeds(fields.lightNeeds);
  plant->setWaterNeeds(fields.waterNeeds);
  plant->setNotes(std::move(fields.notes));
  plant->setImageData(std::move(fields.imageData));
  plant->setLocation(fields.location);
  plant->setNotificationsEnabled(fields.notificationsEnabled);
  plant->setNotificationTime(fields.notificationTime);
  return plant;
}

CareFrequency Plant::careFrequency() const {
  return readEnumeration<CareFrequency>(*this, kCareFrequency, careFrequencyFromRawValue,
                                        kAllCareFrequencies);
}
LightNeeds Plant::lightNeeds() const {
  return readEnumeration<LightNeeds>(*this, kLightNeeds, lightNeedsFromRawValue, kAllLightNeeds);
}
WaterNeeds Plant::waterNeeds() const {
  return readEnumeration<WaterNeeds>(*this, kWaterNeeds, waterNeedsFromRawValue, kAllWaterNeeds);
}
Location Plant::location() const {
  return readEnumeration<Location>(*this, kLocation, locationFromRawValue, kAllLocations);
}

void Plant::setCareFrequency(CareFrequency frequency) {
  setValue(kCareFrequency, std::string(rawValue(frequency)));
}
void Plant::setLightNeeds(LightNeeds needs) {
  setValue(kLightNeeds, std::string(rawValue(needs)));
}
void Plant::setWaterNeeds(WaterNeeds needs) {
  setValue(kWaterNeeds, std::string(rawValue(needs)));
}
void Plant::setLocation(Location location) {
  setValue(kLocation, std::string(rawValue(location)));
}

std::string Plant::imageURL() const {
  return "/store/Plant/" + id().string() + "/imageData?v=" + std::to_string(bytesVersion());
}

}  // namespace verdeo
