// Feeds arbitrary bytes to the expert catalogue decoder: whatever "plants.json" holds, decoding
// ends in a catalogue or an error, never a crash, a hang or a sanitizer report.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#include "app/expert/PlantExpertCatalogue.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto result = verdeo::decodePlantExpertCatalogue(
      std::string_view(reinterpret_cast<const char*>(data), size));
  if (auto* plants = std::get_if<std::vector<verdeo::PlantExpertInfo>>(&result))
    for (const auto& plant : *plants) (void)plant.difficulty();
  return 0;
}
