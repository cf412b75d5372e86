#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ui/View.hpp"

namespace platform::ui {

// A node that asked to hear when it comes and goes. Its identity is its id and its type, so a
// different kind of view in the same place counts as a new one.
struct LifecycleEntry {
  std::string identity;
  Action onAppear, onDisappear;
};

// A node whose changes animate when a tied value changes.
struct AnimationTie {
  std::string id;
  Animation animation;
  std::size_t value;
};

// One tree, serialised, with what the runtime needs to answer its events.
struct WireTree {
  std::string json;  // the root node, in the compact form
  std::unordered_map<std::string, EventHandler> handlers;
  std::vector<LifecycleEntry> lifecycle;  // in tree order
  std::vector<AnimationTie> ties;
};

// Writes a view tree as the wire format's JSON in its compact form (WIRE.md): every node is
// known by its id (the path of child slots from the root, "@key" where a key is given) and every
// live handler by "<node id>:<event>", but a node carries only its own segment of the id, where
// it is not its position, and only the names of its events; repeated property and style objects
// travel once. Handlers beneath a disabled node are left out: they cannot fire.
class WireWriter {
 public:
  // `openURL` is what a tapped Link does.
  explicit WireWriter(std::function<void(const std::string& url)> openURL = {});
  WireTree write(const View& root);

 private:
  struct State;
  std::function<void(const std::string&)> openURL_;
  // Trees of one screen are much alike in size; reserving what the last one took saves the
  // copies of growing a string of hundreds of kilobytes.
  std::size_t lastSize_ = 4096;
};

// Appends `text` as a JSON string; invalid UTF-8 becomes U+FFFD rather than breaking the frame.
void appendJsonString(std::string& out, std::string_view text);
// Appends a number; integral values without a fraction, infinity as "infinity", NaN as null.
void appendJsonNumber(std::string& out, double value);

}  // namespace platform::ui
