#include "platform/foundation/RelativeDateTimeFormatter.hpp"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/reldatefmt.h>
#include <unicode/unistr.h>

#include <array>
#include <cmath>
#include <utility>

namespace platform {
namespace {

struct Unit {
  UCalendarDateFields field;
  URelativeDateTimeUnit unit;
};

constexpr std::array<Unit, 7> kUnits = {{
    {UCAL_YEAR, UDAT_REL_UNIT_YEAR},
    {UCAL_MONTH, UDAT_REL_UNIT_MONTH},
    {UCAL_WEEK_OF_YEAR, UDAT_REL_UNIT_WEEK},
    {UCAL_DATE, UDAT_REL_UNIT_DAY},
    {UCAL_HOUR_OF_DAY, UDAT_REL_UNIT_HOUR},
    {UCAL_MINUTE, UDAT_REL_UNIT_MINUTE},
    {UCAL_SECOND, UDAT_REL_UNIT_SECOND},
}};

}  // namespace

RelativeDateTimeFormatter::RelativeDateTimeFormatter(const Calendar& calendar)
    : calendar_(calendar.icuCalendar().clone()) {
  UErrorCode status = U_ZERO_ERROR;
  auto formatter = std::make_unique<icu::RelativeDateTimeFormatter>(
      icu::Locale(calendar.localeId().c_str()), nullptr, UDAT_STYLE_LONG,
      UDISPCTX_CAPITALIZATION_NONE, status);
  if (U_SUCCESS(status)) formatter_ = std::move(formatter);
}

RelativeDateTimeFormatter::RelativeDateTimeFormatter(RelativeDateTimeFormatter&&) noexcept =
    default;
RelativeDateTimeFormatter& RelativeDateTimeFormatter::operator=(
    RelativeDateTimeFormatter&&) noexcept = default;
RelativeDateTimeFormatter::~RelativeDateTimeFormatter() = default;

std::string RelativeDateTimeFormatter::format(Date date, Date reference) const {
  double target = date.unixMilliseconds();
  double start = reference.unixMilliseconds();
  auto inRange = [](double ms) { return std::isfinite(ms) && std::fabs(ms) < 1.8e17; };
  if (!formatter_ || !calendar_ || !inRange(target) || !inRange(start)) return {};

  // Larger units first, each difference taken from where the previous one left the calendar,
  // as a calendar's component difference is.
  icu::Calendar& calendar = *calendar_;
  UErrorCode status = U_ZERO_ERROR;
  calendar.setTime(start, status);
  double amount = 0;
  URelativeDateTimeUnit unit = UDAT_REL_UNIT_SECOND;
  for (const auto& candidate : kUnits) {
    int32_t difference = calendar.fieldDifference(target, candidate.field, status);
    if (U_FAILURE(status)) return {};
    if (difference != 0) {
      amount = difference;
      unit = candidate.unit;
      break;
    }
  }
  icu::UnicodeString text;
  formatter_->format(amount, unit, text, status);
  if (U_FAILURE(status)) return {};
  std::string out;
  text.toUTF8String(out);
  return out;
}

}  // namespace platform
