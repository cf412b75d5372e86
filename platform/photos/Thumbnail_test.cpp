#include "platform/photos/Thumbnail.hpp"

#include <gtest/gtest.h>

#include "platform/photos/SampleImages_test.hpp"

namespace platform::photos {
namespace {

using namespace samples;

// Three equal bands along the long side: red, green, blue.
Image bands(PixelSize size) {
  bool across = size.width >= size.height;
  int length = across ? size.width : size.height;
  return paint(size, [=](int x, int y) {
    int at = (across ? x : y) * 3 / length;
    return at == 0 ? red : at == 1 ? green : blue;
  });
}

TEST(MakeThumbnail, FillOfALandscapeIsTheBoxCutFromItsMiddle) {
  auto tile = makeThumbnail(jpegOf(bands({800, 600})), {{100, 100}, Fit::fill});
  ASSERT_TRUE(tile.ok()) << tile.error().description;
  ASSERT_EQ(tile->size, (PixelSize{100, 100}));
  // The middle 600 columns are kept: a sixth of the red band, the green, a sixth of the blue.
  EXPECT_TRUE(near(colourAt(*tile, 50, 50), green));
  EXPECT_TRUE(near(colourAt(*tile, 8, 50), red));
  EXPECT_TRUE(near(colourAt(*tile, 91, 50), blue));
  EXPECT_TRUE(near(colourAt(*tile, 30, 50), green));
}

TEST(MakeThumbnail, FillOfAPortraitIsTheBoxCutFromItsMiddle) {
  auto tile = makeThumbnail(jpegOf(bands({600, 800})), {{100, 100}, Fit::fill});
  ASSERT_TRUE(tile.ok()) << tile.error().description;
  ASSERT_EQ(tile->size, (PixelSize{100, 100}));
  EXPECT_TRUE(near(colourAt(*tile, 50, 50), green));
  EXPECT_TRUE(near(colourAt(*tile, 50, 8), red));
  EXPECT_TRUE(near(colourAt(*tile, 50, 91), blue));
}

TEST(MakeThumbnail, FitKeepsTheWholePictureInsideTheBox) {
  auto tile = makeThumbnail(jpegOf(bands({800, 600})), {{100, 100}, Fit::fit});
  ASSERT_TRUE(tile.ok()) << tile.error().description;
  ASSERT_EQ(tile->size, (PixelSize{100, 75}));
  EXPECT_TRUE(near(colourAt(*tile, 5, 37), red));
  EXPECT_TRUE(near(colourAt(*tile, 50, 37), green));
  EXPECT_TRUE(near(colourAt(*tile, 94, 37), blue));
}

TEST(MakeThumbnail, NeverEnlargesASmallPicture) {
  Bytes small = pngOf(bands({40, 30}));
  auto filled = makeThumbnail(small, {{100, 100}, Fit::fill});
  ASSERT_TRUE(filled.ok()) << filled.error().description;
  EXPECT_EQ(filled->size, (PixelSize{30, 30}));
  auto fitted = makeThumbnail(small, {{100, 100}, Fit::fit});
  ASSERT_TRUE(fitted.ok()) << fitted.error().description;
  EXPECT_EQ(fitted->size, (PixelSize{40, 30}));
}

TEST(MakeThumbnail, BytesThatDoNotDecodeGiveNoThumbnail) {
  Bytes jpeg = jpegOf(bands({80, 60}));
  EXPECT_FALSE(makeThumbnail(cutTo(jpeg, jpeg.size() / 2), {{16, 16}, Fit::fill}).ok());
  EXPECT_FALSE(makeThumbnail(jpeg, {{0, 16}, Fit::fill}).ok());
}

}  // namespace
}  // namespace platform::photos
