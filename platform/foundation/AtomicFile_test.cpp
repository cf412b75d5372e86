#include "platform/foundation/AtomicFile.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "platform/testing/TempDirectory.hpp"

namespace platform {
namespace {

std::string contentsOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(AtomicFile, CreatesFoldersAndReplacesWholeContentLeavingNoTemporary) {
  testing::TempDirectory dir;
  const auto file = dir.path() / "a" / "b" / "state.json";
  ASSERT_TRUE(replaceFileAtomically(file, "a much longer first content"));
  ASSERT_TRUE(replaceFileAtomically(file, "short"));
  EXPECT_EQ(contentsOf(file), "short");
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(file.parent_path()))
    ++entries;
  EXPECT_EQ(entries, 1u);
}

TEST(AtomicFile, AFailureIsAnErrorAndLeavesTheFileAsItWas) {
  testing::TempDirectory dir;
  const auto file = dir.path() / "state.json";
  ASSERT_TRUE(replaceFileAtomically(file, "old"));
  // A folder where the temporary file would go makes the write fail.
  std::filesystem::create_directory(dir.path() / ("state.json.tmp-" + std::to_string(::getpid())));
  auto result = replaceFileAtomically(file, "new");
  ASSERT_FALSE(result);
  EXPECT_NE(result.error().description.find("state.json"), std::string::npos);
  EXPECT_EQ(contentsOf(file), "old");
}

TEST(AtomicFile, AFolderThatCannotBeMadeIsAnError) {
  testing::TempDirectory dir;
  ASSERT_TRUE(replaceFileAtomically(dir.path() / "plain", "x"));
  EXPECT_FALSE(replaceFileAtomically(dir.path() / "plain" / "inside.json", "y"));
}

}  // namespace
}  // namespace platform
