#pragma once

#include <optional>

#include <cstdint>

#include "platform/foundation/Calendar.hpp"
#include "platform/foundation/CurrentCalendar.hpp"
#include "platform/ui/LocalTime.hpp"

namespace platform::ui {

// The user's wall clock as the date pickers need it: the time zone of the user's calendar, with
// days counted in the Gregorian calendar whatever calendar the user reads (pickers exchange
// ISO dates with the display).
class CalendarLocalTime final : public LocalTime {
 public:
  explicit CalendarLocalTime(const Calendar& userCalendar);
  // Follows the user's calendar when its time zone changes.
  explicit CalendarLocalTime(const CurrentCalendar& userCalendar);

  LocalDateTime fields(Date date) const override;
  // None for a day that does not exist (30 February). A wall-clock time skipped by a DST change
  // gives the moment the calendar moves it to.
  std::optional<Date> date(const LocalDateTime& fields) const override;

 private:
  const Calendar& gregorian() const;

  const CurrentCalendar* following_ = nullptr;
  mutable std::uint64_t generation_ = 0;
  mutable Calendar gregorian_;
};

}  // namespace platform::ui
