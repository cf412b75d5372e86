#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/foundation/Result.hpp"

namespace platform::photos {

struct PixelSize {
  int width = 0;
  int height = 0;

  bool isEmpty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// A rectangle in image pixels; the origin is the top-left corner of the upright image.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// How a picture fills a frame: `fill` covers the whole frame and lets the overflow be cut off,
// `fit` shows the whole picture inside the frame. Both keep the aspect ratio.
enum class Fit { fill, fit };

struct Frame {
  PixelSize box;
  Fit fit = Fit::fill;
};

// Decoded pixels: 8-bit RGB, three bytes per pixel, rows top to bottom without padding, already
// turned upright.
struct Image {
  PixelSize size;
  std::vector<std::uint8_t> rgb;

  bool isEmpty() const { return size.isEmpty(); }
  const std::uint8_t* pixel(int x, int y) const {
    return rgb.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(size.width) +
                         static_cast<std::size_t>(x)) *
                            3;
  }
};

// The largest square inside an image of `size`, centred. When the difference of the sides is odd
// the extra pixel is left on the right or at the bottom.
PixelRect largestCentredSquare(PixelSize size);

// The largest rectangle of the frame's proportions inside `size`, centred: what `Fit::fill`
// keeps of a picture.
PixelRect centredCrop(PixelSize size, PixelSize proportions);

// The factor that brings `size` to `frame`: the larger of the two side ratios for `fill`, the
// smaller for `fit`.
double scaleFor(PixelSize size, Frame frame);

// The part of `image` inside `rect`, after `rect` is clipped to the image. A rectangle that does
// not overlap the image at all is an error.
Result<Image> cropped(const Image& image, PixelRect rect);

// `image` resampled to `size` by area averaging: every output pixel is the mean of the source
// area it covers, weighted by how much of each source pixel lies inside. That is the box filter,
// exact for shrinking (thumbnails) and free of the aliasing of point sampling; enlarging with it
// is bilinear-like at best and nothing here relies on that.
Image resized(const Image& image, PixelSize size);

}  // namespace platform::photos
