#include "platform/ui/display/DisplayHub.hpp"

#include <algorithm>

#include <boost/asio/ip/address_v4.hpp>
#include <boost/beast/http/field.hpp>
#include <boost/beast/http/status.hpp>
#include <boost/beast/http/verb.hpp>

#include "platform/foundation/Log.hpp"
#include "platform/ui/display/AccessToken.hpp"
#include "platform/ui/display/DisplayConnection.hpp"
#include "platform/ui/display/HttpSession.hpp"

namespace platform::display {
namespace asio = boost::asio;
namespace http = boost::beast::http;
using tcp = asio::ip::tcp;

namespace {

// The shell may load nothing from elsewhere, be framed by nobody, and leak no address onward.
constexpr std::string_view contentSecurityPolicy =
    "default-src 'self'; script-src 'self' 'unsafe-inline'; style-src 'self' 'unsafe-inline'; "
    "img-src 'self' data: blob:; connect-src 'self'; frame-ancestors 'none'; base-uri 'none'; "
    "form-action 'none'";

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The packages the page imports; nothing else under node_modules is reachable.
bool isServedPackagePath(std::string_view path) {
  return startsWith(path, "preact/") || startsWith(path, "@tabler/icons/icons/");
}

// The renderer's own files sit flat in its folder; its tests and package files are not served.
bool isServedWebFile(std::string_view path) {
  if (path.find('/') != std::string_view::npos) return false;
  auto endsWith = [&](std::string_view suffix) {
    return path.size() > suffix.size() && path.substr(path.size() - suffix.size()) == suffix;
  };
  return endsWith(".js") || endsWith(".css") || endsWith(".svg");
}

bool isServedFontPath(std::string_view path) {
  return startsWith(path, "opentype/inter/") || path == "truetype/noto/NotoColorEmoji.ttf";
}

}  // namespace

DisplayHub::DisplayHub(asio::io_context& io, DisplayServerOptions options)
    : io_(io),
      options_(std::move(options)),
      acceptor_(io),
      web_(options_.webRoot),
      packages_(options_.webRoot / "node_modules"),
      fonts_(options_.fontRoot) {
  if (options_.token.empty()) options_.token = makeAccessToken();
}

Result<void> DisplayHub::listen() {
  boost::system::error_code error;
  tcp::endpoint endpoint(asio::ip::address_v4::loopback(), options_.port);
  acceptor_.open(endpoint.protocol(), error);
  if (!error) acceptor_.set_option(asio::socket_base::reuse_address(true), error);
  if (!error) acceptor_.bind(endpoint, error);
  if (!error) acceptor_.listen(asio::socket_base::max_listen_connections, error);
  if (error) {
    boost::system::error_code ignored;
    acceptor_.close(ignored);
    return Error{"cannot listen on 127.0.0.1:" + std::to_string(options_.port) + ": " +
                 error.message()};
  }
  port_ = acceptor_.local_endpoint().port();
  policy_.emplace(options_.token, port_);
  accept();
  return {};
}

void DisplayHub::accept() {
  acceptor_.async_accept(
      [self = shared_from_this()](boost::system::error_code error, tcp::socket socket) {
        if (self->shutDown_) return;
        if (!error) std::make_shared<HttpSession>(std::move(socket), self)->start();
        if (self->acceptor_.is_open()) self->accept();
      });
}

void DisplayHub::shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  eventHandler = nullptr;
  foregroundHandler = nullptr;
  assetResolver = nullptr;
  routes.clear();
  boost::system::error_code ignored;
  acceptor_.close(ignored);
  std::vector<std::shared_ptr<DisplayConnection>> open = std::move(connections_);
  connections_.clear();
  for (auto& connection : open) connection->close();
}

Response DisplayHub::reply(const Request& request, http::status status, std::string body,
                           std::string contentType) {
  Response response{status, request.version()};
  response.set(http::field::server, "Verdeo");
  response.set(http::field::content_type, contentType);
  response.set(http::field::x_frame_options, "DENY");
  response.set("X-Content-Type-Options", "nosniff");
  response.set("Referrer-Policy", "no-referrer");
  response.set("Cross-Origin-Resource-Policy", "same-origin");
  response.keep_alive(request.keep_alive());
  response.body() = std::move(body);
  response.prepare_payload();
  return response;
}

