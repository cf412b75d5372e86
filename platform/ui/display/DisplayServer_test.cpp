#include "platform/ui/display/DisplayServer.hpp"

#include <gtest/gtest.h>

#include <boost/asio/connect.hpp>
#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/foundation/Log.hpp"
#include "platform/testing/TempDirectory.hpp"

namespace platform::display {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;
using namespace std::chrono_literals;

struct Header {
  std::string name;
  std::string value;
};

struct HttpResult {
  unsigned status = 0;
  std::string body;
  std::string setCookie;
};

// Runs the server on its own io_context thread, as the app's main thread would, and talks to it
// from the test thread with Beast's blocking client calls.
struct DisplayServerTest : ::testing::Test {
  platform::testing::TempDirectory temp;
  asio::io_context io;
  asio::executor_work_guard<asio::io_context::executor_type> work{io.get_executor()};
  std::unique_ptr<DisplayServer> server;
  std::thread loop;
  ScopedLogCapture log;

  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::pair<std::string, Json>> events;
  std::vector<bool> foregroundChanges;

  void SetUp() override {
    std::filesystem::path web = temp.path() / "web";
    std::filesystem::create_directories(web / "node_modules" / "preact" / "dist");
    std::filesystem::create_directories(web / "node_modules" / "other");
    std::ofstream(web / "index.html") << "<!doctype html><title>shell</title>";
    std::ofstream(web / "renderer.js") << "export {};";
    std::ofstream(web / "package.json") << "{}";
    std::ofstream(web / "node_modules" / "preact" / "dist" / "preact.mjs") << "export {};";
    std::ofstream(web / "node_modules" / "other" / "index.js") << "secret";
    DisplayServerOptions options;
    options.webRoot = web;
    options.maxRequestBytes = 4096;
    server = std::make_unique<DisplayServer>(io, options);
    server->onEvent([this](const std::string& handler, const Json& value) {
      std::lock_guard lock(mutex);
      events.emplace_back(handler, value);
      changed.notify_all();
    });
    server->onForegroundChange([this](bool foreground) {
      std::lock_guard lock(mutex);
      foregroundChanges.push_back(foreground);
      changed.notify_all();
    });
    server->setAssetResolver([](std::string_view name) -> std::optional<HttpReply> {
      if (name != "leaf") return std::nullopt;
      return HttpReply{"PNGBYTES", "image/png"};
    });
    server->addRoute("/store/", [](const RouteRequest& request) -> std::optional<HttpReply> {
      if (request.path != "photo-1") return std::nullopt;
      return HttpReply{std::string(request.method) + ":" + std::string(request.body), "image/jpeg"};
    });
    ASSERT_TRUE(server->start().ok());
    loop = std::thread([this] { io.run(); });
  }

  void TearDown() override {
    onMain([this] { server->stop(); });
    work.reset();
    io.stop();
    loop.join();
    server.reset();
  }

  // Runs `task` on the server's thread and waits for it.
  void onMain(std::function<void()> task) {
    std::promise<void> done;
    asio::post(io, [&] {
      task();
      done.set_value();
    });
    done.get_future().wait();
  }

  std::string host() const { return "127.0.0.1:" + std::to_string(server->port()); }
  std::string origin() const { return "http://" + host(); }

  HttpResult get(const std::string& target, std::vector<Header> headers = {},
                 http::verb method = http::verb::get, std::string body = {}) {
    asio::io_context client;
    beast::tcp_stream stream(client);
    beast::error_code error;
    stream.connect(tcp::endpoint(asio::ip::address_v4::loopback(), server->port()), error);
    if (error) return {};
    http::request<http::string_body> request{method, target, 11};
    bool hostGiven = false;
    for (const Header& header : headers) {
      request.set(header.name, header.value);
      hostGiven = hostGiven || header.name == "Host";
    }
    if (!hostGiven) request.set(http::field::host, host());
    request.body() = body;
    request.prepare_payload();
    http::write(stream, request, error);
    beast::flat_buffer buffer;
    http::response<http::string_body> response;
    http::read(stream, buffer, response, error);
    if (error) return {};
    HttpResult result;
    result.status = response.result_int();
    result.body = response.body();
    result.setCookie = std::string(response[http::field::set_cookie]);
    return result;
  }

  Header tokenHeader() const { return {"X-Verdeo-Token", server->token()}; }

  template <class Predicate>
  bool waitFor(Predicate predicate) {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, 5s, predicate);
  }
};

