#include "platform/foundation/Graphemes.hpp"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>

namespace platform {

std::vector<std::string> graphemeClusters(std::string_view utf8) {
  std::vector<std::string> clusters;
  icu::UnicodeString text = icu::UnicodeString::fromUTF8(
      icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::BreakIterator> breaks(
      icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
  if (U_FAILURE(status)) {
    // Without ICU's break data every code point stands alone.
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
      std::string one;
      text.tempSubStringBetween(i, text.moveIndex32(i, 1)).toUTF8String(one);
      clusters.push_back(std::move(one));
    }
    return clusters;
  }
  breaks->setText(text);
  for (int32_t start = breaks->first(), end = breaks->next(); end != icu::BreakIterator::DONE;
       start = end, end = breaks->next()) {
    std::string cluster;
    text.tempSubStringBetween(start, end).toUTF8String(cluster);
    clusters.push_back(std::move(cluster));
  }
  return clusters;
}

}  // namespace platform
