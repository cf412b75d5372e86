#pragma once

#include "app/learn/Article.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// A challenge's card in the today screen's section: its picture with the title over it.
struct ChallengeCard {
  const Article& challenge;

  platform::ui::View body() const;
};

}  // namespace verdeo
