#include "app/model/CareSchedule.hpp"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <utility>

#include "app/model/Plant.hpp"
#include "platform/foundation/TimeZoneOffsetTable.hpp"

namespace verdeo {
namespace {

using platform::Calendar;
using platform::Date;
using platform::TimeZoneOffsetTable;

constexpr double kDayMillis = TimeZoneOffsetTable::kMillisPerDay;
// An offset change of half a day or more skips or repeats a whole calendar day (Samoa at the end
// of 2011). Only near one do ICU's additions stop following plain Gregorian dates.
constexpr std::int32_t kDayJumpMillis = 12 * 3'600'000;

// No offset change from two days before day `day` begins to two days after it ends, counted in
// UTC, which is wide enough for any zone's offset. Then the day's midnight exists exactly once,
// and ICU's day addition from a steady midnight that lands on this day or the next lands on that
// day's midnight.
bool isSteadyDay(const TimeZoneOffsetTable& table, std::int32_t day) {
  return !table.changesBetween((day - 2.0) * kDayMillis, (day + 3.0) * kDayMillis);
}

bool jumpsNear(const TimeZoneOffsetTable& table, Date from, Date to) {
  return table.jumpsBetween(from.unixMilliseconds() - 2 * kDayMillis,
                            to.unixMilliseconds() + 2 * kDayMillis, kDayJumpMillis);
}

// The Gregorian day numbers of L + 1 month, then + 1 month again, ...: each step from the previous
// date and clamped to the end of a shorter month, as ICU's month addition is. Away from day-sized
// offset jumps, ICU's result always falls on these days: a skipped hour moves the time of day
// forward within the day.
class MonthlyChain {
 public:
  explicit MonthlyChain(std::int32_t day) : date_(std::chrono::sys_days(std::chrono::days(day))) {}

  std::int32_t next() {
    using namespace std::chrono;
    year_month month = year_month(date_.year(), date_.month()) + months(1);
    auto last = year_month_day_last(month.year(), month_day_last(month.month())).day();
    date_ = year_month_day(month.year(), month.month(), std::min(date_.day(), last));
    return static_cast<std::int32_t>(sys_days(date_).time_since_epoch().count());
  }

 private:
  std::chrono::year_month_day date_;
};

struct WindowDay {
  Date moment;  // now + i days
  Date start;
  std::int32_t number;
  bool steady;
};

// Whole days from a last-care day that starts at midnight to a window day that is not steady.
// ICU adds days to a moment by its UTC milliseconds, offset and wall-clock time, so from day L at
// midnight with offset o, k days land where k' = L + k - L' days from day L' at midnight with the
// same offset land: one ICU difference per window day and offset serves every item. It is kept
// as the day number the count reaches.
class IrregularDayCounts {
 public:
  std::optional<std::int32_t> reached(std::size_t window, std::int32_t offset, std::int32_t lastDay,
                                      Date lastCareDate, Date moment, const Calendar& calendar) {
    for (const auto& entry : entries_)
      if (entry.window == window && entry.offset == offset) return entry.reached;
    auto days = calendar.wholeDaysBetween(calendar.startOfDay(lastCareDate), moment);
    std::optional<std::int32_t> reached;
    if (days) reached = lastDay + *days;
    entries_.push_back({window, offset, reached});
    return reached;
  }