Response DisplayHub::serveFile(const Request& request, std::optional<HttpReply> file,
                               std::string_view cacheControl) {
  if (!file) return reply(request, http::status::not_found, "Not Found");
  Response response =
      reply(request, http::status::ok, std::move(file->body), std::move(file->contentType));
  response.set(http::field::cache_control, std::string(cacheControl));
  return response;
}

Response DisplayHub::respond(const Request& request) {
  if (shutDown_ || !policy_ || !policy_->sameOrigin(request)) {
    return reply(request, http::status::forbidden, "Forbidden");
  }
  std::string_view target = toStd(request.target());
  std::size_t question = target.find('?');
  std::string_view query =
      question == std::string_view::npos ? std::string_view{} : target.substr(question + 1);
  std::optional<std::string> decoded = percentDecode(target.substr(0, question));
  if (!decoded || decoded->empty() || decoded->front() != '/') {
    return reply(request, http::status::bad_request, "Bad Request");
  }
  std::string_view path = *decoded;
  bool isGet = request.method() == http::verb::get;

  if (path == "/" || path == "/index.html") {
    if (!isGet) return reply(request, http::status::method_not_allowed, "Method Not Allowed");
    Response page = serveFile(request, web_.read("index.html"), "no-store");
    page.set("Content-Security-Policy", std::string(contentSecurityPolicy));
    return page;
  }
  if (!policy_->tokenPresented(request, query)) {
    return reply(request, http::status::forbidden, "Forbidden");
  }
  if (path == "/session") {
    if (!isGet) return reply(request, http::status::method_not_allowed, "Method Not Allowed");
    Response response = reply(request, http::status::no_content);
    response.set(http::field::set_cookie, policy_->sessionCookie());
    response.set(http::field::cache_control, "no-store");
    return response;
  }

  struct Builtin {
    std::string_view prefix;
    bool (*allowed)(std::string_view);
    const StaticFiles* files;
    std::string_view cacheControl;
  };
  const Builtin builtins[] = {
      {"/web/", isServedWebFile, &web_, "no-cache"},
      {"/npm/", isServedPackagePath, &packages_, "private, max-age=3600"},
      {"/font/", isServedFontPath, &fonts_, "private, max-age=86400"},
  };
  for (const Builtin& builtin : builtins) {
    if (!startsWith(path, builtin.prefix)) continue;
    if (!isGet) return reply(request, http::status::method_not_allowed, "Method Not Allowed");
    std::string_view rest = path.substr(builtin.prefix.size());
    if (!builtin.allowed(rest)) return reply(request, http::status::not_found, "Not Found");
    return serveFile(request, builtin.files->read(rest), builtin.cacheControl);
  }
  if (startsWith(path, "/asset/")) {
    if (!isGet) return reply(request, http::status::method_not_allowed, "Method Not Allowed");
    std::string_view name = path.substr(7);
    std::optional<HttpReply> asset;
    if (assetResolver && !name.empty()) asset = assetResolver(name);
    return serveFile(request, std::move(asset), "private, max-age=3600");
  }
  for (const auto& [prefix, handler] : routes) {
    if (!startsWith(path, prefix)) continue;
    RouteRequest routed{toStd(request.method_string()), path.substr(prefix.size()), query,
                        request.body()};
    // The handler may stop the server; keep it alive for the call.
    RouteHandler keep = handler;
    return serveFile(request, keep(routed), "private, no-cache");
  }
  return reply(request, http::status::not_found, "Not Found");
}

std::optional<Response> DisplayHub::refuseUpgrade(const Request& request) const {
  auto refusal = [&](http::status status) {
    Response response{status, request.version()};
    response.set(http::field::content_type, "text/plain; charset=utf-8");
    response.body() = status == http::status::forbidden ? "Forbidden" : "Not Found";
    response.keep_alive(false);
    response.prepare_payload();
    return response;
  };
  std::string_view target = toStd(request.target());
  std::size_t question = target.find('?');
  std::string_view query =
      question == std::string_view::npos ? std::string_view{} : target.substr(question + 1);
  if (shutDown_ || !policy_ || !policy_->sameOrigin(request) ||
      !policy_->tokenPresented(request, query)) {
    return refusal(http::status::forbidden);
  }
  if (target.substr(0, question) != "/socket") return refusal(http::status::not_found);
  return std::nullopt;
}

