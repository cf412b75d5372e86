#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Clock.hpp"
#include "platform/foundation/CurrentCalendar.hpp"
#include "platform/foundation/Json.hpp"
#include "platform/foundation/VirtualMainQueue.hpp"
#include "platform/ui/Environment.hpp"
#include "platform/ui/LocalTime.hpp"
#include "platform/ui/Runtime.hpp"

namespace platform::ui {

// Picks nodes of the published tree.
struct Matcher {
  std::string description;
  std::function<bool(const Json& node)> test;
};
Matcher text(std::string text);            // a text node with exactly this text
Matcher textContaining(std::string part);  // a text node whose text contains this
Matcher symbol(std::string name);          // a symbol node
Matcher nodeId(std::string id);            // the node with this id
Matcher kind(std::string type);            // any node of this wire type ("button")
Matcher label(std::string label);          // accessible label, title or placeholder
Matcher placeholder(std::string placeholder);
Matcher operator&&(Matcher a, Matcher b);
Matcher containing(Matcher inner);  // a node with a matching node beneath it

// One node of the published tree, copied out of it (it stays valid after later renders).
class NodeRef {
 public:
  NodeRef() = default;
  explicit NodeRef(Json node) : node_(std::move(node)) {}
  explicit operator bool() const { return !node_.is_null(); }
  const Json& json() const { return node_; }
  std::string type() const;
  std::string id() const;
  // A property (`p`), null when absent.
  Json prop(const std::string& name) const;
  // The node's text, or the texts beneath it joined by spaces.
  std::string text() const;

 private:
  Json node_;
};

// Drives screens headless: a virtual clock and main queue, a runtime, and the user's hands. It
// looks only at what a user could reach: the selected tab, the top page of each stack, and the
// topmost sheet or alert when one is shown (Scope::wholeTree looks everywhere).
class TestHarness {
 public:
  enum class Scope { reachable, wholeTree };

  // The user's wall clock is the current calendar's (pin it with a ScopedTimeZone), which follows
  // TZ when a test changes it between turns.
  TestHarness();
  // The user's wall clock runs at a fixed offset from UTC, for date picker tests.
  explicit TestHarness(int utcOffsetSeconds);
  ~TestHarness();

  Environment& environment() { return *environment_; }
  ManualClock& clock() { return clock_; }
  VirtualMainQueue& queue() { return queue_; }
  CurrentCalendar& calendar() { return calendar_; }
  Runtime& runtime() { return runtime_; }

  // Sets the root and renders it (running the appear actions that follow).
  void show(std::function<View()> root);
  void render();
  // Moves time on, running every delayed step that falls due and rendering after each turn.
  void advance(double seconds);

  NodeRef find(const Matcher& matcher, Scope scope = Scope::reachable) const;
  std::vector<NodeRef> findAll(const Matcher& matcher, Scope scope = Scope::reachable) const;
  bool exists(const Matcher& matcher, Scope scope = Scope::reachable) const;
  // The first node beneath `within` (itself included) that matches: "the Done button of the
  // Monstera row".
  static NodeRef find(const Matcher& matcher, const NodeRef& within);
  // Every reachable text, in tree order: what the screen says, top to bottom.
  std::vector<std::string> texts(Scope scope = Scope::reachable) const;
  // The alert shown on top, if any.
  NodeRef alert() const;

  // Each answers false (and says why in lastError()) when the user could not do it.
  bool tap(const Matcher& matcher);
  bool tap(const NodeRef& node);
  bool type(const Matcher& matcher, std::string text);
  bool toggle(const Matcher& matcher);
  bool setToggle(const Matcher& matcher, bool on);
  // A menu picker's option by its label, or a date picker's value in wire form ("09:30").
  bool pick(const Matcher& matcher, const std::string& option);
  bool pickDate(const Matcher& matcher, Date date);
  // Chooses a photo with these bytes in the photo picker at `matcher`, as a display uploads one.
  bool pickPhoto(const Matcher& matcher, std::vector<std::uint8_t> bytes);
  bool selectTab(int index);
  bool dismissSheet();
  bool tapAlertButton(const std::string& label);
  bool pop();
  // An arbitrary event, as a display could send it.
  void send(const std::string& handlerId, Json value = nullptr);

  std::vector<std::string> haptics() const { return runtime_.haptics().playedTexts(); }
  const std::vector<std::string>& openedURLs() const { return runtime_.openedURLs(); }
  const std::string& lastError() const { return lastError_; }

  // The canonical text of the published tree (or of one node): one line per node, indented by
  // depth, with its type, text, properties, style (".name"), flexibility and events.
  std::string dump(Scope scope = Scope::wholeTree) const;
  static std::string dump(const NodeRef& node);
  const Json& tree() const;

 private:
  struct Index;
  const Index& index() const;
  std::optional<std::size_t> firstReachable(const Matcher& matcher, Scope scope) const;
  std::optional<std::size_t> ancestorWith(std::size_t entry, const std::string& event,
                                          const std::vector<std::string>& types) const;
  bool fire(std::size_t entry, const std::string& event, Json value);
  bool fail(std::string why);
  void settle();

  ManualClock clock_;
  VirtualMainQueue queue_{clock_};
  Runtime runtime_{queue_};
  CurrentCalendar calendar_;
  std::unique_ptr<LocalTime> localTime_;
  std::unique_ptr<Environment> environment_;
  mutable std::unique_ptr<Index> index_;
  mutable long indexedRevision_ = -1;
  std::string lastError_;
};

}  // namespace platform::ui
