#include "platform/ui/display/DisplayServer.hpp"

#include <cstdlib>

#include "platform/ui/display/DisplayHub.hpp"

namespace platform::display {

std::filesystem::path DisplayServerOptions::defaultWebRoot() {
  if (const char* fromEnvironment = std::getenv("VERDEO_WEB_ROOT");
      fromEnvironment && *fromEnvironment) {
    return fromEnvironment;
  }
  return VERDEO_DISPLAY_WEB_ROOT;
}

DisplayServer::DisplayServer(boost::asio::io_context& io, DisplayServerOptions options)
    : hub_(std::make_shared<DisplayHub>(io, std::move(options))) {}

DisplayServer::~DisplayServer() {
  stop();
}

Result<void> DisplayServer::start() {
  return hub_->listen();
}
void DisplayServer::stop() {
  hub_->shutdown();
}

std::uint16_t DisplayServer::port() const {
  return hub_->port();
}
const std::string& DisplayServer::token() const {
  return hub_->token();
}
std::string DisplayServer::address() const {
  return "http://127.0.0.1:" + std::to_string(port()) + "/#token=" + token();
}

void DisplayServer::showTreeJson(std::string rootJson, std::string_view animationJson,
                                 std::string systemJson) {
  hub_->showTreeJson(std::move(rootJson), animationJson, std::move(systemJson));
}

void DisplayServer::showTree(const Json& root, const Json& animation) {
  hub_->showTree(root, animation);
}
int DisplayServer::revision() const {
  return hub_->revision();
}

void DisplayServer::broadcast(const Json& message) {
  hub_->broadcast(std::make_shared<const std::string>(
      message.dump(-1, ' ', false, Json::error_handler_t::replace)));
}

void DisplayServer::playHaptic(std::string_view kind, std::string_view style) {
  Json message{{"type", "haptic"}, {"kind", kind}};
  if (!style.empty()) message["style"] = style;
  broadcast(message);
}

void DisplayServer::openURL(std::string_view url) {
  broadcast(Json{{"type", "openURL"}, {"url", url}});
}

void DisplayServer::onEvent(EventHandler handler) {
  if (!hub_->isShutDown()) hub_->eventHandler = std::move(handler);
}
void DisplayServer::onForegroundChange(ForegroundHandler handler) {
  if (!hub_->isShutDown()) hub_->foregroundHandler = std::move(handler);
}
bool DisplayServer::isForeground() const {
  return hub_->isForeground();
}
std::size_t DisplayServer::displayCount() const {
  return hub_->displayCount();
}

void DisplayServer::setAssetResolver(AssetResolver resolver) {
  if (!hub_->isShutDown()) hub_->assetResolver = std::move(resolver);
}

void DisplayServer::addRoute(std::string prefix, RouteHandler handler) {
  if (hub_->isShutDown() || prefix.empty() || prefix.front() != '/') return;
  hub_->routes.emplace_back(std::move(prefix), std::move(handler));
}

}  // namespace platform::display
