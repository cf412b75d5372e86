#include "platform/foundation/CurrentCalendar.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/foundation/DateFormatter.hpp"
#include "platform/testing/ScopedTimeZone.hpp"

namespace platform {
namespace {

TEST(CurrentCalendar, FollowsTheHostZoneWhenItChangesWhileRunning) {
  testing::ScopedTimeZone rome("Europe/Rome");
  CurrentCalendar calendar;
  EXPECT_EQ(calendar.get().timeZoneId(), "Europe/Rome");
  EXPECT_FALSE(calendar.refresh());

  setenv("TZ", ":America/New_York", 1);
  EXPECT_TRUE(calendar.refresh());
  EXPECT_EQ(calendar.get().timeZoneId(), "America/New_York");
  EXPECT_EQ(calendar.generation(), 1u);
  EXPECT_EQ(Calendar::current().timeZoneId(), "America/New_York") << "ICU's default follows";
  EXPECT_FALSE(calendar.refresh());

  setenv("TZ", "/usr/share/zoneinfo/Asia/Tokyo", 1);
  EXPECT_TRUE(calendar.refresh());
  EXPECT_EQ(calendar.get().timeZoneId(), "Asia/Tokyo");
}

TEST(CurrentCalendar, DaysAndFormatsMoveWithTheZone) {
  testing::ScopedTimeZone rome("Europe/Rome");
  CurrentCalendar calendar;
  // 2026-12-11 23:30 UTC: already the 12th in Rome, still the 11th in Los Angeles.
  const Date late = Date::fromUnixMilliseconds(1797031800000.0);
  EXPECT_EQ(calendar.get().components(late).day, 12);
  setenv("TZ", "America/Los_Angeles", 1);
  ASSERT_TRUE(calendar.refresh());
  EXPECT_EQ(calendar.get().components(late).day, 11);
  EXPECT_EQ(DateFormatter::pattern("EEEE, MMMM d").format(late), "Friday, December 11");
}

TEST(CurrentCalendar, TellsTheZoneFromTheFormsOfTz) {
  testing::ScopedTimeZone rome("Europe/Rome");
  for (const char* tz : {"Europe/Berlin", ":Europe/Berlin", "/usr/share/zoneinfo/Europe/Berlin",
                         "/usr/share/zoneinfo/posix/Europe/Berlin"}) {
    setenv("TZ", tz, 1);
    EXPECT_EQ(hostTimeZoneId(), "Europe/Berlin") << tz;
  }
}

}  // namespace
}  // namespace platform
