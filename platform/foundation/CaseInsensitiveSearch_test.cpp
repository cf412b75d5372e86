#include <gtest/gtest.h>

#include "platform/foundation/CaseInsensitiveSearch.hpp"
#include "platform/testing/ScopedLocale.hpp"

namespace platform {
namespace {

TEST(CaseInsensitiveSearch, IgnoresCaseButNotAccents) {
  struct Case {
    std::string_view needle, text;
    bool found;
  };
  for (const auto& c : {
           Case{"MONSTERA", "Monstera deliciosa", true},
           Case{"deliciosa", "MONSTERA DELICIOSA", true},
           Case{" ", "Snake Plant", true},
           Case{" ", "Monstera", false},
           Case{"cafe", "Café", false},
           Case{"CAFÉ", "un café", true},
           Case{"e", "é", false},
           // The same accented letter, composed in one text and decomposed in the other.
           Case{"e\u0301", "caf\u00e9", true},
           Case{"\u00c9", "e\u0301t\u00e9", true},
           Case{"e", "e\u0301", false},
           Case{"STRASSE", "Straße", true},
           Case{"ficus", "Fiddle Leaf Fig", false},
           Case{"", "anything", true},
       })
    EXPECT_EQ(CaseInsensitiveSearch(c.needle, "en_US").isFoundIn(c.text), c.found)
        << c.needle << " in " << c.text;
}

TEST(CaseInsensitiveSearch, FollowsTheTurkishDotlessI) {
  EXPECT_TRUE(CaseInsensitiveSearch("I", "en_US").isFoundIn("ivy"));
  EXPECT_FALSE(CaseInsensitiveSearch("I", "tr_TR").isFoundIn("ivy"));
  EXPECT_TRUE(CaseInsensitiveSearch("I", "tr_TR").isFoundIn("ılık"));
  EXPECT_TRUE(CaseInsensitiveSearch("İ", "tr_TR").isFoundIn("ivy"));
}

TEST(CaseInsensitiveSearch, UsesTheUserLocaleByDefault) {
  testing::ScopedLocale turkish("tr_TR");
  EXPECT_FALSE(CaseInsensitiveSearch("I").isFoundIn("ivy"));
}

}  // namespace
}  // namespace platform
