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

// Whole days from a steady last-care midnight to a window day that is not steady. ICU's answer
// depends only on the window day and the UTC offset of that midnight (the addition from
// day L at offset o to day L + k lands where day L' at o would land for k' = L + k - L'), so one
// ICU difference per window day and offset serves every item: it is kept as the day number the
// count reaches.
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

  // The window's days through ICU once each; everything per item below is day-number arithmetic.
  std::vector<WindowDay> window;
  window.reserve(kDueDayMapDays);
  for (int i = 0; i < kDueDayMapDays; ++i) {
    auto moment = calendar.addingDays(i, now);
    if (!moment) continue;
    auto number = table.dayNumber(*moment);
    if (!number) return dueDayMapReference(items, now, calendar);
    window.push_back({*moment, calendar.startOfDay(*moment), *number, isSteadyDay(table, *number)});
  }
  if (window.empty()) return {};
  const Date windowEnd = window.back().moment;

  std::vector<std::vector<std::size_t>> due(window.size());
  IrregularDayCounts irregularCounts;
  for (std::size_t index = 0; index < items.size(); ++index) {
    const CareItem& item = items[index];
    auto byReference = [&] {
      for (std::size_t w = 0; w < window.size(); ++w)
        if (isDueReference(item, window[w].moment, kGridMonthHorizon, calendar))
          due[w].push_back(index);
    };
    auto last = table.dayNumber(item.lastCareDate);
    if (!last) {
      byReference();
      continue;
    }
    switch (item.careFrequency) {
      case CareFrequency::daily:
        for (std::size_t w = 0; w < window.size(); ++w)
          if (window[w].number > *last) due[w].push_back(index);
        break;

      case CareFrequency::weekly: {
        if (jumpsNear(table, item.lastCareDate, windowEnd)) {
          byReference();
          break;
        }
        if (!isSteadyDay(table, *last)) {
          // The last-care day has no plain midnight: ask ICU for each day that is a multiple of 7
          // days away give or take one.
          Date start = calendar.startOfDay(item.lastCareDate);
          for (std::size_t w = 0; w < window.size(); ++w) {
            std::int32_t apart = window[w].number - *last;
            if (apart < 0 || (apart % 7 != 0 && apart % 7 != 1 && apart % 7 != 6)) continue;
            auto days = calendar.wholeDaysBetween(start, window[w].moment);
            if (days && *days > 0 && *days % 7 == 0) due[w].push_back(index);
          }
          break;
        }
        std::int32_t offset = table.offsetMillis(*last * kDayMillis);
        for (std::size_t w = 0; w < window.size(); ++w) {
          if (window[w].number <= *last) continue;
          std::int32_t days = window[w].number - *last;
          if (!window[w].steady) {
            auto reached = irregularCounts.reached(w, offset, *last, item.lastCareDate,
                                                   window[w].moment, calendar);
            if (!reached) continue;
            days = *reached - *last;
          }
          if (days > 0 && days % 7 == 0) due[w].push_back(index);
        }
        break;
      }

      case CareFrequency::monthly: {
        if (jumpsNear(table, item.lastCareDate, windowEnd)) {
          byReference();
          break;
        }
        MonthlyChain chain(*last);
        std::size_t w = 0;
        for (int k = 0; k < kGridMonthHorizon && w < window.size(); ++k) {
          std::int32_t anniversary = chain.next();
          while (w < window.size() && window[w].number < anniversary) ++w;
          for (std::size_t v = w; v < window.size() && window[v].number == anniversary; ++v)
            due[v].push_back(index);
        }
        break;
      }
    }
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
