#include "app/shell/base/ColorFromHex.hpp"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>

#include "platform/foundation/Graphemes.hpp"

namespace verdeo {
namespace {

bool isAlphanumericAt(std::string_view text, std::int32_t offset, std::int32_t* next) {
  UChar32 c;
  std::int32_t i = offset;
  U8_NEXT(text.data(), i, static_cast<std::int32_t>(text.size()), c);
  *next = i;
  return c >= 0 && u_isalnum(c);
}

// Trims, from both ends, every character that is not a letter or digit of any script.
std::string_view trimNonAlphanumerics(std::string_view text) {
  std::int32_t length = static_cast<std::int32_t>(text.size());
  std::int32_t start = 0;
  while (start < length) {
    std::int32_t next;
    if (isAlphanumericAt(text, start, &next)) break;
    start = next;
  }
  std::int32_t end = length;
  while (end > start) {
    std::int32_t previous = end;
    U8_BACK_1(reinterpret_cast<const std::uint8_t*>(text.data()), start, previous);
    std::int32_t ignored;
    if (isAlphanumericAt(text, previous, &ignored)) break;
    end = previous;
  }
  return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// An unsigned 64-bit hexadecimal reading with an optional "0x" prefix, stopping at the first
// character that is no hexadecimal digit; 0 when the text starts with none.
std::uint64_t scanHex(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
      hexDigit(text[2]) >= 0)
    text.remove_prefix(2);
  std::uint64_t value = 0;
  for (char c : text) {
    int digit = hexDigit(c);
    if (digit < 0) break;
    if (value > (UINT64_MAX >> 4)) return UINT64_MAX;  // saturates like a scanner on overflow
    value = value << 4 | static_cast<std::uint64_t>(digit);
  }
  return value;
}

// Characters as a person counts them. Every palette literal is plain ASCII, where each byte is one
// character (a CR LF pair aside), so ICU's segmentation runs only for other text: colours are
// converted on every redraw.
std::size_t characterCount(std::string_view text) {
  const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x80 && c != '\r';
  });
  return plain ? text.size() : platform::graphemeClusters(text).size();
}

}  // namespace

platform::ui::Color colorFromHex(std::string_view text) {
  std::string_view hex = trimNonAlphanumerics(text);
  std::uint64_t v = scanHex(hex);
  std::uint64_t a, r, g, b;
  switch (characterCount(hex)) {
    case 3:
      a = 255, r = (v >> 8) * 17, g = (v >> 4 & 15) * 17, b = (v & 15) * 17;
      break;
    case 6:
      a = 255, r = v >> 16, g = v >> 8 & 255, b = v & 255;
      break;
    case 8:
      a = v >> 24, r = v >> 16 & 255, g = v >> 8 & 255, b = v & 255;
      break;
    default:
      a = 1, r = 1, g = 1, b = 0;
  }
  return {static_cast<double>(r) / 255, static_cast<double>(g) / 255, static_cast<double>(b) / 255,
          static_cast<double>(a) / 255};
}

}  // namespace verdeo
