#include "platform/ui/TestHarness.hpp"

#include <algorithm>

#include "platform/ui/CalendarLocalTime.hpp"
#include "platform/ui/Controls.hpp"
#include "platform/ui/WireReader.hpp"

namespace platform::ui {

// --- matchers

namespace {
std::string textOf(const Json& node) {
  if (!node.is_object()) return {};
  auto p = node.find("p");
  if (p != node.end() && p->is_object()) {
    auto t = p->find("text");
    if (t != p->end() && t->is_string() && node.value("t", "") == "text")
      return t->get<std::string>();
  }
  return {};
}

const Json* propOf(const Json& node, const char* name) {
  auto p = node.find("p");
  if (p == node.end() || !p->is_object()) return nullptr;
  auto value = p->find(name);
  return value == p->end() ? nullptr : &*value;
}

bool propIs(const Json& node, const char* name, const std::string& expected) {
  const Json* value = propOf(node, name);
  return value && value->is_string() && value->get_ref<const std::string&>() == expected;
}

bool anyBeneath(const Json& node, const Matcher& m) {
  auto c = node.find("c");
  if (c == node.end()) return false;
  for (const Json& child : *c)
    if (m.test(child) || anyBeneath(child, m)) return true;
  return false;
}
}  // namespace

Matcher text(std::string t) {
  return {"text \"" + t + "\"",
          [t](const Json& n) { return n.value("t", "") == "text" && propIs(n, "text", t); }};
}

Matcher textContaining(std::string part) {
  return {"text containing \"" + part + "\"", [part](const Json& n) {
            return n.value("t", "") == "text" && textOf(n).find(part) != std::string::npos;
          }};
}

Matcher symbol(std::string name) {
  return {"symbol " + name, [name](const Json& n) {
            return n.value("t", "") == "symbol" && propIs(n, "name", name);
          }};
}

Matcher nodeId(std::string id) {
  return {"id " + id, [id](const Json& n) { return n.value("id", "") == id; }};
}

Matcher kind(std::string type) {
  return {"kind " + type, [type](const Json& n) { return n.value("t", "") == type; }};
}

Matcher label(std::string l) {
  return {"label \"" + l + "\"", [l](const Json& n) {
            return propIs(n, "label", l) || propIs(n, "title", l) || propIs(n, "placeholder", l);
          }};
}

Matcher placeholder(std::string text) {
  return {"placeholder \"" + text + "\"",
          [text](const Json& n) { return propIs(n, "placeholder", text); }};
}

Matcher operator&&(Matcher a, Matcher b) {
  return {a.description + " and " + b.description,
          [a, b](const Json& n) { return a.test(n) && b.test(n); }};
}

Matcher containing(Matcher inner) {
  return {"containing " + inner.description,
          [inner](const Json& n) { return anyBeneath(n, inner); }};
}

// --- NodeRef

std::string NodeRef::type() const {
  return node_.is_object() ? node_.value("t", "") : "";
}
std::string NodeRef::id() const {
  return node_.is_object() ? node_.value("id", "") : "";
}

Json NodeRef::prop(const std::string& name) const {
  if (!node_.is_object()) return nullptr;
  const Json* value = propOf(node_, name.c_str());
  return value ? *value : Json();
}

namespace {
void collectTexts(const Json& node, std::vector<std::string>& out) {
  if (node.value("t", "") == "text") out.push_back(textOf(node));
  auto c = node.find("c");
  if (c != node.end())
    for (const Json& child : *c) collectTexts(child, out);
}
}  // namespace

std::string NodeRef::text() const {
  if (!node_.is_object()) return {};
  std::vector<std::string> texts;
  collectTexts(node_, texts);
  std::string joined;
  for (const std::string& t : texts) {
    if (!joined.empty()) joined += ' ';
    joined += t;
  }
  return joined;
}

// --- the index of the published tree

struct TestHarness::Index {
  struct Entry {
    const Json* node;
    std::ptrdiff_t parent;
    bool reachable;
  };
  Json root;
  std::vector<Entry> entries;
  std::optional<std::size_t> modal;

  void add(const Json& node, std::ptrdiff_t parent, bool reachable) {
    const std::size_t self = entries.size();
    entries.push_back({&node, parent, reachable});
    const std::string type = node.value("t", "");
    if (type == "page")
      for (const char* bar : {"leading", "trailing", "search"})
        if (const Json* items = propOf(node, bar); items && items->is_array())
          for (const Json& item : *items) add(item, std::ptrdiff_t(self), reachable);
    auto c = node.find("c");
    if (c == node.end() || !c->is_array()) return;
    const std::size_t count = c->size();
    std::size_t shown = count;  // every child
    if (type == "tabview") {
      const Json* selection = propOf(node, "selection");
      shown = selection && selection->is_number() ? selection->get<std::size_t>() : 0;
    } else if (type == "navstack") {
      shown = count - 1;
    }
    for (std::size_t i = 0; i < count; ++i)
      add((*c)[i], std::ptrdiff_t(self), reachable && (shown == count || shown == i));
  }

