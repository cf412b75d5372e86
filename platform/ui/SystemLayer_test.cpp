#include "platform/ui/SystemLayer.hpp"

#include <gtest/gtest.h>

#include "platform/ui/Content.hpp"
#include "platform/ui/Controls.hpp"
#include "platform/ui/Layout.hpp"
#include "platform/ui/TestHarness.hpp"

namespace platform::ui {
namespace {

struct CountingView {
  int taps = 0;
  View body() const {
    return VStack({Text("Taps: " + std::to_string(taps)),
                   Button("Tap", action(this, [](CountingView& s) { ++s.taps; }))});
  }
};

struct Fixture {
  TestHarness h;
  CountingView app;
  SystemLayer& layer = h.runtime().systemLayer();
  Fixture() {
    h.show([this] { return app.body(); });
  }
  // The system layer changes from work on the main queue, like a delivery does.
  void onMainQueue(Task task) {
    h.queue().async(std::move(task));
    h.advance(0);
  }
};

TEST(SystemLayer, ABannerShowsAboveTheAppWhoseTreeAndHandlersStayAsTheyWere) {
  Fixture f;
  const std::string alone = f.h.runtime().rootJson();
  f.onMainQueue([&] { f.layer.showBanner("Verdeo", "Time to take care of your Fern! 💚"); });
  EXPECT_EQ(f.h.texts(), (std::vector<std::string>{"Taps: 0", "Tap", "Verdeo",
                                                   "Time to take care of your Fern! 💚"}));
  EXPECT_EQ(f.h.runtime().rootJson(), alone) << "the app's tree is carried unchanged";
  EXPECT_FALSE(f.h.runtime().systemJson().empty());
  ASSERT_TRUE(f.h.tap(text("Tap")));
  EXPECT_EQ(f.app.taps, 1);

  f.h.advance(SystemLayer::kBannerSeconds - 0.5);
  EXPECT_TRUE(f.h.exists(text("Verdeo")));
  f.h.advance(0.5);
  EXPECT_FALSE(f.h.exists(text("Verdeo")));
  EXPECT_TRUE(f.h.runtime().systemJson().empty()) << "with nothing to show there is no layer";
}

TEST(SystemLayer, ATappedBannerLeavesAtOnceAndTheNewestIsOnTop) {
  Fixture f;
  f.onMainQueue([&] { f.layer.showBanner("Verdeo", "first"); });
  f.h.advance(2);
  f.onMainQueue([&] { f.layer.showBanner("Verdeo", "second"); });
  EXPECT_EQ(f.h.texts(),
            (std::vector<std::string>{"Taps: 0", "Tap", "Verdeo", "second", "Verdeo", "first"}));
  ASSERT_TRUE(f.h.tap(text("second")));
  EXPECT_FALSE(f.h.exists(text("second")));
  f.h.advance(SystemLayer::kBannerSeconds - 2);
  EXPECT_FALSE(f.h.exists(text("first")));
  EXPECT_FALSE(f.layer.isShowing());

  f.onMainQueue([&] {
    for (const char* body : {"1", "2", "3", "4"}) f.layer.showBanner("Verdeo", body);
  });
  EXPECT_EQ(f.h.texts(), (std::vector<std::string>{"Taps: 0", "Tap", "Verdeo", "4", "Verdeo", "3",
                                                   "Verdeo", "2"}));
}

TEST(SystemLayer, ThePermissionQuestionTakesAnAnswerAndNothingElse) {
  Fixture f;
  std::vector<bool> answers;
  f.onMainQueue([&] {
    f.layer.askNotificationPermission("Verdeo", [&](bool allowed) { answers.push_back(allowed); });
    f.layer.askNotificationPermission("Verdeo", [&](bool allowed) { answers.push_back(allowed); });
  });
  NodeRef alert = f.h.alert();
  ASSERT_TRUE(alert);
  EXPECT_EQ(alert.prop("title"), "\u201CVerdeo\u201D Would Like to Send You Notifications");
  EXPECT_FALSE(alert.prop("message").get<std::string>().empty());
  EXPECT_FALSE(f.h.tap(text("Tap"))) << "the app lies beneath the question";

  f.h.send(alert.id() + ":dismiss");
  ASSERT_TRUE(f.h.alert()) << "the question cannot be dismissed without an answer";
  ASSERT_TRUE(f.h.tapAlertButton("Don't Allow"));
  EXPECT_EQ(answers, std::vector<bool>{false});
  ASSERT_TRUE(f.h.alert()) << "the second question comes next";
  ASSERT_TRUE(f.h.tapAlertButton("Allow"));
  EXPECT_EQ(answers, (std::vector<bool>{false, true}));
  EXPECT_FALSE(f.h.alert());
  EXPECT_TRUE(f.h.tap(text("Tap")));
}

TEST(SystemLayer, TheRatingPromptShowsOnlyInTheForegroundAndAnyAnswerClosesIt) {
  Fixture f;
  f.onMainQueue([&] { f.layer.requestReview("Verdeo"); });
  EXPECT_FALSE(f.h.exists(text("Enjoying Verdeo?"))) << "no display in the foreground";
  EXPECT_EQ(f.layer.reviewPromptCount(), 0u);

  f.layer.setForeground(true);
  for (const char* answer : {"Not Now", "3 stars"}) {
    f.onMainQueue([&] { f.layer.requestReview("Verdeo"); });
    EXPECT_TRUE(f.h.exists(text("Enjoying Verdeo?")));
    for (const char* star : {"1 star", "2 stars", "3 stars", "4 stars", "5 stars"})
      EXPECT_TRUE(f.h.exists(label(star))) << star;
    ASSERT_TRUE(f.h.tap(answer == std::string("Not Now") ? text(answer) : label(answer)));
    EXPECT_FALSE(f.h.exists(text("Enjoying Verdeo?")));
    EXPECT_EQ(f.h.texts(), (std::vector<std::string>{"Taps: 0", "Tap"})) << "the app hears nothing";
  }
  EXPECT_EQ(f.layer.reviewPromptCount(), 2u);

  f.onMainQueue([&] { f.layer.requestReview("Verdeo"); });
  f.layer.setForeground(false);
  f.h.render();
  EXPECT_FALSE(f.h.exists(text("Enjoying Verdeo?"))) << "a hidden prompt is not kept";
}

}  // namespace
}  // namespace platform::ui
