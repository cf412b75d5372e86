#include "app/model/CareSchedule.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

#include "app/model/Plant.hpp"

namespace verdeo {
namespace {

using platform::Calendar;
using platform::Date;

constexpr double kHour = 3600;
constexpr const char* kZones[] = {"Europe/Rome", "America/New_York"};

Calendar calendarIn(std::string_view zone, std::string_view locale = "en_US") {
  auto calendar = Calendar::inTimeZone(zone, locale);
  if (!calendar) throw std::runtime_error(calendar.error().description);
  return std::move(calendar).value();
}

struct Local {
  int year, month, day, hour = 12, minute = 0;
};

Date at(const Calendar& calendar, Local local) {
  return *calendar.date({.year = local.year,
                         .month = local.month,
                         .day = local.day,
                         .hour = local.hour,
                         .minute = local.minute,
                         .second = 0});
}

std::string describe(Local local) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", local.year, local.month, local.day,
                local.hour, local.minute);
  return text;
}

TEST(CareSchedule, DueTestFollowsTheDayRules) {
  using F = CareFrequency;
  struct Case {
    F frequency;
    Local last;
    Local target;
    int horizon;
    bool due;
  } cases[] = {
      // Daily: not on the day of care, on every later day, never before.
      {F::daily, {2025, 3, 10, 8}, {2025, 3, 10, 23, 59}, 13, false},
      {F::daily, {2025, 3, 10, 8}, {2025, 3, 11, 0, 0}, 13, true},
      {F::daily, {2025, 3, 10, 8}, {2025, 7, 1}, 13, true},
      {F::daily, {2025, 3, 10, 8}, {2025, 3, 9, 23, 59}, 13, false},
      {F::daily, {2025, 3, 29, 23, 30}, {2025, 3, 30, 0, 0}, 13, true},
      // Weekly: the 7th and 14th days from the last-care day, whatever the time of care.
      {F::weekly, {2025, 3, 10, 23, 0}, {2025, 3, 17, 0, 0}, 13, true},
      {F::weekly, {2025, 3, 10, 23, 0}, {2025, 3, 16, 23, 59}, 13, false},
      {F::weekly, {2025, 3, 10, 0, 30}, {2025, 3, 17, 0, 0}, 13, true},
      {F::weekly, {2025, 3, 10, 12}, {2025, 3, 10, 13}, 13, false},
      {F::weekly, {2025, 3, 10, 12}, {2025, 3, 11}, 13, false},
      {F::weekly, {2025, 3, 10, 12}, {2025, 3, 18}, 13, false},
      {F::weekly, {2025, 3, 10, 12}, {2025, 3, 23}, 13, false},
      {F::weekly, {2025, 3, 10, 12}, {2025, 3, 24, 0, 0}, 13, true},
      {F::weekly, {2025, 3, 10, 12}, {2025, 3, 3}, 13, false},
      {F::weekly, {2025, 3, 10, 12}, {2026, 3, 9}, 13, true},  // 364 days: no horizon
      // Weekly across the spring and autumn changes of both zones.
      {F::weekly, {2025, 3, 27, 10}, {2025, 4, 3, 0, 0}, 13, true},
      {F::weekly, {2025, 3, 5, 10}, {2025, 3, 12, 0, 0}, 13, true},
      {F::weekly, {2025, 10, 22, 23}, {2025, 10, 29, 0, 0}, 13, true},
      {F::weekly, {2025, 10, 29, 23}, {2025, 11, 5, 0, 0}, 13, true},
      {F::weekly, {2025, 10, 29, 23}, {2025, 11, 4, 23, 59}, 13, false},
      // Monthly: each anniversary a month after the previous, so the 31st drifts to the 28th.
      {F::monthly, {2025, 1, 31, 10}, {2025, 2, 28, 0, 0}, 13, true},
      {F::monthly, {2025, 1, 31, 10}, {2025, 3, 28}, 13, true},
      {F::monthly, {2025, 1, 31, 10}, {2025, 3, 31}, 13, false},
      {F::monthly, {2025, 1, 31, 10}, {2025, 4, 28}, 13, true},
      {F::monthly, {2025, 1, 31, 10}, {2025, 1, 31, 23}, 13, false},
      {F::monthly, {2024, 1, 31, 10}, {2024, 2, 29}, 13, true},
      {F::monthly, {2024, 1, 31, 10}, {2024, 3, 29}, 13, true},
      {F::monthly, {2024, 1, 31, 10}, {2024, 3, 28}, 13, false},
      {F::monthly, {2024, 2, 29, 10}, {2025, 2, 28}, 13, true},
      {F::monthly, {2024, 2, 29, 10}, {2025, 3, 28}, 13, true},  // 13th anniversary
      {F::monthly, {2024, 2, 29, 10}, {2025, 3, 29}, 13, false},
      {F::monthly, {2024, 2, 29, 10}, {2025, 4, 28}, 13, false},
      {F::monthly, {2024, 2, 29, 10}, {2025, 4, 28}, 25, true},
      {F::monthly, {2023, 6, 15, 9}, {2025, 1, 15}, 13, false},  // 19th anniversary
      {F::monthly, {2023, 6, 15, 9}, {2025, 1, 15}, 25, true},
      {F::monthly, {2023, 6, 15, 9}, {2025, 7, 15}, 25, true},  // 25th
      {F::monthly, {2023, 6, 15, 9}, {2025, 8, 15}, 25, false},
      {F::monthly, {2025, 3, 15, 9}, {2025, 4, 15}, 0, false},
      // Monthly across DST changes, cared for just after midnight and late in the evening.
      {F::monthly, {2025, 3, 9, 0, 30}, {2025, 4, 9, 0, 0}, 13, true},
      {F::monthly, {2025, 2, 28, 23}, {2025, 3, 28, 23, 59}, 13, true},
      {F::monthly, {2025, 10, 2, 23}, {2025, 11, 2, 0, 0}, 13, true},
  };
  for (const char* zone : kZones) {
    auto calendar = calendarIn(zone);
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message()
                   << zone << " " << rawValue(c.frequency) << " last " << describe(c.last)
                   << " target " << describe(c.target) << " H " << c.horizon);
      CareItem item{at(calendar, c.last), c.frequency};
      Date target = at(calendar, c.target);
      EXPECT_EQ(isDue(item, target, c.horizon, calendar), c.due);
      EXPECT_EQ(isDueReference(item, target, c.horizon, calendar), c.due);
    }
  }
}

