#pragma once

#include <unicode/uversion.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/foundation/Calendar.hpp"
#include "platform/foundation/Date.hpp"

U_NAMESPACE_BEGIN
class DateFormat;
U_NAMESPACE_END

namespace platform {

// ICU's (CLDR's) date and time styles; `none` leaves that half out.
enum class DateFormatStyle { none, shortStyle, mediumStyle, longStyle, fullStyle };

// Formats moments as UTF-8 text with ICU, in a calendar's locale, calendar system and time zone
// (the user's by default). A formatter owns one ICU formatter, which is not thread-safe: use it
// from one thread at a time. Formatting a moment without a calendar day gives "".
class DateFormatter {
 public:
  // An ICU date pattern: "EEEE, MMMM d", "MMMM yyyy", "d MMMM", "h:mm a".
  static DateFormatter pattern(std::string_view pattern,
                               const Calendar& calendar = Calendar::current());
  // The locale's own pattern for a set of fields (an ICU skeleton such as "yMMMd" or "jmm").
  static DateFormatter skeleton(std::string_view skeleton,
                                const Calendar& calendar = Calendar::current());
  // The same, kept for reuse: building an ICU formatter costs far more than formatting with one,
  // so screens that format on every redraw ask here. One per pattern, locale, calendar system and
  // time zone, for the main thread only; the reference stays valid for the life of the process.
  static const DateFormatter& sharedPattern(std::string_view pattern, const Calendar& calendar);
  static DateFormatter styles(DateFormatStyle date, DateFormatStyle time,
                              const Calendar& calendar = Calendar::current());

  // Day, abbreviated month and year, no time ("Mar 1, 2025" in en_US).
  static DateFormatter abbreviatedDate(const Calendar& calendar = Calendar::current());
  // Numeric date with a four-digit year and hour and minute ("3/1/2025, 9:15 AM").
  static DateFormatter numericDateShortTime(const Calendar& calendar = Calendar::current());
  // Hour and minute alone, in the locale's short time style.
  static DateFormatter shortTime(const Calendar& calendar = Calendar::current());
  // The standard text form of a moment, the same everywhere: "2025-03-01 09:15:42 +0000", in UTC
  // with POSIX conventions.
  static DateFormatter standardUtc();

  DateFormatter(const DateFormatter& other);
  DateFormatter& operator=(const DateFormatter& other);
  DateFormatter(DateFormatter&&) noexcept;
  DateFormatter& operator=(DateFormatter&&) noexcept;
  ~DateFormatter();

  std::string format(Date date) const;

 private:
  explicit DateFormatter(std::unique_ptr<icu::DateFormat> format);

  // Null when ICU could not build the format; formatting then gives "".
  std::unique_ptr<icu::DateFormat> format_;
};

}  // namespace platform
