#include "app/learn/screens/PlantEssentialCard.hpp"

#include "app/learn/screens/LearningTile.hpp"

namespace verdeo {

platform::ui::View PlantEssentialCard::body() const {
  return learningTile(plantEssential.imageName, plantEssential.title);
}

}  // namespace verdeo
