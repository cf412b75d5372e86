#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/model/CareFrequency.hpp"
#include "app/model/LightNeeds.hpp"
#include "app/model/Location.hpp"
#include "app/model/Plant.hpp"
#include "app/model/PlantSaving.hpp"
#include "app/model/Species.hpp"
#include "app/model/WaterNeeds.hpp"
#include "app/plants/CustomSpeciesSelectionView.hpp"
#include "app/plants/OnboardingStep.hpp"
#include "app/shell/base/AppEnvironment.hpp"
#include "platform/foundation/Date.hpp"
#include "platform/store/Record.hpp"
#include "platform/ui/Binding.hpp"
#include "platform/ui/NavigationStack.hpp"
#include "platform/ui/PhotosPicker.hpp"
#include "platform/ui/ScreenScope.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The one screen that creates and edits plants: a five-step wizard on a working copy of every
// field, written to the record only by "Save Plant". Shown as a sheet that cannot be swiped away;
// it closes through "Cancel", or a tenth of a second after a save that worked. A save that fails
// keeps the sheet open with everything typed, says why, and can be tried again.
class EditPlantView {
 public:
  // `plant` is the record to edit, none to add one; `navigationPath` is the presenter's stack,
  // emptied after a save; `dismiss` closes the sheet.
  EditPlantView(const AppEnvironment& environment, std::shared_ptr<Plant> plant,
                platform::ui::NavigationPath navigationPath, platform::ui::Action dismiss);
  EditPlantView(const EditPlantView&) = delete;
  EditPlantView& operator=(const EditPlantView&) = delete;

  platform::ui::View body() const;

  // The working copy.
  std::string name;
  Species species = Species::verdeo;
  platform::Date dateAcquired;
  CareFrequency careFrequency = CareFrequency::weekly;
  LightNeeds lightNeeds = LightNeeds::partial;
  WaterNeeds waterNeeds = WaterNeeds::moderate;
  std::string notes;
  std::optional<platform::ui::PhotosPickerItem> selectedItem;
  std::optional<platform::store::Bytes> imageData;
  Location location = Location::livingRoom;
  bool notificationsEnabled = false;
  platform::Date notificationTime;
  OnboardingStep currentStep = OnboardingStep::basicInfo;
  std::vector<OnboardingStep> stepHistory;

  bool isEditing() const { return plant_ != nullptr; }
  // The name without whitespace and line breaks at its ends is not empty.
  bool isNameValid() const;
  bool canLeaveCurrentStep() const;

  void next();
  void back();
  void cancel();
  void save();

 private:
  platform::ui::View buttonBar() const;
  platform::ui::View page() const;
  platform::ui::View basicInfoPage() const;
  platform::ui::View appearancePage() const;
  platform::ui::View careDetailsPage() const;
  platform::ui::View remindersPage() const;
  platform::ui::View notesPage() const;
  platform::ui::View summaryCard() const;
  bool photoDecodes() const;
  // The photo control of the appearance page, showing `label`.
  platform::ui::View photoPicker(platform::ui::View label) const;
  void setPhoto(std::optional<platform::store::Bytes> bytes, std::string url);
  void removePhoto();
  void photoChosen();

  void reminderSwitchTurnedOn();
  void reminderSettingsChanged();
  PlantEdits edits() const;

  const AppEnvironment& env_;
  std::shared_ptr<Plant> plant_;
  platform::ui::NavigationPath navigationPath_;
  platform::ui::Action dismiss_;
  // A new plant inserted by a save that failed: the next attempt saves it instead of another.
  std::shared_ptr<Plant> unsavedNewPlant_;
  // Why the last save failed, while its alert is up.
  std::optional<std::string> saveError_;
  // Names the working photo's bytes: for the decode check, and where the display fetches them.
  std::string photoKey_;
  std::string photoURL_;
  // Counts photo choices, so that only the bytes of the latest one are taken.
  std::uint64_t photoChoice_ = 0;
  CustomSpeciesSelectionView speciesPicker_;
  platform::ui::ScreenScope scope_;
};

}  // namespace verdeo
