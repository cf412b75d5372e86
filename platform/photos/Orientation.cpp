#include "platform/photos/Orientation.hpp"

#include <libexif/exif-data.h>

#include <algorithm>
#include <cstddef>

namespace platform::photos {

Orientation exifOrientation(std::span<const std::uint8_t> app1) {
  if (app1.empty()) return Orientation::up;
  ExifData* data = exif_data_new_from_data(app1.data(), static_cast<unsigned int>(app1.size()));
  if (data == nullptr) return Orientation::up;
  int value = 1;
  if (ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
      entry != nullptr && entry->format == EXIF_FORMAT_SHORT && entry->components >= 1 &&
      entry->data != nullptr && entry->size >= 2) {
    value = exif_get_short(entry->data, exif_data_get_byte_order(data));
  }
  exif_data_unref(data);
  if (value < 1 || value > 8) return Orientation::up;
  return static_cast<Orientation>(value);
}

bool swapsSides(Orientation orientation) {
  return static_cast<int>(orientation) >= static_cast<int>(Orientation::leftMirrored);
}

PixelSize orientedSize(PixelSize stored, Orientation orientation) {
  return swapsSides(orientation) ? PixelSize{stored.height, stored.width} : stored;
}

Image oriented(Image stored, Orientation orientation) {
  if (orientation == Orientation::up || stored.isEmpty()) return stored;
  const int w = stored.size.width;
  const int h = stored.size.height;
  Image out;
  out.size = orientedSize(stored.size, orientation);
  out.rgb.resize(stored.rgb.size());
  // For every upright pixel (x, y), the stored pixel it shows.
  auto source = [&](int x, int y) -> const std::uint8_t* {
    switch (orientation) {
      case Orientation::up:
        return stored.pixel(x, y);
      case Orientation::upMirrored:
        return stored.pixel(w - 1 - x, y);
      case Orientation::down:
        return stored.pixel(w - 1 - x, h - 1 - y);
      case Orientation::downMirrored:
        return stored.pixel(x, h - 1 - y);
      case Orientation::leftMirrored:
        return stored.pixel(y, x);
      case Orientation::right:
        return stored.pixel(y, h - 1 - x);
      case Orientation::rightMirrored:
        return stored.pixel(w - 1 - y, h - 1 - x);
      case Orientation::left:
        return stored.pixel(w - 1 - y, x);
    }
    return stored.pixel(x, y);
  };
  std::uint8_t* to = out.rgb.data();
  for (int y = 0; y < out.size.height; ++y) {
    for (int x = 0; x < out.size.width; ++x, to += 3) {
      const std::uint8_t* from = source(x, y);
      std::copy(from, from + 3, to);
    }
  }
  return out;
}

}  // namespace platform::photos
