#pragma once

#include <cstdint>
#include <span>

#include "platform/foundation/Result.hpp"
#include "platform/photos/Image.hpp"
#include "platform/photos/ImageDecoder.hpp"

namespace platform::photos {

// The picture in `bytes` made small for a frame of `frame.box` pixels: with `Fit::fill` exactly
// the box, the centre of the picture cut to the box's proportions; with `Fit::fit` the whole
// picture inside the box. Never enlarged: a picture smaller than the frame keeps its own pixels
// (cut to the box's proportions for `fill`) and the display scales it. A JPEG is first reduced
// by whole eighths while decoding, then area-averaged to the exact size.
Result<Image> makeThumbnail(std::span<const std::uint8_t> bytes, Frame frame,
                            const DecodeLimits& limits = {});

}  // namespace platform::photos
