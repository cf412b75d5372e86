#include "app/learn/screens/LearningList.hpp"

#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

View learningList(std::string title, View rows, Action dismiss) {
  return ScrollView(VStack({.spacing = 0}, {std::move(rows)}).padding(Edge::top, 20))
      .background(View(colorFromHex(palette::nightBackground)).ignoresSafeArea())
      .navigationTitle(std::move(title))
      .navigationBarTitleDisplayMode(TitleDisplayMode::inline_)
      .toolbar({ToolbarItem::trailing(
          Button(Symbol("xmark").font(Font::system(18)).foregroundColor(Color::white),
                 std::move(dismiss))
              .accessibilityLabel("Close"))});
}

View listRow(View row, bool isLast) {
  if (isLast) return VStack({.spacing = 0}, {std::move(row)});
  return VStack({.spacing = 0}, {
                                    std::move(row),
                                    Rectangle()
                                        .fill(colorFromHex(palette::cardSurface))
                                        .frame({.height = 1})
                                        .padding(Edge::leading, 80),
                                });
}

}  // namespace verdeo
