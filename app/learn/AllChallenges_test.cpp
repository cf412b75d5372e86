#include "app/learn/AllChallenges.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/learn/TimelinePhases.hpp"
#include "platform/foundation/Graphemes.hpp"

namespace verdeo {
namespace {

using Texts = std::vector<std::string>;

double characters(const std::string& text) {
  return static_cast<double>(platform::graphemeClusters(text).size());
}

std::size_t sentences(const std::string& text) {
  std::size_t count = 1;
  for (auto at = text.find(". "); at != std::string::npos; at = text.find(". ", at + 1)) ++count;
  return count;
}

Texts titles(const std::vector<ChallengeStep>& steps) {
  Texts result;
  for (const auto& step : steps) result.push_back(step.title);
  return result;
}

TEST(AllChallenges, FourChallengesAsListed) {
  struct Expected {
    const char* title;
    const char* imageName;
    const char* duration;
    const char* difficulty;
    ChallengeCategory category;
    Texts steps;
    std::size_t materials;
  };
  const Expected expected[] = {
      {"Ultimate kitchen herb haven",
       "herb-haven01",
       "4 weeks",
       "Beginner",
       ChallengeCategory::houseplants,
       {"Site Assessment", "Herb Selection", "Container Preparation", "Planting Technique",
        "Care Routine", "Harvest & Preservation"},
       7},
      {"Organic fresh harvest table",
       "vegetable-garden01",
       "8 weeks",
       "Intermediate",
       ChallengeCategory::gardening,
       {"Garden Planning", "Soil Preparation", "Variety Selection", "Planting Schedule",
        "Support Systems", "Maintenance Routine", "Pest Management", "Harvest Optimization"},
       9},
      {"Propagation mastery workshop",
       "propogation-workshop01",
       "6 weeks",
       "Intermediate",
       ChallengeCategory::propagation,
       {"Parent Plant Selection", "Cutting Preparation", "Water Propagation Setup",
        "Root Development Monitoring", "Soil Transplanting", "Establishment Care"},
       8},
      {"Seasonal plant wellness routine",
       "seasonal-wellness01",
       "12 weeks",
       "Advanced",
       ChallengeCategory::seasonal,
       {"Seasonal Assessment", "Winter Preparation Protocol", "Humidity Management Systems",
        "Light Supplementation Strategy", "Spring Activation Program", "Summer Growth Optimization",
        "Autumn Transition Planning", "Year-Round Monitoring System"},
       7},
  };
  const auto& challenges = allChallenges();
  ASSERT_EQ(challenges.size(), std::size(expected));
  for (std::size_t i = 0; i < challenges.size(); ++i) {
    const auto& challenge = challenges[i];
    EXPECT_EQ(challenge.title, expected[i].title);
    EXPECT_EQ(challenge.imageName, expected[i].imageName);
    EXPECT_EQ(challenge.duration, expected[i].duration);
    EXPECT_EQ(challenge.difficulty, expected[i].difficulty);
    EXPECT_EQ(challenge.category, expected[i].category);
    EXPECT_EQ(titles(challenge.content.steps), expected[i].steps);
    EXPECT_EQ(challenge.content.materials.size(), expected[i].materials);
    EXPECT_EQ(challenge.content.expertTips.size(), 5u);
  }
  EXPECT_EQ(rawValue(challenges[3].category), "Seasonal Care");
}

TEST(AllChallenges, StepsAreNumberedFromOneWithFreshIdsThatLastTheRun) {
  std::set<platform::Uuid> ids;
  for (const auto& challenge : allChallenges()) {
    EXPECT_TRUE(ids.insert(challenge.id).second);
    int number = 0;
    for (const auto& step : challenge.content.steps) {
      EXPECT_EQ(step.stepNumber, ++number) << step.title;
      EXPECT_TRUE(ids.insert(step.id).second) << step.title;
    }
  }
  EXPECT_EQ(&allChallenges(), &allChallenges());
}

// The prose is held to its lengths: one-sentence texts within their ranges, the longer ones
// within 10 % of their targets.
TEST(AllChallenges, ProseOfTheRightShapeAndLength) {
  const double descriptions[] = {102, 109, 120, 120};
  const double introductions[] = {288, 261, 341, 386};
  const double timelines[] = {205, 208, 234, 244};
  const auto& challenges = allChallenges();
  for (std::size_t i = 0; i < challenges.size(); ++i) {
    const auto& challenge = challenges[i];
    const auto& content = challenge.content;
    EXPECT_NEAR(characters(challenge.description), descriptions[i], descriptions[i] * 0.1);
    EXPECT_EQ(sentences(challenge.description), 1u) << challenge.title;
    EXPECT_NEAR(characters(content.introduction), introductions[i], introductions[i] * 0.1);
    EXPECT_EQ(sentences(content.introduction), 2u) << challenge.title;
    EXPECT_NEAR(characters(content.timeline), timelines[i], timelines[i] * 0.1);
    for (const auto& step : content.steps) {
      EXPECT_GE(characters(step.description), 181) << step.title;
      EXPECT_LE(characters(step.description), 255) << step.title;
      EXPECT_GE(sentences(step.description), 2u) << step.title;
      EXPECT_LE(sentences(step.description), 3u) << step.title;
      ASSERT_TRUE(step.tip) << step.title;
      EXPECT_GE(characters(*step.tip), 62) << step.title;
      EXPECT_LE(characters(*step.tip), 119) << step.title;
      EXPECT_EQ(sentences(*step.tip), 1u) << step.title;
    }
    for (const auto& tip : content.expertTips) {
      EXPECT_GE(characters(tip), 80) << tip;
      EXPECT_LE(characters(tip), 115) << tip;
      EXPECT_EQ(sentences(tip), 1u) << tip;
    }
    for (const auto& material : content.materials) EXPECT_LT(characters(material), 40) << material;
  }
}

TEST(AllChallenges, EveryTimelinePhaseNamesItsWeeks) {
  for (const auto& challenge : allChallenges()) {
    const auto phases = timelinePhases(challenge.content.timeline);
    EXPECT_GE(phases.size(), 4u) << challenge.title;
    for (const auto& phase : phases) EXPECT_EQ(phase.rfind("Week", 0), 0u) << phase;
  }
}

}  // namespace
}  // namespace verdeo
