#include "app/care/ActivitiesView.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/learn/AllChallenges.hpp"
#include "app/model/PlantStore.hpp"
#include "app/testing/AppHarness.hpp"
#include "platform/foundation/Calendar.hpp"
#include "platform/photos/JpegEncoder.hpp"
#include "platform/testing/ScopedTimeZone.hpp"
#include "platform/testing/TempDirectory.hpp"

namespace verdeo {
namespace {

using platform::Date;
using platform::ui::kind;
using platform::ui::label;
using platform::ui::symbol;
using platform::ui::text;
using platform::ui::TestHarness;

// The today screen in a pinned time zone, "now" at a chosen local moment: the day of a DST change,
// where a day is 23 hours long.
struct TodayScreen : ::testing::TestWithParam<const char*> {
  struct Zone {
    const char* id;
    int year, month, day;  // the local day on which clocks spring forward
  };
  static Zone zone(std::string_view id) {
    return id == "Europe/Rome" ? Zone{"Europe/Rome", 2026, 3, 29}
                               : Zone{"America/New_York", 2026, 3, 8};
  }

  TodayScreen() : pinned(GetParam()), app(dir.path()) {
    const Zone z = zone(GetParam());
    app.h.clock().set(local(z.year, z.month, z.day, 12));
  }

  Date local(int year, int month, int day, int hour) const {
    return platform::Calendar::current()
        .date({.year = year, .month = month, .day = day, .hour = hour, .minute = 0, .second = 0})
        .value();
  }
  Date daysAgo(int days) {
    return platform::Calendar::current().addingDays(-days, app.h.clock().now()).value();
  }
  void show() {
    screen = std::make_unique<ActivitiesView>(app.environment);
    app.h.show([this] { return screen->body(); });
  }
  std::vector<std::string> listed() {
    std::vector<std::string> names;
    for (const auto& plant : screen->duePlants()) names.push_back(plant->name());
    return names;
  }
  bool tapDay(int by) { return app.h.tap(label(by < 0 ? "Previous day" : "Next day")); }

