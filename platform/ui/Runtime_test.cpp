#include "platform/ui/Runtime.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/foundation/Log.hpp"
#include "platform/foundation/VirtualMainQueue.hpp"
#include "platform/ui/Ui.hpp"

namespace platform::ui {
namespace {

struct RuntimeTest : ::testing::Test {
  ManualClock clock;
  VirtualMainQueue queue{clock};
  Runtime runtime{queue};
  std::vector<Json> messages;
  int count = 0;
  bool on = false;

  void SetUp() override {
    runtime.setDisplay([this](const std::string& m) { messages.push_back(Json::parse(m)); });
    runtime.setRoot([this] {
      return VStack({Text("Count " + std::to_string(count)), Button("+", [this] { ++count; }),
                     Toggle("Reminders", binding(on))});
    });
  }
  std::vector<Json> trees() const {
    std::vector<Json> out;
    for (const Json& m : messages)
      if (m["type"] == "tree") out.push_back(m);
    return out;
  }
};

TEST_F(RuntimeTest, RendersAtTheEndOfATurnAndPublishesOnlyChangedTrees) {
  queue.async([] {});
  queue.runUntilIdle();
  ASSERT_EQ(trees().size(), 1u);
  EXPECT_EQ(trees()[0]["rev"], 1);
  EXPECT_EQ(trees()[0]["root"]["c"][0]["p"]["text"], "Count 0");
  EXPECT_TRUE(trees()[0]["animation"].is_null());

  queue.async([] {});  // a turn that changes nothing
  queue.runUntilIdle();
  EXPECT_EQ(trees().size(), 1u);

  queue.asyncAfter(0.5, [this] { count = 5; });
  queue.advance(0.5);
  ASSERT_EQ(trees().size(), 2u);
  EXPECT_EQ(trees()[1]["rev"], 2);
  EXPECT_EQ(trees()[1]["root"]["c"][0]["p"]["text"], "Count 5");
}

TEST_F(RuntimeTest, EventsRunTheirHandlerAndTheNewTreeFollows) {
  runtime.render();
  runtime.dispatch("0.1:tap");
  runtime.dispatch("0.2:change", true);
  queue.runUntilIdle();
  EXPECT_EQ(count, 1);
  EXPECT_TRUE(on);
  EXPECT_EQ(trees().back()["root"]["c"][0]["p"]["text"], "Count 1");
  EXPECT_EQ(trees().back()["root"]["c"][2]["p"]["isOn"], true);
}

TEST_F(RuntimeTest, UnknownIdsAndValuesOfTheWrongTypeAreIgnoredAndLogged) {
  ScopedLogCapture log;
  runtime.render();
  runtime.dispatch("0.7:tap");
  runtime.dispatch("0.2:change", "yes");
  runtime.dispatch("0.2:change", 1);
  queue.runUntilIdle();
  EXPECT_EQ(count, 0);
  EXPECT_FALSE(on);
  EXPECT_EQ(log.lines(), (std::vector<std::string>{
                             "Ignored an event for an unknown handler: 0.7:tap",
                             "Ignored an event with a value of the wrong type: 0.2:change",
                             "Ignored an event with a value of the wrong type: 0.2:change",
                         }));
}

TEST_F(RuntimeTest, AnEventIsCheckedAgainstTheStateOfItsOwnTurn) {
  // The button goes away in the same turn before its event is handled: the id is stale.
  ScopedLogCapture log;
  bool showButton = true;
  int taps = 0;
  runtime.setRoot(
      [&] { return VStack({showButton ? Button("Go", [&] { ++taps; }) : EmptyView()}); });
  runtime.render();
  queue.async([&] { showButton = false; });
  runtime.dispatch("0.0:tap");
  queue.runUntilIdle();
  EXPECT_EQ(taps, 0);
  EXPECT_TRUE(log.contains("Ignored an event for an unknown handler: 0.0:tap"));
}

TEST_F(RuntimeTest, WithAnimationMarksOnlyTheNextPublishedTree) {
  runtime.render();
  queue.async([this] { runtime.withAnimation(Animation::easeInOut(0.3), [this] { count = 1; }); });
  queue.runUntilIdle();
  EXPECT_EQ(
      trees().back()["animation"],
      Json::parse(R"({"curve":"easeInOut","duration":0.3,"repeat":false,"autoreverses":false})"));
  queue.async([this] { count = 2; });
  queue.runUntilIdle();
  EXPECT_TRUE(trees().back()["animation"].is_null());
}

TEST_F(RuntimeTest, ATiedValueThatChangesLendsItsAnimation) {
  int selected = 0;
  runtime.setRoot([&] {
    return Circle().animation(Animation::easeInOut(0.2), selected).opacity(selected ? 1 : 0.5);
  });
  runtime.render();
  queue.async([&] { selected = 1; });
  queue.runUntilIdle();
  EXPECT_EQ(trees().back()["animation"]["duration"], 0.2);
}

TEST_F(RuntimeTest, HapticsAndAddressesGoToTheDisplayAndAreRecorded) {
  runtime.setRoot([&] { return Link(Text("Privacy Policy"), "https://example.org/privacy"); });
  runtime.render();
  runtime.haptics().impact(ImpactStyle::light);
  runtime.haptics().selection();
  runtime.haptics().notification(NotificationFeedback::success);
  runtime.dispatch("0:tap");
  runtime.openURL("mailto:support@example.org?subject=Verdeo%20Feedback");
  queue.runUntilIdle();
  EXPECT_EQ(runtime.haptics().playedTexts(),
            (std::vector<std::string>{"impact:light", "selection", "notification:success"}));
  EXPECT_EQ(runtime.openedURLs(),
            (std::vector<std::string>{"mailto:support@example.org?subject=Verdeo%20Feedback",
                                      "https://example.org/privacy"}));
  std::vector<Json> others;
  for (const Json& m : messages)
    if (m["type"] != "tree") others.push_back(m);
  EXPECT_EQ(
      others,
      (std::vector<Json>{
          Json::parse(R"({"type":"haptic","kind":"impact","style":"light"})"),
          Json::parse(R"({"type":"haptic","kind":"selection"})"),
          Json::parse(R"({"type":"haptic","kind":"notification","style":"success"})"),
          Json::parse(
              R"({"type":"openURL","url":"mailto:support@example.org?subject=Verdeo%20Feedback"})"),
      }));
}

TEST_F(RuntimeTest, ABindingWrittenWhileBuildingIsRefused) {
  ScopedLogCapture log;
  runtime.setRoot([this] {
    binding(on).set(true);
    return Text("x");
  });
  runtime.render();
  EXPECT_FALSE(on);
  EXPECT_TRUE(log.contains("Ignored a binding write made while a view was being built"));
}

TEST_F(RuntimeTest, AppearAndDisappearFollowIdentityAfterTheRender) {
  std::vector<std::string> trace;
  int page = 0;
  runtime.setRoot([&] {
    return VStack(
        {Text("page " + std::to_string(page))
             .id(std::to_string(page))
             .onAppear([&, p = page] { trace.push_back("appear " + std::to_string(p)); })
             .onDisappear([&, p = page] { trace.push_back("disappear " + std::to_string(p)); }),
         Text("steady").onAppear([&] { trace.push_back("appear steady"); })});
  });
  runtime.render();
  EXPECT_TRUE(trace.empty()) << "they run on the queue, after the render";
  queue.runUntilIdle();
  EXPECT_EQ(trace, (std::vector<std::string>{"appear 0", "appear steady"}));
  trace.clear();
  queue.async([&] { page = 1; });
  queue.runUntilIdle();
  EXPECT_EQ(trace, (std::vector<std::string>{"disappear 0", "appear 1"}));
}

TEST_F(RuntimeTest, ViewsInAHiddenTabOrUnderAPushedPageAreOffScreen) {
  std::vector<std::string> trace;
  int tab = 0;
  bool pushed = false;
  auto watched = [&](const char* name) {
    return Text(name)
        .onAppear([&trace, name] { trace.push_back(std::string("appear ") + name); })
        .onDisappear([&trace, name] { trace.push_back(std::string("disappear ") + name); });
  };
  runtime.setRoot([&] {
    std::vector<NavigationPage> pages;
    if (pushed) pages.push_back({1, watched("detail")});
    return TabView(binding(tab),
                   {{"Activities", "menucard.fill",
                     navigationStackNode(watched("today"), std::move(pages), [](std::size_t) {})},
                    {"Plants", "leaf.fill", watched("plants")}},
                   Color::green);
  });
  runtime.render();
  queue.runUntilIdle();
  EXPECT_EQ(trace, std::vector<std::string>{"appear today"});
  trace.clear();
  queue.async([&] { tab = 1; });
  queue.async([&] {});
  queue.runUntilIdle();
  queue.async([&] { tab = 0; });
  queue.runUntilIdle();
  EXPECT_EQ(trace, (std::vector<std::string>{"disappear today", "appear plants", "disappear plants",
                                             "appear today"}));
  trace.clear();
  queue.async([&] { pushed = true; });
  queue.runUntilIdle();
  EXPECT_EQ(trace, (std::vector<std::string>{"disappear today", "appear detail"}));
}

TEST_F(RuntimeTest, AScreenThatFailsToBuildKeepsTheLastTree) {
  ScopedLogCapture log;
  runtime.render();
  runtime.setRoot([]() -> View { throw std::runtime_error("no catalogue"); });
  runtime.render();
  EXPECT_EQ(trees().size(), 1u);
  EXPECT_TRUE(log.contains("Building the view tree failed: no catalogue"));
  runtime.dispatch("0.1:tap");
  queue.runUntilIdle();
  EXPECT_EQ(count, 1) << "the handlers of the tree on screen still answer";
}

TEST(RuntimeLifetime, AQueueThatOutlivesItsRuntimeKeepsTurning) {
  ManualClock clock;
  VirtualMainQueue queue{clock};
  {
    Runtime runtime{queue};
    runtime.setRoot([] { return Text("x"); });
    runtime.dispatch("0:tap");
  }
  queue.async([] {});
  queue.runUntilIdle();
  SUCCEED();
}

}  // namespace
}  // namespace platform::ui
