#include "platform/foundation/RelativeDateTimeFormatter.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace platform {
namespace {

constexpr double kHour = 3600;
constexpr double kDay = 24 * kHour;

TEST(RelativeDateTimeFormatter, NamesTheLargestWholeCalendarUnit) {
  // 2025-03-10 12:00 in Rome.
  const Date now = Date::fromUnixSeconds(1741604400.0);
  struct Case {
    double offset;
    const char* text;
  } cases[] = {
      {0, "now"},
      {-0.5, "now"},
      {-40, "40 seconds ago"},
      {-5 * 60, "5 minutes ago"},
      {-2 * kHour - 59 * 60, "2 hours ago"},
      {-13 * kHour, "13 hours ago"},  // yesterday 23:00 is not a whole day back
      {-kDay, "yesterday"},
      {-26 * kHour, "yesterday"},
      {-2 * kDay, "2 days ago"},
      {-7 * kDay, "last week"},
      {-15 * kDay, "2 weeks ago"},
      {-31 * kDay, "last month"},
      {-400 * kDay, "last year"},
      {3 * kDay, "in 3 days"},
      {kDay, "tomorrow"},
      {kHour, "in 1 hour"},
  };
  for (const char* zone : {"Europe/Rome", "America/New_York"}) {
    RelativeDateTimeFormatter formatter(*Calendar::inTimeZone(zone, "en_US"));
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message() << zone << " " << c.offset);
      EXPECT_EQ(formatter.format(now.addingSeconds(c.offset), now), c.text);
    }
  }
}

TEST(RelativeDateTimeFormatter, CountsCalendarDaysAcrossADstChange) {
  // 2025-03-31 00:00 CEST is one calendar day after 2025-03-30 00:00 CET, only 23 hours later.
  RelativeDateTimeFormatter formatter(*Calendar::inTimeZone("Europe/Rome", "en_US"));
  const Date monday = Date::fromUnixSeconds(1743372000.0);
  EXPECT_EQ(formatter.format(monday.addingSeconds(-23 * kHour), monday), "yesterday");
  EXPECT_EQ(formatter.format(Date::fromReferenceSeconds(std::numeric_limits<double>::quiet_NaN()),
                             monday),
            "");
}

TEST(RelativeDateTimeFormatter, SpeaksTheCalendarsLanguage) {
  RelativeDateTimeFormatter formatter(*Calendar::inTimeZone("Europe/Rome", "it_IT"));
  const Date now = Date::fromUnixSeconds(1741604400.0);
  EXPECT_EQ(formatter.format(now.addingSeconds(-kDay), now), "ieri");
  EXPECT_EQ(formatter.format(now.addingSeconds(-2 * kHour), now), "2 ore fa");
}

}  // namespace
}  // namespace platform
