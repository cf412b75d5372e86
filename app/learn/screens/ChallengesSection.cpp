#include "app/learn/screens/ChallengesSection.hpp"

#include "app/learn/AllChallenges.hpp"
#include "app/learn/screens/ChallengeCard.hpp"
#include "app/learn/screens/LearningSection.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

ChallengesSection::ChallengesSection(const AppEnvironment& environment,
                                     Navigator<LearnRoute> navigator)
    : env_(environment), navigator_(std::move(navigator)), allChallenges_(environment.runtime) {}

View ChallengesSection::body() const {
  std::vector<View> cards;
  for (const Article& record : featured(allChallenges()))
    cards.push_back(NavigationLink(ChallengeCard{record}.body(), navigator_, LearnRoute::to(record))
                        .buttonStyle(ButtonStyle::plain)
                        .frame({.maxWidth = infinity})
                        .id(record.id.string()));
  return learningSection("Challenges 101",
                         "Expert plant care toolkits to help you grow your gardening skills with "
                         "real botanical knowledge.",
                         std::move(cards),
                         action(this,
                                [](ChallengesSection& s) {
                                  s.allChallenges_.present(s.env_,
                                                           s.allChallenges_.dismissAction());
                                }))
      .sheet(allChallenges_);
}

}  // namespace verdeo
