#include "app/learn/screens/SimpleChallengeRow.hpp"

#include "app/learn/screens/LearningTile.hpp"

namespace verdeo {

platform::ui::View SimpleChallengeRow::body() const {
  return learningRow(challenge.imageName, challenge.title, challenge.description);
}

}  // namespace verdeo
