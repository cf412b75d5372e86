#include "platform/notifications/CalendarTrigger.hpp"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

Calendar calendarIn(std::string_view zone) {
  auto calendar = Calendar::inTimeZone(zone, "en_US");
  if (!calendar) throw std::runtime_error(calendar.error().description);
  return std::move(calendar).value();
}

struct Local {
  int year, month, day, hour, minute;
};

Date at(const Calendar& calendar, Local t) {
  return *calendar.date({.year = t.year,
                         .month = t.month,
                         .day = t.day,
                         .hour = t.hour,
                         .minute = t.minute,
                         .second = 0});
}

struct Case {
  const char* what;
  const char* zone;
  TriggerComponents components;
  Local after;
  // The expected moment as UTC seconds, so that a time that happens twice is unambiguous.
  std::optional<double> fires;
};

double utc(int year, int month, int day, int hour, int minute) {
  return at(calendarIn("UTC"), {year, month, day, hour, minute}).unixSeconds();
}

TEST(CalendarTrigger, NextTriggerDateMatchesTheComponentsInTheCalendarsZone) {
  const TriggerComponents daily0930{.hour = 9, .minute = 30};
  const TriggerComponents daily0230{.hour = 2, .minute = 30};
  const TriggerComponents daily0130{.hour = 1, .minute = 30};
  const Case cases[] = {
      {"daily, later the same day",
       "Europe/Rome",
       daily0930,
       {2026, 12, 11, 8, 0},
       utc(2026, 12, 11, 8, 30)},
      {"daily, the 23-hour day",
       "Europe/Rome",
       daily0930,
       {2026, 3, 28, 10, 0},
       utc(2026, 3, 29, 7, 30)},
      {"daily, the 25-hour day",
       "America/New_York",
       daily0930,
       {2026, 10, 31, 10, 0},
       utc(2026, 11, 1, 14, 30)},
      {"at the moment itself, the next day",
       "Europe/Rome",
       daily0930,
       {2026, 12, 11, 9, 30},
       utc(2026, 12, 12, 8, 30)},
      {"a skipped time: the end of the gap",
       "Europe/Rome",
       daily0230,
       {2026, 3, 28, 3, 0},
       utc(2026, 3, 29, 1, 0)},
      {"a skipped time in New York",
       "America/New_York",
       daily0230,
       {2026, 3, 7, 3, 0},
       utc(2026, 3, 8, 7, 0)},
      {"a repeated time: the first",
       "Europe/Rome",
       daily0230,
       {2026, 10, 24, 3, 0},
       utc(2026, 10, 25, 0, 30)},
      {"a repeated time in New York",
       "America/New_York",
       daily0130,
       {2026, 10, 31, 3, 0},
       utc(2026, 11, 1, 5, 30)},
      {"Mondays, from a Thursday",
       "Europe/Rome",
       {.weekday = 2, .hour = 9, .minute = 30},
       {2026, 12, 10, 12, 0},
       utc(2026, 12, 14, 8, 30)},
      {"the 1st, from mid-month",
       "Europe/Rome",
       {.day = 1, .hour = 9, .minute = 30},
       {2026, 12, 11, 12, 0},
       utc(2027, 1, 1, 8, 30)},
      {"the 1st, earlier that day",
       "America/New_York",
       {.day = 1, .hour = 9, .minute = 30},
       {2027, 1, 1, 9, 0},
       utc(2027, 1, 1, 14, 30)},
      {"an hour alone is on the hour",
       "UTC",
       {.hour = 9},
       {2026, 12, 11, 10, 0},
       utc(2026, 12, 12, 9, 0)},
      {"a minute alone is every hour",
       "UTC",
       {.minute = 30},
       {2026, 12, 11, 10, 40},
       utc(2026, 12, 11, 11, 30)},
      {"29 February waits for a leap year",
       "UTC",
       {.month = 2, .day = 29},
       {2026, 3, 1, 0, 0},
       utc(2028, 2, 29, 0, 0)},
      {"31 February never comes", "UTC", {.month = 2, .day = 31}, {2026, 3, 1, 0, 0}, std::nullopt},
      {"hour 24 is out of range", "UTC", {.hour = 24}, {2026, 3, 1, 0, 0}, std::nullopt},
      {"no components never fire", "UTC", {}, {2026, 3, 1, 0, 0}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Calendar calendar = calendarIn(c.zone);
    const CalendarTrigger trigger{c.components, true};
    auto fires = trigger.nextTriggerDate(at(calendar, c.after), calendar);
    ASSERT_EQ(fires.has_value(), c.fires.has_value());
    if (fires) {
      EXPECT_EQ(fires->unixSeconds(), *c.fires);
    }
  }
}

TEST(CalendarTrigger, ASkippedOrRepeatedTimeFiresOnceThatDay) {
  const Calendar rome = calendarIn("Europe/Rome");
  const CalendarTrigger daily{{.hour = 2, .minute = 30}, true};
  // After the 03:00 that stands in for the skipped 02:30 comes the next day's 02:30.
  EXPECT_EQ(
      daily.nextTriggerDate(Date::fromUnixSeconds(utc(2026, 3, 29, 1, 0)), rome)->unixSeconds(),
      utc(2026, 3, 30, 0, 30));
  // After the first 02:30 of the day that repeats 02:00-03:00, the second one does not count.
  EXPECT_EQ(
      daily.nextTriggerDate(Date::fromUnixSeconds(utc(2026, 10, 25, 0, 30)), rome)->unixSeconds(),
      utc(2026, 10, 26, 1, 30));
}

}  // namespace
}  // namespace platform
