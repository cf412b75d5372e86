#pragma once

#include "app/model/Plant.hpp"
#include "platform/foundation/Date.hpp"

namespace verdeo {

// What saving and deleting a plant need of the reminder scheduler: replacing a plant's reminder
// and removing it. The scheduler implements it; the store-facing sequences call it without
// knowing how reminders are kept.
class PlantReminders {
 public:
  virtual ~PlantReminders() = default;
  // Replaces the plant's reminder by one at the hour and minute of `time`; a plant whose
  // reminders are off is left alone.
  virtual void scheduleReminder(const Plant& plant, platform::Date time) const = 0;
  // Removes the plant's pending reminder; harmless when there is none.
  virtual void cancelReminder(const Plant& plant) const = 0;
};

}  // namespace verdeo
