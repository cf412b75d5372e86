#include "platform/ui/Content.hpp"

#include <cctype>

namespace platform::ui {

View Text(std::string text) {
  View v = makeNode(NodeType::text);
  v.mutableNode().props.emplace_back(Prop::text, std::move(text));
  return v;
}

View Symbol(std::string symbolName) {
  View v = makeNode(NodeType::symbol);
  v.mutableNode().props.emplace_back(Prop::name, std::move(symbolName));
  return v;
}

namespace {
// Asset names go into a URL path: anything beyond the unreserved characters is percent-encoded.
std::string encodePathSegment(const std::string& text) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~') {
      out += char(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}
}  // namespace

View Image(std::string assetName) {
  View v = makeNode(NodeType::image);
  v.mutableNode().props.emplace_back(Prop::src, "/asset/" + encodePathSegment(assetName));
  return v;
}

View Image(URL url) {
  View v = makeNode(NodeType::image);
  v.mutableNode().props.emplace_back(Prop::src, std::move(url.path));
  return v;
}

View colorView(Color color) {
  View v = makeNode(NodeType::color);
  v.mutableNode().props.emplace_back(Prop::color, color);
  return v;
}

View gradientView(const Gradient& gradient) {
  View v = makeNode(NodeType::gradient);
  v.mutableNode().props.emplace_back(Prop::gradient, gradient);
  return v;
}

View LinearGradient(Gradient gradient) {
  return gradientView(gradient);
}
View LinearGradient(std::vector<Color> colors, UnitPoint start, UnitPoint end) {
  return gradientView(Gradient::linear(std::move(colors), start, end));
}

View ShapeView(const Shape& shape) {
  View v = makeNode(NodeType::shape);
  putShapeProps(v.mutableNode(), shape);
  return v;
}
View Rectangle() {
  return ShapeView(Shape::rect());
}
View RoundedRectangle(double radius, CornerStyle style) {
  return ShapeView(Shape::roundedRect(radius, style));
}
View Circle() {
  return ShapeView(Shape::circle());
}
View Ellipse() {
  return ShapeView(Shape::ellipse());
}
View Capsule() {
  return ShapeView(Shape::capsule());
}

View Divider() {
  return makeNode(NodeType::divider);
}

View ProgressView(ProgressOptions o) {
  View v = makeNode(NodeType::progress);
  Node& n = v.mutableNode();
  n.props.emplace_back(Prop::style, std::string_view("circular"));
  if (o.small) n.props.emplace_back(Prop::size, std::string_view("small"));
  if (!o.label.empty()) n.props.emplace_back(Prop::label, std::move(o.label));
  if (o.value)
    n.props.emplace_back(Prop::value, *o.value);
  else
    n.props.emplace_back(Prop::value, std::monostate{});
  return v;
}

View Particles(Json layers, std::optional<ParticleTime> time) {
  View v = makeNode(NodeType::particles);
  Node& n = v.mutableNode();
  n.props.emplace_back(Prop::layers, std::move(layers));
  if (time)
    n.props.emplace_back(
        Prop::animateTime,
        Json{{"from", time->from}, {"to", time->to}, {"duration", time->duration}});
  return v;
}

}  // namespace platform::ui
