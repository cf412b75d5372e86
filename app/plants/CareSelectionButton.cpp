#include "app/plants/CareSelectionButton.hpp"

#include <string>

#include "app/shell/base/ColorFromHex.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

View CareSelectionButton::body() const {
  const Color color = colorFromHex(style.color);
  return Button(VStack({
                    ZStack({
                               Circle().fill(isSelected ? color : color.opacity(0.1)),
                               Symbol(std::string(style.symbol))
                                   .font(Font::system(24))
                                   .foregroundColor(isSelected ? Color::white : color),
                           })
                        .frame({.width = 56, .height = 56}),
                    Text(std::string(title)).font(Font::system(14)).foregroundColor(Color::white),
                }),
                action)
      .buttonStyle(ButtonStyle::plain)
      .accessibilityLabel(std::string(title));
}

}  // namespace verdeo
