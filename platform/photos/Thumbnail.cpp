#include "platform/photos/Thumbnail.hpp"

#include <algorithm>
#include <cmath>

namespace platform::photos {

Result<Image> makeThumbnail(std::span<const std::uint8_t> bytes, Frame frame,
                            const DecodeLimits& limits) {
  if (frame.box.isEmpty()) return Error{"a thumbnail needs a frame of at least one pixel"};
  auto decoded = decodeImageFor(bytes, frame, limits);
  if (!decoded) return decoded.error();
  Image image = std::move(*decoded);

  if (frame.fit == Fit::fill) {
    auto kept = cropped(image, centredCrop(image.size, frame.box));
    if (!kept) return kept.error();
    image = std::move(*kept);
  }
  double scale = scaleFor(image.size, frame);
  if (scale >= 1.0) return image;
  PixelSize target =
      frame.fit == Fit::fill
          ? frame.box
          : PixelSize{std::max(1, static_cast<int>(std::lround(image.size.width * scale))),
                      std::max(1, static_cast<int>(std::lround(image.size.height * scale)))};
  return resized(image, target);
}

}  // namespace platform::photos
