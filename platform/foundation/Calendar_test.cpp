#include "platform/foundation/Calendar.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/testing/ScopedTimeZone.hpp"

namespace platform {
namespace {

constexpr double kHour = 3600;

Calendar calendarIn(std::string_view zone) {
  auto calendar = Calendar::inTimeZone(zone, "en_US");
  if (!calendar) throw std::runtime_error(calendar.error().description);
  return std::move(calendar).value();
}

Date at(const Calendar& calendar, int year, int month, int day, int hour = 0, int minute = 0) {
  return *calendar.date(
      {.year = year, .month = month, .day = day, .hour = hour, .minute = minute, .second = 0});
}

struct Ymd {
  int year, month, day;
};

void expectDay(const Calendar& calendar, Date date, Ymd day, int hour, int minute) {
  auto parts = calendar.components(date);
  EXPECT_EQ(parts.year, day.year);
  EXPECT_EQ(parts.month, day.month);
  EXPECT_EQ(parts.day, day.day);
  EXPECT_EQ(parts.hour, hour);
  EXPECT_EQ(parts.minute, minute);
}

TEST(Calendar, LocalMidnightsAreTheKnownUtcMoments) {
  // 2025-03-30 00:00 in Rome (CET, +1) and 2025-03-09 00:00 in New York (EST, -5).
  EXPECT_EQ(at(calendarIn("Europe/Rome"), 2025, 3, 30).unixSeconds(), 1743289200.0);
  EXPECT_EQ(at(calendarIn("America/New_York"), 2025, 3, 9).unixSeconds(), 1741496400.0);
}

TEST(Calendar, DaysLast23Or25HoursOnDstChanges) {
  struct Case {
    const char* zone;
    Ymd day;
    double hours;
  } cases[] = {
      {"Europe/Rome", {2025, 3, 29}, 24},      {"Europe/Rome", {2025, 3, 30}, 23},
      {"Europe/Rome", {2025, 10, 26}, 25},     {"America/New_York", {2025, 3, 9}, 23},
      {"America/New_York", {2025, 11, 2}, 25}, {"America/New_York", {2024, 2, 29}, 24},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.zone);
    auto calendar = calendarIn(c.zone);
    Date noon = at(calendar, c.day.year, c.day.month, c.day.day, 12);
    Date start = calendar.startOfDay(noon);
    expectDay(calendar, start, c.day, 0, 0);
    auto next = calendar.addingDays(1, start);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->secondsSince(start), c.hours * kHour);
    EXPECT_EQ(calendar.startOfDay(*next), *next);
    EXPECT_TRUE(calendar.isSameDay(start, noon));
    EXPECT_FALSE(calendar.isSameDay(start, next->addingSeconds(0.001)));
    EXPECT_TRUE(calendar.isSameDay(start, next->addingSeconds(-0.001)));
  }
}

TEST(Calendar, DaysWithoutOrWithTwoMidnightsStartAtTheirFirstMoment) {
  // Havana skips 00:00-01:00 on 9 March 2025 and repeats 00:00-01:00 on 2 November 2025.
  auto havana = calendarIn("America/Havana");
  Date springStart = havana.startOfDay(at(havana, 2025, 3, 9, 12));
  EXPECT_EQ(springStart.unixSeconds(), 1741496400.0);
  expectDay(havana, springStart, {2025, 3, 9}, 1, 0);

  Date secondHalfHour = Date::fromUnixSeconds(1762059600.0 + 1800);  // second 00:30
  expectDay(havana, secondHalfHour, {2025, 11, 2}, 0, 30);
  Date fallStart = havana.startOfDay(secondHalfHour);
  EXPECT_EQ(fallStart.unixSeconds(), 1762059600.0 - kHour);
  EXPECT_EQ(havana.addingDays(1, fallStart)->secondsSince(fallStart), 25 * kHour);
}

