#include "platform/ui/CalendarLocalTime.hpp"

#include <gtest/gtest.h>

namespace platform::ui {
namespace {

TEST(CalendarLocalTime, RoundTripsWallClockFieldsInTheZoneAcrossDaylightSaving) {
  auto rome = Calendar::inTimeZone("Europe/Rome", "en_US");
  ASSERT_TRUE(rome);
  CalendarLocalTime local(*rome);
  // 2026-03-29 01:30 UTC is 03:30 in Rome, just after clocks went forward.
  Date moment = Date::fromUnixSeconds(1774747800.25);
  LocalDateTime f = local.fields(moment);
  EXPECT_EQ(f, (LocalDateTime{2026, 3, 29, 3, 30, 0.25}));
  EXPECT_EQ(local.date(f), moment);
  EXPECT_FALSE(local.date({2026, 2, 30, 9, 0, 0}));
  EXPECT_FALSE(local.date({2026, 13, 1, 9, 0, 0}));
}

}  // namespace
}  // namespace platform::ui
