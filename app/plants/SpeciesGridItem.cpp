#include "app/plants/SpeciesGridItem.hpp"

#include <string>

#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

View speciesIllustration(Species species, double size) {
  return Image(std::string(imageName(species)))
      .resizable()
      .scaledToFill()
      .frame({.width = size, .height = size})
      .clipShape(Shape::circle())
      .accessibilityLabel(std::string(rawValue(species)));
}

View SpeciesGridItem::body() const {
  return Button(VStack({
                           ZStack({
                                      Circle().fill(colorFromHex(
                                          isSelected ? palette::brandGreen : palette::cardSurface)),
                                      speciesIllustration(species, 70),
                                  })
                               .frame({.width = 80, .height = 80}),
                           Text(std::string(rawValue(species)))
                               .font(Font::system(13))
                               .foregroundColor(Color::white)
                               .multilineTextAlignment(TextAlignment::center)
                               .lineLimit(1)
                               .frame({.height = 20}),
                       })
                    .frame({.width = 80}),
                action)
      .buttonStyle(ButtonStyle::plain);
}

}  // namespace verdeo