TEST(Calendar, FirstValidDateTakesTheEndOfAGapAndTheFirstOfARepeatedTime) {
  struct Case {
    const char* zone;
    Ymd day;
    int hour, minute;
    double unixSeconds;
  };
  // 2026: Rome springs forward 02:00->03:00 on 29 March and falls back 03:00->02:00 on
  // 25 October; New York springs 02:00->03:00 on 8 March and falls 02:00->01:00 on 1 November.
  const Case cases[] = {
      {"Europe/Rome", {2026, 3, 29}, 2, 30, 1774746000.0},        // skipped: 03:00 CEST
      {"Europe/Rome", {2026, 10, 25}, 2, 30, 1792888200.0},       // repeated: 02:30 CEST
      {"America/New_York", {2026, 3, 8}, 2, 0, 1772953200.0},     // skipped: 03:00 EDT
      {"America/New_York", {2026, 11, 1}, 1, 30, 1793511000.0},   // repeated: 01:30 EDT
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.day.month));
    auto calendar = calendarIn(c.zone);
    auto moment = calendar.firstValidDate({.year = c.day.year, .month = c.day.month,
                                           .day = c.day.day, .hour = c.hour, .minute = c.minute});
    ASSERT_TRUE(moment);
    EXPECT_EQ(moment->unixSeconds(), c.unixSeconds);
    // The calendar's ordinary resolution is left as it was.
    EXPECT_EQ(calendar.date({.year = 2026, .month = 10, .day = 25, .hour = 2, .minute = 30})
                  ->unixSeconds(),
              c.zone == std::string("Europe/Rome") ? 1792888200.0 + kHour : 1792909800.0);
  }
}

TEST(Calendar, AddingDaysKeepsTheWallClockTimeAcrossDstChanges) {
  for (const char* zone : {"Europe/Rome", "America/New_York"}) {
    SCOPED_TRACE(zone);
    auto calendar = calendarIn(zone);
    bool rome = std::string_view(zone) == "Europe/Rome";
    Ymd spring = rome ? Ymd{2025, 3, 29} : Ymd{2025, 3, 8};
    Ymd fall = rome ? Ymd{2025, 10, 25} : Ymd{2025, 11, 1};
    Date beforeSpring = at(calendar, spring.year, spring.month, spring.day, 9, 30);
    auto afterSpring = calendar.addingDays(1, beforeSpring);
    expectDay(calendar, *afterSpring, {spring.year, spring.month, spring.day + 1}, 9, 30);
    EXPECT_EQ(afterSpring->secondsSince(beforeSpring), 23 * kHour);
    Date beforeFall = at(calendar, fall.year, fall.month, fall.day, 9, 30);
    auto afterFall = calendar.addingDays(1, beforeFall);
    expectDay(calendar, *afterFall, {fall.year, fall.month, fall.day + 1}, 9, 30);
    EXPECT_EQ(afterFall->secondsSince(beforeFall), 25 * kHour);
    EXPECT_EQ(calendar.addingDays(-1, *afterFall), beforeFall);
  }
  // A wall-clock time the change skips lands after the gap.
  auto newYork = calendarIn("America/New_York");
  auto skipped = newYork.addingDays(1, at(newYork, 2025, 3, 8, 2, 30));
  expectDay(newYork, *skipped, {2025, 3, 9}, 3, 30);
}

TEST(Calendar, AddingMonthsClampsToShorterMonthsAndKeepsTheTime) {
  struct Case {
    Ymd from;
    int months;
    Ymd to;
  } cases[] = {
      {{2025, 1, 31}, 1, {2025, 2, 28}},  {{2024, 1, 31}, 1, {2024, 2, 29}},
      {{2024, 2, 29}, 12, {2025, 2, 28}}, {{2024, 2, 29}, 48, {2028, 2, 29}},
      {{2025, 3, 31}, 1, {2025, 4, 30}},  {{2025, 12, 31}, 2, {2026, 2, 28}},
      {{2025, 3, 31}, -1, {2025, 2, 28}}, {{2025, 2, 28}, 1, {2025, 3, 28}},
      {{2025, 3, 1}, -1, {2025, 2, 1}},
  };
  for (const char* zone : {"Europe/Rome", "America/New_York"}) {
    auto calendar = calendarIn(zone);
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message() << zone << " " << c.from.year << "-" << c.from.month << "-"
                                        << c.from.day << " + " << c.months);
      auto result = calendar.addingMonths(
          c.months, at(calendar, c.from.year, c.from.month, c.from.day, 10, 15));
      ASSERT_TRUE(result);
      expectDay(calendar, *result, c.to, 10, 15);
    }
  }
}

