#include "app/learn/screens/PlantEssentialsListView.hpp"

#include "app/learn/PlantEssentialsManager.hpp"
#include "app/learn/screens/LearningList.hpp"
#include "app/learn/screens/SimplePlantEssentialRow.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

PlantEssentialsListView::PlantEssentialsListView(const AppEnvironment& environment, Action dismiss)
    : navigationPath(environment.runtime, learnDestination), dismiss_(std::move(dismiss)) {}

View PlantEssentialsListView::body() const {
  const auto& records = PlantEssentialsManager::shared().plantEssentials();
  const Navigator<LearnRoute> navigator = navigationPath.navigator();
  return navigationPath.view(
      learningList("Plant Essentials",
                   ForEach(
                       records, [](const PlantEssential& record) { return record.id.string(); },
                       [&](const PlantEssential& record) {
                         return listRow(NavigationLink(SimplePlantEssentialRow{record}.body(),
                                                       navigator, LearnRoute::to(record))
                                            .buttonStyle(ButtonStyle::plain),
                                        record.id == records.back().id);
                       }),
                   dismiss_));
}

}  // namespace verdeo
