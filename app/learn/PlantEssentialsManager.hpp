#pragma once

#include <vector>

#include "app/learn/PlantEssential.hpp"

namespace verdeo {

// Holds the six plant-essentials articles, in reading order. There is one for the whole app,
// made the first time a screen asks for it; its list never changes afterwards.
class PlantEssentialsManager {
 public:
  static const PlantEssentialsManager& shared();

  const std::vector<PlantEssential>& plantEssentials() const { return plantEssentials_; }

 private:
  PlantEssentialsManager();
  PlantEssentialsManager(const PlantEssentialsManager&) = delete;
  PlantEssentialsManager& operator=(const PlantEssentialsManager&) = delete;

  std::vector<PlantEssential> plantEssentials_;
};

}  // namespace verdeo
