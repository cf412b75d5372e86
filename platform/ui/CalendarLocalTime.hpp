#pragma once

#include "platform/foundation/Calendar.hpp"
#include "platform/ui/LocalTime.hpp"

namespace platform::ui {

// The user's wall clock for date pickers: the fields of a moment in the calendar and time zone
// given (the user's current ones by default), and back.
class CalendarLocalTime final : public LocalTime {
 public:
  explicit CalendarLocalTime(Calendar calendar = Calendar::current())
      : calendar_(std::move(calendar)) {}
  LocalDateTime fields(Date date) const override;
  std::optional<Date> date(const LocalDateTime& fields) const override;

 private:
  Calendar calendar_;
};

}  // namespace platform::ui
