#include "platform/ui/display/AccessToken.hpp"

#include <gtest/gtest.h>

#include <set>

namespace platform::display {
namespace {

TEST(AccessToken, Is64HexDigitsAndFreshEachTime) {
  std::set<std::string> seen;
  for (int i = 0; i < 8; ++i) {
    std::string token = makeAccessToken();
    ASSERT_EQ(token.size(), 64u);
    EXPECT_EQ(token.find_first_not_of("0123456789abcdef"), std::string::npos) << token;
    seen.insert(token);
  }
  EXPECT_EQ(seen.size(), 8u);
}

TEST(AccessToken, ComparisonNeedsEveryCharacter) {
  std::string token = makeAccessToken();
  std::string lastDiffers = token;
  lastDiffers.back() = lastDiffers.back() == '0' ? '1' : '0';
  struct Case {
    std::string presented;
    bool matches;
  } cases[] = {
      {token, true},        {lastDiffers, false}, {token.substr(0, 63), false},
      {token + "0", false}, {"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(constantTimeEquals(c.presented, token), c.matches) << c.presented;
  }
}

}  // namespace
}  // namespace platform::display
