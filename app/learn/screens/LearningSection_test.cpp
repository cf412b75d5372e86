#include "app/learn/screens/LearningSection.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/learn/AllChallenges.hpp"
#include "app/learn/PlantEssentialsManager.hpp"
#include "app/learn/screens/ChallengesSection.hpp"
#include "app/learn/screens/PlantEssentialsSection.hpp"
#include "app/testing/AppHarness.hpp"
#include "platform/testing/TempDirectory.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {
namespace {

using platform::ui::containing;
using platform::ui::kind;
using platform::ui::label;
using platform::ui::NavigationStack;
using platform::ui::NodeRef;
using platform::ui::TestHarness;
using platform::ui::text;

// A screen that shows the two sections, as the today screen does, on a stack of its own.
struct Host {
  explicit Host(const AppEnvironment& env)
      : stack(env.runtime, learnDestination),
        challenges(env, stack.navigator()),
        essentials(env, stack.navigator()) {}
  platform::ui::View body() const {
    return stack.view(platform::ui::VStack({challenges.body(), essentials.body()}));
  }
  NavigationStack<LearnRoute> stack;
  ChallengesSection challenges;
  PlantEssentialsSection essentials;
};

struct Listed {
  std::string title, description, body;
};

struct LearningSections : ::testing::Test {
  LearningSections() : app(dir.path()), host(app.environment) {
    app.h.show([this] { return host.body(); });
  }
  platform::testing::TempDirectory dir;
  AppHarness app;
  Host host;
};

std::vector<Listed> essentials() {
  std::vector<Listed> listed;
  for (const auto& e : PlantEssentialsManager::shared().plantEssentials())
    listed.push_back({e.title, e.description, e.body});
  return listed;
}

std::vector<Listed> challenges() {
  std::vector<Listed> listed;
  for (const auto& c : allChallenges())
    listed.push_back({c.title, c.description, c.content.introduction});
  return listed;
}

TEST(FeaturedRecords, AreAllOfFewerThanThreeOtherwiseTheFirstTwo) {
  for (auto [count, shown] : {std::pair{0, 0}, {1, 1}, {2, 2}, {3, 2}, {6, 2}}) {
    std::vector<int> records(static_cast<std::size_t>(count));
    EXPECT_EQ(featured(records).size(), std::size_t(shown)) << count;
  }
}

TEST_F(LearningSections, ShowTheirFirstTwoRecordsAndSeeAllListsEveryOneWithSeparatorsBetween) {
  struct Case {
    const char* title;
    const char* subtitle;
    const char* sheetTitle;
    std::vector<Listed> records;
    std::function<bool()> showingSheet;
  };
  const Case cases[] = {
      {"Challenges 101",
       "Expert plant care toolkits to help you grow your gardening skills with real botanical "
       "knowledge.",
       "Challenges", challenges(), [&] { return host.challenges.showingAllChallenges(); }},
      {"Plant Essentials",
       "Essential plant care knowledge and techniques every plant parent should know to "
       "cultivate healthy plants.",
       "Plant Essentials", essentials(),
       [&] { return host.essentials.showingAllPlantEssentials(); }},
  };
  auto& h = app.h;
  EXPECT_EQ(h.findAll(kind("button") && containing(text("See All"))).size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.title);
    EXPECT_TRUE(h.exists(text(c.title)));
    EXPECT_TRUE(h.exists(text(c.subtitle)));
    for (std::size_t r = 0; r < c.records.size(); ++r)
      EXPECT_EQ(h.exists(text(c.records[r].title)), r < 2) << c.records[r].title;

    EXPECT_FALSE(c.showingSheet());
    ASSERT_TRUE(h.tap(h.findAll(kind("button") && containing(text("See All")))[i]));
    EXPECT_TRUE(c.showingSheet());
    EXPECT_EQ(h.find(kind("page")).prop("title"), c.sheetTitle);
    for (const auto& record : c.records) {
      EXPECT_TRUE(h.exists(text(record.title))) << record.title;
      EXPECT_TRUE(h.exists(text(record.description))) << record.title;
    }
    EXPECT_EQ(h.findAll(kind("shape")).size(), c.records.size() - 1) << "one separator less";
    const auto rows = h.findAll(kind("vstack") && containing(kind("button")) &&
                                containing(text(c.records.back().title)));
    ASSERT_FALSE(rows.empty());
    EXPECT_FALSE(TestHarness::find(kind("shape"), rows.back())) << "none after the last row";

    // A row opens its page inside the sheet; back, and the close button lets the sheet go.
    ASSERT_TRUE(h.tap(text(c.records.back().title)));
    EXPECT_TRUE(h.exists(text(c.records.back().body)));
    EXPECT_TRUE(c.showingSheet());
    ASSERT_TRUE(h.pop());
    ASSERT_TRUE(h.tap(label("Close")));
    EXPECT_FALSE(c.showingSheet());
  }
  ASSERT_TRUE(h.tap(h.findAll(kind("button") && containing(text("See All")))[0]));
  ASSERT_TRUE(h.dismissSheet());
  EXPECT_FALSE(host.challenges.showingAllChallenges()) << "a swipe lets it go as well";
}

TEST_F(LearningSections, ACardPushesItsPageOntoTheStackOfTheScreenThatShowsIt) {
  auto& h = app.h;
  ASSERT_TRUE(h.tap(text("Organic fresh harvest table")));
  EXPECT_EQ(host.stack.routes(), std::vector<LearnRoute>{LearnRoute::to(allChallenges()[1])});
  EXPECT_TRUE(h.exists(text("Step by step guide")));
  ASSERT_TRUE(h.pop());
  ASSERT_TRUE(h.tap(text("Understanding light 101")));
  const auto& light = PlantEssentialsManager::shared().plantEssentials()[0];
  EXPECT_EQ(host.stack.routes(), std::vector<LearnRoute>{LearnRoute::to(light)});
  EXPECT_TRUE(h.exists(text(light.body)));
}

}  // namespace
}  // namespace verdeo
