#pragma once

#include <cstdint>
#include <span>

#include "platform/photos/Image.hpp"

namespace platform::photos {

// How the stored pixels must be turned to stand upright: the values of the EXIF (TIFF 6.0)
// Orientation tag, named after what the first stored row and column become on screen.
enum class Orientation : std::uint8_t {
  up = 1,             // as stored
  upMirrored = 2,     // mirrored left to right
  down = 3,           // turned half a turn
  downMirrored = 4,   // mirrored top to bottom
  leftMirrored = 5,   // transposed: first row becomes the left column
  right = 6,          // a quarter turn clockwise: first row becomes the right column
  rightMirrored = 7,  // transversed
  left = 8,           // a quarter turn anticlockwise: first row becomes the left column
};

// The Orientation tag of the first image directory of an EXIF block (an APP1 segment's
// contents, starting "Exif\0\0"), read with libexif. Missing, unreadable or out-of-range
// values read as `up`, as cameras and browsers treat them.
Orientation exifOrientation(std::span<const std::uint8_t> app1);

// Whether turning upright swaps width and height.
bool swapsSides(Orientation orientation);

PixelSize orientedSize(PixelSize stored, Orientation orientation);

// The stored pixels turned upright.
Image oriented(Image stored, Orientation orientation);

}  // namespace platform::photos