std::shared_ptr<const std::string> DisplayHub::treeMessage(std::string_view animation) const {
  std::string text;
  text.reserve(rootJson_.size() + systemJson_.size() + animation.size() + 64);
  text += R"({"type":"tree","rev":)";
  text += std::to_string(revision_);
  text += R"(,"animation":)";
  text += animation;
  text += R"(,"root":)";
  text += rootJson_;
  if (!systemJson_.empty()) {
    text += R"(,"system":)";
    text += systemJson_;
  }
  text += '}';
  return std::make_shared<const std::string>(std::move(text));
}

void DisplayHub::adopt(std::shared_ptr<DisplayConnection> connection, Request upgrade) {
  connections_.push_back(connection);
  connection->accept(std::move(upgrade));
}

std::shared_ptr<const std::string> DisplayHub::treeForNewDisplay() const {
  return revision_ > 0 ? treeMessage("null") : nullptr;
}

void DisplayHub::connectionClosed(const DisplayConnection* connection) {
  auto it = std::find_if(connections_.begin(), connections_.end(),
                         [&](const auto& open) { return open.get() == connection; });
  if (it == connections_.end()) return;
  std::shared_ptr<DisplayConnection> keep = *it;
  connections_.erase(it);
  updateForeground();
}

void DisplayHub::showTree(const Json& root, const Json& animation) {
  showTreeJson(root.dump(-1, ' ', false, Json::error_handler_t::replace),
               animation.is_null() ? std::string("null") : animation.dump());
}

void DisplayHub::showTreeJson(std::string rootJson, std::string_view animationJson,
                              std::string systemJson) {
  ++revision_;
  rootJson_ = std::move(rootJson);
  systemJson_ = std::move(systemJson);
  std::shared_ptr<const std::string> message = treeMessage(animationJson);
  for (const auto& connection : std::vector(connections_)) {
    connection->send(message, DisplayConnection::Kind::tree);
  }
}

void DisplayHub::broadcast(std::shared_ptr<const std::string> message) {
  for (const auto& connection : std::vector(connections_)) {
    connection->send(message, DisplayConnection::Kind::other);
  }
}

void DisplayHub::refuse(std::string_view reason) {
  logLine(std::string("Display message ignored: ") + std::string(reason));
}

void DisplayHub::receive(DisplayConnection& from, std::string_view text) {
  Json message = Json::parse(text, nullptr, false);
  if (message.is_discarded()) return refuse("not JSON");
  if (!message.is_object()) return refuse("not an object");
  auto type = message.find("type");
  if (type == message.end() || !type->is_string()) return refuse("no type");
  const std::string& kind = type->get_ref<const std::string&>();
  if (kind == "event") {
    auto handler = message.find("handler");
    if (handler == message.end() || !handler->is_string() ||
        handler->get_ref<const std::string&>().empty()) {
      return refuse("event without handler");
    }
    auto value = message.find("value");
    Json payload = value == message.end() ? Json(nullptr) : *value;
    if (eventHandler) {
      // The handler may replace itself or stop the server; keep this one alive for the call.
      EventHandler keep = eventHandler;
      keep(handler->get<std::string>(), payload);
    }
    return;
  }
  if (kind == "visibility") {
    auto visible = message.find("visible");
    if (visible == message.end() || !visible->is_boolean()) {
      return refuse("visibility without visible");
    }
    from.setVisible(visible->get<bool>());
    updateForeground();
    return;
  }
  refuse("unknown type " + kind.substr(0, 64));
}

void DisplayHub::updateForeground() {
  bool now = std::any_of(connections_.begin(), connections_.end(),
                         [](const auto& c) { return c->isOpen() && c->isVisible(); });
  if (now == foreground_) return;
  foreground_ = now;
  if (foregroundHandler) {
    ForegroundHandler keep = foregroundHandler;
    keep(now);
  }
}

}  // namespace platform::display
