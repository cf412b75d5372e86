#pragma once

#include <string>
#include <vector>

#include "app/model/Species.hpp"
#include "platform/ui/Binding.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// All 53 species in a searchable list; choosing one sets it and closes the sheet, "Done" closes
// it without a change.
class SpeciesListSheet {
 public:
  SpeciesListSheet(platform::ui::Binding<Species> selectedSpecies, platform::ui::Action dismiss);
  SpeciesListSheet(const SpeciesListSheet&) = delete;
  SpeciesListSheet& operator=(const SpeciesListSheet&) = delete;

  platform::ui::View body() const;

  std::string searchText;
  // The species whose name, in lower case, contains the search text in lower case (untrimmed),
  // in their order; all of them while the search is empty.
  std::vector<Species> filteredSpecies() const;

 private:
  platform::ui::Binding<Species> selectedSpecies_;
  platform::ui::Action dismiss_;
};

}  // namespace verdeo
