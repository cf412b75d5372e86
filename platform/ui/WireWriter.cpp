#include "platform/ui/WireWriter.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <unordered_set>

#include "platform/foundation/Log.hpp"

namespace platform::ui {

void appendJsonString(std::string& out, std::string_view text) {
  bool plain = true;
  for (unsigned char c : text)
    if (c < 0x20 || c == '"' || c == '\\' || c >= 0x80) {
      plain = false;
      break;
    }
  if (plain) {
    out += '"';
    out.append(text);
    out += '"';
    return;
  }
  out += Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

void appendJsonNumber(std::string& out, double value) {
  if (std::isnan(value)) {
    out += "null";
    return;
  }
  if (std::isinf(value)) {
    out += value > 0 ? "\"infinity\"" : "\"-infinity\"";
    return;
  }
  char buffer[32];
  char* end;
  if (value == std::floor(value) && std::fabs(value) < 1e15)
    end = std::to_chars(buffer, buffer + sizeof buffer, std::int64_t(value)).ptr;
  else
    end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  out.append(buffer, end);
}

namespace {

// Writes the `"key":` of each field of a JSON object, with the commas between them.
struct ObjectFields {
  std::string& out;
  bool first = true;
  void operator()(const char* key) {
    if (!first) out += ',';
    first = false;
    out += '"';
    out += key;
    out += "\":";
  }
};

void appendColor(std::string& out, const Color& color) {
  out += '"';
  color.appendCss(out);
  out += '"';
}

void appendGradient(std::string& out, const Gradient& g) {
  out += "{\"stops\":[";
  for (std::size_t i = 0; i < g.stops.size(); ++i) {
    if (i) out += ',';
    out += "{\"color\":";
    appendColor(out, g.stops[i].color);
    out += ",\"location\":";
    appendJsonNumber(out, g.stops[i].location);
    out += '}';
  }
  out += "],\"start\":{\"x\":";
  appendJsonNumber(out, g.start.x);
  out += ",\"y\":";
  appendJsonNumber(out, g.start.y);
  out += "},\"end\":{\"x\":";
  appendJsonNumber(out, g.end.x);
  out += ",\"y\":";
  appendJsonNumber(out, g.end.y);
  out += "}}";
}

void appendFont(std::string& out, const Font& font) {
  out += '{';
  ObjectFields field{out};
  if (font.style) {
    field("style");
    appendJsonString(out, name(*font.style));
  } else {
    field("size");
    appendJsonNumber(out, font.size);
    field("design");
    appendJsonString(out, name(font.design));
  }
  if (font.fontWeight) {
    field("weight");
    appendJsonString(out, name(*font.fontWeight));
  }
  out += '}';
}

void appendStyle(std::string& out, const Style& s) {
  out += '{';
  ObjectFields field{out};
  if (s.font) {
    field("font");
    appendFont(out, *s.font);
  }
  if (s.weight) {
    field("weight");
    appendJsonString(out, name(*s.weight));
  }
  if (s.color) {
    field("color");
    appendColor(out, *s.color);
  }
  if (s.tint) {
    field("tint");
    appendColor(out, *s.tint);
  }
  if (s.rowBackground) {
    field("rowBackground");
    appendColor(out, *s.rowBackground);
  }
  if (s.lineLimit) {
    field("lineLimit");
    if (*s.lineLimit > 0)
      appendJsonNumber(out, *s.lineLimit);
    else
      out += "null";
  }
  if (s.textAlign) {
    field("textAlign");
    appendJsonString(out, name(*s.textAlign));
  }
  if (s.lineSpacing) {
    field("lineSpacing");
    appendJsonNumber(out, *s.lineSpacing);
  }
  if (s.italic) {
    field("italic");
    out += "true";
  }
  if (s.dark) {
    field("colorScheme");
    out += "\"dark\"";
  }
  if (s.disabled) {
    field("disabled");
    out += "true";
  }
  out += '}';
}

const char* flexName(Flex flex) {
  switch (flex) {
    case Flex::h:
      return "h";
    case Flex::v:
      return "v";
    case Flex::hv:
      return "hv";
    default:
      return nullptr;
  }
}

void appendEventName(std::string& out, const Handler& h) {
  out += name(h.event);
  if (h.event == EventKind::button) {
    out += '.';
    char buffer[8];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, int(h.index)).ptr);
  }
}

// Positions of the children whose key an earlier sibling already has, in ascending order.
std::vector<std::size_t> repeatedKeys(const std::vector<View>& children) {
  std::vector<std::size_t> repeated;
  std::size_t keyed = 0;
  for (const View& child : children) keyed += !child.key().empty();
  if (keyed < 2) return repeated;
  std::unordered_set<std::string_view> seen;
  seen.reserve(keyed);
  for (std::size_t i = 0; i < children.size(); ++i) {
    const std::string& key = children[i].key();
    if (!key.empty() && !seen.insert(key).second) repeated.push_back(i);
  }
  return repeated;
}

// Whether child `i` is what the user sees of `n`: a tab bar shows its selected tab, a stack its
// top page; everything else shows all its children.
bool shownChild(const Node& n, std::size_t i) {
  if (n.type == NodeType::navstack) return i + 1 == n.children.size();
  if (n.type == NodeType::tabview) {
    const PropValue* selection = n.prop(Prop::selection);
    return selection && selection->index() == 2 && std::get<double>(*selection) == double(i);
  }
  return true;
}

}  // namespace

