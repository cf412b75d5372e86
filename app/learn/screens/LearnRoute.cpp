#include "app/learn/screens/LearnRoute.hpp"

#include "app/learn/AllChallenges.hpp"
#include "app/learn/PlantEssentialsManager.hpp"
#include "app/learn/screens/ChallengeDetailView.hpp"
#include "app/learn/screens/PlantEssentialDetailView.hpp"

namespace verdeo {

platform::ui::AnyScreen learnDestination(const LearnRoute& route,
                                         const platform::ui::Navigator<LearnRoute>&) {
  using platform::ui::AnyScreen;
  if (route.kind == LearnRoute::Kind::plantEssential) {
    for (const auto& essential : PlantEssentialsManager::shared().plantEssentials())
      if (essential.id == route.id) return AnyScreen::make<PlantEssentialDetailView>(essential);
  } else {
    for (const auto& challenge : allChallenges())
      if (challenge.id == route.id) return AnyScreen::make<ChallengeDetailView>(challenge);
  }
  return {};
}

}  // namespace verdeo
