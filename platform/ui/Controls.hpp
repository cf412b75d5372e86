#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Date.hpp"
#include "platform/ui/LocalTime.hpp"
#include "platform/ui/View.hpp"

namespace platform::ui {

View Button(std::string title, Action action);
View Button(View label, Action action);
View Button(ButtonRole role, std::string title, Action action);
View Button(ButtonRole role, View label, Action action);

// A switch; the label may be EmptyView() (or use .labelsHidden()).
View Toggle(View label, Binding<bool> isOn);
View Toggle(std::string label, Binding<bool> isOn);

struct TextFieldOptions {
  bool multiline = false;
  std::optional<int> minLines{}, maxLines{};  // multi-line fields grow between these
  bool autocorrect = true;
};
View TextField(std::string placeholder, Binding<std::string> text, TextFieldOptions options = {});
View TextEditor(Binding<std::string> text);
View SearchField(std::string placeholder, Binding<std::string> text);

enum class DatePickerMode { date, hourMinute };
// A compact date picker. The display shows and sends the value as the user's wall clock has it
// ("2026-12-11" or "09:30"); `localTime` converts. Picking a day keeps the time of day; picking a
// time keeps the day (and drops the seconds).
View DatePicker(std::string title, Binding<Date> selection, DatePickerMode mode,
                const LocalTime& localTime);

// Wire text of a moment for a picker mode, and the moment a picked text gives (none when the text
// is malformed or names no moment).
std::string datePickerText(Date date, DatePickerMode mode, const LocalTime& localTime);
std::optional<Date> datePickerDate(std::string_view text, Date previous, DatePickerMode mode,
                                   const LocalTime& localTime);

template <class T>
struct PickerOption {
  std::string label{};
  T value{};
};

// Options are identified on the wire by their position; the selection is the first option equal
// to the bound value (none when no option is).
View pickerNode(std::string title, const std::vector<std::string>& labels,
                std::optional<std::size_t> selected, std::function<void(std::size_t)> choose);

// A menu picker.
template <class T>
View Picker(std::string title, Binding<T> selection, std::vector<PickerOption<T>> options) {
  std::vector<std::string> labels;
  std::optional<std::size_t> selected;
  const T current = selection.get();
  for (std::size_t i = 0; i < options.size(); ++i) {
    labels.push_back(options[i].label);
    if (!selected && options[i].value == current) selected = i;
  }
  return pickerNode(std::move(title), labels, selected,
                    [selection, options = std::move(options)](std::size_t i) {
                      selection.set(options[i].value);
                    });
}

// A button that opens a list of entries (buttons).
View Menu(View label, std::vector<View> entries);

// Opens `url` outside the application when tapped.
View Link(View label, std::string url);

}  // namespace platform::ui
