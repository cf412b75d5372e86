#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/expert/PlantExpertInfo.hpp"
#include "platform/foundation/Bundle.hpp"
#include "platform/foundation/MainQueue.hpp"

namespace verdeo {

// The expert guide's catalogue as its screen sees it: loaded from "plants.json" in the bundle
// when the model is made and again on retry, and narrowed by the search text once typing has
// paused for 300 ms. The screen owns one for its whole life; everything runs on the main queue.
class PlantExpertViewModel {
 public:
  static constexpr double kSearchQuietPeriod = 0.3;

  // Loads the catalogue before returning, so the screen first sees it loaded or failed.
  PlantExpertViewModel(platform::MainQueue& mainQueue, platform::Bundle bundle);
  ~PlantExpertViewModel();
  PlantExpertViewModel(const PlantExpertViewModel&) = delete;
  PlantExpertViewModel& operator=(const PlantExpertViewModel&) = delete;

  // The records the screen shows.
  const std::vector<PlantExpertInfo>& plants() const { return plants_; }
  bool isLoading() const { return isLoading_; }
  // The last load failure, until a load succeeds.
  const std::optional<std::string>& errorMessage() const { return errorMessage_; }
  const std::string& searchText() const { return searchText_; }
  // The whole catalogue in file order.
  const std::vector<PlantExpertInfo>& allPlants() const { return allPlants_; }

  // Every change, even to the same text, starts the quiet period again; `plants` follows only
  // when it ends.
  void setSearchText(std::string text);

  // Reads the file again. A failure keeps what was loaded before, so the screen does not empty.
  void loadPlants();

  // The records whose name, botanical name or description holds the search text, letter case
  // ignored in the user's locale; all of them while the text is empty.
  std::vector<PlantExpertInfo> filteredPlants() const;

 private:
  void searchTextChanged();

  platform::MainQueue& mainQueue_;
  platform::Bundle bundle_;
  std::vector<PlantExpertInfo> plants_;
  bool isLoading_ = true;
  std::optional<std::string> errorMessage_;
  std::string searchText_;
  std::vector<PlantExpertInfo> allPlants_;
  platform::Cancellable pendingSearch_;
};

}  // namespace verdeo