  bool insideModal(std::size_t entry) const {
    if (!modal) return true;
    for (std::ptrdiff_t e = std::ptrdiff_t(entry); e >= 0; e = entries[std::size_t(e)].parent)
      if (std::size_t(e) == *modal) return true;
    return false;
  }

  bool inScope(std::size_t entry, Scope scope) const {
    return scope == Scope::wholeTree || (entries[entry].reachable && insideModal(entry));
  }
};

TestHarness::TestHarness() : localTime_(std::make_unique<CalendarLocalTime>(calendar_)) {
  calendar_.followChanges(queue_);
  environment_ = std::make_unique<Environment>(
      Environment{queue_, clock_, runtime_, runtime_.haptics(), *localTime_, calendar_});
}

TestHarness::TestHarness(int utcOffsetSeconds)
    : localTime_(std::make_unique<FixedOffsetLocalTime>(utcOffsetSeconds)) {
  calendar_.followChanges(queue_);
  environment_ = std::make_unique<Environment>(
      Environment{queue_, clock_, runtime_, runtime_.haptics(), *localTime_, calendar_});
}

TestHarness::~TestHarness() = default;

void TestHarness::show(std::function<View()> root) {
  runtime_.setRoot(std::move(root));
  render();
}

// Steps that are already due (a delay of zero) run too: on a real queue they would follow at once.
void TestHarness::settle() {
  queue_.advance(0);
}

void TestHarness::render() {
  runtime_.render();
  settle();
}

void TestHarness::advance(double seconds) {
  queue_.advance(seconds);
}

const TestHarness::Index& TestHarness::index() const {
  if (!index_ || indexedRevision_ != runtime_.revision()) {
    auto fresh = std::make_unique<Index>();
    fresh->root =
        runtime_.rootJson().empty() ? Json() : readWireTree(Json::parse(runtime_.rootJson()));
    // The system layer is drawn above the application, as the display does: its question or
    // banner comes after everything of the application, so it is the topmost.
    if (!runtime_.systemJson().empty())
      fresh->root = Json{{"t", "zstack"},
                         {"id", "window"},
                         {"c", {std::move(fresh->root),
                                readWireTree(Json::parse(runtime_.systemJson()))}}};
    if (!fresh->root.is_null()) fresh->add(fresh->root, -1, true);
    for (std::size_t i = 0; i < fresh->entries.size(); ++i) {
      const std::string type = fresh->entries[i].node->value("t", "");
      if (fresh->entries[i].reachable && (type == "sheet" || type == "alert")) fresh->modal = i;
    }
    index_ = std::move(fresh);
    indexedRevision_ = runtime_.revision();
  }
  return *index_;
}

const Json& TestHarness::tree() const {
  return index().root;
}

std::optional<std::size_t> TestHarness::firstReachable(const Matcher& matcher, Scope scope) const {
  const Index& ix = index();
  for (std::size_t i = 0; i < ix.entries.size(); ++i)
    if (ix.inScope(i, scope) && matcher.test(*ix.entries[i].node)) return i;
  return std::nullopt;
}

NodeRef TestHarness::find(const Matcher& matcher, Scope scope) const {
  auto entry = firstReachable(matcher, scope);
  return entry ? NodeRef(*index().entries[*entry].node) : NodeRef();
}

std::vector<NodeRef> TestHarness::findAll(const Matcher& matcher, Scope scope) const {
  const Index& ix = index();
  std::vector<NodeRef> found;
  for (std::size_t i = 0; i < ix.entries.size(); ++i)
    if (ix.inScope(i, scope) && matcher.test(*ix.entries[i].node))
      found.emplace_back(*ix.entries[i].node);
  return found;
}

bool TestHarness::exists(const Matcher& matcher, Scope scope) const {
  return firstReachable(matcher, scope).has_value();
}

namespace {
const Json* firstBeneath(const Json& node, const Matcher& matcher) {
  if (matcher.test(node)) return &node;
  if (auto c = node.find("c"); c != node.end())
    for (const Json& child : *c)
      if (const Json* found = firstBeneath(child, matcher)) return found;
  return nullptr;
}
}  // namespace

NodeRef TestHarness::find(const Matcher& matcher, const NodeRef& within) {
  if (!within) return {};
  const Json* found = firstBeneath(within.json(), matcher);
  return found ? NodeRef(*found) : NodeRef();
}

std::vector<std::string> TestHarness::texts(Scope scope) const {
  std::vector<std::string> out;
  for (const NodeRef& node : findAll(kind("text"), scope)) out.push_back(node.prop("text"));
  return out;
}

NodeRef TestHarness::alert() const {
  const Index& ix = index();
  if (ix.modal && ix.entries[*ix.modal].node->value("t", "") == "alert")
    return NodeRef(*ix.entries[*ix.modal].node);
  return {};
}

std::optional<std::size_t> TestHarness::ancestorWith(std::size_t entry, const std::string& event,
                                                     const std::vector<std::string>& types) const {
  const Index& ix = index();
  for (std::ptrdiff_t e = std::ptrdiff_t(entry); e >= 0; e = ix.entries[std::size_t(e)].parent) {
    const Json& node = *ix.entries[std::size_t(e)].node;
    const bool typeOk =
        types.empty() || std::find(types.begin(), types.end(), node.value("t", "")) != types.end();
    auto on = node.find("on");
    if (typeOk && on != node.end() && on->contains(event)) return std::size_t(e);
    if (!types.empty() && typeOk) return std::nullopt;  // the control is there but inactive
  }
  return std::nullopt;
}

bool TestHarness::fail(std::string why) {
  lastError_ = std::move(why);
  return false;
}

bool TestHarness::fire(std::size_t entry, const std::string& event, Json value) {
  const Json& node = *index().entries[entry].node;
  const std::string handler = node["on"][event].get<std::string>();
  lastError_.clear();
  send(handler, std::move(value));
  return true;
}

void TestHarness::send(const std::string& handlerId, Json value) {
  runtime_.dispatch(handlerId, std::move(value));
  settle();
}

bool TestHarness::tap(const Matcher& matcher) {
  auto entry = firstReachable(matcher, Scope::reachable);
  if (!entry) return fail("nothing reachable matches " + matcher.description);
  auto target = ancestorWith(*entry, "tap", {});
  if (!target) return fail("nothing tappable at " + matcher.description);
  return fire(*target, "tap", nullptr);
}

bool TestHarness::tap(const NodeRef& node) {
  if (!node) return fail("tapped a node that was not found");
  return tap(nodeId(node.id()));
}

bool TestHarness::type(const Matcher& matcher, std::string typed) {
  auto entry = firstReachable(matcher, Scope::reachable);
  if (!entry) return fail("nothing reachable matches " + matcher.description);
  auto field = ancestorWith(*entry, "change", {"textfield", "texteditor", "searchfield"});
  if (!field) return fail("no enabled text field at " + matcher.description);
  return fire(*field, "change", std::move(typed));
}

bool TestHarness::setToggle(const Matcher& matcher, bool on) {
  auto entry = firstReachable(matcher, Scope::reachable);
  if (!entry) return fail("nothing reachable matches " + matcher.description);
  auto control = ancestorWith(*entry, "change", {"toggle"});
  if (!control) return fail("no enabled switch at " + matcher.description);
  return fire(*control, "change", on);
}

bool TestHarness::toggle(const Matcher& matcher) {
  auto entry = firstReachable(matcher, Scope::reachable);
  if (!entry) return fail("nothing reachable matches " + matcher.description);
  auto control = ancestorWith(*entry, "change", {"toggle"});
  if (!control) return fail("no enabled switch at " + matcher.description);
  const Json* isOn = propOf(*index().entries[*control].node, "isOn");
  return fire(*control, "change", !(isOn && isOn->is_boolean() && isOn->get<bool>()));
}

bool TestHarness::pick(const Matcher& matcher, const std::string& option) {
  auto entry = firstReachable(matcher, Scope::reachable);
  if (!entry) return fail("nothing reachable matches " + matcher.description);
  auto control = ancestorWith(*entry, "change", {"picker", "datepicker"});
  if (!control) return fail("no enabled picker at " + matcher.description);
  const Json& node = *index().entries[*control].node;
  if (node.value("t", "") == "datepicker") return fire(*control, "change", option);
  if (const Json* options = propOf(node, "options"); options && options->is_array())
    for (const Json& o : *options)
      if (o.value("label", "") == option) return fire(*control, "change", o["tag"]);
  return fail("the picker has no option \"" + option + "\"");
}

bool TestHarness::pickDate(const Matcher& matcher, Date date) {
  auto entry = firstReachable(matcher, Scope::reachable);
  if (!entry) return fail("nothing reachable matches " + matcher.description);
  auto control = ancestorWith(*entry, "change", {"datepicker"});
  if (!control) return fail("no enabled date picker at " + matcher.description);
  const Json* mode = propOf(*index().entries[*control].node, "mode");
  const DatePickerMode m =
      mode && *mode == "hourMinute" ? DatePickerMode::hourMinute : DatePickerMode::date;
  return fire(*control, "change", datePickerText(date, m, *localTime_));
}

bool TestHarness::selectTab(int tab) {
  auto entry = firstReachable(kind("tabview"), Scope::reachable);
  if (!entry) return fail("no tab bar is shown");
  if (!index().entries[*entry].node->contains("on")) return fail("the tab bar is disabled");
  return fire(*entry, "select", tab);
}

bool TestHarness::dismissSheet() {
  const Index& ix = index();
  if (!ix.modal || ix.entries[*ix.modal].node->value("t", "") != "sheet")
    return fail("no sheet is shown on top");
  const Json& sheet = *ix.entries[*ix.modal].node;
  if (!sheet.contains("on") || !sheet["on"].contains("dismiss"))
    return fail("the sheet cannot be swiped away");
  return fire(*ix.modal, "dismiss", nullptr);
}

bool TestHarness::pickPhoto(const Matcher& matcher, std::vector<std::uint8_t> bytes) {
  auto entry = firstReachable(matcher, Scope::reachable);
  if (!entry) return fail("nothing reachable matches " + matcher.description);
  auto picker = ancestorWith(*entry, "change", {"photopicker"});
  if (!picker) return fail("no enabled photo picker at " + matcher.description);
  auto identifier = runtime_.pickedFiles()->add(std::move(bytes));
  if (!identifier) return fail("the photo is larger than a display may upload");
  return fire(*picker, "change", Json{{"file", *identifier}});
}

bool TestHarness::tapAlertButton(const std::string& buttonLabel) {
  NodeRef shown = alert();
  if (!shown) return fail("no alert is shown");
  for (const Json& button : shown.prop("buttons"))
    if (button.value("label", "") == buttonLabel && button["handler"].is_string()) {
      lastError_.clear();
      send(button["handler"].get<std::string>());
      return true;
    }
  return fail("the alert has no button \"" + buttonLabel + "\"");
}

bool TestHarness::pop() {
  const Index& ix = index();
  std::optional<std::size_t> stack;
  for (std::size_t i = 0; i < ix.entries.size(); ++i) {
    const Json& node = *ix.entries[i].node;
    if (ix.inScope(i, Scope::reachable) && node.value("t", "") == "navstack" &&
        node.contains("c") && node["c"].size() > 1 && node.contains("on"))
      stack = i;
  }
  if (!stack) return fail("no pushed page is shown");
  return fire(*stack, "pop", ix.entries[*stack].node->at("c").size() - 2);
}

// --- the canonical dump

namespace {
void dumpNode(const Json& node, int depth, std::string& out, const std::string& prefix = {}) {
  out.append(std::size_t(depth) * 2, ' ');
  out += prefix;
  const std::string type = node.value("t", "?");
  out += type;
  const std::string id = node.value("id", "");
  if (auto at = id.rfind(".@");
      at != std::string::npos && id.find('.', at + 2) == std::string::npos)
    out += " " + id.substr(at + 1);
  else if (id.starts_with("@") && id.find('.') == std::string::npos)
    out += " " + id;
  std::vector<std::pair<std::string, const Json*>> nested;
  if (auto p = node.find("p"); p != node.end())
    for (auto it = p->begin(); it != p->end(); ++it) {
      if ((type == "text" && it.key() == "text") || (type == "symbol" && it.key() == "name")) {
        out += ' ';
        out += type == "text" ? it->dump() : it->get<std::string>();
        continue;
      }
      if (type == "page" &&
          (it.key() == "leading" || it.key() == "trailing" || it.key() == "search")) {
        nested.emplace_back(it.key(), &*it);
        continue;
      }
      out += ' ' + it.key() + '=' + it->dump();
    }
  if (auto s = node.find("s"); s != node.end())
    for (auto it = s->begin(); it != s->end(); ++it) out += " ." + it.key() + '=' + it->dump();
  if (auto x = node.find("x"); x != node.end()) out += " x=" + x->get<std::string>();
  if (auto on = node.find("on"); on != node.end()) {
    out += " on:";
    bool first = true;
    for (auto it = on->begin(); it != on->end(); ++it) {
      if (!first) out += ',';
      first = false;
      out += it.key();
    }
  }
  out += '\n';
  for (const auto& [bar, items] : nested)
    for (const Json& item : *items) dumpNode(item, depth + 1, out, "[" + bar + "] ");
  if (auto c = node.find("c"); c != node.end())
    for (const Json& child : *c) dumpNode(child, depth + 1, out);
}
}  // namespace

std::string TestHarness::dump(Scope scope) const {
  const Index& ix = index();
  std::string out;
  if (ix.root.is_null()) return out;
  if (scope == Scope::wholeTree || !ix.modal) {
    dumpNode(ix.root, 0, out);
  } else {
    dumpNode(*ix.entries[*ix.modal].node, 0, out);
  }
  return out;
}

std::string TestHarness::dump(const NodeRef& node) {
  std::string out;
  if (node) dumpNode(node.json(), 0, out);
  return out;
}

}  // namespace platform::ui