// Texts looked up by view, so a repeated object is found without copying it.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};
using SharedObjects = std::unordered_map<std::string, std::size_t, TextHash, std::equal_to<>>;

struct WireWriter::State {
  const std::function<void(const std::string&)>& openURL;
  WireTree& tree;
  std::string& out;
  std::string id;
  std::string handlerId;
  // The `p` and `s` objects written so far, numbered in order; a repeat is written as its number.
  SharedObjects props, styles;
  bool sharing = true;  // not inside a page's top bar, which is written out in full

  // Writes the object that `out` holds from `start` on as its number when it was written before.
  void share(SharedObjects& objects, std::size_t start);
  // `onScreen`: not in a tab that is not selected, nor in a page under the top of its stack.
  // `segment`: where the node's own part of `id` starts; `ownId`: whether the node carries it.
  void node(const View& view, bool disabled, bool onScreen, std::size_t segment, bool ownId);
  void views(const std::vector<View>& list, const char* segment, bool disabled, bool onScreen);
  void prop(const Node& n, Prop p, const PropValue& value, bool disabled, bool onScreen);
  void handlers(const Node& n, bool disabled);
};

void WireWriter::State::views(const std::vector<View>& list, const char* segment, bool disabled,
                              bool onScreen) {
  out += '[';
  const std::size_t base = id.size();
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i) out += ',';
    id += '.';
    id += segment;
    char buffer[16];
    id.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, i).ptr);
    node(list[i], disabled, onScreen, base + 1, false);
    id.resize(base);
  }
  out += ']';
}

void WireWriter::State::prop(const Node&, Prop p, const PropValue& value, bool disabled,
                             bool onScreen) {
  switch (value.index()) {
    case 0:
      out += "null";
      break;
    case 1:
      out += std::get<bool>(value) ? "true" : "false";
      break;
    case 2:
      appendJsonNumber(out, std::get<double>(value));
      break;
    case 3:
      appendJsonString(out, std::get<std::string_view>(value));
      break;
    case 4:
      appendJsonString(out, std::get<std::string>(value));
      break;
    case 5:
      appendColor(out, std::get<Color>(value));
      break;
    case 6:
      appendGradient(out, std::get<Gradient>(value));
      break;
    case 7: {
      const Stroke& s = std::get<Stroke>(value);
      out += "{\"color\":";
      appendColor(out, s.color);
      out += ",\"width\":";
      appendJsonNumber(out, s.lineWidth);
      out += ",\"dash\":[";
      for (std::size_t i = 0; i < s.dash.size(); ++i) {
        if (i) out += ',';
        appendJsonNumber(out, s.dash[i]);
      }
      out += "]}";
      break;
    }
    case 8: {
      const Json& json = std::get<Json>(value);
      out += json.dump(-1, ' ', false, Json::error_handler_t::replace);
      break;
    }
    case 9:
      views(std::get<std::vector<View>>(value), name(p), disabled, onScreen);
      break;
  }
}

void WireWriter::State::handlers(const Node& n, bool disabled) {
  const bool link = n.type == NodeType::link && openURL;
  if (disabled || (n.handlers.empty() && !link)) return;
  out += ",\"on\":[";
  bool first = true;
  auto add = [&](const Handler& h) {
    if (!first) out += ',';
    first = false;
    handlerId.assign(id);
    handlerId += ':';
    appendEventName(handlerId, h);
    out += '"';
    appendEventName(out, h);
    out += '"';
    tree.handlers.insert_or_assign(handlerId, h.run);
  };
  for (const Handler& h : n.handlers) add(h);
  if (link && std::none_of(n.handlers.begin(), n.handlers.end(),
                           [](const Handler& h) { return h.event == EventKind::tap; })) {
    const PropValue* url = n.prop(Prop::url);
    std::string target = url && url->index() == 4 ? std::get<std::string>(*url) : std::string();
    add({EventKind::tap, 0, [open = openURL, target](const Json&) {
           open(target);
           return true;
         }});
  }
  out += ']';
}

