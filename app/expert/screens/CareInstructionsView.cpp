#include "app/expert/screens/CareInstructionsView.hpp"

#include "app/expert/screens/CareItem.hpp"
#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

View CareInstructionsView::body() const {
  const CareInstructions& care = careInstructions;
  View header = HStack({.spacing = 12},
                       {
                           Image("expert-avatar")
                               .resizable()
                               .scaledToFill()
                               .frame({.width = 40, .height = 40})
                               .clipShape(Shape::circle())
                               .overlay(Circle().stroke(colorFromHex(palette::brandGreen), 1.5)),
                           VStack({.alignment = HorizontalAlignment::leading, .spacing = 2},
                                  {
                                      Text("Real expert instructions")
                                          .font(Font::system(20, FontWeight::semibold))
                                          .foregroundColor(Color::white),
                                      Text("Plant expert and Verdeo founder")
                                          .font(Font::caption)
                                          .foregroundColor(Color::white.opacity(0.6)),
                                  }),
                       })
                    .padding(Edge::bottom, 8);
  View troubleshooting = EmptyView();
  if (care.troubleshooting)
    troubleshooting =
        VStack({.alignment = HorizontalAlignment::leading, .spacing = 16},
               {
                   TroubleshootingItem{"leaf.fill", "Yellow leaves diagnosis",
                                       care.troubleshooting->yellowLeaves}
                       .body(),
                   TroubleshootingItem{"heart.text.square.fill", "Emergency plant rescue",
                                       care.troubleshooting->emergencyTips}
                       .body(),
               });
  return VStack({.alignment = HorizontalAlignment::leading, .spacing = 16},
                {
                    std::move(header),
                    CareItem{"drop.fill", "Watering", care.watering}.body(),
                    CareItem{"sun.max.fill", "Light", care.light}.body(),
                    CareItem{"thermometer", "Temperature", care.temperature}.body(),
                    CareItem{"leaf.arrow.triangle.circlepath", "Soil", care.soil}.body(),
                    CareItem{"sparkles", "Fertilizing", care.fertilizing}.body(),
                    CareItem{"lightbulb.fill", "Real expert tips", care.tips}.body(),
                    std::move(troubleshooting),
                })
      .frame({.maxWidth = infinity, .alignment = Alignment::leading})
      .padding(Edge::horizontal)
      .padding(Edge::vertical, 24)
      .background(colorFromHex(palette::cardSurface))
      .clipShape(Shape::roundedRect(20, CornerStyle::continuous));
}

}  // namespace verdeo
