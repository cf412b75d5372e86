// A fixed little screen served by the display server alone, so the renderer can be tried and its
// browser tests run without the application. Prints "Display demo is running at ADDRESS" once it
// serves; stops on SIGINT and SIGTERM.

#include <boost/asio/io_context.hpp>
#include <boost/asio/signal_set.hpp>
#include <csignal>
#include <map>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/foundation/Json.hpp"
#include "platform/foundation/Log.hpp"
#include "platform/ui/display/DisplayServer.hpp"

namespace {

using platform::Json;

Json node(std::string type, std::string id, Json props = Json::object(),
          Json children = Json::array()) {
  Json n{{"t", std::move(type)}, {"id", std::move(id)}};
  if (!props.empty()) n["p"] = std::move(props);
  if (!children.empty()) n["c"] = std::move(children);
  return n;
}

Json text(std::string id, std::string value, Json style = Json::object()) {
  Json n = node("text", std::move(id), {{"text", std::move(value)}});
  if (!style.empty()) n["s"] = std::move(style);
  return n;
}

Json symbol(std::string id, std::string name, Json style = Json::object()) {
  Json n = node("symbol", std::move(id), {{"name", std::move(name)}});
  if (!style.empty()) n["s"] = std::move(style);
  return n;
}

Json padded(std::string id, double all, Json child) {
  return node("padding", std::move(id),
              {{"top", all}, {"leading", all}, {"bottom", all}, {"trailing", all}},
              Json::array({std::move(child)}));
}

// The backdrop of the plant list and onboarding, with the layer table the renderer draws from.
Json backdrop(std::string id) {
  auto wave = [](double a, double t) { return Json{{"a", a}, {"t", t}}; };
  auto range = [](double low, double high) { return Json{{"min", low}, {"max", high}}; };
  Json small{{"areaPerParticle", 600},
             {"indexOffset", 0},
             {"x1", wave(12.9898, 0.1)},
             {"y1", wave(78.233, 0.15)},
             {"x2", wave(3, 1.5)},
             {"y2", wave(2.5, 1.2)},
             {"x2Scale", 80},
             {"y2Scale", 60},
             {"size", range(0.4, 1.0)},
             {"pulse", wave(4, 1.2)},
             {"pulseAmount", 0.4},
             {"opacity", range(0.15, 0.35)},
             {"twinkle", wave(2, 0.9)},
             {"twinkleAmount", 0.25}};
  Json large{{"areaPerParticle", 1500},
             {"indexOffset", 1000},
             {"x1", wave(15.1234, 0.08)},
             {"y1", wave(67.891, 0.12)},
             {"x2", wave(2, 1)},
             {"y2", wave(1.8, 0.8)},
             {"x2Scale", 100},
             {"y2Scale", 80},
             {"size", range(1.2, 2.0)},
             {"pulse", wave(3, 0.8)},
             {"pulseAmount", 0.5},
             {"opacity", range(0.1, 0.25)},
             {"twinkle", wave(1.5, 0.7)},
             {"twinkleAmount", 0.3}};
  Json gradient{{"stops",
                 {{{"color", "rgba(21,122,83,1)"}, {"location", 0}},
                  {{"color", "rgba(10,19,10,1)"}, {"location", 1}}}},
                {"start", {{"x", 0}, {"y", 0}}},
                {"end", {{"x", 0.5}, {"y", 0.5}}}};
  Json layers = node("zstack", id, Json::object(),
                     {node("gradient", id + ".0", {{"gradient", gradient}}),
                      node("particles", id + ".1",
                           {{"layers", {small, large}},
                            {"animateTime", {{"from", 0}, {"to", 6}, {"duration", 6}}}})});
  layers["x"] = "hv";
  layers["c"][0]["x"] = "hv";
  layers["c"][1]["x"] = "hv";
  return node("safearea", id + "s", {{"edges", {"top", "leading", "bottom", "trailing"}}},
              {layers});
}

// The flexibility flags the UI runtime would compute: leaves that fill the space offered, and
// containers that hold such a child on that axis.
std::string flexOf(Json& n) {
  for (auto& child : n["c"]) flexOf(child);
  if (n.contains("x")) return n["x"].get<std::string>();
  const std::string type = n["t"];
  std::string flex;
  if (type == "spacer" || type == "color" || type == "gradient" || type == "shape" ||
      type == "particles" || type == "list" || type == "texteditor" || type == "tabview" ||
      type == "navstack" || type == "page" || type == "scroll") {
    flex = type == "scroll" ? "hv" : "hv";
  } else if (type == "divider" || type == "textfield" || type == "searchfield" ||
             type == "toggle") {
    flex = "h";
  } else if (type == "background" || type == "overlay" || type == "presenting") {
    flex = n["c"].empty() ? "" : (n["c"][0].contains("x") ? n["c"][0]["x"].get<std::string>() : "");
  } else if (type != "frame") {
    bool h = false, v = false;
    for (auto& child : n["c"]) {
      std::string x = child.value("x", "");
      if (child["t"] == "spacer") x = type == "vstack" ? "v" : type == "hstack" ? "h" : "hv";
      h = h || x.find('h') != std::string::npos;
      v = v || x.find('v') != std::string::npos;
    }
    flex = std::string(h ? "h" : "") + (v ? "v" : "");
  }
  if (!flex.empty()) n["x"] = flex;
  return flex;
}

// The demo writes its tree with ids of its own and handler ids as "<id>:<event>"; the wire
// carries each node's own part of its id (here: the part after its parent's id, or all of it)
// and the names of its events, and the display forms the handler ids from the whole ids it
// rebuilds. `written` maps each of those whole ids back to the id written here.
void toWire(Json& n, const std::string& parentId, const std::string& parentWholeId,
            std::map<std::string, std::string>& written) {
  const std::string id = n["id"];
  const bool under = !parentId.empty() && id.rfind(parentId + ".", 0) == 0;
  const std::string segment = under ? id.substr(parentId.size() + 1) : id;
  const std::string wholeId = parentWholeId.empty() ? segment : parentWholeId + "." + segment;
  written[wholeId] = id;
  n["id"] = segment;
  if (n.contains("on")) {
    Json events = Json::array();
    for (auto it = n["on"].begin(); it != n["on"].end(); ++it) events.push_back(it.key());
    n["on"] = events;
  }
  if (n["t"] == "page")
    for (const char* bar : {"leading", "trailing", "search"})
      if (n["p"].contains(bar))
        for (Json& item : n["p"][bar]) toWire(item, id, wholeId, written);
  if (n.contains("c"))
    for (Json& child : n["c"]) toWire(child, id, wholeId, written);
}

struct Demo {
  mutable std::map<std::string, std::string> writtenIds;
  int taps = 0;
  bool remindersOn = true;
  std::string name;
  int tab = 0;
  bool sheetShown = false;
  bool alertShown = false;

