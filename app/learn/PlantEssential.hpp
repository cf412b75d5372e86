#pragma once

#include <string>

#include "platform/foundation/Uuid.hpp"

namespace verdeo {

// One plant-essentials article. The id is made when the library is built, so it holds for one run
// only; the image name is what stays the same between runs.
struct PlantEssential {
  platform::Uuid id;
  std::string title;
  std::string description;  // one sentence
  std::string imageName;
  std::string body;  // plain text; paragraphs are separated by one empty line
};

}  // namespace verdeo
