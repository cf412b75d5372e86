#pragma once

#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "platform/foundation/Json.hpp"
#include "platform/ui/Alignment.hpp"
#include "platform/ui/Animation.hpp"
#include "platform/ui/Binding.hpp"
#include "platform/ui/Color.hpp"
#include "platform/ui/Font.hpp"
#include "platform/ui/Gradient.hpp"
#include "platform/ui/Shape.hpp"

namespace platform::ui {

// The node types of the wire format; `fragment` is the rows of a ForEach, spliced into the
// container that holds them and never sent on its own.
enum class NodeType : std::uint8_t {
  vstack,
  hstack,
  zstack,
  lazyvstack,
  lazyhstack,
  grid,
  spacer,
  empty,
  text,
  symbol,
  image,
  color,
  gradient,
  shape,
  particles,
  divider,
  progress,
  scroll,
  list,
  section,
  padding,
  frame,
  background,
  overlay,
  clip,
  opacity,
  offset,
  safearea,
  button,
  toggle,
  textfield,
  texteditor,
  searchfield,
  datepicker,
  picker,
  menu,
  link,
  tabview,
  navstack,
  page,
  sheet,
  alert,
  transition,
  animated,
  presenting,
  photopicker,
  fragment
};
const char* name(NodeType type);

// The axes on which a node wants all the space it is offered.
enum class Flex : std::uint8_t { none = 0, h = 1, v = 2, hv = 3 };
constexpr Flex operator|(Flex a, Flex b) {
  return Flex(std::uint8_t(a) | std::uint8_t(b));
}
constexpr Flex operator&(Flex a, Flex b) {
  return Flex(std::uint8_t(a) & std::uint8_t(b));
}
constexpr Flex without(Flex a, Flex b) {
  return Flex(std::uint8_t(a) & ~std::uint8_t(b));
}

// Property names of the wire format.
enum class Prop : std::uint8_t {
  text,
  name,
  src,
  resizable,
  contentMode,
  template_,
  color,
  gradient,
  shape,
  radius,
  corners,
  continuous,
  fill,
  stroke,
  layers,
  animateTime,
  style,
  size,
  value,
  axis,
  indicators,
  hideBackground,
  header,
  top,
  leading,
  bottom,
  trailing,
  width,
  height,
  minWidth,
  maxWidth,
  minHeight,
  maxHeight,
  heightFraction,
  aspectRatio,
  alignment,
  spacing,
  columns,
  minLength,
  x,
  y,
  edges,
  role,
  disabled,
  label,
  isOn,
  placeholder,
  multiline,
  minLines,
  maxLines,
  autocorrect,
  mode,
  title,
  labelHidden,
  options,
  selection,
  url,
  accent,
  tabs,
  titleMode,
  backButton,
  search,
  dismissDisabled,
  message,
  buttons,
  kind,
  animation,
  property,
  from,
  to
};
const char* name(Prop prop);

enum class EventKind : std::uint8_t { tap, change, submit, dismiss, pop, select, button };
const char* name(EventKind kind);

// What a control does with an event's value; false means the value was refused (wrong type or
// out of range) and nothing changed.
using EventHandler = std::function<bool(const Json& value)>;

struct Handler {
  EventKind event;
  std::uint8_t index = 0;  // which button, for EventKind::button
  EventHandler run;
};

enum class ColorScheme { dark };
enum class ContentMode { fill, fit };
enum class TitleDisplayMode { automatic, large, inline_ };
enum class ButtonStyle { automatic, plain, bordered };
enum class ButtonRole { none, destructive, cancel };
enum class AnimatedProperty { opacity };

// Inherited style: set on a node, it applies to everything beneath it unless set again.
struct Style {
  std::optional<Font> font;
  std::optional<FontWeight> weight;
  std::optional<Color> color, tint, rowBackground;
  std::optional<int> lineLimit;
  std::optional<TextAlignment> textAlign;
  std::optional<double> lineSpacing;
  bool italic = false;
  bool dark = false;
  bool disabled = false;
  bool empty() const {
    return !font && !weight && !color && !tint && !rowBackground && !lineLimit && !textAlign &&
           !lineSpacing && !italic && !dark && !disabled;
  }
};

struct Frame {
  std::optional<double> width{}, height{}, minWidth{}, maxWidth{}, minHeight{}, maxHeight{};
  // A height that is this share of the height the parent is offered (0.5: half), for a view
  // whose size follows the screen's rather than its content's.
  std::optional<double> heightFraction{};
  Alignment alignment = Alignment::center;
};

struct Stroke {
  Color color;
  double lineWidth = 1;
  std::vector<double> dash{};
};

class View;

struct AlertButton {
  std::string label;
  ButtonRole role = ButtonRole::none;
  Action action{};
};

struct ToolbarItem {
  enum class Placement { leading, trailing };
  Placement placement = Placement::trailing;
  std::shared_ptr<const View> content{};
  static ToolbarItem leading(View view);
  static ToolbarItem trailing(View view);
};

struct Node;
class View;

// What a sheet shows, and what the person's swipe does to let it go.
struct Presentation;

// A view: a cheap immutable value describing one node of the tree and everything beneath it.
// Building one never draws anything; the runtime serialises the tree and the display draws it.
// Modifiers are chained on temporaries and reuse their node instead of copying it; a named view
// is modified through std::move(view).padding(), or View(view).padding() to keep it as it is.
class View {
 public:
  View();             // the empty view
  View(Color color);  // a colour fills the space it is offered
  explicit View(std::shared_ptr<Node> node) : node_(std::move(node)) {}

  const Node& node() const { return *node_; }
  NodeType type() const;
  Flex flex() const;
  const std::string& key() const;

