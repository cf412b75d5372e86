#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/defaults/UserDefaults.hpp"
#include "platform/foundation/Log.hpp"
#include "platform/testing/TempDirectory.hpp"

namespace platform {
namespace {

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeFile(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path) << text;
}

struct Defaults : ::testing::Test {
  testing::TempDirectory dir;
};

TEST_F(Defaults, TypedValuesSurviveReopenInTheirFileForm) {
  {
    auto defaults = UserDefaults::standard(dir.path());
    ASSERT_TRUE(defaults.set("hasCompletedOnboarding", true));
    ASSERT_TRUE(defaults.set("count", std::int64_t{3}));
    ASSERT_TRUE(defaults.set("ratio", 1.5));
    ASSERT_TRUE(defaults.set("title", std::string("Verdeo \"green\"")));
    ASSERT_TRUE(defaults.set("blob", Bytes{'[', ']'}));
  }
  auto file = dir.path() / "app" / "defaults.json";
  EXPECT_EQ(readFile(file),
            R"({"blob":{"data":"W10="},"count":{"int":3},"hasCompletedOnboarding":{"bool":true},)"
            R"("ratio":{"double":1.5},"title":{"string":"Verdeo \"green\""}})");
  auto reopened = UserDefaults::standard(dir.path());
  EXPECT_TRUE(reopened.boolForKey("hasCompletedOnboarding"));
  EXPECT_EQ(reopened.dataForKey("blob"), (Bytes{'[', ']'}));
  EXPECT_EQ(reopened.stringForKey("title"), "Verdeo \"green\"");
  EXPECT_EQ(std::get<std::int64_t>(*reopened.object("count")), 3);
  EXPECT_EQ(std::get<double>(*reopened.object("ratio")), 1.5);
  // A key of another type is no boolean.
  EXPECT_FALSE(reopened.boolForKey("title"));
  EXPECT_FALSE(reopened.dataForKey("title"));
}

TEST_F(Defaults, MissingFileReadsAsEmpty) {
  auto defaults = UserDefaults::standard(dir.path());
  EXPECT_FALSE(defaults.boolForKey("hasCompletedOnboarding"));
  EXPECT_FALSE(defaults.object("anything"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "app"));
}

TEST_F(Defaults, UnparsableFileReadsAsEmptyIsLoggedOnceAndKeptUntilTheNextWrite) {
  auto file = dir.path() / "app" / "defaults.json";
  writeFile(file, "{not json");
  ScopedLogCapture log;
  auto defaults = UserDefaults::standard(dir.path());
  EXPECT_FALSE(defaults.boolForKey("hasCompletedOnboarding"));
  EXPECT_EQ(log.lines().size(), 1u);
  EXPECT_EQ(readFile(file), "{not json");
  ASSERT_TRUE(defaults.set("hasCompletedOnboarding", true));
  EXPECT_EQ(readFile(file), R"({"hasCompletedOnboarding":{"bool":true}})");
}

TEST_F(Defaults, WritesLeaveNoTemporaryFilesAndSuitesLiveInTheirGroupFolder) {
  auto suite = UserDefaults::suite(dir.path(), "group.app.verdeo");
  ASSERT_TRUE(suite);
  ASSERT_TRUE(suite->set("widgetPlants", Bytes{'[', ']'}));
  auto folder = dir.path() / "group" / "group.app.verdeo";
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"defaults.json"});
  for (const char* bad : {"", "..", "a/b"})
    EXPECT_FALSE(UserDefaults::suite(dir.path(), bad)) << bad;
}

TEST_F(Defaults, ReloadSeesAnotherWritersValueAndUnknownEntriesAreSkipped) {
  auto reader = UserDefaults::suite(dir.path(), "group.app.verdeo");
  auto writer = UserDefaults::suite(dir.path(), "group.app.verdeo");
  ASSERT_TRUE(writer->set("flag", true));
  EXPECT_FALSE(reader->boolForKey("flag"));
  reader->reload();
  EXPECT_TRUE(reader->boolForKey("flag"));

  writeFile(writer->file(), R"({"a":{"bool":true},"b":{"colour":"red"},"c":{"data":"%%"},"d":7})");
  reader->reload();
  EXPECT_TRUE(reader->boolForKey("a"));
  EXPECT_FALSE(reader->object("b"));
  EXPECT_FALSE(reader->object("c"));
  EXPECT_FALSE(reader->object("d"));
}

TEST_F(Defaults, FailedWriteIsReportedAndLeavesTheOldFile) {
  auto defaults = UserDefaults::standard(dir.path());
  ASSERT_TRUE(defaults.set("x", true));
  // A folder where the file should go cannot be replaced by rename.
  auto blocked = UserDefaults(dir.path() / "blocked");
  std::filesystem::create_directories(dir.path() / "blocked" / "child");
  auto result = blocked.set("x", true);
  ASSERT_FALSE(result);
  EXPECT_NE(result.error().description.find("blocked"), std::string::npos);
}

}  // namespace
}  // namespace platform
