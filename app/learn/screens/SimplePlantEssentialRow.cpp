#include "app/learn/screens/SimplePlantEssentialRow.hpp"

#include "app/learn/screens/LearningTile.hpp"

namespace verdeo {

platform::ui::View SimplePlantEssentialRow::body() const {
  return learningRow(plantEssential.imageName, plantEssential.title, plantEssential.description);
}

}  // namespace verdeo
