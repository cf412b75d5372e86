#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/foundation/Result.hpp"
#include "platform/photos/Image.hpp"

namespace platform::photos {

// What a decoder agrees to take on. Anything bigger is answered as "does not decode" before a
// pixel is allocated, so a small file that declares a huge picture (a decompression bomb) costs
// nothing. The defaults take the photos of today's phone cameras (48 megapixels and less); a
// panorama beyond 64 megapixels is refused with the rest.
struct DecodeLimits {
  int maxSide = 32768;
  std::int64_t maxPixels = 64'000'000;
  // libjpeg's own working memory: the whole-image coefficient buffers of progressive JPEGs.
  long maxCodecMemory = 512L * 1024 * 1024;
};

enum class ImageFormat { jpeg, png };

// The format the bytes claim by their signature; none for anything else. Says nothing about
// whether the rest of the bytes are sound.
std::optional<ImageFormat> imageFormat(std::span<const std::uint8_t> bytes);

// Whether `bytes` decode as an image, and if so its upright size in pixels (EXIF orientation
// applied). The whole stream is decoded, not just the header: truncated or damaged data is an
// error, as is a format other than JPEG or PNG, or a picture beyond `limits`. A JPEG is decoded
// at an eighth of its size for this, which checks every entropy-coded bit at a fraction of the
// cost; a PNG is inflated row by row into one row's worth of memory.
Result<PixelSize> checkImage(std::span<const std::uint8_t> bytes, const DecodeLimits& limits = {});

// The bytes as upright RGB pixels at full size. Transparent PNG pixels are laid over black, as
// a JPEG made from them would show them.
Result<Image> decodeImage(std::span<const std::uint8_t> bytes, const DecodeLimits& limits = {});

// The bytes as upright RGB pixels, reduced while decoding when `frame` needs fewer pixels: a
// JPEG is decoded at the smallest of the scales 1/8, 2/8, ... 8/8 that still covers the frame,
// so a tile never pays for a full-size decode. The result is at least as large as the frame
// needs (or the whole picture when that is smaller); `resized` brings it to the exact size.
Result<Image> decodeImageFor(std::span<const std::uint8_t> bytes, Frame frame,
                             const DecodeLimits& limits = {});

}  // namespace platform::photos
