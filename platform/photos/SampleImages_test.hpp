#pragma once

// Small pictures made on the spot for the photo tests, and ways to damage them.

#include <libexif/exif-data.h>
#include <png.h>
#include <zlib.h>

#include <array>
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <vector>

// After <cstdio> and <cstddef>: jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

#include "platform/photos/Image.hpp"
#include "platform/photos/JpegEncoder.hpp"

namespace platform::photos::samples {

using Bytes = std::vector<std::uint8_t>;
using Rgb = std::array<std::uint8_t, 3>;

inline constexpr Rgb red{220, 30, 30};
inline constexpr Rgb green{30, 200, 60};
inline constexpr Rgb blue{30, 40, 220};

inline Image paint(PixelSize size, const std::function<Rgb(int x, int y)>& colour) {
  Image image;
  image.size = size;
  image.rgb.reserve(static_cast<std::size_t>(size.width) * size.height * 3);
  for (int y = 0; y < size.height; ++y)
    for (int x = 0; x < size.width; ++x)
      for (std::uint8_t c : colour(x, y)) image.rgb.push_back(c);
  return image;
}

// A smooth picture, kind to JPEG, that still differs at every pixel.
inline Image gradient(PixelSize size) {
  return paint(size, [&](int x, int y) {
    return Rgb{static_cast<std::uint8_t>(x * 255 / std::max(1, size.width - 1)),
               static_cast<std::uint8_t>(y * 255 / std::max(1, size.height - 1)), 128};
  });
}

inline Rgb colourAt(const Image& image, int x, int y) {
  const std::uint8_t* p = image.pixel(x, y);
  return {p[0], p[1], p[2]};
}

// Whether `actual` is `expected` give or take what JPEG loses at flat colours.
inline bool near(Rgb actual, Rgb expected, int tolerance = 24) {
  for (int c = 0; c < 3; ++c)
    if (std::abs(actual[static_cast<std::size_t>(c)] - expected[static_cast<std::size_t>(c)]) >
        tolerance)
      return false;
  return true;
}

inline Bytes jpegOf(const Image& image) {
  return encodeJpeg(image, 0.9).value();
}

// A progressive JPEG, as some cameras and most web tools write them: the decoder must buffer the
// whole picture's coefficients before the first row comes out.
inline Bytes progressiveJpegOf(const Image& image) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long length = 0;
  jpeg_mem_dest(&info, &buffer, &length);
  info.image_width = static_cast<JDIMENSION>(image.size.width);
  info.image_height = static_cast<JDIMENSION>(image.size.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    auto* row = const_cast<JSAMPROW>(image.pixel(0, static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes out(buffer, buffer + length);
  std::free(buffer);
  return out;
}

// A PNG of 8-bit `samples` in libpng's `colorType` (rows packed, no padding).
inline Bytes pngOf(PixelSize size, int colorType, const Bytes& samples, bool interlaced = false,
                   const std::vector<png_color>& palette = {}) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("could not write the sample PNG");
  }
  png_set_write_fn(
      png, &out,
      [](png_structp p, png_bytep data, png_size_t length) {
        auto* bytes = static_cast<Bytes*>(png_get_io_ptr(p));
        bytes->insert(bytes->end(), data, data + length);
      },
      nullptr);
  png_set_IHDR(png, info, static_cast<png_uint_32>(size.width),
               static_cast<png_uint_32>(size.height), 8, colorType,
               interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  png_write_info(png, info);
  std::size_t rowBytes = samples.size() / static_cast<std::size_t>(size.height);
  std::vector<png_bytep> rows;
  for (int y = 0; y < size.height; ++y)
    rows.push_back(const_cast<png_bytep>(samples.data()) + static_cast<std::size_t>(y) * rowBytes);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

inline Bytes pngOf(const Image& image, bool interlaced = false) {
  return pngOf(image.size, PNG_COLOR_TYPE_RGB, image.rgb, interlaced);
}

inline Bytes cutTo(Bytes bytes, std::size_t length) {
  bytes.resize(length);
  return bytes;
}

inline Bytes concat(Bytes bytes, const Bytes& more) {
  bytes.insert(bytes.end(), more.begin(), more.end());
  return bytes;
}

// The JPEG with an EXIF block carrying `orientation`, written by libexif, right after its SOI.
inline Bytes withExifOrientation(const Bytes& jpeg, int orientation) {
  ExifData* data = exif_data_new();
  exif_data_set_byte_order(data, EXIF_BYTE_ORDER_MOTOROLA);
  ExifEntry* entry = exif_entry_new();
  exif_content_add_entry(data->ifd[EXIF_IFD_0], entry);
  exif_entry_initialize(entry, EXIF_TAG_ORIENTATION);
  exif_set_short(entry->data, EXIF_BYTE_ORDER_MOTOROLA, static_cast<ExifShort>(orientation));
  unsigned char* block = nullptr;
  unsigned int length = 0;
  exif_data_save_data(data, &block, &length);
  exif_entry_unref(entry);
  exif_data_unref(data);

  Bytes out(jpeg.begin(), jpeg.begin() + 2);
  out.push_back(0xFF);
  out.push_back(0xE1);
  out.push_back(static_cast<std::uint8_t>((length + 2) >> 8));
  out.push_back(static_cast<std::uint8_t>((length + 2) & 0xFF));
  out.insert(out.end(), block, block + length);
  out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
  std::free(block);
  return out;
}

// The JPEG with its frame header claiming `size`; the data stays that of the real picture.
inline Bytes jpegClaiming(Bytes jpeg, PixelSize size) {
  for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
      // FF C0, length (2), precision (1), height (2), width (2)
      jpeg[i + 5] = static_cast<std::uint8_t>(size.height >> 8);
      jpeg[i + 6] = static_cast<std::uint8_t>(size.height & 0xFF);
      jpeg[i + 7] = static_cast<std::uint8_t>(size.width >> 8);
      jpeg[i + 8] = static_cast<std::uint8_t>(size.width & 0xFF);
      return jpeg;
    }
  }
  throw std::runtime_error("the sample JPEG has no frame header");
}

// The PNG with its IHDR claiming `size`, the chunk's CRC made to match so that only the size is
// wrong.
inline Bytes pngClaiming(Bytes png, PixelSize size) {
  auto put = [&](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
      png[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
  };
  // signature (8), IHDR length (4), "IHDR" (4), width (4), height (4), 5 more bytes, CRC (4)
  put(16, static_cast<std::uint32_t>(size.width));
  put(20, static_cast<std::uint32_t>(size.height));
  put(29, static_cast<std::uint32_t>(crc32(crc32(0, nullptr, 0), png.data() + 12, 17)));
  return png;
}

}  // namespace platform::photos::samples
