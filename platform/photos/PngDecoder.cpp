#include "platform/photos/PngDecoder.hpp"

#include <png.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace platform::photos::codec {

namespace {

// Everything that lives across setjmp is in here, made before it and outlived by it, so that a
// jump back skips no destructor.
struct Session {
  std::span<const std::uint8_t> bytes;
  std::size_t offset = 0;
  std::string message;
  std::string refusal;
  std::vector<std::uint8_t> pixels;  // RGBA while decoding
  std::vector<png_bytep> rows;
};

void read(png_structp png, png_bytep to, png_size_t length) {
  auto* session = static_cast<Session*>(png_get_io_ptr(png));
  if (length > session->bytes.size() - session->offset) png_error(png, "the data ends early");
  std::memcpy(to, session->bytes.data() + session->offset, length);
  session->offset += length;
}

[[noreturn]] void fail(png_structp png, png_const_charp message) {
  auto* session = static_cast<Session*>(png_get_error_ptr(png));
  session->message = message;
  png_longjmp(png, 1);
}

// libpng warns about ancillary chunks it drops (a bad CRC on text, say); the picture is whole.
void ignore(png_structp, png_const_charp) {}

bool decode(Session& session, const DecodeLimits& limits, Output output, Decoded& decoded) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &session, fail, ignore);
  if (png == nullptr) {
    session.message = "libpng could not start";
    return false;
  }
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    session.message = "libpng could not start";
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_read_fn(png, &session, read);
  png_read_info(png, info);
  decoded.stored = {static_cast<int>(png_get_image_width(png, info)),
                    static_cast<int>(png_get_image_height(png, info))};
  if (auto refusal = refusalFor(decoded.stored, limits)) {
    session.refusal = std::move(*refusal);
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  const auto height = static_cast<std::size_t>(decoded.stored.height);

  if (output == Output::checkOnly) {
    // One row of memory, however tall the picture: each row is inflated and dropped.
    int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    session.pixels.resize(png_get_rowbytes(png, info));
    for (int pass = 0; pass < passes; ++pass)
      for (std::size_t y = 0; y < height; ++y) png_read_row(png, session.pixels.data(), nullptr);
  } else {
    // Always eight-bit RGBA: palettes, grey and transparency keys expanded, 16 bits scaled.
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    std::size_t rowBytes = png_get_rowbytes(png, info);
    if (rowBytes != static_cast<std::size_t>(decoded.stored.width) * 4)
      png_error(png, "unexpected row layout after expansion");
    session.pixels.resize(rowBytes * height);
    session.rows.resize(height);
    for (std::size_t y = 0; y < height; ++y) session.rows[y] = session.pixels.data() + y * rowBytes;
    png_read_image(png, session.rows.data());
  }
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

}  // namespace

Result<Decoded> decodePng(std::span<const std::uint8_t> bytes, const DecodeLimits& limits,
                          Output output) {
  Session session;
  session.bytes = bytes;
  Decoded decoded;
  if (!decode(session, limits, output, decoded)) {
    if (!session.refusal.empty()) return Error{std::move(session.refusal)};
    return Error{"the PNG data is damaged: " + session.message};
  }
  if (output == Output::pixels) {
    // Laid over black, which is what a JPEG made from the picture shows where it was clear.
    // Packed to RGB in place, since each pixel's RGB lands at or before where its RGBA was
    // read: a large picture never holds both copies at once.
    std::size_t count = session.pixels.size() / 4;
    std::uint8_t* data = session.pixels.data();
    for (std::size_t n = 0; n < count; ++n) {
      const std::uint8_t* from = data + n * 4;
      std::uint8_t* to = data + n * 3;
      unsigned alpha = from[3];
      for (int c = 0; c < 3; ++c) to[c] = static_cast<std::uint8_t>((from[c] * alpha + 127) / 255);
    }
    session.pixels.resize(count * 3);
    decoded.pixels.size = decoded.stored;
    decoded.pixels.rgb = std::move(session.pixels);
  }
  return decoded;
}

}  // namespace platform::photos::codec
