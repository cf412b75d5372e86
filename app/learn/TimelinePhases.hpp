#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace verdeo {

// The phases of a challenge's timeline, one per sentence: the text is cut at every ". ", each
// piece trimmed of white space, empty pieces dropped, and one closing full stop removed.
std::vector<std::string> timelinePhases(std::string_view timeline);

}  // namespace verdeo
