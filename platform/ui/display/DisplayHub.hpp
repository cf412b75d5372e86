#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/beast/http/string_body.hpp>

#include "platform/ui/display/AccessPolicy.hpp"
#include "platform/ui/display/DisplayServer.hpp"

namespace platform::display {

class DisplayConnection;

using Request = boost::beast::http::request<boost::beast::http::string_body>;
using Response = boost::beast::http::response<boost::beast::http::string_body>;

// The state the server's sessions share: routing, the current tree, the open displays and the
// app's callbacks. Sessions hold it by shared pointer so that a connection finishing after the
// server was destroyed still finds it; shutdown() cuts it off from the app first.
class DisplayHub : public std::enable_shared_from_this<DisplayHub> {
 public:
  DisplayHub(boost::asio::io_context& io, DisplayServerOptions options);

  Result<void> listen();
  void shutdown();
  bool isShutDown() const { return shutDown_; }

  std::uint16_t port() const { return port_; }
  const std::string& token() const { return options_.token; }
  const DisplayServerOptions& options() const { return options_; }

  Response respond(const Request& request);
  // An upgrade that passes the access checks becomes a display; the others get 403.
  std::optional<Response> refuseUpgrade(const Request& request) const;
  void adopt(std::shared_ptr<DisplayConnection> connection, Request upgrade);
  void connectionClosed(const DisplayConnection* connection);

  void receive(DisplayConnection& from, std::string_view text);
  void refuse(std::string_view reason);

  void showTree(const Json& root, const Json& animation);
  // `systemJson`: the platform's own presentations, drawn above the root; empty when none.
  void showTreeJson(std::string rootJson, std::string_view animationJson,
                    std::string systemJson = {});
  // The current tree without its animation, or nothing before the first tree.
  std::shared_ptr<const std::string> treeForNewDisplay() const;
  int revision() const { return revision_; }
  void broadcast(std::shared_ptr<const std::string> message);
  bool isForeground() const { return foreground_; }
  std::size_t displayCount() const { return connections_.size(); }

  EventHandler eventHandler;
  ForegroundHandler foregroundHandler;
  AssetResolver assetResolver;
  std::vector<std::pair<std::string, RouteHandler>> routes;

 private:
  void accept();
  void updateForeground();
  std::shared_ptr<const std::string> treeMessage(std::string_view animation) const;
  Response reply(const Request& request, boost::beast::http::status status, std::string body = {},
                 std::string contentType = "text/plain; charset=utf-8");
  Response serveFile(const Request& request, std::optional<HttpReply> file,
                     std::string_view cacheControl);

  boost::asio::io_context& io_;
  DisplayServerOptions options_;
  boost::asio::ip::tcp::acceptor acceptor_;
  std::uint16_t port_ = 0;
  std::optional<AccessPolicy> policy_;
  StaticFiles web_;
  StaticFiles packages_;
  StaticFiles fonts_;
  bool shutDown_ = false;

  int revision_ = 0;
  std::string rootJson_ = "null";
  std::string systemJson_;
  std::vector<std::shared_ptr<DisplayConnection>> connections_;
  bool foreground_ = false;
};

}  // namespace platform::display
