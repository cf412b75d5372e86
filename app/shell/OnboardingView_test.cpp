#include <gtest/gtest.h>

#include <algorithm>

#include "app/testing/AppHarness.hpp"
#include "app/shell/VerdeoApp.hpp"
#include "platform/foundation/Graphemes.hpp"
#include "platform/testing/TempDirectory.hpp"
#include "platform/ui/TestHarness.hpp"

namespace verdeo {
namespace {

using platform::ui::kind;
using platform::ui::text;
using platform::ui::textContaining;

// The app on a fresh data folder, shown in the headless harness.
struct Launch {
  explicit Launch(const std::filesystem::path& dataDirectory)
      : services(dataDirectory), h(services.h), entry(services.entry), app(services.environment) {
    h.show([this] { return app.body(); });
  }
  AppHarness services;
  platform::ui::TestHarness& h;
  AppEntryManager& entry;
  VerdeoApp app;

  VerdeoStorytellingView& page() { return *app.onboarding()->storytellingPage(); }
  long count(const std::string& haptic) const {
    auto played = h.haptics();
    return std::count(played.begin(), played.end(), haptic);
  }
};

struct Onboarding : ::testing::Test {
  platform::testing::TempDirectory dir;
};

TEST_F(Onboarding, WelcomePageMovesOnOnlyThroughStartTracking) {
  Launch launch(dir.path());
  auto& h = launch.h;
  EXPECT_TRUE(h.exists(text("Welcome to Verdeo")));
  EXPECT_TRUE(h.exists(text("4.8")));
  EXPECT_TRUE(h.exists(platform::ui::symbol("star.fill")));
  EXPECT_FALSE(h.exists(text("Activities")));
  ASSERT_TRUE(h.tap(text("Start tracking")));
  EXPECT_EQ(h.haptics().front(), "impact:medium");
  EXPECT_EQ(launch.app.onboarding()->selectedTab, 1);
  EXPECT_FALSE(h.exists(text("Start tracking")));
}

TEST_F(Onboarding, TypewriterTypesOneCharacterEveryFiftyMillisecondsWithTicksAndThenTheHint) {
  Launch launch(dir.path());
  auto& h = launch.h;
  ASSERT_TRUE(h.tap(text("Start tracking")));
  const std::string sentence = onboardingPages()[1].title;
  const auto characters = platform::graphemeClusters(sentence);
  const std::size_t n = characters.size();
  ASSERT_EQ(characters.back(), "🌱");  // the emoji is one step

  h.advance(0);
  EXPECT_EQ(launch.page().displayedText, "S");
  EXPECT_EQ(h.haptics(),
            (std::vector<std::string>{"impact:medium", "selection"}));  // index 0 ticks
  h.advance(0.05 * 9);
  EXPECT_EQ(launch.page().displayedText, sentence.substr(0, 10));
  // Ticks at k = 0 and 8 so far ("Stop wond" + "e"): no punctuation yet.
  EXPECT_EQ(launch.count("selection"), 2);

  h.advance(0.05 * static_cast<double>(n - 11) + 0.001);
  EXPECT_EQ(launch.page().displayedText,
            sentence.substr(0, sentence.size() - std::string("🌱").size()));
  EXPECT_FALSE(launch.page().isTypewriterComplete);
  h.advance(0.05);
  EXPECT_EQ(launch.page().displayedText, sentence);
  EXPECT_TRUE(launch.page().isTypewriterComplete);
  EXPECT_EQ(h.haptics().back(), "notification:success");
  long expectedTicks = 0;
  for (std::size_t k = 0; k < n; ++k)
    if (k % 8 == 0 || characters[k] == "," || characters[k] == ".") ++expectedTicks;
  EXPECT_EQ(launch.count("selection"), expectedTicks);

  EXPECT_FALSE(h.exists(text("Tap to continue")));
  h.advance(0.49);
  EXPECT_FALSE(h.exists(text("Tap to continue")));
  h.advance(0.02);
  EXPECT_TRUE(h.exists(text("Tap to continue")));
  EXPECT_EQ(h.runtime().publishedAnimation()->duration, 0.3);

  h.runtime().haptics().clear();
  ASSERT_TRUE(h.tap(textContaining("Stop wondering")));
  EXPECT_EQ(h.haptics().front(), "impact:medium");
  EXPECT_EQ(launch.app.onboarding()->selectedTab, 2);
}

TEST_F(Onboarding, TapWhileTypingShowsTheWholeSentenceAndTheHintAtOnce) {
  Launch launch(dir.path());
  auto& h = launch.h;
  ASSERT_TRUE(h.tap(text("Start tracking")));
  h.advance(0.2);
  ASSERT_TRUE(h.tap(textContaining("Stop")));
  EXPECT_EQ(h.haptics().back(), "impact:light");
  EXPECT_EQ(launch.page().displayedText, onboardingPages()[1].title);
  EXPECT_TRUE(h.exists(text("Tap to continue")));
  // The cancelled steps add nothing later.
  h.advance(10);
  EXPECT_EQ(launch.page().displayedText, onboardingPages()[1].title);
  EXPECT_EQ(launch.app.onboarding()->selectedTab, 1);
  ASSERT_TRUE(h.tap(textContaining("Stop")));
  EXPECT_EQ(launch.app.onboarding()->selectedTab, 2);
}

TEST(Storytelling, PunctuationTicksBesideEveryEighthCharacter) {
  platform::ui::TestHarness h;
  int continued = 0;
  // H0 i1 ?2 _3 O4 k5 !6 _7 A8 :9 b10 ;11 c12 ,13 d14
  VerdeoStorytellingView page(h.environment(), {"", "Hi? Ok! A:b;c,d", ""}, [&] { ++continued; });
  h.show([&] { return page.body(); });
  // Step through the typing: the character typed at step k is the k-th, and a tick played in
  // that step is its tick.
  std::vector<std::size_t> ticks;
  std::size_t heard = 0;
  for (std::size_t k = 0; k < 15; ++k) {
    h.advance(k == 0 ? 0 : VerdeoStorytellingView::typewriterSpeed + 1e-6);
    ASSERT_EQ(page.displayedText.size(), k + 1);
    const auto played = h.haptics();
    for (; heard < played.size(); ++heard)
      if (played[heard] == "selection") ticks.push_back(k);
  }
  EXPECT_EQ(ticks, (std::vector<std::size_t>{0, 2, 6, 8, 9, 11, 13}));
  EXPECT_EQ(h.haptics().back(), "notification:success");
  EXPECT_EQ(page.displayedText, "Hi? Ok! A:b;c,d");
}

TEST_F(Onboarding, ReplacingAPageCancelsItsPendingSteps) {
  Launch launch(dir.path());
  auto& h = launch.h;
  ASSERT_TRUE(h.tap(text("Start tracking")));
  h.advance(0.3);
  VerdeoStorytellingView* first = &launch.page();
  launch.app.onboarding()->nextPage();  // the page is replaced mid-sentence
  h.render();
  ASSERT_NE(&launch.page(), first);
  h.runtime().haptics().clear();
  h.advance(10);
  const std::string& sentence = onboardingPages()[2].title;
  EXPECT_EQ(launch.page().displayedText, sentence);
  EXPECT_EQ(launch.count("notification:success"), 1);
  EXPECT_FALSE(h.exists(textContaining("Stop wondering")));
}

TEST_F(Onboarding, FinishingTheLastPageOpensTheTabsAndTheNextLaunchGoesStraightThere) {
  {
    Launch launch(dir.path());
    auto& h = launch.h;
    ASSERT_TRUE(h.tap(text("Start tracking")));
    for (int page = 1; page <= 6; ++page) {
      // The first character is on screen at once: one tap completes the sentence, one moves on.
      auto sentence = kind("text") && textContaining(onboardingPages()[page].title.substr(0, 1));
      ASSERT_TRUE(h.tap(sentence)) << page;
      ASSERT_TRUE(h.tap(sentence)) << page;
    }
    EXPECT_TRUE(launch.entry.hasCompletedOnboarding());
    EXPECT_FALSE(launch.entry.showOnboarding());
    EXPECT_EQ(launch.app.onboarding(), nullptr);
    EXPECT_TRUE(h.exists(kind("tabview")));
    EXPECT_FALSE(h.exists(textContaining("Ready to turn")));
  }
  Launch next(dir.path());
  EXPECT_EQ(next.app.onboarding(), nullptr);
  EXPECT_TRUE(next.h.exists(kind("tabview")));
  EXPECT_FALSE(next.h.exists(text("Welcome to Verdeo")));
}

TEST_F(Onboarding, QuittingMidwayShowsOnboardingAgain) {
  {
    Launch launch(dir.path());
    ASSERT_TRUE(launch.h.tap(text("Start tracking")));
  }
  Launch next(dir.path());
  EXPECT_TRUE(next.h.exists(text("Welcome to Verdeo")));
}

TEST_F(Onboarding, TabsPlayALightHapticOnEveryChangeAndNoneOnReselecting) {
  platform::UserDefaults::standard(dir.path()).set("hasCompletedOnboarding", true).ok();
  Launch launch(dir.path());
  auto& h = launch.h;
  auto tabs = h.find(kind("tabview"));
  ASSERT_TRUE(tabs);
  EXPECT_EQ(tabs.prop("tabs"), (platform::Json::array({
                                   {{"title", "Activities"}, {"symbol", "menucard.fill"}},
                                   {{"title", "Plants"}, {"symbol", "leaf.fill"}},
                                   {{"title", "Expert"}, {"symbol", "brain.fill"}},
                               })));
  EXPECT_EQ(tabs.prop("accent"), "rgba(31,200,135,1)");
  EXPECT_EQ(h.find(kind("page")).prop("title"), "Activities");
  ASSERT_TRUE(h.selectTab(1));
  EXPECT_EQ(h.find(kind("page")).prop("title"), "Plants");
  ASSERT_TRUE(h.selectTab(0));
  h.selectTab(0);
  EXPECT_EQ(h.haptics(), (std::vector<std::string>{"impact:light", "impact:light"}));
  EXPECT_EQ(launch.app.contentView().selectedTab, 0);
}

}  // namespace
}  // namespace verdeo
