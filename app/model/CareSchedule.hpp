#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "app/model/CareFrequency.hpp"
#include "platform/foundation/Calendar.hpp"
#include "platform/foundation/Date.hpp"

namespace verdeo {

class Plant;

// The care rules: when a plant needs care, the countdown on its card, and what marking care done
// writes. They keep no state and read only a plant's last care date and frequency; all day
// arithmetic is in the calendar passed in, which callers take as the user's current one at the
// moment of asking.

// Month horizons: how many monthly anniversaries the due test considers.
inline constexpr int kListMonthHorizon = 13;  // today screen, calendar day list, widget
inline constexpr int kGridMonthHorizon = 25;  // calendar month grid markers
// The due-day map covers today and the 400 days after it.
inline constexpr int kDueDayMapDays = 401;

// What the rules need of one plant.
struct CareItem {
  platform::Date lastCareDate;
  CareFrequency careFrequency;
};

// Whether a plant needs care on the calendar day of `target` (any moment in that day), with L the
// start of the last-care day:
// - daily: the day is later than L's day;
// - weekly: the whole days from L to the target are a positive multiple of 7;
// - monthly: the day is the day of one of M1..M(monthHorizon), M1 = L + 1 month and each next
//   one a month after the previous (so a 31st drifts to the 28th and stays there).
bool isDue(const CareItem& item, platform::Date target, int monthHorizon,
           const platform::Calendar& calendar);
bool isDue(const Plant& plant, platform::Date target, int monthHorizon,
           const platform::Calendar& calendar);

// Day start → indexes of the items due that day (horizon kGridMonthHorizon), in the order given,
// for the days now + 0 ... now + 400 days; days with nothing due have no entry. Works per item
// rather than per item and day, so it stays fast for long lists; the answer is always the
// reference's below.
using DueDayMap = std::map<platform::Date, std::vector<std::size_t>>;
DueDayMap dueDayMap(std::span<const CareItem> items, platform::Date now,
                    const platform::Calendar& calendar);
DueDayMap dueDayMap(std::span<const std::shared_ptr<Plant>> plants, platform::Date now,
                    const platform::Calendar& calendar);

// Whole days from now to the last care date plus the frequency's nominal days (1, 7 or 30,
// added as calendar days), truncated toward zero: 0 while that moment is less than a day away
// either way. None when a date has no calendar day.
std::optional<int> countdown(const CareItem& item, platform::Date now,
                             const platform::Calendar& calendar);
std::optional<int> countdown(const Plant& plant, platform::Date now,
                             const platform::Calendar& calendar);

// The last care date that marking care done writes: now moved by `dayOffset` calendar days (the
// day the today screen shows), or now itself when that addition fails.
platform::Date markDoneDate(platform::Date now, int dayOffset, const platform::Calendar& calendar);
void markDone(Plant& plant, platform::Date now, int dayOffset, const platform::Calendar& calendar);

// The rules read literally, every step through ICU: one due test per item and day, month
// additions one after another. The fast versions above must agree with these exactly; tests and
// the benchmark compare against them.
bool isDueReference(const CareItem& item, platform::Date target, int monthHorizon,
                    const platform::Calendar& calendar);
DueDayMap dueDayMapReference(std::span<const CareItem> items, platform::Date now,
                             const platform::Calendar& calendar);

}  // namespace verdeo
