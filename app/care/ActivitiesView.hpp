#pragma once

#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "app/learn/screens/ChallengesSection.hpp"
#include "app/learn/screens/LearnRoute.hpp"
#include "app/learn/screens/PlantEssentialsSection.hpp"
#include "app/model/Plant.hpp"
#include "app/plants/EditPlantView.hpp"
#include "app/shell/base/AppEnvironment.hpp"
#include "app/shell/base/PlaceholderView.hpp"
#include "platform/foundation/Date.hpp"
#include "platform/foundation/Uuid.hpp"
#include "platform/store/LiveQuery.hpp"
#include "platform/ui/NavigationStack.hpp"
#include "platform/ui/RowState.hpp"
#include "platform/ui/ScreenScope.hpp"
#include "platform/ui/ScreenSlot.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// Where the today screen's toolbar links lead.
enum class ActivitiesLink { settings, calendar };
// Every page the today screen pushes: its toolbar's, and the learning sections' articles and
// challenges.
using ActivitiesRoute = std::variant<ActivitiesLink, LearnRoute>;

// The first tab: the plants that need care on a chosen day, the day navigator, and "Done".
class ActivitiesView {
 public:
  explicit ActivitiesView(const AppEnvironment& environment);
  ActivitiesView(const ActivitiesView&) = delete;
  ActivitiesView& operator=(const ActivitiesView&) = delete;

  platform::ui::View body() const;

  // All plants in store order, kept current by the store.
  const std::vector<std::shared_ptr<Plant>>& plants() const { return plants_.results(); }
  int dayOffset = 0;
  bool showingAddPlant() const { return addPlant_.isPresented(); }
  platform::Uuid refreshID = platform::Uuid::random();
  platform::ui::NavigationStack<ActivitiesRoute> navigationPath;

  // Now moved by dayOffset calendar days (now itself when that cannot be added).
  platform::Date selectedMoment() const;
  // The plants due on the selected day, in store order.
  std::vector<std::shared_ptr<Plant>> duePlants() const;

 private:
  platform::ui::View dayNavigator() const;
  platform::ui::View careSection() const;
  platform::ui::View toolbarSymbol(const char* symbol) const;
  std::string dayTitle() const;
  bool pictureDecodes(const Plant& plant) const;

  void appear();
  void plantsChanged();
  void tapDone(const std::shared_ptr<Plant>& plant);
  void markDone(Plant& plant);
  void writeWidgetSnapshot();

  const AppEnvironment& env_;
  platform::store::LiveQuery<Plant> plants_;
  // The identities the list had at its last delivery: only a list that changes as a list (a
  // plant added or deleted, or the order changed) refreshes the widget.
  std::vector<const Plant*> listIdentity_;
  // TaskRow's isCompleting, by plant id.
  platform::ui::RowState<bool> isCompleting_;
  platform::ui::ScreenSlot<EditPlantView> addPlant_;
  ChallengesSection challenges_;
  PlantEssentialsSection plantEssentials_;
  platform::ui::ScreenScope scope_;
};

}  // namespace verdeo
