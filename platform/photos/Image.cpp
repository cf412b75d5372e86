#include "platform/photos/Image.hpp"

#include <algorithm>
#include <cmath>
#include <string>

namespace platform::photos {

PixelRect largestCentredSquare(PixelSize size) {
  return centredCrop(size, {1, 1});
}

PixelRect centredCrop(PixelSize size, PixelSize proportions) {
  if (size.isEmpty() || proportions.isEmpty()) return {};
  // Compare size.width / size.height with proportions.width / proportions.height exactly.
  auto wide = static_cast<std::int64_t>(size.width) * proportions.height;
  auto tall = static_cast<std::int64_t>(size.height) * proportions.width;
  int width = size.width;
  int height = size.height;
  if (wide > tall) {
    width = static_cast<int>(std::max<std::int64_t>(1, tall / proportions.height));
  } else if (tall > wide) {
    height = static_cast<int>(std::max<std::int64_t>(1, wide / proportions.width));
  }
  return {(size.width - width) / 2, (size.height - height) / 2, width, height};
}

double scaleFor(PixelSize size, Frame frame) {
  if (size.isEmpty() || frame.box.isEmpty()) return 1.0;
  double x = static_cast<double>(frame.box.width) / size.width;
  double y = static_cast<double>(frame.box.height) / size.height;
  return frame.fit == Fit::fill ? std::max(x, y) : std::min(x, y);
}

Result<Image> cropped(const Image& image, PixelRect rect) {
  // 64-bit edges so that a rectangle near INT_MAX cannot overflow while it is clipped.
  std::int64_t left = std::max<std::int64_t>(rect.x, 0);
  std::int64_t top = std::max<std::int64_t>(rect.y, 0);
  std::int64_t right = std::min<std::int64_t>(std::int64_t{rect.x} + rect.width, image.size.width);
  std::int64_t bottom =
      std::min<std::int64_t>(std::int64_t{rect.y} + rect.height, image.size.height);
  if (rect.width <= 0 || rect.height <= 0 || right <= left || bottom <= top) {
    return Error{"the crop rectangle " + std::to_string(rect.width) + "x" +
                 std::to_string(rect.height) + " at " + std::to_string(rect.x) + "," +
                 std::to_string(rect.y) + " lies outside the " + std::to_string(image.size.width) +
                 "x" + std::to_string(image.size.height) + " image"};
  }
  Image out;
  out.size = {static_cast<int>(right - left), static_cast<int>(bottom - top)};
  out.rgb.resize(static_cast<std::size_t>(out.size.width) * out.size.height * 3);
  std::size_t rowBytes = static_cast<std::size_t>(out.size.width) * 3;
  for (int y = 0; y < out.size.height; ++y) {
    const std::uint8_t* from = image.pixel(static_cast<int>(left), static_cast<int>(top) + y);
    std::copy(from, from + rowBytes, out.rgb.begin() + static_cast<std::ptrdiff_t>(y * rowBytes));
  }
  return out;
}

namespace {

// The source pixels that one output pixel covers along one axis, with their weights.
struct Taps {
  int first = 0;
  std::vector<float> weights;
};

std::vector<Taps> tapsFor(int from, int to) {
  std::vector<Taps> all(static_cast<std::size_t>(to));
  double step = static_cast<double>(from) / to;
  for (int i = 0; i < to; ++i) {
    double begin = i * step;
    double end = (i + 1) * step;
    int first = static_cast<int>(std::floor(begin));
    int last = std::min(from - 1, static_cast<int>(std::ceil(end)) - 1);
    Taps& taps = all[static_cast<std::size_t>(i)];
    taps.first = first;
    for (int j = first; j <= last; ++j) {
      double covered = std::min(end, j + 1.0) - std::max(begin, static_cast<double>(j));
      taps.weights.push_back(static_cast<float>(covered / step));
    }
  }
  return all;
}

std::uint8_t toByte(float value) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

}  // namespace

Image resized(const Image& image, PixelSize size) {
  if (image.isEmpty() || size.isEmpty()) return {};
  if (size == image.size) return image;
  auto columns = tapsFor(image.size.width, size.width);
  auto rows = tapsFor(image.size.height, size.height);

  // Across first, into floats so that rounding happens once.
  auto sourceHeight = static_cast<std::size_t>(image.size.height);
  auto width = static_cast<std::size_t>(size.width);
  std::vector<float> across(sourceHeight * width * 3);
  for (std::size_t y = 0; y < sourceHeight; ++y) {
    for (std::size_t x = 0; x < width; ++x) {
      const Taps& taps = columns[x];
      float sum[3] = {0, 0, 0};
      for (std::size_t k = 0; k < taps.weights.size(); ++k) {
        const std::uint8_t* p = image.pixel(taps.first + static_cast<int>(k), static_cast<int>(y));
        for (int c = 0; c < 3; ++c) sum[c] += taps.weights[k] * p[c];
      }
      float* out = &across[(y * width + x) * 3];
      for (int c = 0; c < 3; ++c) out[c] = sum[c];
    }
  }

  Image out;
  out.size = size;
  out.rgb.resize(static_cast<std::size_t>(size.height) * width * 3);
  for (std::size_t y = 0; y < static_cast<std::size_t>(size.height); ++y) {
    const Taps& taps = rows[y];
    for (std::size_t x = 0; x < width; ++x) {
      float sum[3] = {0, 0, 0};
      for (std::size_t k = 0; k < taps.weights.size(); ++k) {
        const float* p = &across[((static_cast<std::size_t>(taps.first) + k) * width + x) * 3];
        for (int c = 0; c < 3; ++c) sum[c] += taps.weights[k] * p[c];
      }
      std::uint8_t* to = &out.rgb[(y * width + x) * 3];
      for (int c = 0; c < 3; ++c) to[c] = toByte(sum[c]);
    }
  }
  return out;
}

}  // namespace platform::photos
