#include "platform/ui/TabView.hpp"

namespace platform::ui {

View TabView(Binding<int> selection, std::vector<Tab> tabs, Color accent) {
  std::vector<View> pages;
  Json list = Json::array();
  for (Tab& tab : tabs) {
    list.push_back({{"title", tab.title}, {"symbol", tab.symbol}});
    pages.push_back(std::move(tab.content));
  }
  const int count = int(pages.size());
  View v = makeNode(NodeType::tabview, std::move(pages));
  Node& n = v.mutableNode();
  n.props.emplace_back(Prop::selection, double(selection.get()));
  n.props.emplace_back(Prop::accent, accent);
  n.props.emplace_back(Prop::tabs, std::move(list));
  n.handlers.push_back({EventKind::select, 0, [selection, count](const Json& value) {
                          if (!value.is_number_integer()) return false;
                          const auto index = value.get<std::int64_t>();
                          if (index < 0 || index >= count) return false;
                          if (index != selection.get()) selection.set(int(index));
                          return true;
                        }});
  return v;
}

}  // namespace platform::ui
