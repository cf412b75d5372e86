#include "app/plants/SpeciesListSheet.hpp"

#include "app/plants/SpeciesGridItem.hpp"
#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/foundation/CaseInsensitiveSearch.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

SpeciesListSheet::SpeciesListSheet(Binding<Species> selectedSpecies, Action dismiss)
    : selectedSpecies_(std::move(selectedSpecies)), dismiss_(std::move(dismiss)) {}

std::vector<Species> SpeciesListSheet::filteredSpecies() const {
  if (searchText.empty()) return {kAllSpecies.begin(), kAllSpecies.end()};
  const platform::CaseInsensitiveSearch search(searchText);
  std::vector<Species> found;
  for (Species species : kAllSpecies)
    if (search.isFoundIn(rawValue(species))) found.push_back(species);
  return found;
}

View SpeciesListSheet::body() const {
  const Species selected = selectedSpecies_.get();
  std::vector<View> rows;
  rows.push_back(ForEach(
      filteredSpecies(),
      [](Species s) { return std::string(imageName(s)) + std::string(rawValue(s)); },
      [this, selected](Species species) {
        std::vector<View> row{
            ZStack({Circle().fill(colorFromHex(palette::cardSurface)),
                    speciesIllustration(species, 60)})
                .frame({.width = 60, .height = 60}),
            Text(std::string(rawValue(species))).foregroundColor(Color::white),
            Spacer(),
        };
        if (rawValue(species) == rawValue(selected))
          row.push_back(Symbol("checkmark.circle.fill")
                            .foregroundColor(colorFromHex(palette::brandGreen))
                            .accessibilityLabel("Selected"));
        return Button(HStack({.spacing = 12}, std::move(row)),
                      action(this,
                             [species](SpeciesListSheet& s) {
                               s.selectedSpecies_.set(species);
                               s.dismiss_();
                             }))
            .buttonStyle(ButtonStyle::plain)
            .listRowBackground(colorFromHex(palette::cardSurface));
      }));
  View list =
      List({.style = ListStyle::plain, .hideBackground = true},
           {Section(std::nullopt, std::move(rows))})
          .background(View(colorFromHex(palette::nightBackground)).ignoresSafeArea())
          .navigationTitle("Select Species")
          .navigationBarTitleDisplayMode(TitleDisplayMode::inline_)
          .toolbar(
              {ToolbarItem::trailing(Button(Text("Done").foregroundColor(Color::white), dismiss_))})
          .searchable(binding(searchText), "Search species");
  return navigationStackNode(std::move(list), {}, [](std::size_t) {});
}

}  // namespace verdeo