  Json card(std::string id, Json content) const {
    Json bg =
        node("background", id, Json::object(),
             {padded(id + ".0", 16, std::move(content)), node("shape", id + ".1",
                                                              {{"shape", "roundedRect"},
                                                               {"radius", 20},
                                                               {"continuous", true},
                                                               {"fill", "rgba(22,30,19,1)"}})});
    return bg;
  }

  // A text with a tap gesture of its own, as `.onTapGesture` gives.
  Json counter(const std::string& tapsText) const {
    Json label = text("0.0.0.0.0.0", tapsText, {{"font", {{"style", "headline"}}}});
    label["on"] = {{"tap", "0.0.0.0.0.0:tap"}};
    return label;
  }

  // Comes and goes with the switch, fading.
  Json remindersBadge() const {
    if (!remindersOn) return node("empty", "0.0.0.0.0.8");
    return node("transition", "0.0.0.0.0.8", {{"kind", "opacity"}},
                {text("0.0.0.0.0.8.0", "Reminders are on", {{"color", "rgba(31,200,135,1)"}})});
  }

  Json today() const {
    std::string tapsText = "Tapped " + std::to_string(taps) + (taps == 1 ? " time" : " times");
    Json tapButton = node("button", "0.0.0.0.0.1", Json::object(),
                          {padded("0.0.0.0.0.1.0", 12,
                                  text("0.0.0.0.0.1.0.0", "Water now",
                                       {{"font", {{"size", 17}, {"weight", "semibold"}}}}))});
    tapButton["on"] = {{"tap", "0.0.0.0.0.1:tap"}};
    tapButton["s"] = {{"color", "rgba(31,200,135,1)"}};

    Json toggle =
        node("toggle", "0.0.0.0.0.2", {{"isOn", remindersOn}},
             {node("hstack", "0.0.0.0.0.2.0", {{"spacing", 12}},
                   {symbol("0.0.0.0.0.2.0.0", "bell.badge", {{"color", "rgba(31,200,135,1)"}}),
                    text("0.0.0.0.0.2.0.1", "Enable Weekly Reminders")})});
    toggle["on"] = {{"change", "0.0.0.0.0.2:change"}};
    toggle["s"] = {{"tint", "rgba(31,200,135,1)"}};
    toggle["x"] = "h";

    Json field = node("textfield", "0.0.0.0.0.3", {{"value", name}, {"placeholder", "Plant name"}});
    field["on"] = {{"change", "0.0.0.0.0.3:change"}};
    field["x"] = "h";

    Json symbols = node("hstack", "0.0.0.0.0.4", {{"spacing", 16}},
                        {symbol("0.0.0.0.0.4.0", "leaf.fill"), symbol("0.0.0.0.0.4.1", "drop.fill"),
                         symbol("0.0.0.0.0.4.2", "sun.max.fill"),
                         symbol("0.0.0.0.0.4.3", "star.fill", {{"color", "rgba(255,214,10,1)"}}),
                         symbol("0.0.0.0.0.4.4", "calendar.badge.clock"),
                         symbol("0.0.0.0.0.4.5", "checkmark.circle.fill"),
                         symbol("0.0.0.0.0.4.6", "no.such.symbol")});
    symbols["s"] = {{"font", {{"size", 24}}}, {"color", "rgba(31,200,135,1)"}};

    Json sheetButton = node("button", "0.0.0.0.0.6", {{"style", "bordered"}},
                            {text("0.0.0.0.0.6.0", "Show details")});
    sheetButton["on"] = {{"tap", "0.0.0.0.0.6:tap"}};
    Json alertButton =
        node("button", "0.0.0.0.0.7", {{"role", "destructive"}}, {text("0.0.0.0.0.7.0", "Delete")});
    alertButton["on"] = {{"tap", "0.0.0.0.0.7:tap"}};

    Json column = node("vstack", "0.0.0.0.0", {{"spacing", 16}, {"alignment", "leading"}},
                       {counter(tapsText), tapButton, toggle, field,
                        text("0.0.0.0.0.5", name.empty() ? "No name yet" : "Name: " + name,
                             {{"color", "rgba(142,142,147,1)"}}),
                        symbols, sheetButton, alertButton, remindersBadge()});
    column["x"] = "h";
    Json content = node("scroll", "0.0.0.0", {{"axis", "vertical"}},
                        {padded("0.0.0.0.p", 20, card("0.0.0.0.card", column))});
    content["x"] = "hv";

    Json gear = node("button", "0.0.0.l0", {{"label", "Settings"}},
                     {symbol("0.0.0.l0.0", "gear", {{"color", "white"}})});
    gear["on"] = {{"tap", "0.0.0.l0:tap"}};
    Json plus = node("button", "0.0.0.t0", Json::object(),
                     {symbol("0.0.0.t0.0", "plus", {{"color", "white"}})});
    plus["on"] = {{"tap", "0.0.0.t0:tap"}};
    Json page = node(
        "page", "0.0.0",
        {{"title", "Today"}, {"titleMode", "large"}, {"leading", {gear}}, {"trailing", {plus}}},
        {content});
    return node("navstack", "0.0", Json::object(), {page});
  }

