#include "app/expert/screens/ExpertView.hpp"

#include "app/expert/screens/CompactPlantCard.hpp"
#include "app/expert/screens/SearchBar.hpp"
#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

ExpertView::ExpertView(const AppEnvironment& environment)
    : viewModel(environment.mainQueue, environment.bundle),
      recordPage_(environment.runtime),
      expertInfo_(environment.runtime) {}

std::optional<StringIdentifier> ExpertView::selectedPlantID() const {
  if (!recordPage_) return std::nullopt;
  return StringIdentifier{recordPage_->plant.id};
}

void ExpertView::select(const std::string& id) {
  for (const auto& plant : viewModel.plants())
    if (plant.id == id) {
      recordPage_.present(plant, recordPage_.dismissAction());
      return;
    }
}

void ExpertView::clearSearch() {
  viewModel.setSearchText("");
}

View ExpertView::errorBlock(const std::string& message) const {
  return VStack({.spacing = 16},
                {
                    Symbol("exclamationmark.triangle.fill")
                        .font(Font::system(50))
                        .foregroundColor(Color::orange),
                    Text("Unable to load plants").font(Font::headline),
                    Text(message)
                        .font(Font::subheadline)
                        .foregroundColor(Color::secondary)
                        .multilineTextAlignment(TextAlignment::center)
                        .padding(Edge::horizontal),
                    Button("Retry", action(this, [](ExpertView& s) { s.viewModel.loadPlants(); }))
                        .buttonStyle(ButtonStyle::bordered)
                        .tint(Color::blue)
                        .padding(Edge::top),
                })
      .padding();
}

View ExpertView::grid() const {
  View cards =
      LazyVGrid(columns, {.spacing = 12},
                {ForEach(
                    viewModel.plants(), [](const PlantExpertInfo& plant) { return plant.id; },
                    [this](const PlantExpertInfo& plant) {
                      return Button(CompactPlantCard{plant}.body(),
                                    action(this, [id = plant.id](ExpertView& s) { s.select(id); }))
                          .buttonStyle(ButtonStyle::plain);
                    })});
  return ScrollView(VStack({
      std::move(cards).padding(),
      Text("It's not possible to find all the plants, because expert advice takes longer. It "
           "will be added soon.")
          .font(Font::system(14))
          .foregroundColor(Color::gray)
          .multilineTextAlignment(TextAlignment::center)
          .padding(Edge::horizontal)
          .padding(Edge::bottom, 32),
  }));
}

View ExpertView::noMatchBlock() const {
  return ScrollView(VStack({.spacing = 16},
                           {
                               Symbol("exclamationmark.magnifyingglass")
                                   .font(Font::system(50))
                                   .foregroundColor(Color::secondary)
                                   .frame({.height = 60}),
                               Text("No matching plants").font(Font::headline),
                               Text("Try a different search term")
                                   .font(Font::subheadline)
                                   .foregroundColor(Color::secondary),
                               Button("Clear Search", action(this, &ExpertView::clearSearch))
                                   .buttonStyle(ButtonStyle::bordered)
                                   .tint(Color::white)
                                   .padding(Edge::top),
                           })
                        .frame({.maxWidth = infinity})
                        .padding());
}

View ExpertView::noPlantsBlock() const {
  return ScrollView(VStack({.spacing = 16},
                           {
                               Symbol("leaf.fill")
                                   .font(Font::system(50))
                                   .foregroundColor(colorFromHex(palette::brandGreen))
                                   .frame({.height = 60}),
                               Text("No plants found").font(Font::headline),
                               Text("Please add plant data to your plants.json file")
                                   .font(Font::subheadline)
                                   .foregroundColor(Color::secondary)
                                   .multilineTextAlignment(TextAlignment::center),
                           })
                        .frame({.maxWidth = infinity})
                        .padding());
}

// Exactly one of these, in this order of precedence.
View ExpertView::content() const {
  if (viewModel.isLoading())
    return ProgressView({.label = "Loading plants..."}).frame({.maxHeight = infinity});
  if (viewModel.errorMessage()) return errorBlock(*viewModel.errorMessage());
  if (!viewModel.plants().empty()) return grid();
  if (!viewModel.searchText().empty()) return noMatchBlock();
  return noPlantsBlock();
}

// The page shows the chosen record as the shown list has it; once the list no longer holds it,
// the sheet stays up, empty.
std::optional<Presentation> ExpertView::recordPage() const {
  auto presentation = recordPage_.presentation();
  if (!presentation) return presentation;
  bool shown = false;
  for (const auto& plant : viewModel.plants())
    if (plant.id == recordPage_->plant.id) {
      shown = true;
      break;
    }
  if (!shown) presentation->content = EmptyView();
  return presentation;
}

View ExpertView::body() const {
  Binding<std::string> searchText([this] { return viewModel.searchText(); },
                                  action(this, [](ExpertView& s, std::string text) {
                                    s.viewModel.setSearchText(std::move(text));
                                  }));
  return VStack({.spacing = 0},
                {
                    SearchBar{std::move(searchText), action(this, &ExpertView::clearSearch)}
                        .body()
                        .padding(Edge::vertical, 8),
                    content().frame({.maxWidth = infinity, .maxHeight = infinity}),
                })
      .background(View(colorFromHex(palette::nightBackground)).ignoresSafeArea())
      .navigationTitle("Expert")
      .navigationBarTitleDisplayMode(TitleDisplayMode::large)
      .toolbar({ToolbarItem::trailing(Button(Symbol("info.circle").foregroundColor(Color::white),
                                             action(this,
                                                    [](ExpertView& s) {
                                                      s.expertInfo_.present(
                                                          s.expertInfo_.dismissAction());
                                                    }))
                                          .accessibilityLabel("About the expert guide"))})
      .sheet(recordPage())
      .sheet(expertInfo_);
}

}  // namespace verdeo
