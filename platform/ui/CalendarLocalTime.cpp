#include "platform/ui/CalendarLocalTime.hpp"

#include <cmath>

namespace platform::ui {
namespace {

Calendar gregorianLike(const Calendar& calendar) {
  if (calendar.isGregorian()) return calendar;
  auto gregorian = Calendar::inTimeZone(calendar.timeZoneId(), "en_US@calendar=gregorian");
  return gregorian ? std::move(gregorian).value() : calendar;
}

}  // namespace

CalendarLocalTime::CalendarLocalTime(const Calendar& userCalendar)
    : gregorian_(gregorianLike(userCalendar)) {}

CalendarLocalTime::CalendarLocalTime(const CurrentCalendar& userCalendar)
    : following_(&userCalendar),
      generation_(userCalendar.generation()),
      gregorian_(gregorianLike(userCalendar.get())) {}

const Calendar& CalendarLocalTime::gregorian() const {
  if (following_ && following_->generation() != generation_) {
    gregorian_ = gregorianLike(following_->get());
    generation_ = following_->generation();
  }
  return gregorian_;
}

LocalDateTime CalendarLocalTime::fields(Date date) const {
  const DateComponents c = gregorian().components(date);
  LocalDateTime f;
  f.year = c.year.value_or(2001);
  f.month = c.month.value_or(1);
  f.day = c.day.value_or(1);
  f.hour = c.hour.value_or(0);
  f.minute = c.minute.value_or(0);
  const double whole = std::floor(date.referenceSeconds());
  f.second = c.second.value_or(0) + (date.referenceSeconds() - whole);
  return f;
}

std::optional<Date> CalendarLocalTime::date(const LocalDateTime& f) const {
  if (f.month < 1 || f.month > 12 || f.day < 1 || f.day > 31 || f.hour < 0 || f.hour > 23 ||
      f.minute < 0 || f.minute > 59 || f.second < 0 || f.second >= 60)
    return std::nullopt;
  const double whole = std::floor(f.second);
  auto moment = gregorian().date({.year = f.year,
                                 .month = f.month,
                                 .day = f.day,
                                 .hour = f.hour,
                                 .minute = f.minute,
                                 .second = int(whole)});
  if (!moment) return std::nullopt;
  // The calendar rolls fields over (30 February is 2 March); a day that does not exist is refused.
  const DateComponents back = gregorian().components(*moment);
  if (back.year != f.year || back.month != f.month || back.day != f.day) return std::nullopt;
  return moment->addingSeconds(f.second - whole);
}

}  // namespace platform::ui
