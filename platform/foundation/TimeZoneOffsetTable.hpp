#pragma once

#include <unicode/uversion.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/foundation/Date.hpp"

U_NAMESPACE_BEGIN
class TimeZone;
U_NAMESPACE_END

namespace platform {

// A time zone's UTC offset changes from 1900 to 2150, read once from ICU, so that hot paths can
// find a moment's local day with a binary search instead of an ICU calendar computation. Outside
// that span (and for a zone ICU cannot list changes for) the table covers nothing and callers
// go to ICU.
class TimeZoneOffsetTable {
 public:
  static constexpr double kMillisPerDay = 86'400'000.0;

  // One table per distinct zone, built on first use and kept for the process.
  static std::shared_ptr<const TimeZoneOffsetTable> forTimeZone(const icu::TimeZone& zone);

  explicit TimeZoneOffsetTable(const icu::TimeZone& zone);

  bool covers(double unixMillis) const { return unixMillis >= begin_ && unixMillis < end_; }
  // Raw plus daylight offset in milliseconds at a covered moment.
  std::int32_t offsetMillis(double unixMillis) const;
  // Days from 1970-01-01 to the local date of `date` (proleptic Gregorian), when covered.
  std::optional<std::int32_t> dayNumber(Date date) const;
  // Whether the offset changes at any moment in [fromMillis, toMillis].
  bool changesBetween(double fromMillis, double toMillis) const;
  // Whether some change in [fromMillis, toMillis] moves the offset by `millis` or more either way
  // (a skipped or repeated calendar day rather than a DST hour).
  bool jumpsBetween(double fromMillis, double toMillis, std::int32_t millis) const;

 private:
  double begin_ = 0;
  double end_ = 0;
  std::int32_t initialOffset_ = 0;
  std::vector<double> changes_;
  std::vector<std::int32_t> offsetsAfter_;
};

}  // namespace platform