// A display as a test sees it: a blocking WebSocket client.
class Display {
 public:
  // Connects and answers the HTTP status of the handshake (101 when it became a display).
  unsigned open(std::uint16_t port, const std::string& target, std::vector<Header> headers) {
    ws_.next_layer().connect(tcp::endpoint(asio::ip::address_v4::loopback(), port));
    ws_.set_option(websocket::stream_base::decorator([headers](websocket::request_type& request) {
      for (const Header& header : headers) request.set(header.name, header.value);
    }));
    websocket::response_type response;
    beast::error_code error;
    ws_.handshake(response, "127.0.0.1:" + std::to_string(port), target, error);
    return response.result_int();
  }
  void send(const std::string& text) { ws_.write(asio::buffer(text)); }
  Json receive() {
    beast::flat_buffer buffer;
    ws_.read(buffer);
    return Json::parse(beast::buffers_to_string(buffer.data()));
  }
  void close() { ws_.close(websocket::close_code::normal); }

 private:
  asio::io_context io_;
  websocket::stream<tcp::socket> ws_{io_};
};

TEST_F(DisplayServerTest, AddressCarriesThePortAndTokenInTheFragment) {
  EXPECT_NE(server->port(), 0);
  EXPECT_EQ(server->address(),
            "http://127.0.0.1:" + std::to_string(server->port()) + "/#token=" + server->token());
}

TEST_F(DisplayServerTest, RequestsNeedTheTokenAndOurOwnHostAndOrigin) {
  const std::string port = std::to_string(server->port());
  const std::string wrongToken(server->token().size(), '0');
  struct Case {
    std::string what;
    std::string target;
    std::vector<Header> headers;
    unsigned status;
  } cases[] = {
      {"the shell without a token", "/", {}, 200},
      {"the shell from localhost", "/", {{"Host", "localhost:" + port}}, 200},
      {"the shell under a foreign host", "/", {{"Host", "evil.example:" + port}}, 403},
      {"the shell under another port", "/", {{"Host", "127.0.0.1:1"}}, 403},
      {"the shell without a host", "/", {{"Host", ""}}, 403},
      {"the shell from a foreign origin", "/", {{"Origin", "http://evil.example"}}, 403},
      {"the shell for another site", "/", {{"Sec-Fetch-Site", "cross-site"}}, 403},
      {"the shell for another port's page", "/", {{"Sec-Fetch-Site", "same-site"}}, 403},
      {"the shell typed in", "/", {{"Sec-Fetch-Site", "none"}}, 200},
      {"a module without a token", "/web/renderer.js", {}, 403},
      {"a module with a wrong token", "/web/renderer.js", {{"X-Verdeo-Token", wrongToken}}, 403},
      {"a module with the token", "/web/renderer.js", {tokenHeader()}, 200},
      {"a module with the token in the query",
       "/web/renderer.js?token=" + server->token(),
       {},
       200},
      {"a module with the session cookie",
       "/web/renderer.js",
       {{"Cookie", "a=b; verdeo-" + port + "=" + server->token()}},
       200},
      {"a cookie of another port",
       "/web/renderer.js",
       {{"Cookie", "verdeo-1=" + server->token()}},
       403},
      {"the token from a foreign origin",
       "/web/renderer.js",
       {tokenHeader(), {"Origin", "http://evil.example"}},
       403},
      {"the token from our origin", "/web/renderer.js", {tokenHeader(), {"Origin", origin()}}, 200},
      {"the token under a foreign host",
       "/web/renderer.js",
       {tokenHeader(), {"Host", "evil.example:" + port}},
       403},
      {"an image embedded by another site",
       "/asset/leaf",
       {tokenHeader(), {"Sec-Fetch-Site", "cross-site"}},
       403},
      {"the socket as plain HTTP without token", "/socket", {}, 403},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(get(c.target, c.headers).status, c.status) << c.what;
  }
}

TEST_F(DisplayServerTest, SessionSetsAnHttpOnlyStrictCookieOnlyForTheToken) {
  EXPECT_EQ(get("/session").status, 403u);
  HttpResult session = get("/session", {tokenHeader()});
  EXPECT_EQ(session.status, 204u);
  EXPECT_EQ(session.setCookie, "verdeo-" + std::to_string(server->port()) + "=" + server->token() +
                                   "; Path=/; HttpOnly; SameSite=Strict");
}

