#include "platform/photos/Image.hpp"

#include <gtest/gtest.h>

#include "platform/photos/SampleImages_test.hpp"

namespace platform::photos {
namespace {

using namespace samples;

// Every pixel says where it came from: red is x, green is y.
Image coordinates(PixelSize size) {
  return paint(size, [](int x, int y) {
    return Rgb{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 0};
  });
}

struct SquareCase {
  std::string name;
  PixelSize size;
  PixelRect square;
};

class LargestCentredSquare : public ::testing::TestWithParam<SquareCase> {};

TEST_P(LargestCentredSquare, IsTheShortSideCentredOnTheLongOne) {
  EXPECT_EQ(largestCentredSquare(GetParam().size), GetParam().square);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, LargestCentredSquare,
    ::testing::Values(SquareCase{"portrait", {3024, 4032}, {0, 504, 3024, 3024}},
                      SquareCase{"landscape", {4032, 3024}, {504, 0, 3024, 3024}},
                      SquareCase{"square", {500, 500}, {0, 0, 500, 500}},
                      SquareCase{"oddDifference", {301, 300}, {0, 0, 300, 300}},
                      SquareCase{"sliver", {1, 1000}, {0, 499, 1, 1}},
                      SquareCase{"empty", {0, 10}, {0, 0, 0, 0}}),
    [](const auto& test) { return test.param.name; });

TEST(CentredCrop, KeepsTheFramesProportions) {
  EXPECT_EQ(centredCrop({400, 300}, {16, 9}), (PixelRect{0, 37, 400, 225}));
  EXPECT_EQ(centredCrop({400, 300}, {1, 2}), (PixelRect{125, 0, 150, 300}));
}

TEST(Cropped, TheDefaultSquareOfAPortraitKeepsItsMiddleRows) {
  Image portrait = coordinates({30, 50});
  auto square = cropped(portrait, largestCentredSquare(portrait.size));
  ASSERT_TRUE(square.ok()) << square.error().description;
  EXPECT_EQ(square->size, (PixelSize{30, 30}));
  EXPECT_EQ(colourAt(*square, 0, 0), (Rgb{0, 10, 0}));
  EXPECT_EQ(colourAt(*square, 29, 29), (Rgb{29, 39, 0}));
}

TEST(Cropped, TheDefaultSquareOfALandscapeKeepsItsMiddleColumns) {
  Image landscape = coordinates({50, 30});
  auto square = cropped(landscape, largestCentredSquare(landscape.size));
  ASSERT_TRUE(square.ok()) << square.error().description;
  EXPECT_EQ(square->size, (PixelSize{30, 30}));
  EXPECT_EQ(colourAt(*square, 0, 0), (Rgb{10, 0, 0}));
  EXPECT_EQ(colourAt(*square, 29, 29), (Rgb{39, 29, 0}));
}

TEST(Cropped, ARectangleReachingOutsideIsClippedToTheImage) {
  Image image = coordinates({10, 40});
  auto part = cropped(image, {-5, 30, 20, 20});
  ASSERT_TRUE(part.ok()) << part.error().description;
  EXPECT_EQ(part->size, (PixelSize{10, 10}));
  EXPECT_EQ(colourAt(*part, 0, 0), (Rgb{0, 30, 0}));
  EXPECT_EQ(colourAt(*part, 9, 9), (Rgb{9, 39, 0}));
}

TEST(Cropped, ARectangleMissingTheImageIsAnError) {
  Image image = coordinates({10, 10});
  for (PixelRect rect : {PixelRect{10, 0, 5, 5}, PixelRect{-5, 0, 5, 5}, PixelRect{0, 0, 0, 5},
                         PixelRect{2147483000, 2147483000, 2000, 2000}})
    EXPECT_FALSE(cropped(image, rect).ok()) << rect.x << "," << rect.y;
}

Image greys(PixelSize size, const Bytes& values) {
  std::size_t i = 0;
  return paint(size, [&](int, int) {
    std::uint8_t v = values[i++];
    return Rgb{v, v, v};
  });
}

TEST(Resized, EachPixelIsTheMeanOfTheAreaItCovers) {
  // Whole blocks: 2x2 into one.
  auto halved = resized(greys({4, 2}, {10, 20, 30, 40, 50, 60, 70, 80}), {2, 1});
  EXPECT_EQ(halved.rgb, (Bytes{35, 35, 35, 55, 55, 55}));
  // Part pixels: three into two, the middle one shared half and half.
  auto thirds = resized(greys({3, 1}, {0, 90, 180}), {2, 1});
  EXPECT_EQ(thirds.rgb, (Bytes{30, 30, 30, 150, 150, 150}));
}

TEST(Resized, AFlatColourStaysFlatAtAnyRatio) {
  Image flat = paint({997, 7}, [](int, int) { return Rgb{77, 140, 203}; });
  Image small = resized(flat, {331, 3});
  ASSERT_EQ(small.size, (PixelSize{331, 3}));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 331; ++x) ASSERT_EQ(colourAt(small, x, y), (Rgb{77, 140, 203}));
}

}  // namespace
}  // namespace platform::photos
