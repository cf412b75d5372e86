#include "app/learn/TimelinePhases.hpp"

#include <gtest/gtest.h>

namespace verdeo {
namespace {

TEST(TimelinePhases, OneRowPerSentenceWithoutItsFullStop) {
  using Phases = std::vector<std::string>;
  struct Case {
    std::string timeline;
    Phases phases;
  };
  const Case cases[] = {
      {"Week 1: plan. Week 2: plant. Weeks 3-4: harvest.",
       Phases{"Week 1: plan", "Week 2: plant", "Weeks 3-4: harvest"}},
      {"Week 1: plan. Week 2: plant", Phases{"Week 1: plan", "Week 2: plant"}},
      {"", Phases{}},
      {"   \n ", Phases{}},
      // Only a full stop followed by a space cuts: decimals and a stop before a line break stay.
      {"Feed at 0.5 strength.\nWater.", Phases{"Feed at 0.5 strength.\nWater"}},
      {"A.  B..  C", Phases{"A", "B", "C"}},
      {"A. . B", Phases{"A", "B"}},
      {"A. .", Phases{"A", ""}},
      {"\u00a0Week 1: plan. \u2028Week 2.\u00a0", Phases{"Week 1: plan", "Week 2"}},
      {"Week 1: plan.\u2028 Week 2", Phases{"Week 1: plan.\u2028 Week 2"}},
      {"Week 1!", Phases{"Week 1!"}},
  };
  for (const auto& c : cases) EXPECT_EQ(timelinePhases(c.timeline), c.phases) << c.timeline;
}

}  // namespace
}  // namespace verdeo