  platform::testing::TempDirectory dir;
  platform::testing::ScopedTimeZone pinned;
  AppHarness app;
  std::unique_ptr<ActivitiesView> screen;
};

TEST_P(TodayScreen, WithNoPlantsEveryDayShowsTheAddCardAndTheTitleFollowsTheDay) {
  show();
  auto& h = app.h;
  EXPECT_TRUE(h.exists(text("Today's Care")));
  EXPECT_TRUE(h.exists(text("Add your first plant")));
  EXPECT_TRUE(h.exists(text("Tap + button to add your plant")));
  for (int step : {1, 1, -1, -1, -1}) {
    ASSERT_TRUE(tapDay(step));
    const bool today = screen->dayOffset == 0;
    EXPECT_EQ(h.exists(text("Today's Care")), today);
    EXPECT_EQ(h.exists(text("Scheduled Care")), !today);
    EXPECT_TRUE(h.exists(text("Add your first plant"))) << "offset " << screen->dayOffset;
  }
}

TEST_P(TodayScreen, DayTitlesSayYesterdayAndTomorrowOnlyOneStepAway) {
  show();
  auto& h = app.h;
  const auto titles = [&] { return std::vector<std::string>{h.texts()[0], h.texts()[1]}; };
  EXPECT_EQ(titles()[0], "Today");
  const std::string todayLine = titles()[1];
  ASSERT_TRUE(tapDay(-1));
  EXPECT_EQ(titles()[0], "Yesterday");
  ASSERT_TRUE(tapDay(-1));
  EXPECT_EQ(titles()[0], titles()[1]) << "two days back the title is the formatted date";
  EXPECT_NE(titles()[1], todayLine);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(tapDay(1));
  EXPECT_EQ(titles()[0], "Tomorrow");
  ASSERT_TRUE(tapDay(1));
  EXPECT_EQ(titles()[0], titles()[1]);
}

TEST_P(TodayScreen, ADailyPlantCaredForTodayIsDueTomorrowAndDoneThereMovesItsCareADayAhead) {
  const Date caredAt = app.h.clock().now();
  auto fern = app.addPlant("Fern", CareFrequency::daily, caredAt);
  show();
  auto& h = app.h;
  EXPECT_TRUE(listed().empty());
  EXPECT_TRUE(h.exists(text("All caught up!")));
  EXPECT_TRUE(h.exists(text("No plants need care")));
  ASSERT_TRUE(tapDay(1));
  EXPECT_EQ(listed(), std::vector<std::string>{"Fern"});
  EXPECT_TRUE(h.exists(text("Daily care")));
  EXPECT_TRUE(h.exists(symbol("leaf.fill"))) << "no photo: the leaf picture";

  ASSERT_TRUE(h.tap(text("Done")));
  EXPECT_TRUE(h.exists(kind("progress"))) << "the button shows its progress at once";
  EXPECT_EQ(fern->lastCareDate(), caredAt) << "nothing happens before 0.1 s";
  h.advance(0.1);
  EXPECT_EQ(fern->lastCareDate(), daysAgo(-1));
  EXPECT_FALSE(h.exists(text("Fern")));
  EXPECT_TRUE(h.exists(text("All caught up!")));
  ASSERT_TRUE(tapDay(-1));
  EXPECT_TRUE(listed().empty()) << "nor today: the care is dated tomorrow";
  ASSERT_TRUE(tapDay(1));
  ASSERT_TRUE(tapDay(1));
  EXPECT_EQ(listed(), std::vector<std::string>{"Fern"}) << "due again the day after";
}

TEST_P(TodayScreen, AWeeklyPlantIsListedOnlyEverySeventhDay) {
  app.addPlant("Cactus", CareFrequency::weekly, app.h.clock().now());
  show();
  std::vector<int> due;
  for (int day = 0; day <= 15; ++day) {
    if (!listed().empty()) due.push_back(day);
    if (day == 8) {
      EXPECT_TRUE(app.h.exists(text("All caught up!")));
    }
    ASSERT_TRUE(tapDay(1));
  }
  EXPECT_EQ(due, (std::vector<int>{7, 14}));
}

TEST_P(TodayScreen, TwoQuickTapsOnDoneMarkTheCareOnce) {
  auto fern = app.addPlant("Fern", CareFrequency::daily, daysAgo(3));
  show();
  auto& h = app.h;
  const std::string handler = h.find(kind("button") && platform::ui::containing(text("Done")))
                                  .json()["on"]["tap"];
  h.send(handler);
  h.send(handler);
  h.advance(0.05);
  h.send(handler);
  h.advance(0.1);
  // Marked once, by the first tap's step 0.1 s after it.
  EXPECT_NEAR(fern->lastCareDate().referenceSeconds(),
              h.clock().now().addingSeconds(-0.05).referenceSeconds(), 1e-6);
  h.advance(1);
  EXPECT_TRUE(listed().empty());
}

TEST_P(TodayScreen, DoneReachesTheDiskByAutomaticSavingAlone) {
  auto fern = app.addPlant("Fern", CareFrequency::daily, daysAgo(2));
  show();
  ASSERT_TRUE(app.h.tap(text("Done")));
  app.h.advance(0.1);
  const Date cared = fern->lastCareDate();
  app.h.advance(1);
  platform::VirtualMainQueue otherQueue(app.h.clock());
  auto reopened = openPlantStore(dir.path() / "app" / "Verdeo.store", otherQueue);
  ASSERT_TRUE(reopened);
  auto plants = fetchAllPlants(reopened.value()->mainContext()).value();
  ASSERT_EQ(plants.size(), 1u);
  EXPECT_EQ(plants[0]->lastCareDate(), cared);
}

TEST_P(TodayScreen, ToolbarLinksPushTheirPagesAndPlusPresentsTheEditorWithAHaptic) {
  show();
  auto& h = app.h;
  ASSERT_TRUE(h.tap(label("Calendar")));
  EXPECT_EQ(screen->navigationPath.count(), 1u);
  ASSERT_TRUE(h.pop());
  ASSERT_TRUE(h.tap(label("Settings")));
  EXPECT_EQ(screen->navigationPath.routes(),
            std::vector<ActivitiesRoute>{ActivitiesLink::settings});
  ASSERT_TRUE(h.pop());
  ASSERT_TRUE(h.tap(label("Add Plant")));
  EXPECT_TRUE(screen->showingAddPlant());
  EXPECT_EQ(h.haptics(), std::vector<std::string>{"impact:light"});
  EXPECT_TRUE(h.exists(platform::ui::placeholder("Plant Name (e.g. Kelly)")));
  EXPECT_FALSE(h.dismissSheet()) << "the editor cannot be swiped away";
  ASSERT_TRUE(h.tap(text("Cancel")));
  EXPECT_FALSE(screen->showingAddPlant());
}

TEST_P(TodayScreen, TheDayFollowsTheHostZoneWhenItChanges) {
  // Cared for at 08:00 and now 23:30, the same local day; in Tokyo the care fell on that day's
  // afternoon or evening and "now" is already the next morning.
  const Zone z = zone(GetParam());
  app.addPlant("Fern", CareFrequency::daily, local(z.year, z.month, z.day - 1, 8));
  app.h.clock().set(local(z.year, z.month, z.day - 1, 23).addingSeconds(1800));
  show();
  EXPECT_TRUE(listed().empty());
  setenv("TZ", "Asia/Tokyo", 1);
  ASSERT_TRUE(tapDay(1));  // the zone is looked at on every turn
  ASSERT_TRUE(tapDay(-1));
  EXPECT_EQ(app.environment.calendar().timeZoneId(), "Asia/Tokyo");
  EXPECT_EQ(listed(), std::vector<std::string>{"Fern"});
  EXPECT_TRUE(app.h.exists(text("Fern")));
}

std::string zoneName(const ::testing::TestParamInfo<const char*>& zone) {
  std::string name = zone.param;
  std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
  return name;
}
TEST_P(TodayScreen, APhotoShowsWhenItDecodesAndTheLeafOtherwise) {
  platform::photos::Image pixels{{4, 4}, std::vector<std::uint8_t>(4 * 4 * 3, 0x80)};
  auto jpeg = platform::photos::encodeJpeg(pixels, 0.8).value();
  auto good = app.addPlant("Fern", CareFrequency::daily, daysAgo(1));
  auto bad = app.addPlant("Ivy", CareFrequency::daily, daysAgo(1));
  good->setImageData(jpeg);
  bad->setImageData(platform::store::Bytes(jpeg.begin(), jpeg.begin() + 40));  // cut short
  ASSERT_TRUE(app.context().save());
  show();
  auto& h = app.h;
  const auto row = [&](const char* name) {
    return h.find(kind("hstack") && platform::ui::containing(text(name)));
  };
  EXPECT_EQ(TestHarness::find(kind("image"), row("Fern")).prop("src"), good->imageURL());
  EXPECT_FALSE(TestHarness::find(kind("image"), row("Ivy")));
  EXPECT_TRUE(TestHarness::find(symbol("leaf.fill"), row("Ivy")));
  EXPECT_EQ(app.photoChecks.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Zones, TodayScreen, ::testing::Values("Europe/Rome", "America/New_York"),
                         zoneName);

TEST(TodayScreenLearning, TheSectionsFollowTheCareListAndOpenTheirPagesOnTheTodayStack) {
  platform::testing::TempDirectory dir;
  platform::testing::ScopedTimeZone rome("Europe/Rome");
  AppHarness app(dir.path());
  ActivitiesView screen(app.environment);
  auto& h = app.h;
  h.show([&] { return screen.body(); });
  const auto texts = h.texts();
  const auto at = [&](const char* t) { return std::find(texts.begin(), texts.end(), t); };
  EXPECT_LT(at("Today's Care"), at("Challenges 101"));
  EXPECT_LT(at("Challenges 101"), at("Ultimate kitchen herb haven"));
  EXPECT_LT(at("Organic fresh harvest table"), at("Plant Essentials"));
  EXPECT_LT(at("Plant Essentials"), at("Proper watering 101"));

  ASSERT_TRUE(h.tap(text("Ultimate kitchen herb haven")));
  EXPECT_EQ(screen.navigationPath.routes(),
            std::vector<ActivitiesRoute>{LearnRoute::to(allChallenges()[0])});
  EXPECT_TRUE(h.exists(text("Step by step guide")));
  ASSERT_TRUE(h.pop());
  ASSERT_TRUE(h.tap(h.findAll(kind("button") && platform::ui::containing(text("See All")))[1]));
  EXPECT_TRUE(h.exists(text("Repotting and root health")));
  EXPECT_TRUE(screen.navigationPath.isEmpty()) << "the sheet's rows push inside the sheet";
}

}  // namespace
}  // namespace verdeo