TEST_F(DisplayServerTest, ServesOnlyTheRendererPackagesAssetsAndRoutes) {
  struct Case {
    std::string target;
    unsigned status;
    std::string body;
  } cases[] = {
      {"/web/renderer.js", 200, "export {};"},
      {"/web/package.json", 404, ""},
      {"/web/../index.html", 404, ""},
      {"/web/%2e%2e/index.html", 404, ""},
      {"/npm/preact/dist/preact.mjs", 200, "export {};"},
      {"/npm/other/index.js", 404, ""},
      {"/npm/preact/../other/index.js", 404, ""},
      {"/font/../../etc/passwd", 404, ""},
      {"/asset/leaf", 200, "PNGBYTES"},
      {"/asset/unknown", 404, ""},
      {"/store/photo-1", 200, "GET:"},
      {"/store/photo-2", 404, ""},
      {"/elsewhere", 404, ""},
      {"/bad%zzescape", 400, ""},
  };
  for (const Case& c : cases) {
    HttpResult result = get(c.target, {tokenHeader()});
    EXPECT_EQ(result.status, c.status) << c.target;
    if (!c.body.empty()) {
      EXPECT_EQ(result.body, c.body) << c.target;
    }
  }
  EXPECT_EQ(
      get("/store/photo-1", {tokenHeader(), {"Origin", origin()}}, http::verb::post, "abc").body,
      "POST:abc");
  EXPECT_EQ(get("/web/renderer.js", {tokenHeader()}, http::verb::post, "x").status, 405u);
}

TEST_F(DisplayServerTest, RefusesBodiesOverTheBound) {
  EXPECT_EQ(get("/store/photo-1", {tokenHeader()}, http::verb::post, std::string(4097, 'x')).status,
            413u);
  EXPECT_EQ(get("/store/photo-1", {tokenHeader()}, http::verb::post, std::string(4096, 'x')).status,
            200u);
}

TEST_F(DisplayServerTest, SocketHandshakeNeedsTokenAndOurOrigin) {
  struct Case {
    std::string what;
    std::string target;
    std::vector<Header> headers;
    unsigned status;
  } cases[] = {
      {"no token", "/socket", {{"Origin", origin()}}, 403},
      {"foreign origin",
       "/socket?token=" + server->token(),
       {{"Origin", "http://evil.example"}},
       403},
      {"another port's origin",
       "/socket?token=" + server->token(),
       {{"Origin", "http://127.0.0.1:1"}},
       403},
      {"wrong path", "/elsewhere?token=" + server->token(), {{"Origin", origin()}}, 404},
      {"token in the query", "/socket?token=" + server->token(), {{"Origin", origin()}}, 101},
      {"token as cookie",
       "/socket",
       {{"Origin", origin()},
        {"Cookie", "verdeo-" + std::to_string(server->port()) + "=" + server->token()}},
       101},
  };
  for (Case& c : cases) {
    // The handshake by hand, so that the refusal's status can be read.
    c.headers.insert(c.headers.end(), {{"Connection", "Upgrade"},
                                       {"Upgrade", "websocket"},
                                       {"Sec-WebSocket-Version", "13"},
                                       {"Sec-WebSocket-Key", "dGhlIHNhbXBsZSBub25jZQ=="}});
    EXPECT_EQ(get(c.target, c.headers).status, c.status) << c.what;
  }
}

TEST_F(DisplayServerTest, DisplayGetsTheTreeSendsEventsAndSurvivesBadMessages) {
  onMain([&] { server->showTree(Json{{"t", "text"}, {"id", "0"}, {"p", {{"text", "one"}}}}); });
  Display display;
  ASSERT_EQ(display.open(server->port(), "/socket?token=" + server->token(), {}), 101u);
  Json first = display.receive();
  EXPECT_EQ(first["type"], "tree");
  EXPECT_EQ(first["rev"], 1);
  EXPECT_EQ(first["root"]["p"]["text"], "one");
  EXPECT_TRUE(first["animation"].is_null());

  display.send(R"({"type":"event","handler":"0:tap"})");
  display.send("{not json");
  display.send(R"([1,2])");
  display.send(R"({"type":"event"})");
  display.send(R"({"type":"launch"})");
  display.send(R"({"type":"event","handler":"big","value":")" + std::string(1100000, 'x') + "\"}");
  display.send(R"({"type":"event","handler":"0.1:change","value":"still here"})");
  ASSERT_TRUE(waitFor([&] { return events.size() == 2; }));
  {
    std::lock_guard lock(mutex);
    EXPECT_EQ(events[0].first, "0:tap");
    EXPECT_TRUE(events[0].second.is_null());
    EXPECT_EQ(events[1].first, "0.1:change");
    EXPECT_EQ(events[1].second, "still here");
  }
  for (std::string line :
       {"Display message ignored: not JSON", "Display message ignored: not an object",
        "Display message ignored: event without handler",
        "Display message ignored: unknown type launch",
        "Display message ignored: larger than 1 MiB"}) {
    EXPECT_TRUE(log.contains(line)) << line;
  }

  Json animation{{"curve", "easeInOut"}, {"duration", 0.3}};
  onMain([&] { server->showTree(Json{{"t", "empty"}, {"id", "0"}}, animation); });
  Json second = display.receive();
  EXPECT_EQ(second["rev"], 2);
  EXPECT_EQ(second["root"]["t"], "empty");
  EXPECT_EQ(second["animation"], animation);

  onMain([&] { server->showTreeJson(R"({"t":"spacer","id":"0"})"); });
  Json third = display.receive();
  EXPECT_EQ(third["rev"], 3);
  EXPECT_EQ(third["root"], (Json{{"t", "spacer"}, {"id", "0"}}));
  EXPECT_TRUE(third["animation"].is_null());
}

