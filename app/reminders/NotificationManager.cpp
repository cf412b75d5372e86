#include "app/reminders/NotificationManager.hpp"

#include "platform/foundation/Log.hpp"

namespace verdeo {

using platform::AuthorizationStatus;

std::string NotificationManager::reminderIdentifier(const Plant& plant) {
  return "plant-care-" + plant.id().string();
}

void NotificationManager::requestPermission(std::function<void(bool granted)> completion) const {
  switch (center_.notificationSettings().authorizationStatus) {
    case AuthorizationStatus::notDetermined:
      center_.requestAuthorization(
          {.alert = true, .badge = true, .sound = true},
          [completion = std::move(completion)](platform::Result<bool> granted) {
            if (!granted)
              platform::logLine("Error requesting notification permission: " +
                                granted.error().description);
            completion(granted && granted.value());
          });
      return;
    case AuthorizationStatus::authorized:
    case AuthorizationStatus::provisional:
      queue_.async([completion = std::move(completion)] { completion(true); });
      return;
    case AuthorizationStatus::denied:
    case AuthorizationStatus::ephemeral:
      queue_.async([completion = std::move(completion)] { completion(false); });
      return;
  }
}

void NotificationManager::scheduleReminder(const Plant& plant, platform::Date time) const {
  if (!plant.notificationsEnabled()) return;
  cancelReminder(plant);

  const platform::DateComponents clock = calendar_().components(time);
  platform::TriggerComponents components{.hour = clock.hour, .minute = clock.minute};
  switch (plant.careFrequency()) {
    case CareFrequency::daily:
      break;
    case CareFrequency::weekly:
      components.weekday = 2;  // Monday; weekdays count from 1 = Sunday
      break;
    case CareFrequency::monthly:
      components.day = 1;
      break;
  }
  platform::NotificationRequest request{
      reminderIdentifier(plant),
      {"Verdeo", "Time to take care of your " + plant.name() + "! \U0001F49A", "default"},
      {components, /*repeats=*/true}};
  center_.add(std::move(request), [](std::optional<platform::Error> error) {
    if (error) platform::logLine("Error scheduling notification: " + error->description);
  });
}

void NotificationManager::cancelReminder(const Plant& plant) const {
  // A removal the centre cannot write leaves the reminder pending; there is nothing to tell.
  (void)center_.removePendingNotificationRequests({reminderIdentifier(plant)});
}

}  // namespace verdeo
