#include "platform/foundation/Calendar.hpp"

#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <cmath>
#include <exception>
#include <utility>

#include "platform/foundation/TimeZoneOffsetTable.hpp"

namespace platform {
namespace {

// Just inside ICU's own limits (about ±1.83e17 ms), which a lenient ICU calendar clamps to
// silently instead of failing.
constexpr double kLimitMillis = 1.8e17;
constexpr double kLimitYears = 5'700'000;

bool hasCalendarDay(double unixMillis) {
  return std::isfinite(unixMillis) && std::fabs(unixMillis) < kLimitMillis;
}

std::string utf8(const icu::UnicodeString& text) {
  std::string out;
  text.toUTF8String(out);
  return out;
}

icu::UnicodeString unicode(std::string_view text) {
  return icu::UnicodeString::fromUTF8(
      icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

std::optional<Date> resultOf(const icu::Calendar& calendar, UErrorCode& status) {
  UDate ms = calendar.getTime(status);
  if (U_FAILURE(status) || !hasCalendarDay(ms)) return std::nullopt;
  return Date::fromUnixMilliseconds(ms);
}

// Sets the time fields to midnight and resolves the moment, taking the first moment after a gap
// and the first of two midnights, as "the first moment of the day" means.
std::optional<Date> resolveMidnight(icu::Calendar& calendar, UErrorCode& status) {
  calendar.set(UCAL_HOUR_OF_DAY, 0);
  calendar.set(UCAL_MINUTE, 0);
  calendar.set(UCAL_SECOND, 0);
  calendar.set(UCAL_MILLISECOND, 0);
  calendar.setSkippedWallTimeOption(UCAL_WALLTIME_NEXT_VALID);
  calendar.setRepeatedWallTimeOption(UCAL_WALLTIME_FIRST);
  auto result = resultOf(calendar, status);
  calendar.setSkippedWallTimeOption(UCAL_WALLTIME_LAST);
  calendar.setRepeatedWallTimeOption(UCAL_WALLTIME_LAST);
  return result;
}

}  // namespace

Calendar::Calendar(std::unique_ptr<icu::Calendar> calendar, std::string localeId)
    : calendar_(std::move(calendar)), localeId_(std::move(localeId)) {}

Calendar Calendar::current() {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(status));
  if (U_FAILURE(status) || !calendar) {
    // Only without ICU's data; there is nothing sensible to compute dates with then.
    std::terminate();
  }
  return Calendar(std::move(calendar), icu::Locale::getDefault().getName());
}

Result<Calendar> Calendar::inTimeZone(std::string_view timeZoneId, std::string_view localeId) {
  std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(unicode(timeZoneId)));
  if (!zone || *zone == icu::TimeZone::getUnknown())
    return Error{"unknown time zone " + std::string(timeZoneId)};
  icu::Locale locale =
      localeId.empty() ? icu::Locale::getDefault() : icu::Locale(std::string(localeId).c_str());
  if (locale.isBogus()) return Error{"unknown locale " + std::string(localeId)};
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Calendar> calendar(
      icu::Calendar::createInstance(zone.release(), locale, status));
  if (U_FAILURE(status) || !calendar)
    return Error{std::string("cannot create a calendar: ") + u_errorName(status)};
  return Calendar(std::move(calendar), locale.getName());
}

Calendar::Calendar(const Calendar& other)
    : calendar_(other.calendar_->clone()),
      localeId_(other.localeId_),
      offsetTable_(other.offsetTable_) {}

Calendar& Calendar::operator=(const Calendar& other) {
  if (this != &other) {
    calendar_.reset(other.calendar_->clone());
    localeId_ = other.localeId_;
    offsetTable_ = other.offsetTable_;
  }
  return *this;
}

Calendar::Calendar(Calendar&&) noexcept = default;
Calendar& Calendar::operator=(Calendar&&) noexcept = default;
Calendar::~Calendar() = default;

std::string Calendar::timeZoneId() const {
  icu::UnicodeString id;
  calendar_->getTimeZone().getID(id);
  return utf8(id);
}

std::string Calendar::identifier() const {
  return calendar_->getType();
}

bool Calendar::isGregorian() const {
  return identifier() == "gregorian";
}

bool Calendar::load(Date date) const {
  double ms = date.unixMilliseconds();
  if (!hasCalendarDay(ms)) return false;
  UErrorCode status = U_ZERO_ERROR;
  calendar_->setTime(ms, status);
  return U_SUCCESS(status);
}

Date Calendar::startOfDay(Date date) const {
  if (!load(date)) return date;
  UErrorCode status = U_ZERO_ERROR;
  return resolveMidnight(*calendar_, status).value_or(date);
}

bool Calendar::isSameDay(Date a, Date b) const {
  if (!load(a)) return false;
  UErrorCode status = U_ZERO_ERROR;
  int32_t era = calendar_->get(UCAL_ERA, status);
  int32_t year = calendar_->get(UCAL_EXTENDED_YEAR, status);
  int32_t day = calendar_->get(UCAL_DAY_OF_YEAR, status);
  if (U_FAILURE(status) || !load(b)) return false;
  return era == calendar_->get(UCAL_ERA, status) &&
         year == calendar_->get(UCAL_EXTENDED_YEAR, status) &&
         day == calendar_->get(UCAL_DAY_OF_YEAR, status) && U_SUCCESS(status);
}

std::optional<Date> Calendar::addingDays(int days, Date date) const {
  if (!load(date)) return std::nullopt;
  UErrorCode status = U_ZERO_ERROR;
  calendar_->add(UCAL_DATE, days, status);
  return resultOf(*calendar_, status);
}

std::optional<Date> Calendar::addingMonths(int months, Date date) const {
  if (!load(date)) return std::nullopt;
  UErrorCode status = U_ZERO_ERROR;
  // ICU's day numbers are 32-bit: a month addition that would leave its range of years
  // overflows inside ICU and yields an arbitrary moment rather than an error.
  double year = calendar_->get(UCAL_EXTENDED_YEAR, status);
  if (U_FAILURE(status) || std::fabs(year) + std::abs(months / 12.0) + 1 > kLimitYears)
    return std::nullopt;
  calendar_->add(UCAL_MONTH, months, status);
  return resultOf(*calendar_, status);
}

std::optional<int> Calendar::wholeDaysBetween(Date from, Date to) const {
  double target = to.unixMilliseconds();
  if (!hasCalendarDay(target) || !load(from)) return std::nullopt;
  UErrorCode status = U_ZERO_ERROR;
  int32_t days = calendar_->fieldDifference(target, UCAL_DATE, status);
  if (U_FAILURE(status)) return std::nullopt;
  return days;
}

int Calendar::weekday(Date date) const {
  if (!load(date)) return 0;
  UErrorCode status = U_ZERO_ERROR;
  int32_t weekday = calendar_->get(UCAL_DAY_OF_WEEK, status);
  return U_SUCCESS(status) ? weekday : 0;
}

std::optional<int> Calendar::daysInMonth(Date date) const {
  if (!load(date)) return std::nullopt;
  UErrorCode status = U_ZERO_ERROR;
  int32_t days = calendar_->getActualMaximum(UCAL_DATE, status);
  if (U_FAILURE(status)) return std::nullopt;
  return days;
}

std::optional<Date> Calendar::startOfMonth(Date date) const {
  if (!load(date)) return std::nullopt;
  calendar_->set(UCAL_DATE, 1);
  UErrorCode status = U_ZERO_ERROR;
  return resolveMidnight(*calendar_, status);
}

DateComponents Calendar::components(Date date) const {
  if (!load(date)) return {};
  UErrorCode status = U_ZERO_ERROR;
  DateComponents result;
  result.era = calendar_->get(UCAL_ERA, status);
  result.year = calendar_->get(UCAL_YEAR, status);
  result.month = calendar_->get(UCAL_MONTH, status) + 1;
  result.day = calendar_->get(UCAL_DATE, status);
  result.hour = calendar_->get(UCAL_HOUR_OF_DAY, status);
  result.minute = calendar_->get(UCAL_MINUTE, status);
  result.second = calendar_->get(UCAL_SECOND, status);
  if (U_FAILURE(status)) return {};
  return result;
}

std::optional<Date> Calendar::date(const DateComponents& components) const {
  calendar_->clear();
  auto put = [&](UCalendarDateFields field, std::optional<int> value, int shift = 0) {
    if (value) calendar_->set(field, *value + shift);
  };
  put(UCAL_ERA, components.era);
  put(UCAL_YEAR, components.year);
  put(UCAL_MONTH, components.month, -1);
  put(UCAL_DATE, components.day);
  put(UCAL_HOUR_OF_DAY, components.hour);
  put(UCAL_MINUTE, components.minute);
  put(UCAL_SECOND, components.second);
  UErrorCode status = U_ZERO_ERROR;
  return resultOf(*calendar_, status);
}

std::optional<Date> Calendar::firstValidDate(const DateComponents& components) const {
  calendar_->setSkippedWallTimeOption(UCAL_WALLTIME_NEXT_VALID);
  calendar_->setRepeatedWallTimeOption(UCAL_WALLTIME_FIRST);
  auto result = date(components);
  calendar_->setSkippedWallTimeOption(UCAL_WALLTIME_LAST);
  calendar_->setRepeatedWallTimeOption(UCAL_WALLTIME_LAST);
  return result;
}

const icu::TimeZone& Calendar::icuTimeZone() const {
  return calendar_->getTimeZone();
}

const icu::Calendar& Calendar::icuCalendar() const {
  return *calendar_;
}

const TimeZoneOffsetTable& Calendar::offsetTable() const {
  if (!offsetTable_) offsetTable_ = TimeZoneOffsetTable::forTimeZone(calendar_->getTimeZone());
  return *offsetTable_;
}

}  // namespace platform
