#include "platform/notifications/CalendarTrigger.hpp"

#include <vector>

namespace platform {
namespace {

// Eight years: 29 February can be that far from the next one (2096 to 2104).
constexpr int kSearchDays = 8 * 366 + 1;

bool inRange(const std::optional<int>& value, int low, int high) {
  return !value || (*value >= low && *value <= high);
}

std::vector<int> values(const std::optional<int>& field, bool free, int count) {
  if (field) return {*field};
  if (!free) return {0};
  std::vector<int> all(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) all[static_cast<std::size_t>(i)] = i;
  return all;
}

}  // namespace

std::optional<Date> CalendarTrigger::nextTriggerDate(Date after, const Calendar& calendar) const {
  const TriggerComponents& c = dateComponents;
  if (c.empty() || !inRange(c.month, 1, 13) || !inRange(c.day, 1, 31) ||
      !inRange(c.weekday, 1, 7) || !inRange(c.hour, 0, 23) || !inRange(c.minute, 0, 59) ||
      !inRange(c.second, 0, 59))
    return std::nullopt;

  const bool timeSet = c.hour || c.minute || c.second;
  // Without a day, a month alone means its first day; anything smaller leaves the day free.
  std::optional<int> day = c.day;
  if (!day && c.month && !c.weekday && !timeSet) day = 1;
  const std::vector<int> hours = values(c.hour, c.minute || c.second, 24);
  const std::vector<int> minutes = values(c.minute, bool(c.second), 60);
  const int second = c.second.value_or(0);

  for (int offset = 0; offset < kSearchDays; ++offset) {
    auto moment = calendar.addingDays(offset, after);
    if (!moment) return std::nullopt;
    DateComponents date = calendar.components(*moment);
    if (!date.day) return std::nullopt;
    if ((c.month && date.month != c.month) || (day && date.day != day) ||
        (c.weekday && calendar.weekday(*moment) != *c.weekday))
      continue;
    for (int hour : hours)
      for (int minute : minutes) {
        auto fires = calendar.firstValidDate({.era = date.era,
                                              .year = date.year,
                                              .month = date.month,
                                              .day = date.day,
                                              .hour = hour,
                                              .minute = minute,
                                              .second = second});
        if (fires && *fires > after) return fires;
      }
  }
  return std::nullopt;
}

}  // namespace platform
