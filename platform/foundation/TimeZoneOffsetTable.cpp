#include "platform/foundation/TimeZoneOffsetTable.hpp"

#include <unicode/basictz.h>
#include <unicode/timezone.h>
#include <unicode/tzrule.h>
#include <unicode/tztrans.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <mutex>

namespace platform {
namespace {

// 1900-01-01 and 2150-01-01, 00:00 UTC.
constexpr double kBeginMillis = -2'208'988'800'000.0;
constexpr double kEndMillis = 5'680'281'600'000.0;

struct CacheEntry {
  std::unique_ptr<icu::TimeZone> zone;
  std::shared_ptr<const TimeZoneOffsetTable> table;
};

}  // namespace

std::shared_ptr<const TimeZoneOffsetTable> TimeZoneOffsetTable::forTimeZone(
    const icu::TimeZone& zone) {
  static std::mutex mutex;
  static std::vector<CacheEntry> cache;
  std::lock_guard lock(mutex);
  for (const auto& entry : cache) {
    // Same id is not enough: a custom zone may reuse an id with other rules.
    if (*entry.zone == zone) return entry.table;
  }
  auto table = std::make_shared<const TimeZoneOffsetTable>(zone);
  cache.push_back({std::unique_ptr<icu::TimeZone>(zone.clone()), table});
  return table;
}

TimeZoneOffsetTable::TimeZoneOffsetTable(const icu::TimeZone& zone) {
  const auto* basic = dynamic_cast<const icu::BasicTimeZone*>(&zone);
  if (!basic) return;
  UErrorCode status = U_ZERO_ERROR;
  std::int32_t raw = 0, dst = 0;
  zone.getOffset(kBeginMillis, false, raw, dst, status);
  if (U_FAILURE(status)) return;
  initialOffset_ = raw + dst;
  icu::TimeZoneTransition transition;
  double from = kBeginMillis;
  while (basic->getNextTransition(from, false, transition)) {
    double at = transition.getTime();
    if (at >= kEndMillis || at <= from) break;
    const icu::TimeZoneRule* to = transition.getTo();
    if (!to) return;
    changes_.push_back(at);
    offsetsAfter_.push_back(to->getRawOffset() + to->getDSTSavings());
    from = at;
  }
  begin_ = kBeginMillis;
  end_ = kEndMillis;
}

std::int32_t TimeZoneOffsetTable::offsetMillis(double unixMillis) const {
  auto after = std::upper_bound(changes_.begin(), changes_.end(), unixMillis);
  if (after == changes_.begin()) return initialOffset_;
  return offsetsAfter_[static_cast<std::size_t>(after - changes_.begin() - 1)];
}

std::optional<std::int32_t> TimeZoneOffsetTable::dayNumber(Date date) const {
  double ms = date.unixMilliseconds();
  if (!covers(ms)) return std::nullopt;
  // ICU floors fractional milliseconds the same way when it computes fields.
  return static_cast<std::int32_t>(std::floor((ms + offsetMillis(ms)) / kMillisPerDay));
}

bool TimeZoneOffsetTable::changesBetween(double fromMillis, double toMillis) const {
  auto first = std::lower_bound(changes_.begin(), changes_.end(), fromMillis);
  return first != changes_.end() && *first <= toMillis;
}

bool TimeZoneOffsetTable::jumpsBetween(double fromMillis, double toMillis,
                                       std::int32_t millis) const {
  auto first = std::lower_bound(changes_.begin(), changes_.end(), fromMillis);
  for (auto it = first; it != changes_.end() && *it <= toMillis; ++it) {
    auto index = static_cast<std::size_t>(it - changes_.begin());
    std::int32_t before = index == 0 ? initialOffset_ : offsetsAfter_[index - 1];
    if (std::abs(offsetsAfter_[index] - before) >= millis) return true;
  }
  return false;
}

}  // namespace platform
