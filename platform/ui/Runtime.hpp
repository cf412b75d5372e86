#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/foundation/Json.hpp"
#include "platform/foundation/MainQueue.hpp"
#include "platform/ui/Haptics.hpp"
#include "platform/ui/PickedFiles.hpp"
#include "platform/ui/SystemLayer.hpp"
#include "platform/ui/View.hpp"
#include "platform/ui/WireWriter.hpp"

namespace platform::ui {

// Runs the user interface on the main queue: builds the root's tree at the end of every turn in
// which anything ran, sends it to the display when it changed, answers the display's events
// with the handlers of the latest tree, and tells views when they come and go.
class Runtime {
 public:
  explicit Runtime(MainQueue& queue);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  void setRoot(std::function<View()> root);
  // Where the wire messages (WIRE.md, one JSON text each) go: trees, haptics, addresses to open.
  void setDisplay(std::function<void(const std::string& message)> send);

  // Builds the tree now and publishes it if it changed. Normally the end of a turn does this.
  void render();

  // An event from the display. It runs on the main queue, against a tree built from the state
  // as it is then; an id that tree does not have, or a value the control cannot take, is
  // ignored and logged.
  void dispatch(std::string handlerId, Json value = nullptr);

  // Runs `change` and marks the next published tree with `animation`.
  void withAnimation(const Animation& animation, const std::function<void()>& change);
  // Asks the display to open `url` outside the application. Links need not: the display opens
  // them itself, and the taps it reports are recorded in openedURLs() as well.
  void openURL(const std::string& url);

  Haptics& haptics() { return haptics_; }
  // The platform's own presentations, drawn above the root.
  SystemLayer& systemLayer() { return systemLayer_; }
  // The files chosen on a display (photo library picks), until picker items load them.
  const std::shared_ptr<PickedFiles>& pickedFiles() const { return pickedFiles_; }
  const Haptics& haptics() const { return haptics_; }

  // Keeps a screen that was just taken off the tree alive until its views have been told they
  // disappeared (their onDisappear actions may still refer to it).
  void retire(std::shared_ptr<void> screen);
  // Expires with the runtime: holders of screens check it before retiring one, so a screen let
  // go after the runtime is gone (its owner outlived it) is simply dropped.
  std::weak_ptr<bool> lifetime() const { return alive_; }

  // The latest published "tree" message and its parts.
  const std::string& treeMessage() const { return treeMessage_; }
  const std::string& rootJson() const { return rootJson_; }
  // The system layer's tree while it shows anything; empty otherwise.
  const std::string& systemJson() const { return systemJson_; }
  long revision() const { return revision_; }
  const std::optional<Animation>& publishedAnimation() const { return publishedAnimation_; }
  const std::vector<std::string>& openedURLs() const { return openedURLs_; }
  std::size_t handlerCount() const { return handlers_.size(); }

 private:
  void runEvent(const std::string& handlerId, const Json& value);
  void send(const std::string& message);

  MainQueue& queue_;
  std::shared_ptr<bool> alive_;
  std::function<View()> root_;
  std::function<void(const std::string&)> display_;
  WireWriter writer_;
  Haptics haptics_;
  SystemLayer systemLayer_{queue_};
  std::shared_ptr<PickedFiles> pickedFiles_ = std::make_shared<PickedFiles>();
  bool rendering_ = false;
  std::uint64_t tasksAtLastRender_ = 0;

  std::unordered_map<std::string, EventHandler> handlers_;
  std::vector<LifecycleEntry> lifecycle_;
  std::unordered_map<std::string, std::size_t> ties_;
  std::vector<std::shared_ptr<void>> retired_;
  std::optional<Animation> pendingAnimation_;

  std::string rootJson_;
  std::string systemJson_;
  std::string treeMessage_;
  long revision_ = 0;
  std::optional<Animation> publishedAnimation_;
  std::vector<std::string> openedURLs_;
};

}  // namespace platform::ui