TEST(Calendar, WholeDaysBetweenCountsCalendarDaysTruncatedTowardZero) {
  struct Case {
    Ymd from;
    int fromHour;
    Ymd to;
    int toHour;
    int days;
  } cases[] = {
      {{2025, 3, 29}, 0, {2025, 3, 31}, 0, 2},    // spans the 23-hour day
      {{2025, 3, 31}, 0, {2025, 3, 29}, 0, -2},   // backwards
      {{2025, 10, 26}, 0, {2025, 10, 27}, 0, 1},  // the 25-hour day
      {{2025, 3, 1}, 10, {2025, 3, 2}, 9, 0},     // 23 hours: no whole day
      {{2025, 3, 2}, 9, {2025, 3, 1}, 10, 0},     // -23 hours truncates to 0, not -1
      {{2025, 3, 2}, 9, {2025, 2, 28}, 10, -1},
      {{2024, 2, 28}, 0, {2024, 3, 1}, 0, 2},  // through 29 February
      {{2025, 2, 28}, 0, {2025, 3, 1}, 0, 1},
      {{2025, 1, 1}, 0, {2026, 1, 1}, 0, 365},
  };
  for (const char* zone : {"Europe/Rome", "America/New_York"}) {
    auto calendar = calendarIn(zone);
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message() << zone << " " << c.from.month << "/" << c.from.day
                                        << " -> " << c.to.month << "/" << c.to.day);
      auto days =
          calendar.wholeDaysBetween(at(calendar, c.from.year, c.from.month, c.from.day, c.fromHour),
                                    at(calendar, c.to.year, c.to.month, c.to.day, c.toHour));
      EXPECT_EQ(days, c.days);
    }
  }
}

TEST(Calendar, WeekdaysMonthLengthsAndMonthStarts) {
  auto calendar = calendarIn("Europe/Rome");
  EXPECT_EQ(calendar.weekday(at(calendar, 2025, 3, 2)), 1);       // Sunday
  EXPECT_EQ(calendar.weekday(at(calendar, 2024, 2, 29, 23)), 5);  // Thursday
  EXPECT_EQ(calendar.weekday(at(calendar, 2025, 3, 1, 0)), 7);    // Saturday
  EXPECT_EQ(calendar.daysInMonth(at(calendar, 2024, 2, 10)), 29);
  EXPECT_EQ(calendar.daysInMonth(at(calendar, 2025, 2, 10)), 28);
  EXPECT_EQ(calendar.daysInMonth(at(calendar, 2025, 4, 30, 23)), 30);
  // 2025-03-01 00:00 CET, although the 30th is already in summer time.
  EXPECT_EQ(calendar.startOfMonth(at(calendar, 2025, 3, 30, 15))->unixSeconds(), 1740783600.0);
  auto newYork = calendarIn("America/New_York");
  expectDay(newYork, *newYork.startOfMonth(at(newYork, 2025, 11, 30, 23, 59)), {2025, 11, 1}, 0, 0);
}

TEST(Calendar, ComponentsRoundTripAndAnHourAloneFallsOnTheEpochDay) {
  auto calendar = calendarIn("America/New_York");
  Date moment = Date::fromUnixSeconds(1740820542.0);  // 2025-03-01 09:15:42 UTC
  EXPECT_EQ(
      calendar.components(moment),
      (DateComponents{
          .era = 1, .year = 2025, .month = 3, .day = 1, .hour = 4, .minute = 15, .second = 42}));
  EXPECT_EQ(calendar.date(calendar.components(moment)), Date::fromUnixSeconds(1740820542.0));

  auto nine = calendar.date({.hour = 9, .minute = 0});
  ASSERT_TRUE(nine);
  EXPECT_EQ(
      calendar.components(*nine),
      (DateComponents{
          .era = 1, .year = 1970, .month = 1, .day = 1, .hour = 9, .minute = 0, .second = 0}));
  auto rome = calendarIn("Europe/Rome");
  EXPECT_EQ(rome.components(*rome.date({.hour = 9, .minute = 0})).hour, 9);
}

