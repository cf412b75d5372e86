#include "platform/photos/JpegEncoder.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/photos/ImageDecoder.hpp"
#include "platform/photos/SampleImages_test.hpp"

namespace platform::photos {
namespace {

using namespace samples;

TEST(EncodeJpeg, RoundTripsAPictureAtItsSizeAndCloseToItsColours) {
  Image image = gradient({97, 61});
  auto jpeg = encodeJpeg(image, 0.8);
  ASSERT_TRUE(jpeg.ok()) << jpeg.error().description;
  EXPECT_EQ(imageFormat(*jpeg), ImageFormat::jpeg);
  auto back = decodeImage(*jpeg);
  ASSERT_TRUE(back.ok()) << back.error().description;
  ASSERT_EQ(back->size, image.size);
  double error = 0;
  for (std::size_t i = 0; i < image.rgb.size(); ++i)
    error += std::abs(int{back->rgb[i]} - int{image.rgb[i]});
  EXPECT_LT(error / static_cast<double>(image.rgb.size()), 3.0);
}

// The first entry of the luminance quantisation table that the encoder wrote.
int firstLuminanceStep(const Bytes& jpeg) {
  for (std::size_t i = 2; i + 5 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDB) return jpeg[i + 5];  // FF DB, length (2), Pq/Tq
  return -1;
}

TEST(EncodeJpeg, QualityMapsOntoLibjpegsScale) {
  // libjpeg scales the standard table (first entry 16) by 200 - 2q percent above q = 50 and by
  // 5000/q percent below: q 80 gives 40 %, so 6; q 100 gives 1; q 50 keeps 16; q 20 gives 40.
  Image image = gradient({16, 16});
  for (auto [quality, step] :
       {std::pair{0.8, 6}, std::pair{1.0, 1}, std::pair{0.5, 16}, std::pair{0.2, 40}}) {
    auto jpeg = encodeJpeg(image, quality);
    ASSERT_TRUE(jpeg.ok()) << jpeg.error().description;
    EXPECT_EQ(firstLuminanceStep(*jpeg), step) << "quality " << quality;
  }
}

TEST(EncodeJpeg, RefusesAnImageWithoutPixels) {
  EXPECT_FALSE(encodeJpeg(Image{}, 0.8).ok());
  Image inconsistent{{4, 4}, Bytes(5)};
  EXPECT_FALSE(encodeJpeg(inconsistent, 0.8).ok());
}

}  // namespace
}  // namespace platform::photos
