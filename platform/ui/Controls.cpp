#include "platform/ui/Controls.hpp"

#include <charconv>
#include <cstdio>

#include "platform/ui/Content.hpp"

namespace platform::ui {

View Button(std::string title, Action action) {
  return Button(ButtonRole::none, Text(std::move(title)), std::move(action));
}

View Button(View label, Action action) {
  return Button(ButtonRole::none, std::move(label), std::move(action));
}

View Button(ButtonRole role, std::string title, Action action) {
  return Button(role, Text(std::move(title)), std::move(action));
}

View Button(ButtonRole role, View label, Action action) {
  View v = makeNode(NodeType::button, {std::move(label)});
  Node& n = v.mutableNode();
  if (role == ButtonRole::destructive)
    n.props.emplace_back(Prop::role, std::string_view("destructive"));
  if (role == ButtonRole::cancel) n.props.emplace_back(Prop::role, std::string_view("cancel"));
  n.handlers.push_back({EventKind::tap, 0, [action = std::move(action)](const Json&) {
                          if (action) action();
                          return true;
                        }});
  return v;
}

View Toggle(View label, Binding<bool> isOn) {
  const bool on = isOn.get();
  View v = makeNode(NodeType::toggle, {std::move(label)});
  Node& n = v.mutableNode();
  n.props.emplace_back(Prop::isOn, on);
  n.handlers.push_back({EventKind::change, 0, [isOn](const Json& value) {
                          if (!value.is_boolean()) return false;
                          isOn.set(value.get<bool>());
                          return true;
                        }});
  return v;
}

View Toggle(std::string label, Binding<bool> isOn) {
  std::string accessible = label;
  View v = Toggle(Text(std::move(label)), std::move(isOn));
  v.mutableNode().props.emplace_back(Prop::label, std::move(accessible));
  return v;
}

namespace {
EventHandler stringSetter(Binding<std::string> text) {
  return [text](const Json& value) {
    if (!value.is_string()) return false;
    text.set(value.get<std::string>());
    return true;
  };
}
}  // namespace

View TextField(std::string placeholder, Binding<std::string> text, TextFieldOptions o) {
  View v = makeNode(NodeType::textfield);
  Node& n = v.mutableNode();
  n.props.emplace_back(Prop::value, text.get());
  n.props.emplace_back(Prop::placeholder, std::move(placeholder));
  if (o.multiline) {
    n.props.emplace_back(Prop::multiline, true);
    if (o.minLines) n.props.emplace_back(Prop::minLines, double(*o.minLines));
    if (o.maxLines) n.props.emplace_back(Prop::maxLines, double(*o.maxLines));
  }
  if (!o.autocorrect) n.props.emplace_back(Prop::autocorrect, false);
  n.handlers.push_back({EventKind::change, 0, stringSetter(std::move(text))});
  return v;
}

View TextEditor(Binding<std::string> text) {
  View v = makeNode(NodeType::texteditor);
  Node& n = v.mutableNode();
  n.props.emplace_back(Prop::value, text.get());
  n.handlers.push_back({EventKind::change, 0, stringSetter(std::move(text))});
  return v;
}

View SearchField(std::string placeholder, Binding<std::string> text) {
  View v = makeNode(NodeType::searchfield);
  Node& n = v.mutableNode();
  n.props.emplace_back(Prop::value, text.get());
  n.props.emplace_back(Prop::placeholder, std::move(placeholder));
  n.handlers.push_back({EventKind::change, 0, stringSetter(std::move(text))});
  return v;
}

std::string datePickerText(Date date, DatePickerMode mode, const LocalTime& localTime) {
  const LocalDateTime f = localTime.fields(date);
  char buffer[32];
  if (mode == DatePickerMode::date)
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", f.year, f.month, f.day);
  else
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", f.hour, f.minute);
  return buffer;
}

namespace {
// Reads exactly `digits` decimal digits at `at`.
std::optional<int> number(std::string_view text, std::size_t at, std::size_t digits) {
  if (at + digits > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = at; i < at + digits; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}
}  // namespace

std::optional<Date> datePickerDate(std::string_view text, Date previous, DatePickerMode mode,
                                   const LocalTime& localTime) {
  LocalDateTime f = localTime.fields(previous);
  if (mode == DatePickerMode::date) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    auto y = number(text, 0, 4), m = number(text, 5, 2), d = number(text, 8, 2);
    if (!y || !m || !d) return std::nullopt;
    f.year = *y;
    f.month = *m;
    f.day = *d;
  } else {
    if (text.size() != 5 || text[2] != ':') return std::nullopt;
    auto h = number(text, 0, 2), m = number(text, 3, 2);
    if (!h || !m) return std::nullopt;
    f.hour = *h;
    f.minute = *m;
    f.second = 0;
  }
  if (f.month < 1 || f.month > 12 || f.day < 1 || f.day > 31 || f.hour > 23 || f.minute > 59)
    return std::nullopt;
  return localTime.date(f);
}

View DatePicker(std::string title, Binding<Date> selection, DatePickerMode mode,
                const LocalTime& localTime) {
  View v = makeNode(NodeType::datepicker);
  Node& n = v.mutableNode();
  n.props.emplace_back(Prop::value, datePickerText(selection.get(), mode, localTime));
  n.props.emplace_back(Prop::mode,
                       std::string_view(mode == DatePickerMode::date ? "date" : "hourMinute"));
  n.props.emplace_back(Prop::title, std::move(title));
  const LocalTime* zone = &localTime;
  n.handlers.push_back({EventKind::change, 0, [selection, mode, zone](const Json& value) {
                          if (!value.is_string()) return false;
                          auto picked = datePickerDate(value.get<std::string>(), selection.get(),
                                                       mode, *zone);
                          if (!picked) return false;
                          selection.set(*picked);
                          return true;
                        }});
  return v;
}

View pickerNode(std::string title, const std::vector<std::string>& labels,
                std::optional<std::size_t> selected, std::function<void(std::size_t)> choose) {
  View v = makeNode(NodeType::picker);
  Node& n = v.mutableNode();
  n.props.emplace_back(Prop::title, std::move(title));
  Json options = Json::array();
  for (std::size_t i = 0; i < labels.size(); ++i)
    options.push_back({{"tag", std::to_string(i)}, {"label", labels[i]}});
  n.props.emplace_back(Prop::options, std::move(options));
  if (selected)
    n.props.emplace_back(Prop::selection, std::to_string(*selected));
  else
    n.props.emplace_back(Prop::selection, std::monostate{});
  n.props.emplace_back(Prop::style, std::string_view("menu"));
  const std::size_t count = labels.size();
  n.handlers.push_back(
      {EventKind::change, 0, [count, choose = std::move(choose)](const Json& value) {
         if (!value.is_string()) return false;
         const std::string& tag = value.get_ref<const std::string&>();
         std::size_t index = 0;
         auto [end, error] = std::from_chars(tag.data(), tag.data() + tag.size(), index);
         if (error != std::errc() || end != tag.data() + tag.size() || index >= count) return false;
         choose(index);
         return true;
       }});
  return v;
}

View Menu(View label, std::vector<View> entries) {
  const Flex flex = label.flex();
  entries.insert(entries.begin(), std::move(label));
  View v = makeNode(NodeType::menu, std::move(entries));
  v.mutableNode().flex = flex;  // the entries are not laid out in place
  return v;
}

View Link(View label, std::string url) {
  View v = makeNode(NodeType::link, {std::move(label)});
  v.mutableNode().props.emplace_back(Prop::url, std::move(url));
  return v;
}

}  // namespace platform::ui
