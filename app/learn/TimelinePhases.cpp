#include "app/learn/TimelinePhases.hpp"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <cstdint>

namespace verdeo {
namespace {

// Trims every character with Unicode's White_Space property (ICU): spaces of all widths, tabs
// and line breaks, including the no-break space and the line separator.
std::string_view trimmed(std::string_view text) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  const auto length = static_cast<std::int32_t>(text.size());
  std::int32_t start = 0;
  while (start < length) {
    std::int32_t next = start;
    UChar32 c;
    U8_NEXT(bytes, next, length, c);
    if (c < 0 || !u_isUWhiteSpace(c)) break;
    start = next;
  }
  std::int32_t end = length;
  while (end > start) {
    std::int32_t previous = end;
    UChar32 c;
    U8_PREV(bytes, start, previous, c);
    if (c < 0 || !u_isUWhiteSpace(c)) break;
    end = previous;
  }
  return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

}  // namespace

std::vector<std::string> timelinePhases(std::string_view timeline) {
  std::vector<std::string> phases;
  auto add = [&](std::string_view piece) {
    piece = trimmed(piece);
    if (piece.empty()) return;
    if (piece.back() == '.') piece.remove_suffix(1);
    phases.emplace_back(piece);
  };
  std::size_t start = 0;
  for (auto cut = timeline.find(". "); cut != std::string_view::npos;
       cut = timeline.find(". ", start)) {
    add(timeline.substr(start, cut - start));
    start = cut + 2;
  }
  add(timeline.substr(start));
  return phases;
}

}  // namespace verdeo
