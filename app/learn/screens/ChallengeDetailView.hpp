#pragma once

#include "app/learn/Article.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// A challenge's page: its picture, title, category, duration and difficulty, introduction, and
// the four cards of its content.
class ChallengeDetailView {
 public:
  explicit ChallengeDetailView(const Article& article) : challenge(article) {}
  ChallengeDetailView(const ChallengeDetailView&) = delete;
  ChallengeDetailView& operator=(const ChallengeDetailView&) = delete;

  // The library lives for the whole run.
  const Article& challenge;

  platform::ui::View body() const;

 private:
  platform::ui::View header() const;
};

}  // namespace verdeo
