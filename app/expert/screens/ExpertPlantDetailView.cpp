#include "app/expert/screens/ExpertPlantDetailView.hpp"

#include "app/expert/screens/CareInstructionsView.hpp"
#include "app/expert/screens/DifficultyChip.hpp"
#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

View ExpertPlantDetailView::body() const {
  View header =
      VStack({.alignment = HorizontalAlignment::leading, .spacing = 4},
             {
                 HStack({
                     Text(plant.name).font(Font::largeTitle).bold(),
                     Spacer(),
                     DifficultyChip{plant.difficulty()}.body(),
                 }),
                 Text(plant.species).font(Font::title3).foregroundColor(Color::secondary).italic(),
                 Divider().padding(Edge::vertical, 8),
                 Text(plant.description).font(Font::body),
             });
  View page =
      ScrollView(VStack({
                     Image(plant.imageName)
                         .resizable()
                         .scaledToFill()
                         .frame({.height = 250, .maxWidth = infinity})
                         .clipShape(Shape::roundedRect(20, CornerStyle::continuous))
                         .padding(Edge::horizontal),
                     VStack({.alignment = HorizontalAlignment::leading, .spacing = 16},
                            {
                                std::move(header),
                                CareInstructionsView{plant.careInstructions}.body(),
                            })
                         .padding(),
                 }))
          .background(View(colorFromHex(palette::nightBackground)).ignoresSafeArea())
          .navigationTitle(plant.name)
          .navigationBarTitleDisplayMode(TitleDisplayMode::inline_)
          .toolbar({ToolbarItem::trailing(
              Button(Symbol("xmark").font(Font::system(18)).foregroundColor(Color::white), dismiss_)
                  .accessibilityLabel("Close"))});
  // A sheet of its own, with its own bar; nothing is pushed from it.
  return navigationStackNode(std::move(page), {}, [](std::size_t) {});
}

}  // namespace verdeo
