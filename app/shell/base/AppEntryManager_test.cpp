#include <gtest/gtest.h>

#include "app/shell/base/AppEntryManager.hpp"
#include "platform/testing/TempDirectory.hpp"

namespace verdeo {
namespace {

TEST(AppEntryManager, FirstLaunchShowsOnboardingAndCompletionPersistsForTheNextLaunch) {
  platform::testing::TempDirectory dir;
  {
    auto defaults = platform::UserDefaults::standard(dir.path());
    AppEntryManager entry(defaults);
    EXPECT_TRUE(entry.showOnboarding());
    EXPECT_FALSE(entry.hasCompletedOnboarding());
    entry.setHasCompletedOnboarding(true);
    entry.setShowOnboarding(false);
  }
  auto defaults = platform::UserDefaults::standard(dir.path());
  AppEntryManager nextLaunch(defaults);
  EXPECT_FALSE(nextLaunch.showOnboarding());
  EXPECT_TRUE(nextLaunch.hasCompletedOnboarding());
}

}  // namespace
}  // namespace verdeo
