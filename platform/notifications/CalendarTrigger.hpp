#pragma once

#include <optional>

#include "platform/foundation/Calendar.hpp"
#include "platform/foundation/Date.hpp"

namespace platform {

// The calendar fields a trigger matches; absent fields are not set. Weekdays count from
// 1 = Sunday to 7 = Saturday, months and days from 1.
struct TriggerComponents {
  std::optional<int> month{};
  std::optional<int> day{};
  std::optional<int> weekday{};
  std::optional<int> hour{};
  std::optional<int> minute{};
  std::optional<int> second{};

  bool empty() const { return !month && !day && !weekday && !hour && !minute && !second; }
  friend bool operator==(const TriggerComponents&, const TriggerComponents&) = default;
};

// A trigger that fires when the moment's fields match its components in whatever calendar and
// time zone the user has at that moment (no zone is attached). A field that is not set matches
// every value when a smaller field is set and its first value otherwise, as an alarm clock
// reads it: {hour 9} is 09:00:00 every day, {minute 30} half past every hour, {day 1} midnight on
// every 1st.
struct CalendarTrigger {
  TriggerComponents dateComponents;
  bool repeats = false;

  // The first moment strictly after `after` at which the trigger fires in `calendar`. A wall time
  // skipped by a DST change fires at the first moment after the gap; a repeated one fires at its
  // first occurrence only. None for components that never match (31 February, hour 24).
  std::optional<Date> nextTriggerDate(Date after, const Calendar& calendar) const;

  friend bool operator==(const CalendarTrigger&, const CalendarTrigger&) = default;
};

}  // namespace platform
