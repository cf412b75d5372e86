#include "platform/ui/display/StaticFiles.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/testing/TempDirectory.hpp"

namespace platform::display {
namespace {

struct StaticFilesTest : ::testing::Test {
  platform::testing::TempDirectory temp;
  std::filesystem::path root = temp.path() / "web";

  void SetUp() override {
    std::filesystem::create_directories(root / "sub");
    std::ofstream(root / "app.js") << "export const x = 1;";
    std::ofstream(root / "sub" / "icon.svg") << "<svg/>";
    std::ofstream(temp.path() / "secret.txt") << "secret";
    std::filesystem::create_symlink(temp.path() / "secret.txt", root / "link.txt");
  }
};

TEST_F(StaticFilesTest, ServesFilesBeneathTheRootWithTheirType) {
  StaticFiles files(root);
  auto js = files.read("app.js");
  ASSERT_TRUE(js);
  EXPECT_EQ(js->body, "export const x = 1;");
  EXPECT_EQ(js->contentType, "text/javascript; charset=utf-8");
  auto svg = files.read("sub/icon.svg");
  ASSERT_TRUE(svg);
  EXPECT_EQ(svg->contentType, "image/svg+xml");
}

TEST_F(StaticFilesTest, RefusesEveryWayOutOfTheRoot) {
  StaticFiles files(root);
  for (std::string_view path :
       {"../secret.txt", "sub/../../secret.txt", "./app.js", "/etc/passwd", "", "sub",
        "sub//icon.svg", "link.txt", "sub\\..\\app.js", "missing.js"}) {
    EXPECT_FALSE(files.read(path)) << path;
  }
}

TEST_F(StaticFilesTest, RefusesFilesOverTheSizeBound) {
  StaticFiles files(root, 4);
  EXPECT_FALSE(files.read("app.js"));
}

TEST(ContentType, ByExtensionIgnoringCase) {
  EXPECT_EQ(contentTypeFor("Inter-Bold.otf"), "font/otf");
  EXPECT_EQ(contentTypeFor("PHOTO.JPG"), "image/jpeg");
  EXPECT_EQ(contentTypeFor("README"), "application/octet-stream");
}

}  // namespace
}  // namespace platform::display
