#include "platform/ui/View.hpp"

#include <algorithm>
#include <cctype>

#include "platform/foundation/Log.hpp"

namespace platform::ui {

namespace detail {
namespace {
thread_local int buildingDepth = 0;
}
bool isBuildingView() {
  return buildingDepth > 0;
}
void reportWriteWhileBuilding() {
  logLine("Ignored a binding write made while a view was being built");
}
void beginBuilding() {
  ++buildingDepth;
}
void endBuilding() {
  --buildingDepth;
}
}  // namespace detail

const char* name(NodeType type) {
  static constexpr const char* names[] = {
      "vstack",     "hstack",     "zstack",      "lazyvstack", "lazyhstack", "grid",
      "spacer",     "empty",      "text",        "symbol",     "image",      "color",
      "gradient",   "shape",      "particles",   "divider",    "progress",   "scroll",
      "list",       "section",    "padding",     "frame",      "background", "overlay",
      "clip",       "opacity",    "offset",      "safearea",   "button",     "toggle",
      "textfield",  "texteditor", "searchfield", "datepicker", "picker",     "menu",
      "link",       "tabview",    "navstack",    "page",       "sheet",      "alert",
      "transition", "animated",   "presenting",  "photopicker", "fragment"};
  return names[std::size_t(type)];
}

const char* name(Prop prop) {
  static constexpr const char* names[] = {"text",        "name",
                                          "src",         "resizable",
                                          "contentMode", "template",
                                          "color",       "gradient",
                                          "shape",       "radius",
                                          "corners",     "continuous",
                                          "fill",        "stroke",
                                          "layers",      "animateTime",
                                          "style",       "size",
                                          "value",       "axis",
                                          "indicators",  "hideBackground",
                                          "header",      "top",
                                          "leading",     "bottom",
                                          "trailing",    "width",
                                          "height",      "minWidth",
                                          "maxWidth",    "minHeight",
                                          "maxHeight",   "heightFraction",
                                          "aspectRatio",
                                          "alignment",   "spacing",
                                          "columns",     "minLength",
                                          "x",           "y",
                                          "edges",       "role",
                                          "disabled",    "label",
                                          "isOn",        "placeholder",
                                          "multiline",   "minLines",
                                          "maxLines",    "autocorrect",
                                          "mode",        "title",
                                          "labelHidden", "options",
                                          "selection",   "url",
                                          "accent",      "tabs",
                                          "titleMode",   "backButton",
                                          "search",      "dismissDisabled",
                                          "message",     "buttons",
                                          "kind",        "animation",
                                          "property",    "from",
                                          "to"};
  return names[std::size_t(prop)];
}

const char* name(EventKind kind) {
  switch (kind) {
    case EventKind::tap:
      return "tap";
    case EventKind::change:
      return "change";
    case EventKind::submit:
      return "submit";
    case EventKind::dismiss:
      return "dismiss";
    case EventKind::pop:
      return "pop";
    case EventKind::select:
      return "select";
    case EventKind::button:
      return "button";
  }
  return "tap";
}

const PropValue* Node::prop(Prop p) const {
  for (const auto& [key, value] : props)
    if (key == p) return &value;
  return nullptr;
}

void Node::set(Prop p, PropValue value) {
  for (auto& [key, existing] : props)
    if (key == p) {
      existing = std::move(value);
      return;
    }
  props.emplace_back(p, std::move(value));
}

NodeExtras& Node::mutableExtras() {
  if (!extras)
    extras = std::make_shared<NodeExtras>();
  else if (extras.use_count() > 1)
    extras = std::make_shared<NodeExtras>(*extras);
  return *extras;
}

namespace {

// How a child's flexibility counts for the container: a spacer or divider stretches along the
// stack's own axis (spacer) or across it (divider), never both.
Flex childFlex(NodeType container, const View& child) {
  const NodeType t = child.type();
  const bool vertical = container == NodeType::vstack || container == NodeType::lazyvstack;
  const bool horizontal = container == NodeType::hstack || container == NodeType::lazyhstack;
  if (t == NodeType::spacer) return vertical ? Flex::v : horizontal ? Flex::h : Flex::hv;
  if (t == NodeType::divider) return horizontal ? Flex::v : Flex::h;
  return child.flex();
}

std::shared_ptr<Node> emptyNode() {
  static const std::shared_ptr<Node> node = [] {
    auto n = std::make_shared<Node>();
    n->type = NodeType::empty;
    return n;
  }();
  return node;
}

}  // namespace

Flex containerFlex(NodeType type, const std::vector<View>& children) {
  switch (type) {
    case NodeType::spacer:
    case NodeType::color:
    case NodeType::gradient:
    case NodeType::shape:
    case NodeType::particles:
    case NodeType::list:
    case NodeType::texteditor:
    case NodeType::tabview:
    case NodeType::navstack:
    case NodeType::page:
      return Flex::hv;
    case NodeType::divider:
    case NodeType::textfield:
    case NodeType::searchfield:
    case NodeType::toggle:
      return Flex::h;
    case NodeType::background:
    case NodeType::overlay:
    case NodeType::presenting:
      return children.empty() ? Flex::none : children.front().flex();
    default:
      break;
  }
  Flex flex = type == NodeType::grid ? Flex::h : Flex::none;
  for (const View& child : children) flex = flex | childFlex(type, child);
  return flex;
}

View makeNode(NodeType type, std::vector<View> children) {
  auto node = std::make_shared<Node>();
  node->type = type;
  const bool hasFragment = std::any_of(children.begin(), children.end(), [](const View& v) {
    return v.type() == NodeType::fragment;
  });
  if (hasFragment) {
    std::vector<View> flat;
    std::vector<std::uint32_t> slots;
    for (std::uint32_t slot = 0; slot < children.size(); ++slot) {
      View& child = children[slot];
      if (child.type() == NodeType::fragment) {
        for (const View& row : child.node().children) {
          flat.push_back(row);
          slots.push_back(slot);
        }
      } else {
        flat.push_back(std::move(child));
        slots.push_back(slot);
      }
    }
    children = std::move(flat);
    node->mutableExtras().slots = std::move(slots);
  }
  node->children = std::move(children);
  node->flex = containerFlex(type, node->children);
  return View(std::move(node));
}

View::View() : node_(emptyNode()) {}

View::View(Color color) : View(colorView(color)) {}

NodeType View::type() const {
  return node_->type;
}
Flex View::flex() const {
  return node_->flex;
}
const std::string& View::key() const {
  return node_->key;
}

Node& View::mutableNode() {
  if (node_.use_count() > 1) node_ = std::make_shared<Node>(*node_);
  return *node_;
}

View View::wrap(NodeType type) && {
  std::shared_ptr<const PageInfo> page = node_->extras ? node_->extras->page : nullptr;
  const bool dismissDisabled = node_->extras && node_->extras->dismissDisabled;
  std::vector<View> child;
  child.reserve(1);
  child.push_back(std::move(*this));
  View wrapper = makeNode(type, std::move(child));
  if (page || dismissDisabled) {
    NodeExtras& extras = wrapper.mutableNode().mutableExtras();
    extras.page = std::move(page);
    extras.dismissDisabled = dismissDisabled;
  }
  return wrapper;
}

View View::padding(double length) && {
  return std::move(*this).padding(Edge::all, length);
}

View View::padding(Edge edges, double length) && {
  EdgeInsets insets;
  if (contains(edges, Edge::top)) insets.top = length;
  if (contains(edges, Edge::leading)) insets.leading = length;
  if (contains(edges, Edge::bottom)) insets.bottom = length;
  if (contains(edges, Edge::trailing)) insets.trailing = length;
  return std::move(*this).padding(insets);
}

View View::padding(EdgeInsets insets) && {
  // Padding around a padding that nothing else refers to is one padding of the summed insets:
  // `.padding(.horizontal, 16).padding(.vertical, 12)` is a single node.
  Node& inner = *node_;
  if (inner.type == NodeType::padding && node_.use_count() == 1 && inner.key.empty() &&
      inner.handlers.empty() && inner.style.empty() && !inner.extras && inner.props.size() == 4) {
    const double add[4] = {insets.top, insets.leading, insets.bottom, insets.trailing};
    for (int i = 0; i < 4; ++i)
      if (auto* length = std::get_if<double>(&inner.props[std::size_t(i)].second))
        *length += add[i];
    return std::move(*this);
  }
  View v = std::move(*this).wrap(NodeType::padding);
  Node& n = v.mutableNode();
  n.props.reserve(4);
  n.props.emplace_back(Prop::top, insets.top);
  n.props.emplace_back(Prop::leading, insets.leading);
  n.props.emplace_back(Prop::bottom, insets.bottom);
  n.props.emplace_back(Prop::trailing, insets.trailing);
  return v;
}

View View::frame(const Frame& f) && {
  Flex flex = node_->flex;
  if (f.width) flex = without(flex, Flex::h);
  if (f.height || f.heightFraction) flex = without(flex, Flex::v);
  if (f.maxWidth && *f.maxWidth == infinity) flex = flex | Flex::h;
  if (f.maxHeight && *f.maxHeight == infinity) flex = flex | Flex::v;
  View v = std::move(*this).wrap(NodeType::frame);
  Node& n = v.mutableNode();
  auto put = [&](Prop p, const std::optional<double>& value) {
    if (value) n.props.emplace_back(p, *value);
  };
  put(Prop::width, f.width);
  put(Prop::height, f.height);
  put(Prop::minWidth, f.minWidth);
  put(Prop::maxWidth, f.maxWidth);
  put(Prop::minHeight, f.minHeight);
  put(Prop::maxHeight, f.maxHeight);
  put(Prop::heightFraction, f.heightFraction);
  if (f.alignment != Alignment::center)
    n.props.emplace_back(Prop::alignment, std::string_view(name(f.alignment)));
  n.flex = flex;
  return v;
}

View View::aspectRatio(double ratio, ContentMode mode) && {
  View v = std::move(*this).wrap(NodeType::frame);
  Node& n = v.mutableNode();
  n.props.emplace_back(Prop::aspectRatio, ratio);
  n.props.emplace_back(Prop::contentMode,
                       std::string_view(mode == ContentMode::fill ? "fill" : "fit"));
  return v;
}

View View::background(Color color) && {
  return std::move(*this).background(colorView(color), Alignment::center);
}

View View::background(const Gradient& gradient) && {
  return std::move(*this).background(gradientView(gradient), Alignment::center);
}

View View::background(View view, Alignment alignment) && {
  std::shared_ptr<const PageInfo> page = node_->extras ? node_->extras->page : nullptr;
  View v = makeNode(NodeType::background, {std::move(*this), std::move(view)});
  if (alignment != Alignment::center)
    v.mutableNode().props.emplace_back(Prop::alignment, std::string_view(name(alignment)));
  if (page) v.mutableNode().mutableExtras().page = std::move(page);
  return v;
}

View View::overlay(View view, Alignment alignment) && {
  std::shared_ptr<const PageInfo> page = node_->extras ? node_->extras->page : nullptr;
  View v = makeNode(NodeType::overlay, {std::move(*this), std::move(view)});
  if (alignment != Alignment::center)
    v.mutableNode().props.emplace_back(Prop::alignment, std::string_view(name(alignment)));
  if (page) v.mutableNode().mutableExtras().page = std::move(page);
  return v;
}

void putShapeProps(Node& n, const Shape& shape) {
  n.props.emplace_back(Prop::shape, std::string_view(name(shape.kind)));
  if (shape.kind == Shape::Kind::roundedRect || shape.kind == Shape::Kind::corners)
    n.props.emplace_back(Prop::radius, shape.radius);
  if (shape.kind == Shape::Kind::corners) {
    Json corners = Json::array();
    for (Corner c : {Corner::topLeft, Corner::topRight, Corner::bottomLeft, Corner::bottomRight})
      if (shape.cornerMask & std::uint8_t(c)) corners.push_back(name(c));
    n.props.emplace_back(Prop::corners, std::move(corners));
  }
  if (shape.style == CornerStyle::continuous) n.props.emplace_back(Prop::continuous, true);
}

View View::clipShape(const Shape& shape) && {
  View v = std::move(*this).wrap(NodeType::clip);
  putShapeProps(v.mutableNode(), shape);
  return v;
}

View View::cornerRadius(double radius) && {
  return std::move(*this).clipShape(Shape::roundedRect(radius));
}

View View::opacity(double value) && {
  View v = std::move(*this).wrap(NodeType::opacity);
  v.mutableNode().props.emplace_back(Prop::value, value);
  return v;
}

View View::offset(double x, double y) && {
  View v = std::move(*this).wrap(NodeType::offset);
  Node& n = v.mutableNode();
  n.props.emplace_back(Prop::x, x);
  n.props.emplace_back(Prop::y, y);
  return v;
}

View View::ignoresSafeArea(Edge edges) && {
  View v = std::move(*this).wrap(NodeType::safearea);
  Json list = Json::array();
  for (auto [edge, label] :
       {std::pair{Edge::top, "top"}, std::pair{Edge::leading, "leading"},
        std::pair{Edge::bottom, "bottom"}, std::pair{Edge::trailing, "trailing"}})
    if (contains(edges, edge)) list.push_back(label);
  v.mutableNode().props.emplace_back(Prop::edges, std::move(list));
  return v;
}

View View::font(const Font& font) && {
  mutableNode().style.font = font;
  return std::move(*this);
}

View View::fontWeight(FontWeight weight) && {
  Node& n = mutableNode();
  if (n.style.font)
    n.style.font->fontWeight = weight;
  else
    n.style.weight = weight;
  return std::move(*this);
}

View View::bold() && {
  return std::move(*this).fontWeight(FontWeight::bold);
}

View View::italic() && {
  mutableNode().style.italic = true;
  return std::move(*this);
}

View View::foregroundColor(Color color) && {
  mutableNode().style.color = color;
  return std::move(*this);
}

View View::tint(Color color) && {
  mutableNode().style.tint = color;
  return std::move(*this);
}

View View::lineLimit(std::optional<int> lines) && {
  // No limit is written as 0, so that it can undo a limit set further up.
  mutableNode().style.lineLimit = lines.value_or(0);
  return std::move(*this);
}

View View::multilineTextAlignment(TextAlignment alignment) && {
  mutableNode().style.textAlign = alignment;
  return std::move(*this);
}

View View::lineSpacing(double spacing) && {
  mutableNode().style.lineSpacing = spacing;
  return std::move(*this);
}

View View::preferredColorScheme(ColorScheme) && {
  mutableNode().style.dark = true;
  return std::move(*this);
}

View View::disabled(bool isDisabled) && {
  if (!isDisabled) return std::move(*this);
  Node& n = mutableNode();
  if (n.type == NodeType::button) n.set(Prop::disabled, true);
  n.style.disabled = true;
  return std::move(*this);
}

View View::listRowBackground(Color color) && {
  mutableNode().style.rowBackground = color;
  return std::move(*this);
}

View View::resizable() && {
  if (type() != NodeType::image) return std::move(*this);
  Node& n = mutableNode();
  n.set(Prop::resizable, true);
  n.flex = Flex::hv;
  return std::move(*this);
}

View View::scaledToFill() && {
  if (type() == NodeType::image) mutableNode().set(Prop::contentMode, std::string_view("fill"));
  return std::move(*this);
}

View View::scaledToFit() && {
  if (type() == NodeType::image) mutableNode().set(Prop::contentMode, std::string_view("fit"));
  return std::move(*this);
}

View View::renderingTemplate() && {
  if (type() == NodeType::image) mutableNode().set(Prop::template_, true);
  return std::move(*this);
}

View View::fill(Color color) && {
  if (type() == NodeType::shape) mutableNode().set(Prop::fill, color);
  return std::move(*this);
}

View View::fill(const Gradient& gradient) && {
  if (type() == NodeType::shape) mutableNode().set(Prop::fill, gradient);
  return std::move(*this);
}

View View::stroke(Color color, double lineWidth, std::vector<double> dash) && {
  if (type() == NodeType::shape)
    mutableNode().set(Prop::stroke, Stroke{color, lineWidth, std::move(dash)});
  return std::move(*this);
}

View View::buttonStyle(ButtonStyle style) && {
  if (type() != NodeType::button) return std::move(*this);
  const char* label = style == ButtonStyle::plain      ? "plain"
                      : style == ButtonStyle::bordered ? "bordered"
                                                       : nullptr;
  if (label) mutableNode().set(Prop::style, std::string_view(label));
  return std::move(*this);
}

View View::labelsHidden() && {
  Node& n = mutableNode();
  if (n.type == NodeType::datepicker) n.set(Prop::labelHidden, true);
  if (n.type == NodeType::toggle && !n.children.empty()) n.children[0] = View();
  return std::move(*this);
}

View View::accessibilityLabel(std::string label) && {
  mutableNode().set(Prop::label, std::move(label));
  return std::move(*this);
}

View View::id(std::string key) && {
  mutableNode().key = std::move(key);
  return std::move(*this);
}

View View::onTapGesture(Action tap) && {
  mutableNode().handlers.push_back({EventKind::tap, 0, [tap = std::move(tap)](const Json&) {
                                      tap();
                                      return true;
                                    }});
  return std::move(*this);
}

View View::onAppear(Action appear) && {
  NodeExtras& extras = mutableNode().mutableExtras();
  if (extras.onAppear) {
    extras.onAppear = [first = std::move(extras.onAppear), then = std::move(appear)] {
      first();
      then();
    };
  } else {
    extras.onAppear = std::move(appear);
  }
  return std::move(*this);
}

View View::onDisappear(Action disappear) && {
  NodeExtras& extras = mutableNode().mutableExtras();
  if (extras.onDisappear) {
    extras.onDisappear = [first = std::move(extras.onDisappear), then = std::move(disappear)] {
      first();
      then();
    };
  } else {
    extras.onDisappear = std::move(disappear);
  }
  return std::move(*this);
}

namespace {
Json animationJson(const Animation& a) {
  Json j = {{"curve", name(a.curve)}, {"duration", a.duration}};
  if (a.curve == Animation::Curve::spring) {
    j["response"] = a.response;
    j["damping"] = a.damping;
  }
  j["repeat"] = a.repeats;
  j["autoreverses"] = a.autoreverses;
  return j;
}
}  // namespace

Json toJson(const Animation& animation) {
  return animationJson(animation);
}

View View::transition(Transition transition, std::optional<Animation> animation) && {
  View v = std::move(*this).wrap(NodeType::transition);
  Node& n = v.mutableNode();
  n.props.emplace_back(Prop::kind, std::string_view(name(transition)));
  if (animation) n.props.emplace_back(Prop::animation, animationJson(*animation));
  return v;
}

View View::animationTie(const Animation& animation, std::size_t value) && {
  mutableNode().mutableExtras().ties.emplace_back(animation, value);
  return std::move(*this);
}

View View::repeatingAnimation(AnimatedProperty, double from, double to,
                              const Animation& animation) && {
  View v = std::move(*this).wrap(NodeType::animated);
  Node& n = v.mutableNode();
  n.props.emplace_back(Prop::property, std::string_view("opacity"));
  n.props.emplace_back(Prop::from, from);
  n.props.emplace_back(Prop::to, to);
  n.props.emplace_back(Prop::animation, animationJson(animation));
  return v;
}

namespace {
PageInfo& mutablePage(View& v) {
  NodeExtras& extras = v.mutableNode().mutableExtras();
  auto page = extras.page ? std::make_shared<PageInfo>(*extras.page) : std::make_shared<PageInfo>();
  extras.page = page;
  return *page;
}
}  // namespace

ToolbarItem ToolbarItem::leading(View view) {
  return {Placement::leading, std::make_shared<const View>(std::move(view))};
}

ToolbarItem ToolbarItem::trailing(View view) {
  return {Placement::trailing, std::make_shared<const View>(std::move(view))};
}

View View::navigationTitle(std::string title) && {
  mutablePage(*this).title = std::move(title);
  return std::move(*this);
}

View View::navigationBarTitleDisplayMode(TitleDisplayMode mode) && {
  mutablePage(*this).mode = mode;
  return std::move(*this);
}

View View::toolbar(std::vector<ToolbarItem> items) && {
  PageInfo& page = mutablePage(*this);
  for (ToolbarItem& item : items)
    (item.placement == ToolbarItem::Placement::leading ? page.leading : page.trailing)
        .push_back(*item.content);
  return std::move(*this);
}

View SearchField(std::string placeholder, Binding<std::string> text);

View View::searchable(Binding<std::string> text, std::string prompt) && {
  mutablePage(*this).search = SearchField(std::move(prompt), std::move(text));
  return std::move(*this);
}

View View::interactiveDismissDisabled(bool isDisabled) && {
  mutableNode().mutableExtras().dismissDisabled = isDisabled;
  return std::move(*this);
}

namespace {
// Presentations hang off a `presenting` wrapper that is there whether or not anything is shown,
// so that showing a sheet never changes the identity of the content beneath it.
View presenting(View content, std::optional<View> presented) {
  std::shared_ptr<const PageInfo> page =
      content.node().extras ? content.node().extras->page : nullptr;
  std::vector<View> children{std::move(content)};
  if (presented) children.push_back(std::move(*presented));
  View v = makeNode(NodeType::presenting, std::move(children));
  if (page) v.mutableNode().mutableExtras().page = std::move(page);
  return v;
}
}  // namespace

View View::sheet(std::optional<Presentation> presentation) && {
  if (!presentation) return presenting(std::move(*this), std::nullopt);
  View body = std::move(presentation->content);
  const bool dismissDisabled = body.node().extras && body.node().extras->dismissDisabled;
  View sheetNode = makeNode(NodeType::sheet, {std::move(body)});
  Node& n = sheetNode.mutableNode();
  if (dismissDisabled) n.props.emplace_back(Prop::dismissDisabled, true);
  // A sheet that may not be swiped away offers no dismiss handler, so a stray event cannot close
  // it.
  if (!dismissDisabled && presentation->dismiss)
    n.handlers.push_back({EventKind::dismiss, 0, [dismiss = presentation->dismiss](const Json&) {
                            dismiss();
                            return true;
                          }});
  return presenting(std::move(*this), std::move(sheetNode));
}

View View::alert(std::string title, Binding<bool> isPresented, std::vector<AlertButton> buttons,
                 std::string message) && {
  if (!isPresented.get()) return presenting(std::move(*this), std::nullopt);
  // An alert always offers a way out: without buttons of the caller's it has the platform's "OK".
  if (buttons.empty()) buttons.push_back({"OK", ButtonRole::cancel, {}});
  View alertNode = makeNode(NodeType::alert);
  Node& n = alertNode.mutableNode();
  n.props.emplace_back(Prop::title, std::move(title));
  n.props.emplace_back(Prop::message, std::move(message));
  Json list = Json::array();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const AlertButton& button = buttons[i];
    Json entry = {{"label", button.label}};
    if (button.role == ButtonRole::destructive) entry["role"] = "destructive";
    if (button.role == ButtonRole::cancel) entry["role"] = "cancel";
    list.push_back(std::move(entry));
    // Every button closes the alert first, as the platform does, then runs its action.
    n.handlers.push_back(
        {EventKind::button, std::uint8_t(i), [isPresented, run = button.action](const Json&) {
           isPresented.set(false);
           if (run) run();
           return true;
         }});
  }
  n.props.emplace_back(Prop::buttons, std::move(list));
  n.handlers.push_back({EventKind::dismiss, 0, [isPresented](const Json&) {
                          isPresented.set(false);
                          return true;
                        }});
  return presenting(std::move(*this), std::move(alertNode));
}

}  // namespace platform::ui
