#include "platform/ui/CalendarLocalTime.hpp"

#include <cmath>

namespace platform::ui {

LocalDateTime CalendarLocalTime::fields(Date date) const {
  DateComponents c = calendar_.components(date);
  LocalDateTime f;
  f.year = c.year.value_or(2001);
  f.month = c.month.value_or(1);
  f.day = c.day.value_or(1);
  f.hour = c.hour.value_or(0);
  f.minute = c.minute.value_or(0);
  // Keep the fraction of the second, which components do not carry.
  const double whole = std::floor(date.referenceSeconds());
  f.second = c.second.value_or(0) + (date.referenceSeconds() - whole);
  return f;
}

std::optional<Date> CalendarLocalTime::date(const LocalDateTime& f) const {
  if (f.month < 1 || f.month > 12 || f.day < 1 || f.day > 31 || f.hour < 0 || f.hour > 23 ||
      f.minute < 0 || f.minute > 59 || f.second < 0 || f.second >= 60)
    return std::nullopt;
  const int wholeSecond = static_cast<int>(std::floor(f.second));
  auto date = calendar_.date({.year = f.year,
                              .month = f.month,
                              .day = f.day,
                              .hour = f.hour,
                              .minute = f.minute,
                              .second = wholeSecond});
  if (!date) return std::nullopt;
  // A day that the month does not have (30 February) names no moment.
  if (calendar_.components(*date).day != f.day) return std::nullopt;
  return date->addingSeconds(f.second - wholeSecond);
}

}  // namespace platform::ui