TEST(CareSchedule, APlantCreatedNowIsDueOnNoListToday) {
  for (const char* zone : kZones) {
    auto calendar = calendarIn(zone);
    Date now = at(calendar, {2025, 3, 30, 9, 41});
    for (auto frequency : kAllCareFrequencies) {
      CareItem item{now, frequency};
      EXPECT_FALSE(isDue(item, calendar.startOfDay(now), kListMonthHorizon, calendar));
      EXPECT_FALSE(
          dueDayMap(std::span(&item, 1), now, calendar).contains(calendar.startOfDay(now)));
    }
  }
}

class DueDayMapTest : public ::testing::TestWithParam<const char*> {
 protected:
  Calendar calendar = calendarIn(GetParam());
  // Inside the window: Rome springs forward on 30 March, New York on 9 March 2025.
  Date now = at(calendar, {2025, 3, 5, 18, 20});

  std::vector<Date> keys(const DueDayMap& map) {
    std::vector<Date> result;
    for (const auto& [day, due] : map) result.push_back(day);
    return result;
  }
};

TEST_P(DueDayMapTest, CoversTodayAndThe400DaysAfterItKeyedByDayStart) {
  CareItem daily{at(calendar, {2025, 1, 1}), CareFrequency::daily};
  auto map = dueDayMap(std::span(&daily, 1), now, calendar);
  ASSERT_EQ(map.size(), 401u);
  EXPECT_EQ(map.begin()->first, calendar.startOfDay(now));
  EXPECT_EQ(map.rbegin()->first, calendar.startOfDay(*calendar.addingDays(400, now)));
  for (const auto& [day, due] : map) {
    EXPECT_EQ(calendar.startOfDay(day), day);
    EXPECT_EQ(due, std::vector<std::size_t>{0});
  }
  EXPECT_EQ(map, dueDayMapReference(std::span(&daily, 1), now, calendar));
}

