#include "platform/ui/NavigationStack.hpp"

namespace platform::ui {
namespace {

View page(View content, bool backButton) {
  std::shared_ptr<const PageInfo> info =
      content.node().extras ? content.node().extras->page : nullptr;
  View v = makeNode(NodeType::page, {std::move(content)});
  Node& n = v.mutableNode();
  const std::string title = info && info->title ? *info->title : std::string();
  n.props.emplace_back(Prop::title, title);
  // Pages with a title show it large unless asked otherwise, as the platform's stacks do.
  const TitleDisplayMode mode = info ? info->mode : TitleDisplayMode::automatic;
  n.props.emplace_back(Prop::titleMode,
                       std::string_view(mode == TitleDisplayMode::inline_ ? "inline" : "large"));
  n.props.emplace_back(Prop::backButton, backButton);
  if (info && !info->leading.empty()) n.props.emplace_back(Prop::leading, info->leading);
  if (info && !info->trailing.empty()) n.props.emplace_back(Prop::trailing, info->trailing);
  if (info && info->search) n.props.emplace_back(Prop::search, std::vector<View>{*info->search});
  return v;
}

}  // namespace

View navigationStackNode(View root, std::vector<NavigationPage> pushed,
                         std::function<void(std::size_t depth)> pop) {
  std::vector<View> pages;
  pages.reserve(pushed.size() + 1);
  pages.push_back(page(std::move(root), false));
  for (NavigationPage& p : pushed)
    pages.push_back(page(std::move(p.content), true).id("p" + std::to_string(p.serial)));
  View v = makeNode(NodeType::navstack, std::move(pages));
  const std::size_t depth = pushed.size();
  v.mutableNode().handlers.push_back({EventKind::pop, 0, [depth, pop](const Json& value) {
                                        if (!value.is_number_integer()) return false;
                                        const auto to = value.get<std::int64_t>();
                                        if (to < 0 || std::size_t(to) >= depth) return false;
                                        pop(std::size_t(to));
                                        return true;
                                      }});
  return v;
}

}  // namespace platform::ui
