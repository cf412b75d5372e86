#pragma once

#include <functional>
#include <string>

#include "app/model/Plant.hpp"
#include "app/model/PlantReminders.hpp"
#include "platform/foundation/Calendar.hpp"
#include "platform/foundation/Date.hpp"
#include "platform/foundation/MainQueue.hpp"
#include "platform/notifications/UserNotificationCenter.hpp"

namespace verdeo {

// One repeating reminder per plant, kept by the device's notification centre under the plant's
// identifier, and the question whether Verdeo may notify at all. It keeps nothing itself: the
// centre holds the requests, so a plant's reminder is found again by its identifier alone.
// Reminders follow the calendar, not the care schedule: every day, every Monday or every 1st at
// the plant's reminder time.
class NotificationManager final : public PlantReminders {
 public:
  NotificationManager(platform::UserNotificationCenter& center, platform::MainQueue& queue,
                      std::function<platform::Calendar()> calendar)
      : center_(center), queue_(queue), calendar_(std::move(calendar)) {}

  // "plant-care-" and the plant's id in upper case.
  static std::string reminderIdentifier(const Plant& plant);

  // Whether the user lets Verdeo notify, asking only while that is not yet decided; `completion`
  // runs on the main queue.
  void requestPermission(std::function<void(bool granted)> completion) const;
  // Replaces the plant's reminder by one at the hour and minute of `time` (in the calendar of
  // this moment), repeating with the plant's care frequency. A plant whose reminders are off is
  // left alone, and so is any older reminder of it: callers cancel explicitly.
  void scheduleReminder(const Plant& plant, platform::Date time) const override;
  // Removes the plant's pending reminder; delivered ones stay. Harmless when there is none.
  void cancelReminder(const Plant& plant) const override;

 private:
  platform::UserNotificationCenter& center_;
  platform::MainQueue& queue_;
  std::function<platform::Calendar()> calendar_;
};

}  // namespace verdeo
