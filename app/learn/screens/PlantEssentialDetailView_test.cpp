#include "app/learn/screens/PlantEssentialDetailView.hpp"

#include <gtest/gtest.h>

#include "app/learn/PlantEssentialsManager.hpp"
#include "platform/ui/TestHarness.hpp"

namespace verdeo {
namespace {

using platform::ui::kind;
using platform::ui::text;

TEST(PlantEssentialDetailView, ShowsTheTitleAndTheWholeBodyWithItsParagraphBreaks) {
  platform::ui::TestHarness h;
  for (const auto& essential : PlantEssentialsManager::shared().plantEssentials()) {
    SCOPED_TRACE(essential.title);
    PlantEssentialDetailView page(essential);
    h.show([&] { return page.body(); });
    EXPECT_EQ(h.texts(), (std::vector<std::string>{essential.title, essential.body}));
    EXPECT_NE(h.find(text(essential.body)).text().find("\n\n"), std::string::npos);
    EXPECT_EQ(h.find(kind("image")).prop("src"), "/asset/" + essential.imageName);
  }
}

}  // namespace
}  // namespace verdeo
