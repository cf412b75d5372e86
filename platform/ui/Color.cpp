#include "platform/ui/Color.hpp"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace platform::ui {
namespace {

Color plainHex(std::string_view text) {
  if (!text.empty() && text.front() == '#') text.remove_prefix(1);
  if (text.size() != 6 && text.size() != 8) return Color::clear;
  std::uint32_t v = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v, 16);
  if (error != std::errc() || end != text.data() + text.size()) return Color::clear;
  double alpha = text.size() == 8 ? double(v >> 24) / 255 : 1.0;
  return {double((v >> 16) & 255) / 255, double((v >> 8) & 255) / 255, double(v & 255) / 255,
          alpha};
}

std::atomic<Color::HexConverter> hexConverter{&plainHex};

int channel(double value) {
  return int(std::lround(std::clamp(value, 0.0, 1.0) * 255));
}

}  // namespace

const Color Color::white{1, 1, 1, 1};
const Color Color::black{0, 0, 0, 1};
const Color Color::gray{142 / 255.0, 142 / 255.0, 147 / 255.0, 1};
const Color Color::secondary{235 / 255.0, 235 / 255.0, 245 / 255.0, 0.6};
const Color Color::green{48 / 255.0, 209 / 255.0, 88 / 255.0, 1};
const Color Color::orange{1, 159 / 255.0, 10 / 255.0, 1};
const Color Color::red{1, 69 / 255.0, 58 / 255.0, 1};
const Color Color::blue{10 / 255.0, 132 / 255.0, 1, 1};
const Color Color::yellow{1, 214 / 255.0, 10 / 255.0, 1};
const Color Color::clear{0, 0, 0, 0};

Color Color::hex(std::string_view text) {
  return hexConverter.load()(text);
}

void Color::setHexConverter(HexConverter converter) {
  hexConverter.store(converter ? converter : &plainHex);
}

void Color::appendCss(std::string& out) const {
  char buffer[64];
  char* p = buffer;
  auto put = [&](std::string_view s) {
    std::copy(s.begin(), s.end(), p);
    p += s.size();
  };
  put("rgba(");
  p = std::to_chars(p, buffer + sizeof buffer, channel(r)).ptr;
  *p++ = ',';
  p = std::to_chars(p, buffer + sizeof buffer, channel(g)).ptr;
  *p++ = ',';
  p = std::to_chars(p, buffer + sizeof buffer, channel(b)).ptr;
  *p++ = ',';
  double alpha = std::round(std::clamp(a, 0.0, 1.0) * 1000) / 1000;
  p = std::to_chars(p, buffer + sizeof buffer, alpha).ptr;
  *p++ = ')';
  out.append(buffer, p);
}

std::string Color::css() const {
  std::string out;
  appendCss(out);
  return out;
}

}  // namespace platform::ui
