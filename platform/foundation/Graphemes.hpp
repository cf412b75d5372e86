#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Splits UTF-8 text into user-perceived characters (extended grapheme clusters, as ICU's
// character break iterator finds them): an emoji, a flag or a letter with its accents is one.
std::vector<std::string> graphemeClusters(std::string_view utf8);

}  // namespace platform
