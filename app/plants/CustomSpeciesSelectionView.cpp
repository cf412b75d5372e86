#include "app/plants/CustomSpeciesSelectionView.hpp"

#include "app/plants/SpeciesGridItem.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

CustomSpeciesSelectionView::CustomSpeciesSelectionView(Runtime& runtime,
                                                       Binding<Species> selectedSpecies)
    : runtime_(runtime), selectedSpecies_(std::move(selectedSpecies)), fullList_(runtime) {}

View CustomSpeciesSelectionView::body() const {
  const Species selected = selectedSpecies_.get();
  std::vector<View> cells;
  for (Species species : kQuickGrid) {
    SpeciesGridItem item{species, rawValue(species) == rawValue(selected), [this, species] {
                           // The circles change colour with a spring.
                           runtime_.withAnimation(Animation::spring(0.3, 0.7), [this, species] {
                             selectedSpecies_.set(species);
                           });
                         }};
    cells.push_back(item.body().id(std::string(imageName(species))));
  }
  return VStack({.alignment = HorizontalAlignment::leading, .spacing = 12},
                {
                    LazyVGrid({GridItem::flexible(), GridItem::flexible(), GridItem::flexible(),
                               GridItem::flexible()},
                              {.alignment = HorizontalAlignment::center, .spacing = 12},
                              std::move(cells))
                        .padding(Edge::bottom, 12),
                    Button(HStack({Spacer(),
                                   Text("View All").font(Font::system(16, FontWeight::semibold)),
                                   Spacer()})
                               .frame({.maxWidth = infinity}),
                           action(this,
                                  [](CustomSpeciesSelectionView& s) {
                                    s.fullList_.present(s.selectedSpecies_,
                                                        s.fullList_.dismissAction());
                                  })),
                })
      .padding()
      .sheet(fullList_);
}

}  // namespace verdeo
