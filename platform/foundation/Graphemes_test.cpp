#include <gtest/gtest.h>

#include "platform/foundation/Graphemes.hpp"

namespace platform {
namespace {

TEST(Graphemes, EmojiFlagsAndAccentsAreOneCharacterEach) {
  struct Case {
    std::string text;
    std::vector<std::string> clusters;
  };
  for (const auto& c : {
           Case{"", {}},
           Case{"Hi!", {"H", "i", "!"}},
           Case{"confidence 🌱", {"c", "o", "n", "f", "i", "d", "e", "n", "c", "e", " ", "🌱"}},
           Case{"e\u0301🇮🇹", {"e\u0301", "🇮🇹"}},
           Case{"👩‍🌾x", {"👩‍🌾", "x"}},
       })
    EXPECT_EQ(graphemeClusters(c.text), c.clusters) << c.text;
}

}  // namespace
}  // namespace platform
