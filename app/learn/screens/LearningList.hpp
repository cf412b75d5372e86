#pragma once

#include <string>

#include "platform/ui/Binding.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The page the two list sheets share: the rows on the dark background under an inline title, and
// a close button.
platform::ui::View learningList(std::string title, platform::ui::View rows,
                                platform::ui::Action dismiss);

// A row of such a list, with the thin separator under it unless it is the last.
platform::ui::View listRow(platform::ui::View row, bool isLast);

}  // namespace verdeo
