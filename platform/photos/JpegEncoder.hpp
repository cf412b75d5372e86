#pragma once

#include <cstdint>
#include <vector>

#include "platform/foundation/Result.hpp"
#include "platform/photos/Image.hpp"

namespace platform::photos {

// `image` as a baseline JFIF JPEG (4:2:0) made by libjpeg-turbo. `quality` runs from 0 (smallest)
// to 1 (best), the scale phone photo encoders use; it maps linearly onto libjpeg's 0-100 quality
// setting, so 0.8 is libjpeg's 80. No metadata is written: the pixels are already upright.
Result<std::vector<std::uint8_t>> encodeJpeg(const Image& image, double quality);

}  // namespace platform::photos