  Json plants() const {
    Json list = node("vstack", "0.1.0", {{"spacing", 12}},
                     {symbol("0.1.0.0", "leaf.circle.fill",
                             {{"font", {{"size", 40}}}, {"color", "rgba(31,200,135,1)"}}),
                      text("0.1.0.1", "Add your first plant 🌱",
                           {{"font", {{"size", 18}, {"weight", "bold"}}}})});
    return node("zstack", "0.1z", Json::object(), {backdrop("0.1z.b"), list});
  }

  Json root() const {
    Json tabs =
        node("tabview", "0",
             {{"selection", tab},
              {"accent", "rgba(31,200,135,1)"},
              {"tabs",
               {{{"title", "Activities"}, {"symbol", "menucard.fill"}},
                {{"title", "Plants"}, {"symbol", "leaf.fill"}},
                {{"title", "Expert"}, {"symbol", "brain.fill"}}}}},
             {today(), plants(), text("0.2", "Expert guide", {{"font", {{"style", "title"}}}})});
    tabs["on"] = {{"select", "0:select"}};
    tabs["s"] = {{"colorScheme", "dark"}, {"color", "white"}};
    Json children = Json::array({tabs});
    if (sheetShown) {
      Json close = node("button", "s.0.0.t0", {{"label", "Close"}},
                        {symbol("s.0.0.t0.0", "xmark", {{"color", "white"}})});
      close["on"] = {{"tap", "s.0.0.t0:tap"}};
      Json sheetPage = node("page", "s.0.0",
                            {{"title", "Details"}, {"titleMode", "inline"}, {"trailing", {close}}},
                            {padded("s.0.0.0", 20, text("s.0.0.0.0", "A sheet above everything"))});
      Json sheet = node("sheet", "s", Json::object(),
                        {node("navstack", "s.0", Json::object(), {sheetPage})});
      sheet["on"] = {{"dismiss", "s:dismiss"}};
      children.push_back(sheet);
    }
    if (alertShown) {
      Json alert =
          node("alert", "a",
               {{"title", "Delete Plant"},
                {"message", "Are you sure you want to delete this plant?"},
                {"buttons",
                 {{{"label", "Cancel"}, {"role", "cancel"}},
                  {{"label", "Delete"}, {"role", "destructive"}}}}});
      alert["on"] = {{"dismiss", "a:dismiss"}, {"button.0", "a:button.0"}, {"button.1", "a:button.1"}};
      children.push_back(alert);
    }
    Json root = node("presenting", "r", Json::object(), children);
    flexOf(root);
    writtenIds.clear();
    toWire(root, "", "", writtenIds);
    return root;
  }

