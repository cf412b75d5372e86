#include "app/testing/AppHarness.hpp"

#include "app/model/PlantStore.hpp"
#include "platform/foundation/Uuid.hpp"

namespace verdeo {

AppHarness::AppHarness(const std::filesystem::path& dataDirectory)
    : defaults(platform::UserDefaults::standard(dataDirectory)),
      store(std::move(openPlantStore(dataDirectory / "app" / "Verdeo.store", h.queue()).value())),
      center(h.queue()),
      bundle(dataDirectory),
      entry(defaults),
      notifications(platform::UserNotificationCenter::defaultFile(dataDirectory), h.queue(),
                    h.clock(), [this] { return h.calendar().get(); }),
      notificationManager(notifications, h.queue(), [this] { return h.calendar().get(); }),
      environment{h.environment(), store->mainContext(), center,      defaults,
                  bundle,          entry,                photoChecks, notificationManager} {
  notifications.setAuthorizationPrompt([this](auto answer) {
    h.runtime().systemLayer().askNotificationPermission("Verdeo", std::move(answer));
  });
}

std::shared_ptr<Plant> AppHarness::addPlant(std::string name, CareFrequency frequency,
                                            platform::Date lastCare) {
  auto plant = Plant::create({
      .id = platform::Uuid::random(),
      .name = std::move(name),
      .species = "Monstera",
      .dateAcquired = lastCare,
      .lastCareDate = lastCare,
      .careFrequency = frequency,
      .lightNeeds = LightNeeds::partial,
      .waterNeeds = WaterNeeds::moderate,
      .notes = "",
      .imageData = std::nullopt,
      .location = Location::livingRoom,
      .notificationsEnabled = false,
      .notificationTime = lastCare,
  });
  context().insert(plant);
  (void)context().save();
  return plant;
}

}  // namespace verdeo
