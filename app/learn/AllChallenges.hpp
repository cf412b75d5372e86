#pragma once

#include <vector>

#include "app/learn/Article.hpp"

namespace verdeo {

// The four challenges, in the order the app lists them; built on first use and never changed.
const std::vector<Article>& allChallenges();

}  // namespace verdeo
