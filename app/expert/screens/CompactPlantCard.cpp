#include "app/expert/screens/CompactPlantCard.hpp"

#include "app/expert/screens/DifficultyChip.hpp"
#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "app/shell/base/RoundedCorner.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

View CompactPlantCard::body() const {
  // The picture is decoration: the name is written under it.
  return VStack({.alignment = HorizontalAlignment::leading, .spacing = 0},
                {
                    Image(plant.imageName)
                        .resizable()
                        .scaledToFill()
                        .frame({.height = 120, .maxWidth = infinity})
                        .clipShape(RoundedCorner(20, {Corner::topLeft, Corner::topRight}).shape()),
                    VStack({.alignment = HorizontalAlignment::leading, .spacing = 4},
                           {
                               Text(plant.name).font(Font::headline).lineLimit(1),
                               Text(plant.species)
                                   .font(Font::caption)
                                   .foregroundColor(Color::gray)
                                   .lineLimit(1),
                               DifficultyChip{plant.difficulty()}.body().padding(Edge::vertical, 8),
                           })
                        .padding(8),
                })
      .background(colorFromHex(palette::cardSurface))
      .clipShape(Shape::roundedRect(20, CornerStyle::continuous));
}

}  // namespace verdeo
