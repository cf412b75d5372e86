#include "platform/foundation/CaseInsensitiveSearch.hpp"

#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <cstring>

namespace platform {
namespace {

bool isTurkic(const icu::Locale& locale) {
  return std::strcmp(locale.getLanguage(), "tr") == 0 ||
         std::strcmp(locale.getLanguage(), "az") == 0;
}

// Full case folding (ICU, Unicode CaseFolding.txt), then NFC: composing after folding keeps an
// accent glued to its letter, so "e" never matches the first half of a decomposed "é".
std::u16string folded(std::string_view utf8, bool turkic) {
  icu::UnicodeString text = icu::UnicodeString::fromUTF8(
      icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
  text.foldCase(turkic ? U_FOLD_CASE_EXCLUDE_SPECIAL_I : U_FOLD_CASE_DEFAULT);
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
  if (U_SUCCESS(status)) {
    icu::UnicodeString composed = nfc->normalize(text, status);
    if (U_SUCCESS(status)) text = std::move(composed);
  }
  return std::u16string(text.getBuffer(), static_cast<std::size_t>(text.length()));
}

}  // namespace

CaseInsensitiveSearch::CaseInsensitiveSearch(std::string_view needle)
    : turkic_(isTurkic(icu::Locale::getDefault())) {
  needle_ = folded(needle, turkic_);
}

CaseInsensitiveSearch::CaseInsensitiveSearch(std::string_view needle, std::string_view localeId)
    : turkic_(isTurkic(icu::Locale(std::string(localeId).c_str()))) {
  needle_ = folded(needle, turkic_);
}

bool CaseInsensitiveSearch::isFoundIn(std::string_view text) const {
  if (needle_.empty()) return true;
  return folded(text, turkic_).find(needle_) != std::u16string::npos;
}

}  // namespace platform
