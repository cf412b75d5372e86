#include "app/learn/screens/PlantEssentialDetailView.hpp"

#include "app/learn/screens/LearningTile.hpp"
#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

View PlantEssentialDetailView::body() const {
  return ScrollView(VStack({
                        learningHeaderPicture(plantEssential.imageName),
                        VStack({.alignment = HorizontalAlignment::leading, .spacing = 20},
                               {
                                   Text(plantEssential.title)
                                       .font(Font::system(28, FontWeight::bold))
                                       .foregroundColor(Color::white)
                                       .padding(Edge::horizontal),
                                   // One text: the empty lines between paragraphs stay.
                                   Text(plantEssential.body)
                                       .font(Font::system(16))
                                       .foregroundColor(Color::white)
                                       .lineSpacing(4)
                                       .padding(Edge::horizontal),
                               })
                            .frame({.maxWidth = infinity, .alignment = Alignment::leading})
                            .padding(Edge::bottom, 40),
                    }))
      .background(View(colorFromHex(palette::nightBackground)).ignoresSafeArea())
      .navigationBarTitleDisplayMode(TitleDisplayMode::inline_);
}

}  // namespace verdeo
