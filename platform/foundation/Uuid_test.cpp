#include <gtest/gtest.h>

#include "platform/foundation/Base64.hpp"
#include "platform/foundation/Uuid.hpp"

namespace platform {
namespace {

TEST(Uuid, RandomIsVersion4InUpperCaseTextAndParsesBack) {
  Uuid a = Uuid::random();
  std::string text = a.string();
  ASSERT_EQ(text.size(), 36u);
  EXPECT_EQ(text[14], '4');
  EXPECT_EQ(text.find_first_of("abcdef"), std::string::npos);
  EXPECT_EQ(Uuid::parse(text), a);
  EXPECT_NE(Uuid::random(), a);
}

TEST(Uuid, ParseRejectsMalformedText) {
  for (const char* text :
       {"", "not-a-uuid", "E621E1F8-C36C-495A-93FC-0C247A3E6E5",
        "E621E1F8XC36C-495A-93FC-0C247A3E6E5F", "E621E1F8-C36C-495A-93FC-0C247A3E6E5FF"})
    EXPECT_FALSE(Uuid::parse(text)) << text;
  EXPECT_EQ(Uuid::parse("e621e1f8-c36c-495a-93fc-0c247a3e6e5f")->string(),
            "E621E1F8-C36C-495A-93FC-0C247A3E6E5F");
}

TEST(Base64, RoundTripsAndRejectsGarbage) {
  struct Case {
    std::string plain, encoded;
  };
  for (const auto& c : {Case{"", ""}, Case{"f", "Zg=="}, Case{"fo", "Zm8="}, Case{"foo", "Zm9v"},
                        Case{"foobar", "Zm9vYmFy"}}) {
    Bytes bytes(c.plain.begin(), c.plain.end());
    EXPECT_EQ(base64Encode(bytes), c.encoded);
    EXPECT_EQ(base64Decode(c.encoded), bytes);
  }
  for (const char* bad : {"Zg=", "Z===", "Zm9v!A==", "=Zm9", "Zg==Zg=="})
    EXPECT_FALSE(base64Decode(bad)) << bad;
}

}  // namespace
}  // namespace platform
