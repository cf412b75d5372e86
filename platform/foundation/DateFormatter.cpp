#include "platform/foundation/DateFormatter.hpp"

#include <unicode/calendar.h>
#include <unicode/datefmt.h>
#include <unicode/dtptngen.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <cmath>
#include <map>
#include <string>
#include <utility>

namespace platform {
namespace {

icu::UnicodeString unicode(std::string_view text) {
  return icu::UnicodeString::fromUTF8(
      icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

icu::DateFormat::EStyle icuStyle(DateFormatStyle style) {
  switch (style) {
    case DateFormatStyle::none:
      return icu::DateFormat::kNone;
    case DateFormatStyle::shortStyle:
      return icu::DateFormat::kShort;
    case DateFormatStyle::mediumStyle:
      return icu::DateFormat::kMedium;
    case DateFormatStyle::longStyle:
      return icu::DateFormat::kLong;
    case DateFormatStyle::fullStyle:
      return icu::DateFormat::kFull;
  }
  return icu::DateFormat::kNone;
}

// The formatter computes in a clone of the calendar: its system (Gregorian, Buddhist, ...) and
// its zone.
std::unique_ptr<icu::DateFormat> inCalendar(icu::DateFormat* format, const Calendar& calendar) {
  std::unique_ptr<icu::DateFormat> owned(format);
  if (owned) owned->setCalendar(calendar.icuCalendar());
  return owned;
}

}  // namespace

DateFormatter::DateFormatter(std::unique_ptr<icu::DateFormat> format)
    : format_(std::move(format)) {}

DateFormatter DateFormatter::pattern(std::string_view pattern, const Calendar& calendar) {
  UErrorCode status = U_ZERO_ERROR;
  auto format = std::make_unique<icu::SimpleDateFormat>(
      unicode(pattern), icu::Locale(calendar.localeId().c_str()), status);
  if (U_FAILURE(status)) return DateFormatter(nullptr);
  return DateFormatter(inCalendar(format.release(), calendar));
}

const DateFormatter& DateFormatter::sharedPattern(std::string_view pattern,
                                                 const Calendar& calendar) {
  static std::map<std::string, DateFormatter, std::less<>> shared;
  std::string key(pattern);
  key += '\n';
  key += calendar.localeId();
  key += '\n';
  key += calendar.identifier();
  key += '\n';
  key += calendar.timeZoneId();
  auto found = shared.find(key);
  if (found == shared.end())
    found = shared.emplace(std::move(key), DateFormatter::pattern(pattern, calendar)).first;
  return found->second;
}

DateFormatter DateFormatter::skeleton(std::string_view skeleton, const Calendar& calendar) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createInstanceForSkeleton(
      unicode(skeleton), icu::Locale(calendar.localeId().c_str()), status));
  if (U_FAILURE(status)) return DateFormatter(nullptr);
  return DateFormatter(inCalendar(format.release(), calendar));
}

DateFormatter DateFormatter::styles(DateFormatStyle date, DateFormatStyle time,
                                    const Calendar& calendar) {
  if (date == DateFormatStyle::none && time == DateFormatStyle::none)
    return DateFormatter::pattern("", calendar);
  return DateFormatter(
      inCalendar(icu::DateFormat::createDateTimeInstance(icuStyle(date), icuStyle(time),
                                                         icu::Locale(calendar.localeId().c_str())),
                 calendar));
}

DateFormatter DateFormatter::abbreviatedDate(const Calendar& calendar) {
  return skeleton("yMMMd", calendar);
}

DateFormatter DateFormatter::numericDateShortTime(const Calendar& calendar) {
  return skeleton("yMdjmm", calendar);
}

DateFormatter DateFormatter::shortTime(const Calendar& calendar) {
  return styles(DateFormatStyle::none, DateFormatStyle::shortStyle, calendar);
}

DateFormatter DateFormatter::standardUtc() {
  auto utc = Calendar::inTimeZone("UTC", "en_US_POSIX");
  if (!utc) return DateFormatter(nullptr);
  return pattern("yyyy-MM-dd HH:mm:ss Z", *utc);
}

DateFormatter::DateFormatter(const DateFormatter& other)
    : format_(other.format_ ? other.format_->clone() : nullptr) {}

DateFormatter& DateFormatter::operator=(const DateFormatter& other) {
  if (this != &other) format_.reset(other.format_ ? other.format_->clone() : nullptr);
  return *this;
}

DateFormatter::DateFormatter(DateFormatter&&) noexcept = default;
DateFormatter& DateFormatter::operator=(DateFormatter&&) noexcept = default;
DateFormatter::~DateFormatter() = default;

std::string DateFormatter::format(Date date) const {
  double ms = date.unixMilliseconds();
  if (!format_ || !std::isfinite(ms) || std::fabs(ms) >= 1.8e17) return {};
  icu::UnicodeString text;
  format_->format(ms, text);
  std::string out;
  text.toUTF8String(out);
  return out;
}

}  // namespace platform
