#pragma once

#include <unicode/uversion.h>

#include <memory>
#include <string>

#include "platform/foundation/Calendar.hpp"
#include "platform/foundation/Date.hpp"

U_NAMESPACE_BEGIN
class Calendar;
class RelativeDateTimeFormatter;
U_NAMESPACE_END

namespace platform {

// "now", "yesterday", "2 hours ago", "in 3 weeks": a moment relative to another, in the named
// style of ICU's RelativeDateTimeFormatter (a named phrase where the language has one, otherwise a
// number of units), in a calendar's locale.
//
// The unit is the largest calendar unit (year, month, week, day, hour, minute, second) of which
// at least one whole lies between the two moments, counted in the calendar: so 23 hours ago
// across midnight is "23 hours ago", and 26 hours ago is "yesterday". Not thread-safe.
class RelativeDateTimeFormatter {
 public:
  explicit RelativeDateTimeFormatter(const Calendar& calendar = Calendar::current());
  RelativeDateTimeFormatter(const RelativeDateTimeFormatter&) = delete;
  RelativeDateTimeFormatter& operator=(const RelativeDateTimeFormatter&) = delete;
  RelativeDateTimeFormatter(RelativeDateTimeFormatter&&) noexcept;
  RelativeDateTimeFormatter& operator=(RelativeDateTimeFormatter&&) noexcept;
  ~RelativeDateTimeFormatter();

  // `date` relative to `reference`; "" when either has no calendar day.
  std::string format(Date date, Date reference) const;

 private:
  mutable std::unique_ptr<icu::Calendar> calendar_;
  std::unique_ptr<icu::RelativeDateTimeFormatter> formatter_;
};

}  // namespace platform