TEST_F(DisplayServerTest, EveryDisplayGetsTheCurrentTreeAndBroadcasts) {
  Display early;
  ASSERT_EQ(early.open(server->port(), "/socket?token=" + server->token(), {}), 101u);
  onMain([&] { server->showTree(Json{{"t", "empty"}, {"id", "0"}}, Json{{"curve", "default"}}); });
  EXPECT_EQ(early.receive()["rev"], 1);

  Display late;
  ASSERT_EQ(late.open(server->port(), "/socket?token=" + server->token(), {}), 101u);
  Json current = late.receive();
  EXPECT_EQ(current["rev"], 1);
  EXPECT_TRUE(current["animation"].is_null()) << "a late display did not see the change";

  onMain([&] {
    server->playHaptic("impact", "light");
    server->openURL("https://example.org/privacy");
  });
  for (Display* display : {&early, &late}) {
    EXPECT_EQ(display->receive(),
              (Json{{"type", "haptic"}, {"kind", "impact"}, {"style", "light"}}));
    EXPECT_EQ(display->receive(),
              (Json{{"type", "openURL"}, {"url", "https://example.org/privacy"}}));
  }
}

TEST_F(DisplayServerTest, ForegroundWhileAnyDisplayIsConnectedAndVisible) {
  Display phone;
  Display desktop;
  ASSERT_EQ(phone.open(server->port(), "/socket?token=" + server->token(), {}), 101u);
  ASSERT_EQ(desktop.open(server->port(), "/socket?token=" + server->token(), {}), 101u);
  bool foreground = true;
  onMain([&] { foreground = server->isForeground(); });
  EXPECT_FALSE(foreground) << "connected but not yet shown";

  phone.send(R"({"type":"visibility","visible":true})");
  ASSERT_TRUE(waitFor([&] { return foregroundChanges.size() == 1; }));
  desktop.send(R"({"type":"visibility","visible":true})");
  phone.send(R"({"type":"visibility","visible":false})");
  phone.send(R"({"type":"visibility","visible":"no"})");
  desktop.close();
  ASSERT_TRUE(waitFor([&] { return foregroundChanges.size() == 2; }));
  phone.send(R"({"type":"visibility","visible":true})");
  ASSERT_TRUE(waitFor([&] { return foregroundChanges.size() == 3; }));
  phone.close();
  ASSERT_TRUE(waitFor([&] { return foregroundChanges.size() == 4; }));
  std::lock_guard lock(mutex);
  EXPECT_EQ(foregroundChanges, (std::vector<bool>{true, false, true, false}));
  EXPECT_TRUE(log.contains("Display message ignored: visibility without visible"));
}

TEST_F(DisplayServerTest, StopClosesDisplaysAndSilencesCallbacks) {
  Display display;
  ASSERT_EQ(display.open(server->port(), "/socket?token=" + server->token(), {}), 101u);
  display.send(R"({"type":"visibility","visible":true})");
  ASSERT_TRUE(waitFor([&] { return foregroundChanges.size() == 1; }));
  onMain([&] { server->stop(); });
  EXPECT_THROW(display.receive(), boost::system::system_error);
  EXPECT_EQ(get("/").status, 0u) << "nobody listens any more";
  std::lock_guard lock(mutex);
  EXPECT_EQ(foregroundChanges.size(), 1u);
}

}  // namespace
}  // namespace platform::display
