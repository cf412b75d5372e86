#pragma once

#include <string>
#include <string_view>

namespace platform {

// Finds a text inside others the way the user's locale compares letters when case is ignored:
// "MONSTERA" is found in "Monstera deliciosa", in Turkish "I" matches "ı" rather than "i", and
// accents still count ("cafe" is not found in "café"). Built once per needle, asked per text.
class CaseInsensitiveSearch {
 public:
  // Uses ICU's default locale, which is the user's.
  explicit CaseInsensitiveSearch(std::string_view needle);
  CaseInsensitiveSearch(std::string_view needle, std::string_view localeId);

  // An empty needle is found in every text.
  bool isFoundIn(std::string_view text) const;

 private:
  std::u16string needle_;
  bool turkic_;
};

}  // namespace platform
