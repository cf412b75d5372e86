#include <gtest/gtest.h>

#include <cstring>

#include "app/shell/CommandLine.hpp"

namespace verdeo {
namespace {

const char* fakeEnvironment(const char* name) {
  if (std::strcmp(name, "HOME") == 0) return "/home/ada";
  return nullptr;
}

TEST(CommandLine, ReadsEveryOptionAndDefaultsTheDataFolderUnderHome) {
  std::string error;
  auto line =
      parseCommandLine({"--port", "8080", "--no-open", "--sample-data"}, &error, fakeEnvironment);
  ASSERT_TRUE(line) << error;
  EXPECT_EQ(line->port, 8080);
  EXPECT_FALSE(line->openBrowser);
  EXPECT_TRUE(line->sampleData);
  EXPECT_EQ(line->dataDirectory, "/home/ada/.local/share/verdeo");

  line = parseCommandLine({"--data-dir", "/tmp/v"}, &error, fakeEnvironment);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->dataDirectory, "/tmp/v");
  EXPECT_EQ(line->port, 0);
  EXPECT_TRUE(line->openBrowser);
}

TEST(CommandLine, RejectsBadInputWithAReason) {
  for (const auto& arguments : std::vector<std::vector<std::string>>{{"--port"},
                                                                     {"--port", "70000"},
                                                                     {"--port", "12a"},
                                                                     {"--port", "-1"},
                                                                     {"--data-dir"},
                                                                     {"--data-dir", ""},
                                                                     {"--frobnicate"}}) {
    std::string error;
    EXPECT_FALSE(parseCommandLine(arguments, &error, fakeEnvironment)) << arguments[0];
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace verdeo
