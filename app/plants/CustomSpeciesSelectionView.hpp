#pragma once

#include "app/model/Species.hpp"
#include "app/plants/SpeciesListSheet.hpp"
#include "platform/ui/Binding.hpp"
#include "platform/ui/Runtime.hpp"
#include "platform/ui/ScreenSlot.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The editor's species picker: four common species in a grid and "View All" for the full,
// searchable list. Both write the editor's species; nothing is saved here.
class CustomSpeciesSelectionView {
 public:
  CustomSpeciesSelectionView(platform::ui::Runtime& runtime,
                             platform::ui::Binding<Species> selectedSpecies);
  CustomSpeciesSelectionView(const CustomSpeciesSelectionView&) = delete;
  CustomSpeciesSelectionView& operator=(const CustomSpeciesSelectionView&) = delete;

  static constexpr Species kQuickGrid[] = {Species::verdeo, Species::monstera, Species::orchid,
                                           Species::fern};

  platform::ui::View body() const;
  bool showingFullList() const { return fullList_.isPresented(); }

 private:
  platform::ui::Runtime& runtime_;
  platform::ui::Binding<Species> selectedSpecies_;
  platform::ui::ScreenSlot<SpeciesListSheet> fullList_;
};

}  // namespace verdeo