TEST(Calendar, MomentsWithoutACalendarDayGiveNoAnswers) {
  auto calendar = calendarIn("Europe/Rome");
  Date nan = Date::fromReferenceSeconds(std::numeric_limits<double>::quiet_NaN());
  Date huge = Date::fromReferenceSeconds(1e300);
  Date now = Date::fromUnixSeconds(1740820542.0);
  EXPECT_TRUE(std::isnan(calendar.startOfDay(nan).referenceSeconds()));
  EXPECT_EQ(calendar.startOfDay(huge), huge);
  EXPECT_FALSE(calendar.isSameDay(nan, nan));
  EXPECT_FALSE(calendar.addingDays(1, nan));
  EXPECT_FALSE(calendar.addingMonths(1, huge));
  EXPECT_FALSE(calendar.wholeDaysBetween(now, nan));
  EXPECT_FALSE(calendar.wholeDaysBetween(huge, now));
  EXPECT_EQ(calendar.weekday(nan), 0);
  EXPECT_FALSE(calendar.daysInMonth(nan));
  EXPECT_FALSE(calendar.startOfMonth(huge));
  EXPECT_EQ(calendar.components(nan), DateComponents{});
  // Beyond ICU's range a lenient calendar would clamp; an addition there fails instead.
  EXPECT_FALSE(calendar.addingDays(INT_MAX, now));
  EXPECT_FALSE(calendar.addingMonths(INT_MIN, now));
  EXPECT_TRUE(calendar.addingDays(1'000'000, now));
}

TEST(Calendar, UnknownZonesAreErrorsAndLocalesChooseTheCalendarSystem) {
  auto unknown = Calendar::inTimeZone("Mars/Olympus_Mons");
  ASSERT_FALSE(unknown);
  EXPECT_NE(unknown.error().description.find("Mars/Olympus_Mons"), std::string::npos);

  auto gregorian = calendarIn("Europe/Rome");
  EXPECT_EQ(gregorian.identifier(), "gregorian");
  EXPECT_TRUE(gregorian.isGregorian());
  EXPECT_EQ(gregorian.timeZoneId(), "Europe/Rome");

  auto buddhist = Calendar::inTimeZone("Asia/Bangkok", "th_TH");
  ASSERT_TRUE(buddhist);
  EXPECT_EQ(buddhist->identifier(), "buddhist");
  EXPECT_FALSE(buddhist->isGregorian());
  EXPECT_EQ(buddhist->components(Date::fromUnixSeconds(1740820542.0)).year, 2568);
}

TEST(Calendar, CopiesAreIndependent) {
  auto original = calendarIn("America/New_York");
  Calendar copy = original;
  Date a = at(original, 2025, 1, 31, 8);
  Date b = at(copy, 2024, 2, 29, 8);
  EXPECT_EQ(copy.timeZoneId(), "America/New_York");
  EXPECT_EQ(original.addingMonths(1, a), at(original, 2025, 2, 28, 8));
  EXPECT_EQ(copy.addingMonths(1, b), at(copy, 2024, 3, 29, 8));
  copy = calendarIn("Europe/Rome");
  EXPECT_EQ(original.timeZoneId(), "America/New_York");
  EXPECT_EQ(copy.timeZoneId(), "Europe/Rome");
}

TEST(Calendar, CurrentFollowsThePinnedTimeZone) {
  {
    platform::testing::ScopedTimeZone tokyo("Asia/Tokyo");
    EXPECT_EQ(Calendar::current().timeZoneId(), "Asia/Tokyo");
    EXPECT_STREQ(std::getenv("TZ"), "Asia/Tokyo");
    {
      platform::testing::ScopedTimeZone rome("Europe/Rome");
      EXPECT_EQ(Calendar::current().timeZoneId(), "Europe/Rome");
    }
    EXPECT_EQ(Calendar::current().timeZoneId(), "Asia/Tokyo");
  }
  EXPECT_THROW(platform::testing::ScopedTimeZone("Nowhere/Special"), std::invalid_argument);
}

TEST(CalendarDeathTest, CurrentTakesTheZoneFromTzAtStartUp) {
  // A fresh process: ICU reads TZ when the default zone is first needed.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        setenv("TZ", "Asia/Kolkata", 1);
        std::exit(Calendar::current().timeZoneId() == "Asia/Kolkata" ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace platform
