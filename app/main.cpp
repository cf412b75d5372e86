// verdeo: the application together with the device it runs on. It opens the store, serves the
// phone screen to browsers on 127.0.0.1 and runs everything on one main thread.

#include <boost/asio/io_context.hpp>
#include <boost/asio/signal_set.hpp>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/model/GrowthPost.hpp"
#include "app/model/Plant.hpp"
#include "app/model/PlantStore.hpp"
#include "app/shell/base/AppEnvironment.hpp"
#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/CommandLine.hpp"
#include "app/shell/SampleData.hpp"
#include "app/shell/PickedPhotoRoute.hpp"
#include "app/shell/StoreImageRoute.hpp"
#include "app/shell/VerdeoApp.hpp"
#include "platform/defaults/UserDefaults.hpp"
#include "platform/foundation/AsioMainQueue.hpp"
#include "platform/foundation/Bundle.hpp"
#include "platform/foundation/Calendar.hpp"
#include "platform/foundation/CurrentCalendar.hpp"
#include "platform/foundation/Clock.hpp"
#include "platform/foundation/Log.hpp"
#include "platform/foundation/NotificationCenter.hpp"
#include "platform/notifications/UserNotificationCenter.hpp"
#include "platform/ui/CalendarLocalTime.hpp"
#include "platform/ui/Environment.hpp"
#include "platform/ui/Runtime.hpp"
#include "platform/ui/display/DesktopOpener.hpp"
#include "platform/ui/display/DisplayServer.hpp"
#include "platform/ui/display/StaticFiles.hpp"

namespace {

int run(const verdeo::CommandLine& line) {
  using namespace verdeo;
  namespace ui = platform::ui;

  boost::asio::io_context io;
  platform::AsioMainQueue queue(io);
  platform::SystemClock clock;
  const platform::Bundle bundle = platform::Bundle::main();
  ui::Color::setHexConverter(&colorFromHex);

  auto store = openPlantStore(line.dataDirectory / "app" / "Verdeo.store", queue);
  if (!store) {
    // The file is left exactly as it is: nothing is deleted or created over it.
    std::cerr << "verdeo: " << store.error().description << "\n";
    return 1;
  }
  platform::store::ModelContext& context = store.value()->mainContext();
  if (line.sampleData) addSamplePlantsIfEmpty(context, clock, platform::Calendar::current());

  platform::UserDefaults standardDefaults = platform::UserDefaults::standard(line.dataDirectory);
  platform::NotificationCenter notificationCenter(queue);
  // The user's calendar follows the host's time zone from one turn to the next.
  platform::CurrentCalendar userCalendar;
  userCalendar.followChanges(queue);
  ui::Runtime runtime(queue);
  ui::CalendarLocalTime localTime(userCalendar);
  // The device's notification centre. Its permission question and the banners of delivered
  // reminders belong to the platform: drawn above the app, and offered to browsers that allow
  // desktop notifications.
  platform::UserNotificationCenter userNotificationCenter(
      platform::UserNotificationCenter::defaultFile(line.dataDirectory), queue, clock,
      [&userCalendar] { return userCalendar.get(); });
  userNotificationCenter.setAuthorizationPrompt([&runtime](auto answer) {
    runtime.systemLayer().askNotificationPermission("Verdeo", std::move(answer));
  });
  userCalendar.addChangeObserver([&] { userNotificationCenter.replan(); });
  NotificationManager notificationManager(userNotificationCenter, queue,
                                          [&userCalendar] { return userCalendar.get(); });
  AppEntryManager appEntryManager(standardDefaults);
  platform::photos::DecodeCheckCache photoChecks;
  AppEnvironment environment{
      {queue, clock, runtime, runtime.haptics(), localTime, userCalendar},
      context,
      notificationCenter,
      standardDefaults,
      bundle,
      appEntryManager,
      photoChecks,
      notificationManager,
  };
  VerdeoApp app(environment);

  platform::display::DisplayServerOptions options;
  options.port = line.port;
  platform::display::DisplayServer server(io, options);
  const platform::display::StaticFiles assets(bundle.resourceDirectory() / "assets");
  server.setAssetResolver(
      [&assets](std::string_view name) -> std::optional<platform::display::HttpReply> {
        for (const char* extension : {".svg", ".png", ".jpg", ".jpeg", ".webp"})
          if (auto reply = assets.read(std::string(name) + extension)) return reply;
        return std::nullopt;
      });
  server.addRoute("/store/", storeImageRoute(context));
  server.addRoute("/picked/", pickedPhotoRoute(runtime.pickedFiles()));
  userNotificationCenter.startDelivering([&](const platform::NotificationRequest& request) {
    runtime.systemLayer().showBanner(request.content.title, request.content.body);
    server.broadcast({{"type", "notification"},
                      {"title", request.content.title},
                      {"body", request.content.body}});
  });
  runtime.setDisplay([&](const std::string& message) {
    // Trees go out as the runtime wrote them; haptics and addresses are small messages.
    if (message.starts_with(R"({"type":"tree")")) {
      const auto& animation = runtime.publishedAnimation();
      server.showTreeJson(runtime.rootJson(), animation ? ui::toJson(*animation).dump() : "null",
                          runtime.systemJson());
    } else if (auto parsed = platform::Json::parse(message, nullptr, false);
               !parsed.is_discarded()) {
      server.broadcast(parsed);
    }
  });
  server.onEvent([&](const std::string& handler, const platform::Json& value) {
    runtime.dispatch(handler, value);
  });
  // Pending changes reach the disk at once when the last display hides or closes.
  server.onForegroundChange([&](bool foreground) {
    runtime.systemLayer().setForeground(foreground);
    if (!foreground) context.saveNow();
  });
  runtime.setRoot([&app] { return app.body(); });

  if (auto started = server.start(); !started) {
    std::cerr << "verdeo: " << started.error().description << "\n";
    return 1;
  }
  runtime.render();

  boost::asio::signal_set signals(io, SIGINT, SIGTERM);
  signals.async_wait([&](const boost::system::error_code& error, int) {
    if (error) return;
    context.saveNow();
    server.stop();
    io.stop();
  });

  platform::logLine("Verdeo is running at " + server.address());
  if (line.openBrowser) platform::display::openInDesktop(server.address());
  io.run();
  context.saveNow();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string error;
  auto line = verdeo::parseCommandLine(arguments, &error);
  if (!line) {
    std::cerr << "verdeo: " << error << "\n" << verdeo::usageText();
    return 2;
  }
  if (line->showHelp) {
    std::cout << verdeo::usageText();
    return 0;
  }
  if (line->showVersion) {
    std::cout << "verdeo " << VERDEO_VERSION << "\n";
    return 0;
  }
  return run(*line);
}
