#include "app/learn/screens/ChallengesListView.hpp"

#include "app/learn/AllChallenges.hpp"
#include "app/learn/screens/LearningList.hpp"
#include "app/learn/screens/SimpleChallengeRow.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

ChallengesListView::ChallengesListView(const AppEnvironment& environment, Action dismiss)
    : navigationPath(environment.runtime, learnDestination), dismiss_(std::move(dismiss)) {}

View ChallengesListView::body() const {
  const auto& records = allChallenges();
  const Navigator<LearnRoute> navigator = navigationPath.navigator();
  return navigationPath.view(learningList(
      "Challenges",
      ForEach(
          records, [](const Article& record) { return record.id.string(); },
          [&](const Article& record) {
            return listRow(
                NavigationLink(SimpleChallengeRow{record}.body(), navigator, LearnRoute::to(record))
                    .buttonStyle(ButtonStyle::plain),
                record.id == records.back().id);
          }),
      dismiss_));
}

}  // namespace verdeo
