#include "app/learn/PlantEssentialsManager.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/Graphemes.hpp"

namespace verdeo {
namespace {

std::size_t characters(const std::string& text) {
  return platform::graphemeClusters(text).size();
}

std::vector<std::string> paragraphs(const std::string& body) {
  std::vector<std::string> result;
  std::size_t start = 0;
  for (auto cut = body.find("\n\n"); cut != std::string::npos; cut = body.find("\n\n", start)) {
    result.push_back(body.substr(start, cut - start));
    start = cut + 2;
  }
  result.push_back(body.substr(start));
  return result;
}

TEST(PlantEssentialsManager, OneSharedLibraryWithTheSameRecordsOnEveryRead) {
  const auto& first = PlantEssentialsManager::shared();
  const auto& second = PlantEssentialsManager::shared();
  EXPECT_EQ(&first, &second);
  ASSERT_EQ(first.plantEssentials().size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(first.plantEssentials()[i].id, second.plantEssentials()[i].id);
    EXPECT_NE(first.plantEssentials()[i].id, platform::Uuid());
  }
}

// Titles and pictures are fixed; the prose is held to its length (within 10 %) and shape: a
// one-sentence summary, and an article in plain paragraphs split by one empty line.
TEST(PlantEssentialsManager, SixArticlesOfTheirTitlesShapesAndLengths) {
  struct Expected {
    const char* title;
    const char* imageName;
    double descriptionLength;
    double bodyLength;
    std::size_t paragraphs;
  };
  const Expected expected[] = {
      {"Understanding light 101", "light-guide01", 100, 2240, 4},
      {"Proper watering 101", "watering-guide01", 115, 2320, 4},
      {"Soil and drainage basics", "soil-guide01", 120, 2350, 4},
      {"Fertilizing fundamentals", "fertilizing-guide01", 135, 2740, 5},
      {"Pest prevention and management", "prevention-guide01", 130, 2630, 5},
      {"Repotting and root health", "repotting-guide01", 130, 3050, 6},
  };
  const auto& essentials = PlantEssentialsManager::shared().plantEssentials();
  ASSERT_EQ(essentials.size(), std::size(expected));
  for (std::size_t i = 0; i < essentials.size(); ++i) {
    const auto& essential = essentials[i];
    const auto& want = expected[i];
    EXPECT_EQ(essential.title, want.title);
    EXPECT_EQ(essential.imageName, want.imageName);
    EXPECT_NEAR(characters(essential.description), want.descriptionLength,
                want.descriptionLength * 0.1)
        << want.title;
    EXPECT_EQ(essential.description.back(), '.') << want.title;
    EXPECT_EQ(essential.description.find(". "), std::string::npos) << want.title;
    EXPECT_NEAR(characters(essential.body), want.bodyLength, want.bodyLength * 0.1) << want.title;
    const auto parts = paragraphs(essential.body);
    EXPECT_EQ(parts.size(), want.paragraphs) << want.title;
    for (const auto& paragraph : parts) {
      ASSERT_FALSE(paragraph.empty()) << want.title;
      EXPECT_EQ(paragraph.find('\n'), std::string::npos) << want.title;
      EXPECT_NE(paragraph.front(), ' ') << want.title;
      EXPECT_EQ(paragraph.back(), '.') << want.title;
    }
  }
}

}  // namespace
}  // namespace verdeo
