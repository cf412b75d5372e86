#include "platform/foundation/TimeZoneOffsetTable.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <limits>

#include "platform/foundation/Calendar.hpp"

namespace platform {
namespace {

constexpr double kHourMillis = 3'600'000.0;

Calendar calendarIn(std::string_view zone) {
  return *Calendar::inTimeZone(zone, "en_US");
}

TEST(TimeZoneOffsetTable, OffsetsAndLocalDaysAgreeWithIcu) {
  struct Case {
    const char* zone;
    double unixSeconds;
    double offsetHours;
  } cases[] = {
      {"Europe/Rome", 1743296399, 1},        // 2025-03-30 00:59:59 UTC, just before the change
      {"Europe/Rome", 1743296400, 2},        // 01:00 UTC, summer time
      {"Europe/Rome", 1761440400, 1},        // 2025-10-26 01:00 UTC, winter time again
      {"America/New_York", 1741503600, -4},  // 2025-03-09 07:00 UTC
      {"America/New_York", 1740820542, -5},
      {"Australia/Lord_Howe", 1743858000, 11},
      {"Australia/Lord_Howe", 1743872400, 10.5},
      {"Asia/Kolkata", 946684800, 5.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.zone << " " << c.unixSeconds);
    auto calendar = calendarIn(c.zone);
    const auto& table = calendar.offsetTable();
    Date date = Date::fromUnixSeconds(c.unixSeconds);
    EXPECT_EQ(table.offsetMillis(date.unixMilliseconds()), c.offsetHours * kHourMillis);
    // Day numbers count from 1970-01-01 in local time, as the calendar's own fields say.
    auto parts = calendar.components(date);
    auto local = std::chrono::year_month_day(
        std::chrono::year(*parts.year), std::chrono::month(static_cast<unsigned>(*parts.month)),
        std::chrono::day(static_cast<unsigned>(*parts.day)));
    EXPECT_EQ(table.dayNumber(date), std::chrono::sys_days(local).time_since_epoch().count());
  }
}

TEST(TimeZoneOffsetTable, FindsChangesAndDaySizedJumps) {
  auto rome = calendarIn("Europe/Rome");
  const auto& table = rome.offsetTable();
  double change = 1743296400.0 * 1000;  // 2025-03-30 01:00 UTC
  EXPECT_TRUE(table.changesBetween(change, change));
  EXPECT_TRUE(table.changesBetween(change - kHourMillis, change + kHourMillis));
  EXPECT_FALSE(table.changesBetween(change + 1, change + 100 * kHourMillis));
  EXPECT_FALSE(table.jumpsBetween(change - 1e10, change + 1e10, 12 * kHourMillis));
  EXPECT_TRUE(table.jumpsBetween(change - 1e10, change + 1e10, kHourMillis));

  // Samoa moved from -10 to +14 hours at the end of 29 December 2011, skipping the 30th.
  auto apia = calendarIn("Pacific/Apia");
  double skipped = 1325239200.0 * 1000;
  EXPECT_TRUE(apia.offsetTable().jumpsBetween(skipped - 86'400'000, skipped + 86'400'000,
                                              12 * kHourMillis));
  EXPECT_EQ(apia.offsetTable().offsetMillis(skipped - 1), -10 * kHourMillis);
  EXPECT_EQ(apia.offsetTable().offsetMillis(skipped), 14 * kHourMillis);
}

TEST(TimeZoneOffsetTable, CoversOnly1900To2150AndIsSharedPerZone) {
  auto rome = calendarIn("Europe/Rome");
  const auto& table = rome.offsetTable();
  EXPECT_FALSE(table.dayNumber(Date::fromUnixSeconds(-2'300'000'000.0)));  // 1897
  EXPECT_FALSE(table.dayNumber(Date::fromUnixSeconds(5'700'000'000.0)));   // 2150
  EXPECT_FALSE(
      table.dayNumber(Date::fromReferenceSeconds(std::numeric_limits<double>::quiet_NaN())));
  EXPECT_TRUE(table.dayNumber(Date::fromUnixSeconds(-2'200'000'000.0)));  // 1900
  EXPECT_EQ(&calendarIn("Europe/Rome").offsetTable(), &table);
  EXPECT_NE(&calendarIn("Europe/Paris").offsetTable(), &table);
}

}  // namespace
}  // namespace platform
