#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <boost/asio/io_context.hpp>

#include "platform/foundation/Json.hpp"
#include "platform/foundation/Result.hpp"
#include "platform/ui/display/StaticFiles.hpp"

namespace platform::display {

class DisplayHub;

// One HTTP request handed to a route the app registered.
struct RouteRequest {
  std::string_view method;  // "GET", "POST", …
  std::string_view path;    // percent-decoded, after the route's prefix
  std::string_view query;   // raw, without the "?"
  std::string_view body;    // at most DisplayServerOptions::maxRequestBytes
};
// Answers the bytes to send, or nothing for 404.
using RouteHandler = std::function<std::optional<HttpReply>(const RouteRequest&)>;
using AssetResolver = std::function<std::optional<HttpReply>(std::string_view name)>;
using EventHandler = std::function<void(const std::string& handlerId, const Json& value)>;
using ForegroundHandler = std::function<void(bool foreground)>;

struct DisplayServerOptions {
  std::uint16_t port = 0;  // 0: any free port
  // The renderer's files (index.html, the ES modules) and, under node_modules, the npm packages.
  std::filesystem::path webRoot = defaultWebRoot();
  std::filesystem::path fontRoot = "/usr/share/fonts";
  std::size_t maxRequestBytes = 32u << 20;
  std::size_t maxMessageBytes = 1u << 20;
  std::string token;  // empty: a fresh random token

  // $VERDEO_WEB_ROOT when set, otherwise the renderer's folder in the source tree this binary was
  // built from, so build/release and build/asan find the same files without copying node_modules.
  static std::filesystem::path defaultWebRoot();
};

// The web display: serves the phone screen to browsers on 127.0.0.1 over HTTP and WebSocket, on
// the application's main io_context (all its work runs on the main thread).
//
// Routes, all GET unless the app's own route accepts more:
//   /                 the page shell (no token needed: it holds no secret and must load before
//                     its script can read the token from the address's fragment)
//   /session          token in X-Verdeo-Token: sets the session cookie that authorises the
//                     page's later requests, including module imports, images and fonts
//   /web/<file>       the renderer's modules and styles
//   /npm/<package>/…  preact and the icon set from node_modules
//   /font/…           Inter and Noto Color Emoji from the system's font folder
//   /asset/<name>     bundle assets, through the asset resolver
//   /socket           the WebSocket of one display
//   <prefix>…         routes added by the app
// Anything else, and every request failing AccessPolicy, is refused (404 or 403).
class DisplayServer {
 public:
  DisplayServer(boost::asio::io_context& io, DisplayServerOptions options = {});
  ~DisplayServer();
  DisplayServer(const DisplayServer&) = delete;
  DisplayServer& operator=(const DisplayServer&) = delete;

  // Binds 127.0.0.1:port and starts accepting.
  Result<void> start();
  // Closes the listener and every connection; callbacks are not called afterwards.
  void stop();

  std::uint16_t port() const;
  const std::string& token() const;
  // http://127.0.0.1:PORT/#token=TOKEN: the fragment stays in the browser, out of logs.
  std::string address() const;

  // Replaces the current tree and sends it to every display; displays that connect later get it
  // too (without the animation, which belongs to the change they did not see).
  void showTree(const Json& root, const Json& animation = nullptr);
  // The same for a tree already serialised (the runtime's JSON text, sent as it is).
  // `systemJson`: the platform's own presentations (a tree of their own), drawn above the root.
  void showTreeJson(std::string rootJson, std::string_view animationJson = "null",
                    std::string systemJson = {});
  int revision() const;
  // Sends a message to every display (haptic, openURL).
  void broadcast(const Json& message);
  void playHaptic(std::string_view kind, std::string_view style = {});
  void openURL(std::string_view url);

  void onEvent(EventHandler handler);
  // Called with true when the first display becomes visible, false when the last one hides or
  // goes away.
  void onForegroundChange(ForegroundHandler handler);
  bool isForeground() const;
  std::size_t displayCount() const;

  void setAssetResolver(AssetResolver resolver);
  // `prefix` starts with "/", e.g. "/store/"; the built-in routes above take precedence.
  void addRoute(std::string prefix, RouteHandler handler);

 private:
  std::shared_ptr<DisplayHub> hub_;
};

}  // namespace platform::display
