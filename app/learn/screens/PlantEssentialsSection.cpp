#include "app/learn/screens/PlantEssentialsSection.hpp"

#include "app/learn/PlantEssentialsManager.hpp"
#include "app/learn/screens/LearningSection.hpp"
#include "app/learn/screens/PlantEssentialCard.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

PlantEssentialsSection::PlantEssentialsSection(const AppEnvironment& environment,
                                               Navigator<LearnRoute> navigator)
    : env_(environment),
      navigator_(std::move(navigator)),
      allPlantEssentials_(environment.runtime) {}

View PlantEssentialsSection::body() const {
  std::vector<View> cards;
  for (const PlantEssential& record : featured(PlantEssentialsManager::shared().plantEssentials()))
    cards.push_back(
        NavigationLink(PlantEssentialCard{record}.body(), navigator_, LearnRoute::to(record))
            .buttonStyle(ButtonStyle::plain)
            .frame({.maxWidth = infinity})
            .id(record.id.string()));
  return learningSection("Plant Essentials",
                         "Essential plant care knowledge and techniques every plant parent should "
                         "know to cultivate healthy plants.",
                         std::move(cards),
                         action(this,
                                [](PlantEssentialsSection& s) {
                                  s.allPlantEssentials_.present(
                                      s.env_, s.allPlantEssentials_.dismissAction());
                                }))
      .sheet(allPlantEssentials_);
}

}  // namespace verdeo
