#pragma once

#include "app/learn/Article.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// A challenge's row in the list of all challenges.
struct SimpleChallengeRow {
  const Article& challenge;

  platform::ui::View body() const;
};

}  // namespace verdeo
