#include "app/expert/Difficulty.hpp"

#include <gtest/gtest.h>

#include "app/expert/PlantExpertInfo.hpp"

namespace verdeo {
namespace {

// Care texts whose keywords are spread over the six fields, as a real record's would be.
CareInstructions care(std::string watering, std::string light, std::string soil = "",
                      std::string tips = "") {
  CareInstructions instructions;
  instructions.watering = std::move(watering);
  instructions.light = std::move(light);
  instructions.temperature = "18-27 °C";
  instructions.soil = std::move(soil);
  instructions.fertilizing = "Feed monthly in summer.";
  instructions.tips = std::move(tips);
  return instructions;
}

TEST(Difficulty, RatesTheWorkedExamples) {
  struct Case {
    const char* what;
    CareInstructions care;
    Difficulty expected;
  };
  const Case cases[] = {
      {"once a week + indirect light: 1 + 1 + 0",
       care("Water once a week.", "Bright indirect light."), Difficulty::easy},
      {"moist + direct + avoid + repot: 3 + 2 + 2",
       care("Keep moist.", "Avoid direct sun.", "Repot every spring."), Difficulty::expert},
      {"humid + specific: 3 + 3 + 2", care("Likes it humid.", "", "", "Needs a specific spot."),
       Difficulty::expert},
      {"not low maintenance scores 0", care("", "", "", "This plant is not low maintenance."),
       Difficulty::easy},
      {"medium without easy or expert words", care("Keep moist and humid.", "Medium light."),
       Difficulty::moderate},
  };
  for (const auto& c : cases) EXPECT_EQ(difficultyRating(c.care), c.expected) << c.what;
}

TEST(Difficulty, KeywordsWinInTheirOrderWhateverTheScore) {
  struct Case {
    const char* tips;
    Difficulty expected;
  };
  const Case cases[] = {
      {"An easy plant, though experts love it.", Difficulty::easy},
      {"Simple.", Difficulty::easy},
      {"Great for a BEGINNER.", Difficulty::easy},
      {"Truly low maintenance.", Difficulty::easy},
      {"Queasy growers beware.", Difficulty::easy},
      {"Challenging but medium-sized.", Difficulty::expert},
      {"Difficult.", Difficulty::expert},
      {"For advanced growers.", Difficulty::expert},
      {"Moderate humidity.", Difficulty::moderate},
  };
  // Without the keywords these texts would score 3 + 2 + 2 = 7, an expert plant.
  for (const auto& c : cases)
    EXPECT_EQ(difficultyRating(care("Keep moist.", "Avoid direct sun.", "Repot yearly.", c.tips)),
              c.expected)
        << c.tips;
}

TEST(Difficulty, ScoresTheRestInTheirRanks) {
  struct Case {
    const char* watering;
    const char* light;
    const char* soil;
    Difficulty expected;
  };
  const Case cases[] = {
      {"", "", "", Difficulty::easy},
      // "allow to dry" outranks "moist"; "low light" outranks "direct" and "avoid".
      {"Allow to dry, then soak until moist.", "Low light; avoid direct sun.", "Prune.",
       Difficulty::moderate},
      // "indirect" without "indirect light" still holds "direct": 3 + 2 + 0.
      {"Keep moist.", "Indirect, avoid harsh sun.", "", Difficulty::moderate},
      // "specific" counts for light and special care: 0 + 3 + 2.
      {"", "A specific spot.", "", Difficulty::moderate},
      {"Humid air.", "Exact light.", "", Difficulty::moderate},
      {"Humid air.", "Exact light.", "Special mix.", Difficulty::expert},
      {"Keep moist.", "", "Repot.", Difficulty::moderate},
  };
  for (const auto& c : cases)
    EXPECT_EQ(difficultyRating(care(c.watering, c.light, c.soil)), c.expected)
        << c.watering << " | " << c.light << " | " << c.soil;
}

TEST(Difficulty, IgnoresTroubleshootingAndLowercasesTheCareTexts) {
  auto instructions = care("KEEP MOIST.", "AVOID DIRECT SUN.", "REPOT.");
  instructions.troubleshooting = Troubleshooting{"Easy to fix.", "Simple."};
  EXPECT_EQ(difficultyRating(instructions), Difficulty::expert);
  // The Kelvin sign lower-cases to a plain "k": 1 + 2 + 2 rather than 3 + 2 + 2.
  EXPECT_EQ(
      difficultyRating(care("Keep moist, water once a wee\u212A.", "Avoid direct sun.", "Repot.")),
      Difficulty::moderate);
}

TEST(Difficulty, RawValuesAreTheLabels) {
  EXPECT_EQ(rawValue(Difficulty::easy), "Easy");
  EXPECT_EQ(rawValue(Difficulty::moderate), "Moderate");
  EXPECT_EQ(rawValue(Difficulty::expert), "Expert");
}

}  // namespace
}  // namespace verdeo
