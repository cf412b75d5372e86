#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/View.hpp"

namespace platform::ui {

struct VStackOptions {
  HorizontalAlignment alignment = HorizontalAlignment::center;
  std::optional<double> spacing{};  // none: the platform's default
};
struct HStackOptions {
  VerticalAlignment alignment = VerticalAlignment::center;
  std::optional<double> spacing{};
};
struct ZStackOptions {
  Alignment alignment = Alignment::center;
};

View VStack(std::vector<View> children);
View VStack(VStackOptions options, std::vector<View> children);
View HStack(std::vector<View> children);
View HStack(HStackOptions options, std::vector<View> children);
View ZStack(std::vector<View> children);
View ZStack(ZStackOptions options, std::vector<View> children);
View LazyVStack(VStackOptions options, std::vector<View> children);
View LazyHStack(HStackOptions options, std::vector<View> children);

struct GridItem {
  double minimum = 10;
  double maximum = infinity;
  std::optional<double> spacing{};
  static GridItem flexible(double minimum = 10, double maximum = infinity,
                           std::optional<double> spacing = std::nullopt) {
    return {minimum, maximum, spacing};
  }
};
struct GridOptions {
  HorizontalAlignment alignment = HorizontalAlignment::center;
  std::optional<double> spacing{};  // between rows
};
// A lazily built vertical grid: children fill the columns row by row.
View LazyVGrid(std::vector<GridItem> columns, GridOptions options, std::vector<View> children);

View Spacer(std::optional<double> minLength = std::nullopt);
// Draws nothing; stands in for a child that is not there so its siblings keep their identity.
View EmptyView();

struct ScrollOptions {
  Axis axis = Axis::vertical;
  bool showsIndicators = true;
};
View ScrollView(View content);
View ScrollView(ScrollOptions options, View content);

enum class ListStyle { plain, insetGrouped };
struct ListOptions {
  ListStyle style = ListStyle::plain;
  bool hideBackground = false;
};
View List(ListOptions options, std::vector<View> sections);
View Section(std::optional<std::string> header, std::vector<View> rows);

// Rows built from a collection, each identified by its key (not its position), so a row keeps
// its identity when rows before it come or go. The rows take the place of the ForEach among the
// children of the container that holds it.
template <class Items, class KeyFn, class Builder>
View ForEach(const Items& items, KeyFn key, Builder build) {
  std::vector<View> rows;
  if constexpr (requires { items.size(); }) rows.reserve(items.size());
  for (const auto& item : items) rows.push_back(build(item).id(std::string(key(item))));
  return makeNode(NodeType::fragment, std::move(rows));
}

}  // namespace platform::ui
