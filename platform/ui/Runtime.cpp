#include "platform/ui/Runtime.hpp"

#include <exception>
#include <iterator>
#include <unordered_set>

#include "platform/foundation/Log.hpp"

namespace platform::ui {

namespace detail {
void beginBuilding();
void endBuilding();
}  // namespace detail

namespace {
struct BuildingScope {
  BuildingScope() { detail::beginBuilding(); }
  ~BuildingScope() { detail::endBuilding(); }
};

std::string hapticMessage(const HapticEvent& event) {
  Json message = {{"type", "haptic"}};
  switch (event.kind) {
    case HapticEvent::Kind::impact:
      message["kind"] = "impact";
      message["style"] = event.impact == ImpactStyle::light    ? "light"
                         : event.impact == ImpactStyle::medium ? "medium"
                                                               : "heavy";
      break;
    case HapticEvent::Kind::selection:
      message["kind"] = "selection";
      break;
    case HapticEvent::Kind::notification:
      message["kind"] = "notification";
      message["style"] = "success";
      break;
  }
  return message.dump();
}
}  // namespace

Runtime::Runtime(MainQueue& queue)
    : queue_(queue),
      alive_(std::make_shared<bool>(true)),
      // The display opens a link itself, inside the click (where no popup blocker objects), and
      // only tells the application: the address is recorded, not sent back.
      writer_([this](const std::string& url) { openedURLs_.push_back(url); }) {
  // The queue keeps its observers for ever; the runtime may go first.
  queue_.addEndOfTurnObserver([this, alive = std::weak_ptr<bool>(alive_)] {
    if (alive.lock()) render();
  });
  haptics_.setSink([this](const HapticEvent& event) { send(hapticMessage(event)); });
}

Runtime::~Runtime() {
  *alive_ = false;
  // Letting a screen go can retire the screens it owns; drain until nothing is left.
  while (!retired_.empty()) {
    auto batch = std::move(retired_);
    retired_.clear();
    batch.clear();
  }
}

void Runtime::setRoot(std::function<View()> root) {
  root_ = std::move(root);
}

void Runtime::setDisplay(std::function<void(const std::string&)> send) {
  display_ = std::move(send);
}

void Runtime::send(const std::string& message) {
  if (display_) display_(message);
}

void Runtime::render() {
  if (!root_ || rendering_) return;
  rendering_ = true;
  WireTree tree;
  std::string system;
  try {
    BuildingScope building;
    View root = root_();
    tree = writer_.write(root);
    // The platform's own presentations are a tree of their own, drawn above the application's,
    // so that showing them never changes an id of the application's tree.
    if (systemLayer_.isShowing()) {
      WireTree layer = writer_.write(systemLayer_.body().id("system-layer"));
      system = std::move(layer.json);
      tree.handlers.merge(layer.handlers);
      std::move(layer.lifecycle.begin(), layer.lifecycle.end(), std::back_inserter(tree.lifecycle));
      std::move(layer.ties.begin(), layer.ties.end(), std::back_inserter(tree.ties));
    }
  } catch (const std::exception& error) {
    // A screen that cannot be built keeps the last tree on screen (and its handlers) rather
    // than taking the whole application down.
    rendering_ = false;
    logLine(std::string("Building the view tree failed: ") + error.what());
    return;
  }
  rendering_ = false;
  tasksAtLastRender_ = queue_.tasksStarted();
  handlers_ = std::move(tree.handlers);

  // A change made inside withAnimation wins; otherwise a tied value that changed lends its own.
  std::optional<Animation> animation = std::move(pendingAnimation_);
  pendingAnimation_.reset();
  std::unordered_map<std::string, std::size_t> ties;
  for (const AnimationTie& tie : tree.ties) {
    auto previous = ties_.find(tie.id);
    if (!animation && previous != ties_.end() && previous->second != tie.value)
      animation = tie.animation;
    ties.emplace(tie.id, tie.value);
  }
  ties_ = std::move(ties);

  if (tree.json != rootJson_ || system != systemJson_) {
    rootJson_ = std::move(tree.json);
    systemJson_ = std::move(system);
    ++revision_;
    publishedAnimation_ = animation;
    treeMessage_.clear();
    treeMessage_.reserve(rootJson_.size() + systemJson_.size() + 128);
    treeMessage_ += "{\"type\":\"tree\",\"rev\":";
    treeMessage_ += std::to_string(revision_);
    treeMessage_ += ",\"root\":";
    treeMessage_ += rootJson_;
    if (!systemJson_.empty()) {
      treeMessage_ += ",\"system\":";
      treeMessage_ += systemJson_;
    }
    treeMessage_ += ",\"animation\":";
    treeMessage_ += animation ? toJson(*animation).dump() : "null";
    treeMessage_ += '}';
    send(treeMessage_);
  }

  // Views that left the tree hear it first, then the ones that came; both after the render, on
  // the queue, so that what they change is drawn in the next turn.
  std::unordered_set<std::string> now;
  for (const LifecycleEntry& entry : tree.lifecycle) now.insert(entry.identity);
  std::unordered_set<std::string> before;
  for (const LifecycleEntry& entry : lifecycle_) before.insert(entry.identity);
  std::vector<Action> actions;
  for (const LifecycleEntry& entry : lifecycle_)
    if (entry.onDisappear && !now.count(entry.identity)) actions.push_back(entry.onDisappear);
  for (const LifecycleEntry& entry : tree.lifecycle)
    if (entry.onAppear && !before.count(entry.identity)) actions.push_back(entry.onAppear);
  lifecycle_ = std::move(tree.lifecycle);

  std::vector<std::shared_ptr<void>> retired = std::move(retired_);
  retired_.clear();
  if (!actions.empty() || !retired.empty()) {
    queue_.async([alive = std::weak_ptr<bool>(alive_), actions = std::move(actions),
                  retired = std::move(retired)]() mutable {
      if (!alive.lock()) return;
      for (Action& action : actions) action();
      retired.clear();
    });
  }
}

void Runtime::dispatch(std::string handlerId, Json value) {
  queue_.async([this, alive = std::weak_ptr<bool>(alive_), id = std::move(handlerId),
                value = std::move(value)] {
    if (alive.lock()) runEvent(id, value);
  });
}

void Runtime::runEvent(const std::string& handlerId, const Json& value) {
  // Earlier work may have changed the state the last tree was built from; the event is for what
  // is on screen now, so look it up in a tree built from the current state. When nothing but this
  // event ran since the last render, that tree is current already.
  if (queue_.tasksStarted() != tasksAtLastRender_ + 1) render();
  auto found = handlers_.find(handlerId);
  if (found == handlers_.end()) {
    logLine("Ignored an event for an unknown handler: " + handlerId);
    return;
  }
  EventHandler handler = found->second;  // the handler may re-render and replace the table
  if (!handler(value)) logLine("Ignored an event with a value of the wrong type: " + handlerId);
}

void Runtime::withAnimation(const Animation& animation, const std::function<void()>& change) {
  pendingAnimation_ = animation;
  change();
}

void Runtime::openURL(const std::string& url) {
  openedURLs_.push_back(url);
  send(
      Json{{"type", "openURL"}, {"url", url}}.dump(-1, ' ', false, Json::error_handler_t::replace));
}

void Runtime::retire(std::shared_ptr<void> screen) {
  if (screen) retired_.push_back(std::move(screen));
}

}  // namespace platform::ui
