#include "platform/foundation/Base64.hpp"

#include <array>

namespace platform {
namespace {
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<int, 256> makeDecodeTable() {
  std::array<int, 256> table{};
  for (auto& v : table) v = -1;
  for (int i = 0; i < 64; ++i) table[static_cast<unsigned char>(kAlphabet[i])] = i;
  return table;
}
constexpr auto kDecode = makeDecodeTable();
}  // namespace

std::string base64Encode(std::span<const std::uint8_t> bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    std::uint32_t v = bytes[i] << 16 | bytes[i + 1] << 8 | bytes[i + 2];
    out += kAlphabet[v >> 18 & 63];
    out += kAlphabet[v >> 12 & 63];
    out += kAlphabet[v >> 6 & 63];
    out += kAlphabet[v & 63];
  }
  if (std::size_t rest = bytes.size() - i) {
    std::uint32_t v = bytes[i] << 16 | (rest == 2 ? bytes[i + 1] << 8 : 0);
    out += kAlphabet[v >> 18 & 63];
    out += kAlphabet[v >> 12 & 63];
    out += rest == 2 ? kAlphabet[v >> 6 & 63] : '=';
    out += '=';
  }
  return out;
}

std::optional<Bytes> base64Decode(std::string_view text) {
  if (text.size() % 4 != 0) return std::nullopt;
  Bytes out;
  out.reserve(text.size() / 4 * 3);
  for (std::size_t i = 0; i < text.size(); i += 4) {
    bool last = i + 4 == text.size();
    int pad = 0;
    std::uint32_t v = 0;
    for (std::size_t j = 0; j < 4; ++j) {
      char c = text[i + j];
      if (c == '=' && last && j >= 2) {
        ++pad;
        v <<= 6;
        continue;
      }
      int d = kDecode[static_cast<unsigned char>(c)];
      if (d < 0 || pad) return std::nullopt;
      v = v << 6 | static_cast<std::uint32_t>(d);
    }
    out.push_back(static_cast<std::uint8_t>(v >> 16));
    if (pad < 2) out.push_back(static_cast<std::uint8_t>(v >> 8 & 255));
    if (pad < 1) out.push_back(static_cast<std::uint8_t>(v & 255));
  }
  return out;
}

}  // namespace platform