 private:
  struct Entry {
    std::size_t window;
    std::int32_t offset;
    std::optional<std::int32_t> reached;
  };
  std::vector<Entry> entries_;  // a handful: a few days around each offset change
};

// now + 0 ... 400 days and their day starts. On a steady day ICU's day addition (add the days'
// milliseconds, then shift by the change of offset so the wall-clock time is kept) and its start
// of day (that day's only midnight) come straight from the offset table; every other day, and
// every day of a window with a day-sized jump, is asked of ICU.
std::vector<WindowDay> windowDays(Date now, const TimeZoneOffsetTable& table,
                                  const Calendar& calendar) {
  std::vector<WindowDay> window;
  window.reserve(kDueDayMapDays);
  const double nowMillis = now.unixMilliseconds();
  const std::int32_t nowOffset = table.offsetMillis(nowMillis);
  const bool jumps = jumpsNear(table, now, now.addingSeconds(kDueDayMapDays * 86'400.0));
  for (int i = 0; i < kDueDayMapDays; ++i) {
    if (!jumps) {
      double raw = nowMillis + i * kDayMillis;
      auto rawDay = table.dayNumber(Date::fromUnixMilliseconds(raw));
      if (rawDay && isSteadyDay(table, *rawDay)) {
        std::int32_t rawOffset = table.offsetMillis(raw);
        double moment = rawOffset == nowOffset ? raw : raw + (nowOffset - rawOffset);
        Date date = Date::fromUnixMilliseconds(moment);
        auto number = table.dayNumber(date);
        if (number && isSteadyDay(table, *number)) {
          double midnight = *number * kDayMillis - table.offsetMillis(*number * kDayMillis);
          window.push_back({date, Date::fromUnixMilliseconds(midnight), *number, true});
          continue;
        }
      }
    }
    auto moment = calendar.addingDays(i, now);
    if (!moment) continue;
    auto number = table.dayNumber(*moment);
    if (!number) continue;
    window.push_back({*moment, calendar.startOfDay(*moment), *number, isSteadyDay(table, *number)});
  }
  return window;
}

}  // namespace

bool isDueReference(const CareItem& item, Date target, int monthHorizon, const Calendar& calendar) {
  Date last = calendar.startOfDay(item.lastCareDate);
  switch (item.careFrequency) {
    case CareFrequency::daily:
      return calendar.startOfDay(target) > last;
    case CareFrequency::weekly: {
      auto days = calendar.wholeDaysBetween(last, target);
      return days && *days > 0 && *days % 7 == 0;
    }
    case CareFrequency::monthly: {
      Date anniversary = last;
      for (int k = 0; k < monthHorizon; ++k) {
        auto next = calendar.addingMonths(1, anniversary);
        if (!next) return false;
        anniversary = *next;
        if (calendar.isSameDay(target, anniversary)) return true;
      }
      return false;
    }
  }
  return false;
}

bool isDue(const CareItem& item, Date target, int monthHorizon, const Calendar& calendar) {
  if (!calendar.isGregorian()) return isDueReference(item, target, monthHorizon, calendar);
  const TimeZoneOffsetTable& table = calendar.offsetTable();
  auto last = table.dayNumber(item.lastCareDate);
  auto day = table.dayNumber(target);
  if (!last || !day) return isDueReference(item, target, monthHorizon, calendar);
  switch (item.careFrequency) {
    case CareFrequency::daily:
      return *day > *last;
    case CareFrequency::weekly:
      if (!isSteadyDay(table, *last) || !isSteadyDay(table, *day) ||
          jumpsNear(table, item.lastCareDate, target))
        return isDueReference(item, target, monthHorizon, calendar);
      return *day > *last && (*day - *last) % 7 == 0;
    case CareFrequency::monthly: {
      if (jumpsNear(table, item.lastCareDate, target))
        return isDueReference(item, target, monthHorizon, calendar);
      MonthlyChain chain(*last);
      for (int k = 0; k < monthHorizon; ++k) {
        std::int32_t anniversary = chain.next();
        if (anniversary >= *day) return anniversary == *day;
      }
      return false;
    }
  }
  return false;
}

bool isDue(const Plant& plant, Date target, int monthHorizon, const Calendar& calendar) {
  return isDue(CareItem{plant.lastCareDate(), plant.careFrequency()}, target, monthHorizon,
               calendar);
}

DueDayMap dueDayMapReference(std::span<const CareItem> items, Date now, const Calendar& calendar) {
  DueDayMap map;
  for (int i = 0; i < kDueDayMapDays; ++i) {
    auto day = calendar.addingDays(i, now);
    if (!day) continue;
    std::vector<std::size_t> due;
    for (std::size_t index = 0; index < items.size(); ++index)
      if (isDueReference(items[index], *day, kGridMonthHorizon, calendar)) due.push_back(index);
    if (!due.empty()) map[calendar.startOfDay(*day)] = std::move(due);
  }
  return map;
}

DueDayMap dueDayMap(std::span<const CareItem> items, Date now, const Calendar& calendar) {
  if (!calendar.isGregorian()) return dueDayMapReference(items, now, calendar);
  const TimeZoneOffsetTable& table = calendar.offsetTable();
  const double nowMillis = now.unixMilliseconds();
  if (!table.covers(nowMillis) || !table.covers(nowMillis + (kDueDayMapDays + 2) * kDayMillis))
    return dueDayMapReference(items, now, calendar);

  std::vector<WindowDay> window = windowDays(now, table, calendar);
  if (window.empty()) return {};
  const Date windowEnd = window.back().moment;

  // Each item notes the window days it is due on (a daily item as the first day of a run to the
  // end); the lists are then filled once, each at its final size.
  std::vector<std::uint16_t> marks;
  std::vector<std::size_t> marksEnd(items.size());
  std::vector<std::size_t> runFrom(items.size(), window.size());
  IrregularDayCounts irregularCounts;
  for (std::size_t index = 0; index < items.size(); ++index) {
    const CareItem& item = items[index];
    auto mark = [&](std::size_t w) { marks.push_back(static_cast<std::uint16_t>(w)); };
    auto byReference = [&] {
      for (std::size_t w = 0; w < window.size(); ++w)
        if (isDueReference(item, window[w].moment, kGridMonthHorizon, calendar)) mark(w);
    };
    auto last = table.dayNumber(item.lastCareDate);
    if (!last) {
      byReference();
    } else if (item.careFrequency == CareFrequency::daily) {
      runFrom[index] = static_cast<std::size_t>(
          std::partition_point(window.begin(), window.end(),
                               [&](const WindowDay& day) { return day.number <= *last; }) -
          window.begin());
    } else if (jumpsNear(table, item.lastCareDate, windowEnd)) {
      byReference();
    } else if (item.careFrequency == CareFrequency::weekly) {
      // The count from the last-care day depends only on that day's midnight and its offset; a
      // day that begins later than midnight (a DST change at 00:00) is left to ICU.
      std::int32_t offset = table.offsetMillis(*last * kDayMillis);
      bool startsAtMidnight = true;
      Date start;
      if (!isSteadyDay(table, *last)) {
        start = calendar.startOfDay(item.lastCareDate);
        offset = table.offsetMillis(start.unixMilliseconds());
        startsAtMidnight = start.unixMilliseconds() + offset == *last * kDayMillis;
      }
      for (std::size_t w = 0; w < window.size(); ++w) {
        std::int32_t days = window[w].number - *last;
        if (!startsAtMidnight) {
          if (days < 0 || (days % 7 != 0 && days % 7 != 1 && days % 7 != 6)) continue;
          auto exact = calendar.wholeDaysBetween(start, window[w].moment);
          if (!exact) continue;
          days = *exact;
        } else if (days > 0 && !window[w].steady) {
          auto reached = irregularCounts.reached(w, offset, *last, item.lastCareDate,
                                                 window[w].moment, calendar);
          if (!reached) continue;
          days = *reached - *last;
        }
        if (days > 0 && days % 7 == 0) mark(w);
      }
    } else {
      MonthlyChain chain(*last);
      std::size_t w = 0;
      for (int k = 0; k < kGridMonthHorizon && w < window.size(); ++k) {
        std::int32_t anniversary = chain.next();
        while (w < window.size() && window[w].number < anniversary) ++w;
        for (std::size_t v = w; v < window.size() && window[v].number == anniversary; ++v) mark(v);
      }
    }
    marksEnd[index] = marks.size();
  }

  std::vector<std::size_t> counts(window.size() + 1, 0);
  for (std::size_t from : runFrom) ++counts[from];
  for (std::size_t w = 1; w < window.size(); ++w) counts[w] += counts[w - 1];
  for (std::uint16_t w : marks) ++counts[w];
  std::vector<std::vector<std::size_t>> due(window.size());
  for (std::size_t w = 0; w < window.size(); ++w) due[w].reserve(counts[w]);
  std::size_t mark = 0;
  for (std::size_t index = 0; index < items.size(); ++index) {
    for (; mark < marksEnd[index]; ++mark) due[marks[mark]].push_back(index);
    for (std::size_t w = runFrom[index]; w < window.size(); ++w) due[w].push_back(index);
  }

  DueDayMap map;
  for (std::size_t w = 0; w < window.size(); ++w)
    if (!due[w].empty()) map[window[w].start] = std::move(due[w]);
  return map;
}

DueDayMap dueDayMap(std::span<const std::shared_ptr<Plant>> plants, Date now,
                    const Calendar& calendar) {
  std::vector<CareItem> items;
  items.reserve(plants.size());
  for (const auto& plant : plants) items.push_back({plant->lastCareDate(), plant->careFrequency()});
  return dueDayMap(items, now, calendar);
}

std::optional<int> countdown(const CareItem& item, Date now, const Calendar& calendar) {
  auto next = calendar.addingDays(nominalDays(item.careFrequency), item.lastCareDate);
  if (!next) return std::nullopt;
  return calendar.wholeDaysBetween(now, *next);
}

std::optional<int> countdown(const Plant& plant, Date now, const Calendar& calendar) {
  return countdown(CareItem{plant.lastCareDate(), plant.careFrequency()}, now, calendar);
}

Date markDoneDate(Date now, int dayOffset, const Calendar& calendar) {
  return calendar.addingDays(dayOffset, now).value_or(now);
}

void markDone(Plant& plant, Date now, int dayOffset, const Calendar& calendar) {
  plant.setLastCareDate(markDoneDate(now, dayOffset, calendar));
}

}  // namespace verdeo