  // --- layout
  View padding(double length = 16) &&;
  View padding(Edge edges, double length = 16) &&;
  View padding(EdgeInsets insets) &&;
  View frame(const Frame& frame) &&;
  View aspectRatio(double ratio, ContentMode mode = ContentMode::fit) &&;
  View background(Color color) &&;
  View background(const Gradient& gradient) &&;
  View background(View view, Alignment alignment = Alignment::center) &&;
  View overlay(View view, Alignment alignment = Alignment::center) &&;
  View clipShape(const Shape& shape) &&;
  View cornerRadius(double radius) &&;
  View opacity(double value) &&;
  View offset(double x, double y) &&;
  View ignoresSafeArea(Edge edges = Edge::all) &&;

  // --- inherited style
  View font(const Font& font) &&;
  View fontWeight(FontWeight weight) &&;
  View bold() &&;
  View italic() &&;
  View foregroundColor(Color color) &&;
  View tint(Color color) &&;
  View lineLimit(std::optional<int> lines) &&;
  View multilineTextAlignment(TextAlignment alignment) &&;
  View lineSpacing(double spacing) &&;
  View preferredColorScheme(ColorScheme scheme) &&;
  View disabled(bool isDisabled = true) &&;
  View listRowBackground(Color color) &&;

  // --- per kind (ignored on nodes of another kind)
  View resizable() &&;                     // image
  View scaledToFill() &&;                  // image
  View scaledToFit() &&;                   // image
  View renderingTemplate() &&;             // image: tinted by the foreground colour
  View fill(Color color) &&;               // shape
  View fill(const Gradient& gradient) &&;  // shape
  View stroke(Color color, double lineWidth = 1, std::vector<double> dash = {}) &&;  // shape
  View buttonStyle(ButtonStyle style) &&;                                            // button
  View labelsHidden() &&;  // toggle, date picker
  View accessibilityLabel(std::string label) &&;

  // --- identity, events, lifecycle, motion
  View id(std::string key) &&;
  View onTapGesture(Action action) &&;
  View onAppear(Action action) &&;
  View onDisappear(Action action) &&;
  View transition(Transition transition, std::optional<Animation> animation = std::nullopt) &&;
  // Changes beneath this node carry `animation` whenever `value` differs from the last tree.
  template <class T>
  View animation(const Animation& animation, const T& value) && {
    return std::move(*this).animationTie(animation, std::hash<T>{}(value));
  }
  View repeatingAnimation(AnimatedProperty property, double from, double to,
                          const Animation& animation) &&;

  // --- navigation page and presentations
  View navigationTitle(std::string title) &&;
  View navigationBarTitleDisplayMode(TitleDisplayMode mode) &&;
  View toolbar(std::vector<ToolbarItem> items) &&;
  View searchable(Binding<std::string> text, std::string prompt) &&;
  // Presents a sheet while there is a presentation (a ScreenSlot's, usually: `.sheet(editor_)`);
  // the person swiping it away runs its dismiss action.
  View sheet(std::optional<Presentation> presentation) &&;
  template <class Slot>
    requires requires(const Slot& slot) {
      { slot.presentation() } -> std::same_as<std::optional<Presentation>>;
    }
  View sheet(const Slot& slot) && {
    return std::move(*this).sheet(slot.presentation());
  }
  View interactiveDismissDisabled(bool isDisabled = true) &&;
  View alert(std::string title, Binding<bool> isPresented, std::vector<AlertButton> buttons,
             std::string message = {}) &&;

  // Used by the factories and the runtime.
  Node& mutableNode();
  std::shared_ptr<const Node> shared() const { return node_; }

 private:
  View animationTie(const Animation& animation, std::size_t value) &&;
  View wrap(NodeType type) &&;
  std::shared_ptr<Node> node_;
};

struct Presentation {
  View content;
  Action dismiss;
};

// A property value: null, bool, number, static text, owned text, colour, gradient, shape,
// any JSON, or nested views (toolbar items).
using PropValue = std::variant<std::monostate, bool, double, std::string_view, std::string, Color,
                               Gradient, Stroke, Json, std::vector<View>>;

struct PageInfo {
  std::optional<std::string> title;
  TitleDisplayMode mode = TitleDisplayMode::automatic;
  std::vector<View> leading, trailing;
  std::optional<View> search;
};

// The rarely used parts of a node, kept out of line so that ordinary nodes stay small.
struct NodeExtras {
  Action onAppear, onDisappear;
  std::vector<std::pair<Animation, std::size_t>> ties;
  std::shared_ptr<const PageInfo> page;
  // For each child, its slot among the children as written (a ForEach is one slot), when a
  // ForEach was spliced in; otherwise the slot is the child's position.
  std::vector<std::uint32_t> slots;
  bool dismissDisabled = false;
};

struct Node {
  NodeType type = NodeType::empty;
  Flex flex = Flex::none;
  std::string key;
  std::vector<std::pair<Prop, PropValue>> props;
  Style style;
  std::vector<View> children;
  std::vector<Handler> handlers;
  std::shared_ptr<NodeExtras> extras;

  const PropValue* prop(Prop p) const;
  void set(Prop p, PropValue value);
  NodeExtras& mutableExtras();
};

Json toJson(const Animation& animation);
View colorView(Color color);
View gradientView(const Gradient& gradient);
void putShapeProps(Node& node, const Shape& shape);

// A node of `type` with `children`, splicing in ForEach rows and working out flexibility.
View makeNode(NodeType type, std::vector<View> children = {});
// Flexibility of a container of `type` from its children.
Flex containerFlex(NodeType type, const std::vector<View>& children);

}  // namespace platform::ui
