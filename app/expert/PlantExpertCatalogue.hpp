#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/expert/PlantExpertInfo.hpp"

namespace verdeo {

// Why the catalogue could not be read, told twice: a sentence fit for the screen and the whole
// story (what, where in the file) for the log.
struct CatalogueError {
  std::string localizedDescription;
  std::string debugDescription;
};

using CatalogueOrError = std::variant<std::vector<PlantExpertInfo>, CatalogueError>;

// Decodes the catalogue file's text: a JSON array of species records in display order. Strict:
// every required key must be there with a string value, or the whole catalogue is refused; keys
// it does not know are ignored.
CatalogueOrError decodePlantExpertCatalogue(std::string_view json);

// Reads the file whole and decodes it; a file that cannot be read fails like bad data does.
CatalogueOrError readPlantExpertCatalogue(const std::filesystem::path& file);

}  // namespace verdeo
