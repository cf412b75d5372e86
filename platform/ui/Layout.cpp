#include "platform/ui/Layout.hpp"

namespace platform::ui {
namespace {

View stack(NodeType type, const char* alignment, std::optional<double> spacing,
           std::vector<View> children) {
  View v = makeNode(type, std::move(children));
  Node& n = v.mutableNode();
  n.props.reserve(2);
  if (spacing)
    n.props.emplace_back(Prop::spacing, *spacing);
  else
    n.props.emplace_back(Prop::spacing, std::monostate{});
  n.props.emplace_back(Prop::alignment, std::string_view(alignment));
  return v;
}

}  // namespace

View VStack(std::vector<View> children) {
  return VStack({}, std::move(children));
}
View VStack(VStackOptions o, std::vector<View> children) {
  return stack(NodeType::vstack, name(o.alignment), o.spacing, std::move(children));
}
View HStack(std::vector<View> children) {
  return HStack({}, std::move(children));
}
View HStack(HStackOptions o, std::vector<View> children) {
  return stack(NodeType::hstack, name(o.alignment), o.spacing, std::move(children));
}
View ZStack(std::vector<View> children) {
  return ZStack({}, std::move(children));
}
View ZStack(ZStackOptions o, std::vector<View> children) {
  View v = makeNode(NodeType::zstack, std::move(children));
  v.mutableNode().props.emplace_back(Prop::alignment, std::string_view(name(o.alignment)));
  return v;
}
View LazyVStack(VStackOptions o, std::vector<View> children) {
  return stack(NodeType::lazyvstack, name(o.alignment), o.spacing, std::move(children));
}
View LazyHStack(HStackOptions o, std::vector<View> children) {
  return stack(NodeType::lazyhstack, name(o.alignment), o.spacing, std::move(children));
}

View LazyVGrid(std::vector<GridItem> columns, GridOptions o, std::vector<View> children) {
  View v = stack(NodeType::grid, name(o.alignment), o.spacing, std::move(children));
  Json list = Json::array();
  for (const GridItem& column : columns) {
    Json entry = {{"min", column.minimum}};
    entry["max"] = column.maximum == infinity ? Json("infinity") : Json(column.maximum);
    entry["spacing"] = column.spacing ? Json(*column.spacing) : Json();
    list.push_back(std::move(entry));
  }
  v.mutableNode().props.emplace_back(Prop::columns, std::move(list));
  return v;
}

View Spacer(std::optional<double> minLength) {
  View v = makeNode(NodeType::spacer);
  if (minLength) v.mutableNode().props.emplace_back(Prop::minLength, *minLength);
  return v;
}

View EmptyView() {
  return View();
}

View ScrollView(View content) {
  return ScrollView({}, std::move(content));
}
View ScrollView(ScrollOptions o, View content) {
  View v = makeNode(NodeType::scroll, {std::move(content)});
  Node& n = v.mutableNode();
  n.props.emplace_back(Prop::axis,
                       std::string_view(o.axis == Axis::vertical ? "vertical" : "horizontal"));
  n.props.emplace_back(Prop::indicators, o.showsIndicators);
  // A vertical scroll area takes all the room it is offered; a horizontal one only the width.
  n.flex = o.axis == Axis::vertical ? Flex::hv : Flex::h;
  return v;
}

View List(ListOptions o, std::vector<View> sections) {
  View v = makeNode(NodeType::list, std::move(sections));
  Node& n = v.mutableNode();
  n.props.emplace_back(Prop::style,
                       std::string_view(o.style == ListStyle::plain ? "plain" : "insetGrouped"));
  if (o.hideBackground) n.props.emplace_back(Prop::hideBackground, true);
  return v;
}

View Section(std::optional<std::string> header, std::vector<View> rows) {
  View v = makeNode(NodeType::section, std::move(rows));
  if (header)
    v.mutableNode().props.emplace_back(Prop::header, std::move(*header));
  else
    v.mutableNode().props.emplace_back(Prop::header, std::monostate{});
  return v;
}

}  // namespace platform::ui
