#include "app/expert/screens/CareItem.hpp"

#include <optional>

#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

namespace {

View careRow(const std::string& icon, const std::string& title, const std::string& description,
             std::optional<Color> titleColor) {
  View heading = Text(title).font(Font::headline);
  if (titleColor) heading = std::move(heading).foregroundColor(*titleColor);
  return HStack({.alignment = VerticalAlignment::top, .spacing = 12},
                {
                    Symbol(icon)
                        .font(Font::system(20))
                        .foregroundColor(colorFromHex(palette::brandGreen))
                        .frame({.width = 24}),
                    VStack({.alignment = HorizontalAlignment::leading, .spacing = 4},
                           {
                               std::move(heading),
                               Text(description).font(Font::body).foregroundColor(Color::secondary),
                           }),
                });
}

}  // namespace

View CareItem::body() const {
  return careRow(icon, title, description, std::nullopt);
}

View TroubleshootingItem::body() const {
  return careRow(icon, title, description, Color::white);
}

}  // namespace verdeo
