#include "app/expert/screens/SearchBar.hpp"

#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

View SearchBar::body() const {
  View clear = EmptyView();
  if (!text.get().empty())
    clear = Button(Symbol("xmark.circle.fill").foregroundColor(Color::secondary), onClear)
                .buttonStyle(ButtonStyle::plain)
                .accessibilityLabel("Clear search");
  return HStack({
                    Symbol("magnifyingglass").foregroundColor(Color::secondary),
                    TextField("Search plants...", text, {.autocorrect = false}),
                    std::move(clear),
                })
      .padding(8)
      .background(colorFromHex(palette::cardSurface))
      .clipShape(Shape::roundedRect(10, CornerStyle::continuous))
      .padding(Edge::horizontal);
}

}  // namespace verdeo
