#include "app/expert/screens/ExpertInfoView.hpp"

#include "app/expert/screens/InfoSection.hpp"
#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

View ExpertInfoView::body() const {
  View header = VStack({
                           Image("AppLogo")
                               .resizable()
                               .frame({.width = 86, .height = 86})
                               .clipShape(Shape::roundedRect(32, CornerStyle::continuous)),
                           Text("Verdeo think differently")
                               .font(Font::system(28, FontWeight::semibold))
                               .foregroundColor(Color::white)
                               .multilineTextAlignment(TextAlignment::center),
                       })
                    .frame({.maxWidth = infinity})
                    .padding(Edge::vertical, 32);
  View sections =
      VStack({.alignment = HorizontalAlignment::leading, .spacing = 32},
             {
                 InfoSection{"brain.head.profile", "Real expert knowledge",
                             "All plant care information comes from professional botanists and "
                             "horticultural experts, not generic AI algorithms."}
                     .body(),
                 InfoSection{"checkmark.seal", "Verified information",
                             "Every care instruction has been carefully reviewed and tested by "
                             "real plant experts to ensure accuracy and effectiveness."}
                     .body(),
                 InfoSection{"leaf.arrow.triangle.circlepath", "Personalized care",
                             "Unlike automated plant scanners, our advice considers your specific "
                             "environment, experience level, and plant's individual needs."}
                     .body(),
                 InfoSection{"graduationcap", "Professional standards",
                             "Based on scientific horticultural principles and years of hands-on "
                             "experience caring for thousands of plants."}
                     .body(),
             })
          .padding(Edge::horizontal, 20);
  View footer = VStack({.spacing = 12},
                       {
                           Rectangle()
                               .fill(Color::white.opacity(0.1))
                               .frame({.height = 1})
                               .padding(Edge::horizontal, 40),
                           Text("Trust the difference that real expertise makes in keeping your "
                                "plants healthy and thriving.")
                               .font(Font::system(14))
                               .foregroundColor(Color::gray)
                               .multilineTextAlignment(TextAlignment::center)
                               .padding(Edge::horizontal, 32),
                       })
                    .padding(EdgeInsets{24, 0, 40, 0});
  View page = ScrollView(VStack({.spacing = 24},
                                {std::move(header), std::move(sections), std::move(footer)}))
                  .background(View(colorFromHex(palette::nightBackground)).ignoresSafeArea())
                  .navigationTitle("We're different")
                  .navigationBarTitleDisplayMode(TitleDisplayMode::inline_)
                  .toolbar({ToolbarItem::trailing(
                      Button(Text("Close").foregroundColor(Color::white), dismiss_))});
  return navigationStackNode(std::move(page), {}, [](std::size_t) {});
}

}  // namespace verdeo
