#pragma once

#include "app/reminders/NotificationManager.hpp"
#include "app/shell/base/AppEntryManager.hpp"
#include "platform/defaults/UserDefaults.hpp"
#include "platform/foundation/Bundle.hpp"
#include "platform/foundation/NotificationCenter.hpp"
#include "platform/photos/DecodeCheckCache.hpp"
#include "platform/store/ModelContext.hpp"
#include "platform/ui/Environment.hpp"

namespace verdeo {

// What the app entry hands every screen: the platform's environment and the app's services, all
// owned by the entry for the life of the process.
struct AppEnvironment : platform::ui::Environment {
  platform::store::ModelContext& modelContext;
  platform::NotificationCenter& notificationCenter;
  platform::UserDefaults& standardDefaults;
  const platform::Bundle& bundle;
  AppEntryManager& appEntryManager;
  // Whether a stored photo decodes, asked once per photo version.
  platform::photos::DecodeCheckCache& photoChecks;
  // Each plant's repeating care reminder.
  NotificationManager& notificationManager;
};

}  // namespace verdeo