void WireWriter::State::share(SharedObjects& objects, std::size_t start) {
  const std::string_view written(out.data() + start, out.size() - start);
  if (auto found = objects.find(written); found != objects.end()) {
    out.resize(start);
    appendJsonNumber(out, double(found->second));
    return;
  }
  objects.emplace(std::string(written), objects.size());
}

void WireWriter::State::node(const View& view, bool disabled, bool onScreen,
                             std::size_t segment, bool ownId) {
  const Node& n = view.node();
  disabled = disabled || n.style.disabled;
  const NodeType type = n.type == NodeType::fragment ? NodeType::vstack : n.type;
  out += "{\"t\":\"";
  out += name(type);
  out += '"';
  if (ownId) {
    out += ",\"id\":";
    appendJsonString(out, std::string_view(id).substr(segment));
  }
  if (!n.props.empty()) {
    out += ",\"p\":";
    // A page's properties hold the nodes of its top bar; they are written out in full.
    const bool holdsNodes = type == NodeType::page;
    const bool wasSharing = sharing;
    if (holdsNodes) sharing = false;
    const std::size_t start = out.size();
    out += '{';
    for (std::size_t i = 0; i < n.props.size(); ++i) {
      if (i) out += ',';
      out += '"';
      out += name(n.props[i].first);
      out += "\":";
      prop(n, n.props[i].first, n.props[i].second, disabled, onScreen);
    }
    out += '}';
    sharing = wasSharing;
    if (sharing && !holdsNodes) share(props, start);
  }
  if (!n.style.empty()) {
    out += ",\"s\":";
    const std::size_t start = out.size();
    appendStyle(out, n.style);
    if (sharing) share(styles, start);
  }
  if (const char* x = flexName(n.flex)) {
    out += ",\"x\":\"";
    out += x;
    out += '"';
  }
  handlers(n, disabled);
  if (n.extras) {
    const NodeExtras& e = *n.extras;
    if (onScreen && (e.onAppear || e.onDisappear))
      tree.lifecycle.push_back({id + "|" + name(type), e.onAppear, e.onDisappear});
    for (const auto& [animation, value] : e.ties) tree.ties.push_back({id, animation, value});
  }
  if (!n.children.empty()) {
    out += ",\"c\":[";
    const std::size_t base = id.size();
    const std::vector<std::uint32_t>* slots =
        n.extras && !n.extras->slots.empty() ? &n.extras->slots : nullptr;
    const std::vector<std::size_t> repeated = repeatedKeys(n.children);
    for (std::size_t i = 0; i < n.children.size(); ++i) {
      if (i) out += ',';
      const View& child = n.children[i];
      id += '.';
      // A child's own id is written only when it is not its position among the children.
      bool childOwnsId = true;
      if (!child.key().empty()) {
        id += '@';
        id += child.key();
        if (std::binary_search(repeated.begin(), repeated.end(), i)) {
          // Two siblings with one key would share an id and its handlers; the later ones get
          // their position added, and the screen's mistake is logged.
          id += '#';
          char buffer[16];
          id.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, i).ptr);
          logLine("Two views share the key " + child.key() + "; ids made unique at " + id);
        }
      } else {
        const std::size_t slot = slots ? (*slots)[i] : i;
        childOwnsId = slot != i;
        char buffer[16];
        id.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, slot).ptr);
      }
      node(child, disabled, onScreen && shownChild(n, i), base + 1, childOwnsId);
      id.resize(base);
    }
    out += ']';
  }
  out += '}';
}

WireWriter::WireWriter(std::function<void(const std::string& url)> openURL)
    : openURL_(std::move(openURL)) {}

WireTree WireWriter::write(const View& root) {
  WireTree tree;
  tree.json.reserve(lastSize_ + lastSize_ / 4);
  State state{openURL_, tree, tree.json, {}, {}, {}, {}, true};
  state.id = root.key().empty() ? "0" : "@" + root.key();
  state.node(root, false, true, 0, !root.key().empty());
  lastSize_ = tree.json.size();
  return tree;
}

}  // namespace platform::ui
