#include "platform/foundation/DateFormatter.hpp"

#include <gtest/gtest.h>

#include <limits>

#include "platform/testing/ScopedLocale.hpp"
#include "platform/testing/ScopedTimeZone.hpp"

namespace platform {
namespace {

// 2025-03-01 09:15:42 UTC: 10:15 in Rome, 04:15 in New York.
const Date kMorning = Date::fromUnixSeconds(1740820542.0);
// 2025-03-01 23:30 UTC: already Sunday in Rome, still Saturday in New York.
const Date kLateEvening = Date::fromUnixSeconds(1740871800.0);
// U+202F NARROW NO-BREAK SPACE, which CLDR puts before AM/PM in en_US styles.
const std::string kNarrowSpace = "\u202F";

Calendar calendarIn(std::string_view zone) {
  return *Calendar::inTimeZone(zone, "en_US");
}

TEST(DateFormatter, PatternsFollowTheCalendarsZone) {
  struct Case {
    const char* pattern;
    Date date;
    const char* rome;
    const char* newYork;
  } cases[] = {
      {"EEEE, MMMM d", kMorning, "Saturday, March 1", "Saturday, March 1"},
      {"EEEE, MMMM d", kLateEvening, "Sunday, March 2", "Saturday, March 1"},
      {"MMMM yyyy", kLateEvening, "March 2025", "March 2025"},
      {"d MMMM", kLateEvening, "2 March", "1 March"},
      {"h:mm a", kMorning, "10:15 AM", "4:15 AM"},
      // 2024-02-29 12:00 UTC
      {"EEEE, MMMM d", Date::fromUnixSeconds(1709208000.0), "Thursday, February 29",
       "Thursday, February 29"},
      // 2025-03-30 01:30 UTC: just after Rome springs forward.
      {"h:mm a", Date::fromUnixSeconds(1743298200.0), "3:30 AM", "9:30 PM"},
      // 2025-10-26 00:30 and 01:30 UTC: 2:30 twice in Rome.
      {"h:mm a", Date::fromUnixSeconds(1761438600.0), "2:30 AM", "8:30 PM"},
      {"h:mm a", Date::fromUnixSeconds(1761442200.0), "2:30 AM", "9:30 PM"},
  };
  auto rome = calendarIn("Europe/Rome");
  auto newYork = calendarIn("America/New_York");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(DateFormatter::pattern(c.pattern, rome).format(c.date), c.rome);
    EXPECT_EQ(DateFormatter::pattern(c.pattern, newYork).format(c.date), c.newYork);
  }
}

TEST(DateFormatter, StylesAndPresetsUseTheLocalesPatterns) {
  auto rome = calendarIn("Europe/Rome");
  EXPECT_EQ(DateFormatter::styles(DateFormatStyle::mediumStyle, DateFormatStyle::none, rome)
                .format(kMorning),
            "Mar 1, 2025");
  EXPECT_EQ(DateFormatter::abbreviatedDate(rome).format(kLateEvening), "Mar 2, 2025");
  EXPECT_EQ(DateFormatter::numericDateShortTime(rome).format(kMorning),
            "3/1/2025, 10:15" + kNarrowSpace + "AM");
  EXPECT_EQ(DateFormatter::shortTime(rome).format(kMorning), "10:15" + kNarrowSpace + "AM");
  EXPECT_EQ(DateFormatter::styles(DateFormatStyle::fullStyle, DateFormatStyle::none, rome)
                .format(kMorning),
            "Saturday, March 1, 2025");
  EXPECT_EQ(
      DateFormatter::styles(DateFormatStyle::none, DateFormatStyle::none, rome).format(kMorning),
      "");
  auto italian = *Calendar::inTimeZone("Europe/Rome", "it_IT");
  EXPECT_EQ(DateFormatter::abbreviatedDate(italian).format(kMorning), "1 mar 2025");
}

TEST(DateFormatter, DefaultsToTheUsersLocaleAndZone) {
  platform::testing::ScopedLocale english("en_US");
  {
    platform::testing::ScopedTimeZone zone("Europe/Rome");
    EXPECT_EQ(DateFormatter::pattern("EEEE, MMMM d").format(kLateEvening), "Sunday, March 2");
  }
  platform::testing::ScopedTimeZone zone("America/New_York");
  EXPECT_EQ(DateFormatter::pattern("EEEE, MMMM d").format(kLateEvening), "Saturday, March 1");
  EXPECT_EQ(DateFormatter::pattern("h:mm a").format(kMorning), "4:15 AM");
}

TEST(DateFormatter, StandardFormIsUtcWhateverTheUsersSettings) {
  platform::testing::ScopedLocale arabic("ar_EG");
  platform::testing::ScopedTimeZone tokyo("Asia/Tokyo");
  EXPECT_EQ(DateFormatter::standardUtc().format(kMorning), "2025-03-01 09:15:42 +0000");
  EXPECT_EQ(DateFormatter::standardUtc().format(Date::fromReferenceSeconds(0.999)),
            "2001-01-01 00:00:00 +0000");
}

TEST(DateFormatter, CopiesFormatAloneAndNonMomentsGiveNothing) {
  auto original = DateFormatter::pattern("d MMMM", calendarIn("Europe/Rome"));
  DateFormatter copy = original;
  original = DateFormatter::pattern("yyyy", calendarIn("Europe/Rome"));
  EXPECT_EQ(copy.format(kMorning), "1 March");
  EXPECT_EQ(original.format(kMorning), "2025");
  EXPECT_EQ(copy.format(Date::fromReferenceSeconds(std::numeric_limits<double>::infinity())), "");
}

}  // namespace
}  // namespace platform
