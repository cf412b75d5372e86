#pragma once

#include <unicode/uversion.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/Date.hpp"
#include "platform/foundation/Result.hpp"

U_NAMESPACE_BEGIN
class Calendar;
class TimeZone;
U_NAMESPACE_END

namespace platform {

class TimeZoneOffsetTable;

// The fields of a moment in one calendar. Reading a moment fills them all; building a moment
// uses those present (month and day count from 1).
struct DateComponents {
  std::optional<int> era{};
  std::optional<int> year{};
  std::optional<int> month{};
  std::optional<int> day{};
  std::optional<int> hour{};
  std::optional<int> minute{};
  std::optional<int> second{};

  friend bool operator==(const DateComponents&, const DateComponents&) = default;
};

// Day and month arithmetic in one calendar system, locale and time zone, on ICU. Every answer is
// ICU's: additions keep the wall-clock time across a DST change (ICU's default skipped and
// repeated wall-time handling), month additions clamp the day of month, and day differences are
// ICU's fieldDifference on the day field.
//
// A moment that is not finite or lies beyond ICU's range (about five million years either side of
// 1970) has no calendar day: operations that answer optionally give none for it, and an addition
// whose result would leave that range fails instead of being clamped.
//
// A Calendar owns one ICU calendar, which is costly to create and not thread-safe: use one from
// one thread at a time, and copy it for another (a copy clones the ICU calendar).
class Calendar {
 public:
  // The user's calendar: ICU's default locale (and with it the calendar system) and ICU's default
  // time zone, which ICU takes from TZ when it is set and from the system otherwise.
  static Calendar current();
  // A calendar for an IANA time zone id ("Europe/Rome") and an ICU locale id ("en_US",
  // "th_TH", "en_US@calendar=buddhist"); an empty locale id means ICU's default locale. An
  // unknown time zone id is an error, not GMT.
  static Result<Calendar> inTimeZone(std::string_view timeZoneId, std::string_view localeId = "");

  Calendar(const Calendar& other);
  Calendar& operator=(const Calendar& other);
  Calendar(Calendar&&) noexcept;
  Calendar& operator=(Calendar&&) noexcept;
  ~Calendar();

  std::string timeZoneId() const;
  // The ICU locale id the calendar was made for, keywords included.
  const std::string& localeId() const { return localeId_; }
  // ICU's calendar type: "gregorian", "buddhist", "japanese", "islamic", ...
  std::string identifier() const;
  bool isGregorian() const;

  // The first moment of the calendar day containing `date`. On a day that begins with a skipped
  // hour (a DST change at midnight) that is the first moment after the gap; on a day whose
  // midnight happens twice, the earlier one. A moment without a calendar day is returned as is.
  Date startOfDay(Date date) const;
  bool isSameDay(Date a, Date b) const;
  std::optional<Date> addingDays(int days, Date date) const;
  std::optional<Date> addingMonths(int months, Date date) const;
  // Whole days from `from` to `to`: negative when `to` is earlier, truncated toward zero.
  std::optional<int> wholeDaysBetween(Date from, Date to) const;
  // 1 = Sunday ... 7 = Saturday; 0 for a moment without a calendar day.
  int weekday(Date date) const;
  std::optional<int> daysInMonth(Date date) const;
  // The first moment of the first day of the month containing `date`.
  std::optional<Date> startOfMonth(Date date) const;

  // Era, year, month, day, hour (0-23), minute and second of `date`; all empty for a moment
  // without a calendar day.
  DateComponents components(Date date) const;
  // The moment the given fields name, fields out of range rolling over (lenient). Absent fields
  // take ICU's defaults: midnight for the time, and for the date the calendar's epoch day, which
  // in the Gregorian calendar is 1 January 1970 in this calendar's time zone. So {hour 9,
  // minute 0} alone is 1970-01-01 09:00 local time: a time of day whose date part is meant to
  // be ignored.
  std::optional<Date> date(const DateComponents& components) const;
  // The moment the given fields name, resolved as an alarm clock means a time of day: a wall time
  // that a DST change skips is the first moment after the gap (02:30 on a day that jumps from
  // 02:00 to 03:00 is 03:00), and one that it repeats is its first occurrence.
  std::optional<Date> firstValidDate(const DateComponents& components) const;

  // For the platform's formatters and fast day arithmetic; not for app code.
  const icu::TimeZone& icuTimeZone() const;
  const icu::Calendar& icuCalendar() const;
  // The UTC offset changes of this calendar's time zone, shared by every calendar of that zone.
  const TimeZoneOffsetTable& offsetTable() const;

 private:
  Calendar(std::unique_ptr<icu::Calendar> calendar, std::string localeId);
  bool load(Date date) const;

  mutable std::unique_ptr<icu::Calendar> calendar_;
  std::string localeId_;
  mutable std::shared_ptr<const TimeZoneOffsetTable> offsetTable_;
};

}  // namespace platform
