#include "app/learn/screens/ChallengeCard.hpp"

#include "app/learn/screens/LearningTile.hpp"

namespace verdeo {

platform::ui::View ChallengeCard::body() const {
  return learningTile(challenge.imageName, challenge.title);
}

}  // namespace verdeo
