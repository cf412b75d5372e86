#include "app/plants/StepProgressView.hpp"

#include <string>

#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

View StepProgressView::body() const {
  const std::size_t c = position(currentStep);
  const Color reached = colorFromHex(palette::brandGreen);
  const Color ahead = colorFromHex(palette::cardSurface);
  std::vector<View> row;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const std::string key = std::to_string(i);
    if (i > 0)
      row.push_back(View(c >= i ? reached : ahead)
                        .frame({.height = 3, .maxWidth = infinity})
                        .id("bar" + key));
    std::string symbol = i == c  ? std::string(symbolName(steps[i]))
                         : i < c ? "checkmark"
                                 : std::to_string(i + 1) + ".circle";
    row.push_back(ZStack({
                             Circle().fill(i <= c ? reached : ahead),
                             Symbol(std::move(symbol)).foregroundColor(Color::white),
                         })
                      .frame({.width = 40, .height = 40})
                      .accessibilityLabel(std::string(rawValue(steps[i])))
                      .id("step" + key));
  }
  return VStack({.spacing = 8}, {HStack({.spacing = 0}, std::move(row))});
}

}  // namespace verdeo
