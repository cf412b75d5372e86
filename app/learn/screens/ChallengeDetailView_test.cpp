#include "app/learn/screens/ChallengeDetailView.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/learn/AllChallenges.hpp"
#include "app/learn/TimelinePhases.hpp"
#include "platform/ui/TestHarness.hpp"

namespace verdeo {
namespace {

using platform::ui::kind;
using platform::ui::symbol;
using platform::ui::TestHarness;
using platform::ui::text;
using platform::ui::textContaining;

TEST(ChallengeDetailView, ShowsTheHeaderAndTheFourCardsOfEveryShippedChallenge) {
  TestHarness h;
  for (const Article& challenge : allChallenges()) {
    SCOPED_TRACE(challenge.title);
    ChallengeDetailView page(challenge);
    h.show([&] { return page.body(); });
    const auto& content = challenge.content;
    std::vector<std::string> expected = {
        challenge.title,      std::string(rawValue(challenge.category)),
        challenge.duration,   challenge.difficulty,
        content.introduction, "Step by step guide"};
    for (const auto& step : content.steps)
      expected.insert(expected.end(), {std::to_string(step.stepNumber), step.title,
                                       step.description, "Tip: " + *step.tip});
    expected.push_back("What you'll need");
    expected.insert(expected.end(), content.materials.begin(), content.materials.end());
    expected.push_back("Real expert tips");
    expected.insert(expected.end(), content.expertTips.begin(), content.expertTips.end());
    expected.push_back("Timeline");
    const auto phases = timelinePhases(content.timeline);
    EXPECT_GE(phases.size(), 3u);
    expected.insert(expected.end(), phases.begin(), phases.end());
    EXPECT_EQ(h.texts(), expected);
    EXPECT_EQ(h.findAll(symbol("lightbulb.fill")).size(), content.steps.size());
    EXPECT_EQ(h.findAll(symbol("calendar")).size(), phases.size());
  }
}

// A challenge written for the edge cases: a step without a tip, and timelines with and without
// a closing full stop, or empty.
TEST(ChallengeDetailView, AStepWithoutATipHasNoTipRowAndTheTimelineHasARowPerSentence) {
  struct Case {
    std::string timeline;
    std::vector<std::string> phases;
  };
  const Case cases[] = {
      {"Week 1: sow the seeds. Weeks 2-3: thin the seedlings.",
       {"Week 1: sow the seeds", "Weeks 2-3: thin the seedlings"}},
      {"Week 1: sow the seeds.  \n Weeks 2-3: thin the seedlings",
       {"Week 1: sow the seeds", "Weeks 2-3: thin the seedlings"}},
      {"", {}},
  };
  TestHarness h;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.timeline);
    Article challenge;
    challenge.title = "Windowsill sprouts";
    challenge.duration = "1 week";
    challenge.difficulty = "Beginner";
    challenge.content.introduction = "Grow sprouts.";
    ChallengeStep soak;
    soak.stepNumber = 1;
    soak.title = "Soak";
    soak.description = "Soak the seeds for 8 hours.";
    challenge.content.steps = {soak};
    challenge.content.timeline = c.timeline;
    ChallengeDetailView page(challenge);
    h.show([&] { return page.body(); });
    EXPECT_FALSE(h.exists(symbol("lightbulb.fill")));
    EXPECT_FALSE(h.exists(textContaining("Tip: ")));
    EXPECT_TRUE(h.exists(text("Houseplants")));
    auto texts = h.texts();
    const auto timeline = std::find(texts.begin(), texts.end(), "Timeline");
    ASSERT_NE(timeline, texts.end());
    EXPECT_EQ(std::vector<std::string>(timeline + 1, texts.end()), c.phases);
    EXPECT_EQ(h.findAll(symbol("calendar")).size(), c.phases.size());
  }
}

}  // namespace
}  // namespace verdeo