  // The handler id as written in this file, for the one the display sends.
  std::string written(const std::string& handler) const {
    const std::size_t colon = handler.rfind(':');
    if (colon == std::string::npos) return handler;
    auto found = writtenIds.find(handler.substr(0, colon));
    return found == writtenIds.end() ? handler : found->second + handler.substr(colon);
  }

  Json animationFor(const std::string& received) const {
    const std::string handler = written(received);
    if (handler == "0.0.0.0.0.6:tap" || handler == "s:dismiss" || handler == "s.0.0.t0:tap" ||
        handler == "0.0.0.0.0.2:change") {
      return {{"curve", "easeInOut"}, {"duration", 0.3}};
    }
    return nullptr;
  }

  bool handle(const std::string& received, const Json& value) {
    const std::string handler = written(received);
    if (handler == "0.0.0.0.0.1:tap" || handler == "0.0.0.0.0.0:tap" || handler == "0.0.0.t0:tap") {
      ++taps;
    } else if (handler == "0.0.0.0.0.2:change" && value.is_boolean()) {
      remindersOn = value.get<bool>();
    } else if (handler == "0.0.0.0.0.3:change" && value.is_string()) {
      name = value.get<std::string>();
    } else if (handler == "0:select" && value.is_number_integer()) {
      tab = value.get<int>();
    } else if (handler == "0.0.0.0.0.6:tap") {
      sheetShown = true;
    } else if (handler == "s:dismiss" || handler == "s.0.0.t0:tap") {
      sheetShown = false;
    } else if (handler == "0.0.0.0.0.7:tap") {
      alertShown = true;
    } else if (handler == "a:dismiss" || handler == "a:button.0" || handler == "a:button.1") {
      alertShown = false;
    } else {
      platform::logLine("Display demo: unknown handler " + handler);
      return false;
    }
    return true;
  }
};

}  // namespace

int main(int argc, char** argv) {
  platform::display::DisplayServerOptions options;
  for (int i = 1; i < argc; ++i) {
    std::string_view argument = argv[i];
    if (argument == "--port" && i + 1 < argc) {
      options.port = static_cast<std::uint16_t>(std::strtoul(argv[++i], nullptr, 10));
    } else {
      std::fprintf(stderr, "usage: verdeo_display_demo [--port N]\n");
      return 2;
    }
  }
  boost::asio::io_context io;
  platform::display::DisplayServer server(io, options);
  Demo demo;
  server.onEvent([&](const std::string& handler, const Json& value) {
    const Json animation = demo.animationFor(handler);
    const bool water = demo.written(handler) == "0.0.0.0.0.1:tap";
    if (!demo.handle(handler, value)) return;
    if (water) server.playHaptic("impact", "light");
    server.showTree(demo.root(), animation);
  });
  server.onForegroundChange([](bool foreground) {
    platform::logLine(foreground ? "Display demo: foreground" : "Display demo: background");
  });
  if (auto started = server.start(); !started) {
    std::fprintf(stderr, "%s\n", started.error().description.c_str());
    return 1;
  }
  server.showTree(demo.root());
  platform::logLine("Display demo is running at " + server.address());

  boost::asio::signal_set signals(io, SIGINT, SIGTERM);
  signals.async_wait([&](const boost::system::error_code&, int) {
    server.stop();
    io.stop();
  });
  io.run();
  return 0;
}
