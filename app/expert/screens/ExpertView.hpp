#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/expert/PlantExpertViewModel.hpp"
#include "app/expert/screens/ExpertInfoView.hpp"
#include "app/expert/screens/ExpertPlantDetailView.hpp"
#include "app/expert/screens/StringIdentifier.hpp"
#include "app/shell/base/AppEnvironment.hpp"
#include "platform/ui/Layout.hpp"
#include "platform/ui/ScreenSlot.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The expert tab: the species catalogue as a searchable two-column grid, a species' page as a
// sheet, and the guide's promise behind the info button.
class ExpertView {
 public:
  explicit ExpertView(const AppEnvironment& environment);
  ExpertView(const ExpertView&) = delete;
  ExpertView& operator=(const ExpertView&) = delete;

  platform::ui::View body() const;

  // Made with the screen and kept for its life, so the catalogue is read once per screen.
  PlantExpertViewModel viewModel;
  // The record whose page is shown, while it is.
  std::optional<StringIdentifier> selectedPlantID() const;
  bool showingExpertInfo() const { return expertInfo_.isPresented(); }
  const std::vector<platform::ui::GridItem> columns = {
      platform::ui::GridItem::flexible(10, platform::ui::infinity, 12),
      platform::ui::GridItem::flexible(10, platform::ui::infinity, 12)};

 private:
  platform::ui::View content() const;
  platform::ui::View errorBlock(const std::string& message) const;
  platform::ui::View grid() const;
  platform::ui::View noMatchBlock() const;
  platform::ui::View noPlantsBlock() const;
  std::optional<platform::ui::Presentation> recordPage() const;
  void select(const std::string& id);
  void clearSearch();

  platform::ui::ScreenSlot<ExpertPlantDetailView> recordPage_;
  platform::ui::ScreenSlot<ExpertInfoView> expertInfo_;
};

}  // namespace verdeo
