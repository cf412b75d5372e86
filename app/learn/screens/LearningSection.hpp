#pragma once

#include <span>
#include <string>
#include <vector>

#include "platform/ui/Binding.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The records a section shows as cards: all of them when there are fewer than three, otherwise
// the first two.
template <class Record>
std::span<const Record> featured(const std::vector<Record>& records) {
  return std::span<const Record>(records).first(records.size() < 3 ? records.size() : 2);
}

// The layout the two sections of the today screen share: the title with "See All", the
// subtitle, and the cards sharing the width.
platform::ui::View learningSection(std::string title, std::string subtitle,
                                   std::vector<platform::ui::View> cards,
                                   platform::ui::Action seeAll);

}  // namespace verdeo
