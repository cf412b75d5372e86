#include "platform/ui/WireReader.hpp"

#include <string>
#include <vector>

namespace platform::ui {

namespace {

struct Reader {
  std::vector<Json> props, styles;

  // A repeated object by its number, or the object itself, which then takes the next number.
  static void resolve(Json& value, std::vector<Json>& seen, bool sharing) {
    if (value.is_number_unsigned()) {
      const auto index = value.get<std::size_t>();
      value = index < seen.size() ? seen[index] : Json::object();
    } else if (value.is_object() && sharing) {
      seen.push_back(value);
    }
  }

  void node(Json& n, const std::string& parentId, const std::string& position, bool sharing) {
    if (!n.is_object()) return;
    auto own = n.find("id");
    const std::string segment = own != n.end() && own->is_string() ? own->get<std::string>() : position;
    const std::string id = parentId.empty() ? segment : parentId + "." + segment;
    n["id"] = id;
    const std::string type = n.value("t", "");

    if (auto p = n.find("p"); p != n.end()) {
      if (type == "page" && p->is_object()) {
        // The top bar's nodes are written out in full: nothing in them is shared.
        for (const char* bar : {"leading", "trailing", "search"})
          if (auto items = p->find(bar); items != p->end() && items->is_array())
            for (std::size_t i = 0; i < items->size(); ++i)
              node((*items)[i], id, bar + std::to_string(i), false);
      } else {
        resolve(*p, props, sharing);
      }
    }
    if (auto s = n.find("s"); s != n.end()) resolve(*s, styles, sharing);

    if (auto on = n.find("on"); on != n.end() && on->is_array()) {
      Json handlers = Json::object();
      for (const Json& event : *on)
        if (event.is_string()) handlers[event.get<std::string>()] = id + ":" + event.get<std::string>();
      *on = std::move(handlers);
    }
    if (type == "alert") {
      auto p = n.find("p");
      if (p != n.end() && p->is_object() && p->contains("buttons") && (*p)["buttons"].is_array()) {
        Json& buttons = (*p)["buttons"];
        const Json* on = n.contains("on") ? &n["on"] : nullptr;
        for (std::size_t i = 0; i < buttons.size(); ++i) {
          const std::string event = "button." + std::to_string(i);
          buttons[i]["handler"] = on && on->contains(event) ? Json(id + ":" + event) : Json();
        }
      }
    }

    if (auto c = n.find("c"); c != n.end() && c->is_array())
      for (std::size_t i = 0; i < c->size(); ++i) node((*c)[i], id, std::to_string(i), sharing);
  }
};

}  // namespace

Json readWireTree(Json root) {
  Reader reader;
  reader.node(root, "", "0", true);
  return root;
}

}  // namespace platform::ui
