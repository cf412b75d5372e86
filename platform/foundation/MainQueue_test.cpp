#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/NotificationCenter.hpp"
#include "platform/foundation/VirtualMainQueue.hpp"

namespace platform {
namespace {

struct VirtualQueue : ::testing::Test {
  ManualClock clock;
  VirtualMainQueue queue{clock};
  std::vector<std::string> trace;
};

TEST_F(VirtualQueue, DelayedStepsRunInTimeOrderAtTheirMoment) {
  Date start = clock.now();
  queue.asyncAfter(
      0.5, [&] { trace.push_back("b@" + std::to_string(clock.now().secondsSince(start))); });
  queue.asyncAfter(0.1, [&] { trace.push_back("a"); });
  queue.async([&] { trace.push_back("now"); });
  queue.advance(0.2);
  EXPECT_EQ(trace, (std::vector<std::string>{"now", "a"}));
  queue.advance(0.3);
  ASSERT_EQ(trace.size(), 3u);
  EXPECT_EQ(trace[2], "b@0.500000");
}

TEST_F(VirtualQueue, CancelledStepDoesNothing) {
  auto step = queue.asyncAfter(0.05, [&] { trace.push_back("x"); });
  step.cancel();
  queue.advance(1);
  EXPECT_TRUE(trace.empty());
  EXPECT_TRUE(step.isCancelled());
}

TEST_F(VirtualQueue, EndOfTurnObserversRunOncePerTurn) {
  int turns = 0;
  queue.addEndOfTurnObserver([&] { ++turns; });
  queue.async([] {});
  queue.async([] {});
  queue.runUntilIdle();
  EXPECT_EQ(turns, 1);
  queue.runUntilIdle();
  EXPECT_EQ(turns, 1);
}

TEST_F(VirtualQueue, NotificationsArriveOnALaterTurnForEveryObserver) {
  NotificationCenter center(queue);
  auto first = center.addObserver("RefreshPlantList", [&] { trace.push_back("first"); });
  auto second = center.addObserver("RefreshPlantList", [&] { trace.push_back("second"); });
  center.post("RefreshPlantList");
  center.post("Other");
  EXPECT_TRUE(trace.empty());
  queue.runUntilIdle();
  EXPECT_EQ(trace, (std::vector<std::string>{"first", "second"}));
}

TEST_F(VirtualQueue, AnObserverLastsAsLongAsItsRegistration) {
  NotificationCenter center(queue);
  auto kept = center.addObserver("RefreshPlantList", [&] { trace.push_back("kept"); });
  {
    auto gone = center.addObserver("RefreshPlantList", [&] { trace.push_back("gone"); });
    center.post("RefreshPlantList");  // delivered on a later turn, after `gone` was dropped
  }
  EXPECT_EQ(center.observerCount("RefreshPlantList"), 1u);
  queue.runUntilIdle();
  EXPECT_EQ(trace, (std::vector<std::string>{"kept"}));
}

}  // namespace
}  // namespace platform
