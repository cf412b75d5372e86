#pragma once

#include <filesystem>
#include <memory>

#include "app/model/Plant.hpp"
#include "app/shell/base/AppEntryManager.hpp"
#include "app/shell/base/AppEnvironment.hpp"
#include "platform/defaults/UserDefaults.hpp"
#include "platform/foundation/Bundle.hpp"
#include "platform/foundation/NotificationCenter.hpp"
#include "platform/notifications/UserNotificationCenter.hpp"
#include "platform/store/Store.hpp"
#include "platform/ui/TestHarness.hpp"

namespace verdeo {

// The app's services on a data folder of its own, driven by the headless harness on virtual
// time: a real store on disk, real defaults, the bundle beside the test.
class AppHarness {
 public:
  explicit AppHarness(const std::filesystem::path& dataDirectory);
  AppHarness(const AppHarness&) = delete;
  AppHarness& operator=(const AppHarness&) = delete;

  platform::ui::TestHarness h;
  platform::UserDefaults defaults;
  std::unique_ptr<platform::store::Store> store;
  platform::NotificationCenter center;
  platform::Bundle bundle;
  AppEntryManager entry;
  platform::photos::DecodeCheckCache photoChecks;
  // Kept in <data-dir>/system/notifications.json; its permission question is the system layer's.
  platform::UserNotificationCenter notifications;
  NotificationManager notificationManager;
  AppEnvironment environment;

  platform::store::ModelContext& context() { return store->mainContext(); }
  // Inserts a plant named `name`, last cared for at `lastCare`, and saves.
  std::shared_ptr<Plant> addPlant(std::string name, CareFrequency frequency,
                                  platform::Date lastCare);
};

}  // namespace verdeo
