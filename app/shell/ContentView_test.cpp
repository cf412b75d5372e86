#include "app/shell/ContentView.hpp"

#include <gtest/gtest.h>

#include "app/testing/AppHarness.hpp"
#include "platform/testing/ScopedTimeZone.hpp"
#include "platform/testing/TempDirectory.hpp"

namespace verdeo {
namespace {

using platform::ui::label;
using platform::ui::text;

TEST(ContentView, TabsAreStacksAndComingBackToTheFirstShowsTodayAgain) {
  platform::testing::TempDirectory dir;
  platform::testing::ScopedTimeZone rome("Europe/Rome");
  AppHarness app(dir.path());
  ContentView tabs(app.environment);
  auto& h = app.h;
  h.show([&] { return tabs.body(); });
  EXPECT_EQ(h.find(platform::ui::kind("page")).prop("title"), "Activities");
  ASSERT_TRUE(h.tap(label("Next day")));
  ASSERT_TRUE(h.tap(label("Next day")));
  EXPECT_EQ(tabs.activities().dayOffset, 2);
  ASSERT_TRUE(h.selectTab(1));
  EXPECT_EQ(h.find(platform::ui::kind("page")).prop("title"), "Plants");
  ASSERT_TRUE(h.selectTab(0));
  EXPECT_EQ(tabs.activities().dayOffset, 0);
  EXPECT_TRUE(h.exists(text("Today")));
  EXPECT_EQ(h.haptics(), (std::vector<std::string>{"impact:light", "impact:light"}));
}

}  // namespace
}  // namespace verdeo