TEST_P(DueDayMapTest, ListsTheItemsDueEachDayInTheOrderGiven) {
  std::vector<CareItem> items = {
      {at(calendar, {2025, 2, 26, 23, 0}), CareFrequency::weekly},  // due 5 March, 12, ...
      {now, CareFrequency::daily},                                  // due from 6 March
      {at(calendar, {2025, 2, 5, 0, 30}), CareFrequency::monthly},  // due 5 March, 5 April, ...
      {at(calendar, {2025, 3, 20, 8}), CareFrequency::daily},       // cared for in the future
  };
  auto map = dueDayMap(items, now, calendar);
  EXPECT_EQ(map, dueDayMapReference(items, now, calendar));
  auto entry = [&](Local day) { return map.at(calendar.startOfDay(at(calendar, day))); };
  EXPECT_EQ(entry({2025, 3, 5}), (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(entry({2025, 3, 6}), (std::vector<std::size_t>{1}));
  EXPECT_EQ(entry({2025, 3, 12}), (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(entry({2025, 3, 20}), (std::vector<std::size_t>{1}));
  EXPECT_EQ(entry({2025, 3, 21}), (std::vector<std::size_t>{1, 3}));
  EXPECT_EQ(entry({2025, 4, 2}), (std::vector<std::size_t>{0, 1, 3}));
  EXPECT_EQ(entry({2025, 4, 5}), (std::vector<std::size_t>{1, 2, 3}));
}

TEST_P(DueDayMapTest, MarksLateAnniversariesThatTheDayListsLeaveOut) {
  // Cared for 20 months and a week ago: anniversaries 21 to 25 fall in the window.
  CareItem monthly{at(calendar, {2023, 6, 28, 9}), CareFrequency::monthly};
  auto map = dueDayMap(std::span(&monthly, 1), now, calendar);
  std::vector<Date> expected;
  for (int month = 3; month <= 7; ++month)
    expected.push_back(calendar.startOfDay(at(calendar, {2025, month, 28})));
  EXPECT_EQ(keys(map), expected);
  for (Date day : expected) EXPECT_FALSE(isDue(monthly, day, kListMonthHorizon, calendar));
  EXPECT_EQ(map, dueDayMapReference(std::span(&monthly, 1), now, calendar));
}

TEST_P(DueDayMapTest, WeeklyDaysKeepTheirPlaceAcrossDstChanges) {
  CareItem weekly{at(calendar, {2025, 3, 1, 23, 0}), CareFrequency::weekly};
  auto map = dueDayMap(std::span(&weekly, 1), now, calendar);
  ASSERT_FALSE(map.empty());
  Date expected = calendar.startOfDay(at(calendar, {2025, 3, 8}));
  for (Date day : keys(map)) {
    EXPECT_EQ(day, expected);
    expected = *calendar.addingDays(7, expected);
  }
  EXPECT_EQ(map.size(), 57u);
  EXPECT_EQ(map, dueDayMapReference(std::span(&weekly, 1), now, calendar));
}

INSTANTIATE_TEST_SUITE_P(Zones, DueDayMapTest, ::testing::ValuesIn(kZones));

// The fast map against the literal reading, over zones with DST changes at 2:00, at midnight
// (Havana, Santiago), by half an hour (Lord Howe), none (Kolkata) and a skipped day (Apia, end
// of 2011), with "now" near the changes and last-care dates at awkward times.
TEST(CareSchedule, FastAnswersMatchTheReferenceEverywhere) {
  struct Scenario {
    const char* zone;
    Local now;
  } scenarios[] = {
      {"Europe/Rome", {2025, 3, 29, 23, 30}},     {"Europe/Rome", {2025, 10, 26, 2, 30}},
      {"America/New_York", {2025, 3, 9, 1, 59}},  {"America/New_York", {2025, 11, 2, 1, 30}},
      {"America/New_York", {2024, 2, 28, 23, 0}}, {"America/Havana", {2025, 3, 8, 23, 45}},
      {"America/Havana", {2025, 11, 1, 0, 30}},   {"America/Santiago", {2025, 4, 5, 23, 30}},
      {"America/Santiago", {2025, 9, 6, 12, 0}},  {"Australia/Lord_Howe", {2025, 4, 6, 1, 45}},
      {"Asia/Kolkata", {2025, 1, 31, 0, 0}},      {"Pacific/Apia", {2011, 12, 29, 12, 0}},
      {"Pacific/Apia", {2010, 12, 20, 0, 15}},
  };
  std::mt19937 random(20250301);
  auto pick = [&](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
  for (const auto& scenario : scenarios) {
    auto calendar = calendarIn(scenario.zone);
    Date now = at(calendar, scenario.now);
    SCOPED_TRACE(::testing::Message() << scenario.zone << " now " << describe(scenario.now));
    std::vector<CareItem> items;
    for (int n = 0; n < 24; ++n) {
      auto frequency = kAllCareFrequencies[static_cast<std::size_t>(n % 3)];
      Date base = *calendar.addingDays(-pick(-40, 800), now);
      auto parts = calendar.components(base);
      int hour = std::array{0, 0, 1, 2, 9, 23, 23}[static_cast<std::size_t>(pick(0, 6))];
      int minute = std::array{0, 30, 59}[static_cast<std::size_t>(pick(0, 2))];
      int day = pick(0, 4) == 0 ? 31 : *parts.day;  // rolls over in short months
      if (pick(0, 10) == 0) {
        parts.year = 2024;
        parts.month = 2;
        day = 29;
      }
      Date last = *calendar.date({.year = parts.year,
                                  .month = parts.month,
                                  .day = day,
                                  .hour = hour,
                                  .minute = minute,
                                  .second = pick(0, 59)});
      items.push_back({last, frequency});
    }
    EXPECT_EQ(dueDayMap(items, now, calendar), dueDayMapReference(items, now, calendar));
    for (const auto& item : items) {
      for (int probe = 0; probe < 20; ++probe) {
        Date target = now.addingSeconds(pick(-30 * 24, 420 * 24) * kHour + pick(0, 3599));
        int horizon = pick(0, 1) ? kListMonthHorizon : kGridMonthHorizon;
        ASSERT_EQ(isDue(item, target, horizon, calendar),
                  isDueReference(item, target, horizon, calendar))
            << rawValue(item.careFrequency) << " last " << item.lastCareDate.unixSeconds()
            << " target " << target.unixSeconds();
      }
    }
  }
}

TEST(CareSchedule, OtherCalendarSystemsAndOddDatesTakeTheReferencePath) {
  auto buddhist = calendarIn("Asia/Bangkok", "th_TH");
  Date now = Date::fromUnixSeconds(1740820542.0);
  std::vector<CareItem> items = {
      {*buddhist.addingDays(-3, now), CareFrequency::daily},
      {*buddhist.addingDays(-7, now), CareFrequency::weekly},
      {*buddhist.addingMonths(-1, now), CareFrequency::monthly},
  };
  EXPECT_EQ(dueDayMap(items, now, buddhist), dueDayMapReference(items, now, buddhist));
  EXPECT_TRUE(isDue(items[1], now, kListMonthHorizon, buddhist));

  auto rome = calendarIn("Europe/Rome");
  std::vector<CareItem> odd = {
      {Date::fromReferenceSeconds(std::numeric_limits<double>::quiet_NaN()), CareFrequency::daily},
      {Date::fromUnixSeconds(-3'000'000'000.0), CareFrequency::daily},  // 1874
      {Date::fromReferenceSeconds(1e300), CareFrequency::monthly},
  };
  auto map = dueDayMap(odd, now, rome);
  EXPECT_EQ(map, dueDayMapReference(odd, now, rome));
  EXPECT_EQ(map.size(), 401u);
  EXPECT_EQ(map.begin()->second, std::vector<std::size_t>{1});
}

TEST(CareSchedule, CountdownCountsWholeDaysToTheNominalNextCare) {
  struct Case {
    CareFrequency frequency;
    Local last;
    Local now;
    int days;
  } cases[] = {
      {CareFrequency::daily, {2025, 3, 10, 0}, {2025, 3, 10, 10}, 0},  // 10 hours ago
      {CareFrequency::daily, {2025, 3, 10, 0}, {2025, 3, 12, 2}, -1},  // 50 hours ago
      {CareFrequency::daily, {2025, 3, 10, 0}, {2025, 3, 13, 0}, -2},
      {CareFrequency::daily, {2025, 3, 10, 0}, {2025, 3, 9, 23}, 1},  // cared for in the future
      {CareFrequency::weekly, {2025, 3, 10, 9}, {2025, 3, 13, 9}, 4},
      {CareFrequency::weekly, {2025, 3, 10, 9}, {2025, 3, 13, 9, 1}, 3},
      {CareFrequency::weekly, {2025, 3, 10, 9}, {2025, 3, 30, 9}, -13},
      {CareFrequency::monthly, {2025, 1, 31, 9}, {2025, 1, 31, 9}, 30},
      {CareFrequency::monthly, {2025, 2, 1, 9}, {2025, 3, 3, 8}, 0},
      // Across the spring change (Rome 30 March, New York 9 March): calendar days, not 24 hours.
      {CareFrequency::weekly, {2025, 3, 27, 10}, {2025, 3, 28, 10}, 6},
      {CareFrequency::weekly, {2025, 3, 5, 10}, {2025, 3, 6, 10}, 6},
  };
  for (const char* zone : kZones) {
    auto calendar = calendarIn(zone);
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message() << zone << " " << rawValue(c.frequency) << " last "
                                        << describe(c.last) << " now " << describe(c.now));
      EXPECT_EQ(
          countdown(CareItem{at(calendar, c.last), c.frequency}, at(calendar, c.now), calendar),
          c.days);
    }
  }
  auto rome = calendarIn("Europe/Rome");
  EXPECT_FALSE(countdown(CareItem{Date::fromReferenceSeconds(1e300), CareFrequency::daily},
                         Date::fromUnixSeconds(1740820542.0), rome));
}

TEST(CareSchedule, MarkingDoneWritesTheShownDayAtTheCurrentTime) {
  for (const char* zone : kZones) {
    SCOPED_TRACE(zone);
    auto calendar = calendarIn(zone);
    Date now = at(calendar, {2025, 3, 28, 9, 15});
    EXPECT_EQ(markDoneDate(now, 0, calendar), now);
    EXPECT_EQ(markDoneDate(now, -1, calendar), at(calendar, {2025, 3, 27, 9, 15}));
    Date ahead = markDoneDate(now, 3, calendar);
    EXPECT_EQ(ahead, at(calendar, {2025, 3, 31, 9, 15}));
    EXPECT_EQ(markDoneDate(now, INT_MAX, calendar), now);

    auto plant = Plant::create({.id = platform::Uuid::random(),
                                .name = "Fern",
                                .species = "Fern",
                                .dateAcquired = now,
                                .lastCareDate = at(calendar, {2025, 3, 1}),
                                .careFrequency = CareFrequency::daily,
                                .lightNeeds = LightNeeds::low,
                                .waterNeeds = WaterNeeds::high,
                                .notes = "",
                                .imageData = std::nullopt,
                                .location = Location::bathroom,
                                .notificationsEnabled = false,
                                .notificationTime = now});
    markDone(*plant, now, 3, calendar);
    EXPECT_EQ(plant->lastCareDate(), ahead);
    EXPECT_FALSE(isDue(*plant, calendar.startOfDay(ahead), kListMonthHorizon, calendar));
    EXPECT_FALSE(isDue(*plant, at(calendar, {2025, 3, 29}), kListMonthHorizon, calendar));
    EXPECT_TRUE(isDue(*plant, at(calendar, {2025, 4, 1, 0, 0}), kListMonthHorizon, calendar));
    EXPECT_EQ(countdown(*plant, now, calendar), 4);
    std::vector<std::shared_ptr<Plant>> plants = {plant};
    EXPECT_EQ(dueDayMap(plants, now, calendar).begin()->first,
              calendar.startOfDay(at(calendar, {2025, 4, 1})));
  }
}

}  // namespace
}  // namespace verdeo
