#include "platform/ui/CalendarLocalTime.hpp"

#include <gtest/gtest.h>

#include "platform/ui/Controls.hpp"

namespace platform::ui {
namespace {

Calendar zone(const char* id, const char* locale = "en_US") {
  return std::move(Calendar::inTimeZone(id, locale)).value();
}

TEST(CalendarLocalTime, PickersSpeakTheUsersWallClock) {
  const CalendarLocalTime rome(zone("Europe/Rome"));
  const Date nineUtc = Date::fromUnixSeconds(1'767'258'000);  // 2026-01-01 09:00 UTC
  EXPECT_EQ(datePickerText(nineUtc, DatePickerMode::hourMinute, rome), "10:00");
  EXPECT_EQ(datePickerText(nineUtc, DatePickerMode::date, rome), "2026-01-01");
  EXPECT_EQ(datePickerDate("07:30", nineUtc, DatePickerMode::hourMinute, rome),
            Date::fromUnixSeconds(1'767'258'000 - 9000));
  // Across the spring change the time of day is kept: 10:00 in Rome is 08:00 UTC in summer.
  EXPECT_EQ(datePickerDate("2026-03-29", nineUtc, DatePickerMode::date, rome),
            Date::fromUnixSeconds(1'774'771'200));
  EXPECT_FALSE(datePickerDate("2026-02-30", nineUtc, DatePickerMode::date, rome));
}

TEST(CalendarLocalTime, DaysAreGregorianWhateverCalendarTheUserReads) {
  const CalendarLocalTime buddhist(zone("Asia/Bangkok", "th_TH@calendar=buddhist"));
  const Date nineUtc = Date::fromUnixSeconds(1'767'258'000);
  EXPECT_EQ(datePickerText(nineUtc, DatePickerMode::date, buddhist), "2026-01-01");
  EXPECT_EQ(datePickerText(nineUtc, DatePickerMode::hourMinute, buddhist), "16:00");
}

}  // namespace
}  // namespace platform::ui
