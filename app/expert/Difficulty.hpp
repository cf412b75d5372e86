#pragma once

#include <array>
#include <string_view>

namespace verdeo {

struct CareInstructions;

// How demanding a species is to keep, as the guide rates it from its own care texts. Not stored
// in the catalogue file: worked out each time it is asked for.
enum class Difficulty { easy, moderate, expert };

inline constexpr std::array<Difficulty, 3> kAllDifficulties = {
    Difficulty::easy, Difficulty::moderate, Difficulty::expert};

// Also the label shown on the chip.
constexpr std::string_view rawValue(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::easy:
      return "Easy";
    case Difficulty::moderate:
      return "Moderate";
    case Difficulty::expert:
      return "Expert";
  }
  return "Easy";
}

// The rating of a record's six care texts: words that say how hard the plant is win, in the
// order easy, expert, moderate; without them, a score of how fussy its watering, light and
// special care sound. Plain substring tests, so "indirect" also counts as "direct".
Difficulty difficultyRating(const CareInstructions& care);

}  // namespace verdeo
