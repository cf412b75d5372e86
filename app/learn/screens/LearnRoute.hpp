#pragma once

#include "app/learn/Article.hpp"
#include "app/learn/PlantEssential.hpp"
#include "platform/foundation/Uuid.hpp"
#include "platform/ui/AnyScreen.hpp"
#include "platform/ui/NavigationStack.hpp"

namespace verdeo {

// A page of the learning library, pushed from a card of the today screen or a row of a list
// sheet: the article or challenge with this id.
struct LearnRoute {
  enum class Kind { plantEssential, challenge };
  Kind kind = Kind::plantEssential;
  platform::Uuid id;

  static LearnRoute to(const PlantEssential& essential) {
    return {Kind::plantEssential, essential.id};
  }
  static LearnRoute to(const Article& challenge) { return {Kind::challenge, challenge.id}; }

  friend bool operator==(const LearnRoute&, const LearnRoute&) = default;
};

// The page a route leads to: the article's or the challenge's detail page, or nothing for an id
// the library does not hold.
platform::ui::AnyScreen learnDestination(const LearnRoute& route,
                                         const platform::ui::Navigator<LearnRoute>& navigator);

}  // namespace verdeo
