#include "app/expert/PlantExpertViewModel.hpp"

#include <utility>
#include <variant>

#include "app/expert/PlantExpertCatalogue.hpp"
#include "platform/foundation/CaseInsensitiveSearch.hpp"
#include "platform/foundation/Log.hpp"

namespace verdeo {

PlantExpertViewModel::PlantExpertViewModel(platform::MainQueue& mainQueue, platform::Bundle bundle)
    : mainQueue_(mainQueue), bundle_(std::move(bundle)) {
  // The search starts listening before the first load, and hears the initial empty text too.
  searchTextChanged();
  loadPlants();
}

PlantExpertViewModel::~PlantExpertViewModel() {
  pendingSearch_.cancel();
}

void PlantExpertViewModel::setSearchText(std::string text) {
  searchText_ = std::move(text);
  searchTextChanged();
}

void PlantExpertViewModel::searchTextChanged() {
  pendingSearch_.cancel();
  // The step reads the text when it runs, not the text that started it.
  pendingSearch_ =
      mainQueue_.asyncAfter(kSearchQuietPeriod, [this] { plants_ = filteredPlants(); });
}

void PlantExpertViewModel::loadPlants() {
  isLoading_ = true;
  auto file = bundle_.pathForResource("plants", "json");
  if (!file) {
    errorMessage_ = "Could not find plants.json file in bundle";
    isLoading_ = false;
    platform::logLine("⚠️ Could not find plants.json in bundle");
    return;
  }
  auto loaded = readPlantExpertCatalogue(*file);
  if (auto* plants = std::get_if<std::vector<PlantExpertInfo>>(&loaded)) {
    allPlants_ = std::move(*plants);
    // The whole catalogue, whatever the search says, until the search text next changes.
    plants_ = allPlants_;
    errorMessage_.reset();
    platform::logLine("✅ Successfully loaded " + std::to_string(allPlants_.size()) + " plants");
  } else {
    const auto& error = std::get<CatalogueError>(loaded);
    errorMessage_ = "Error loading plant data: " + error.localizedDescription;
    platform::logLine("❌ Error decoding expert plant data: " + error.debugDescription);
  }
  isLoading_ = false;
}

std::vector<PlantExpertInfo> PlantExpertViewModel::filteredPlants() const {
  if (searchText_.empty()) return allPlants_;
  const platform::CaseInsensitiveSearch search(searchText_);
  std::vector<PlantExpertInfo> found;
  for (const auto& plant : allPlants_)
    if (search.isFoundIn(plant.name) || search.isFoundIn(plant.species) ||
        search.isFoundIn(plant.description))
      found.push_back(plant);
  return found;
}

}  // namespace verdeo
