#pragma once

#include <string>

#include "platform/ui/View.hpp"

namespace verdeo {

// The look the article and challenge cards share: the picture filling a 220-high tile, darkened
// towards the bottom, where the title sits.
platform::ui::View learningTile(const std::string& imageName, const std::string& title);

// The look the rows of the two list sheets share: a round picture, the title and description,
// and a chevron.
platform::ui::View learningRow(const std::string& imageName, const std::string& title,
                               const std::string& description);

// The picture at the top of an article or challenge page.
platform::ui::View learningHeaderPicture(const std::string& imageName);

}  // namespace verdeo
