#include "platform/ui/PhotosPicker.hpp"

namespace platform::ui {

void PhotosPickerItem::loadData(
    MainQueue& queue, std::function<void(Result<std::vector<std::uint8_t>>)> completion) const {
  // Looked up now, answered later: the answer never arrives inside the caller's own turn.
  std::shared_ptr<const PickedFiles::Bytes> bytes;
  if (auto files = files_.lock()) bytes = files->get(identifier_);
  queue.async([bytes, completion = std::move(completion)] {
    if (bytes)
      completion(*bytes);
    else
      completion(Error{"The chosen photo is no longer available."});
  });
}

View PhotosPicker(View label, Binding<std::optional<PhotosPickerItem>> selection,
                  std::weak_ptr<const PickedFiles> files) {
  View v = makeNode(NodeType::photopicker, {std::move(label)});
  Node& n = v.mutableNode();
  if (auto current = selection.get()) n.props.emplace_back(Prop::value, current->itemIdentifier());
  n.handlers.push_back(
      {EventKind::change, 0, [selection, files = std::move(files)](const Json& value) {
         if (!value.is_object() || !value.contains("file") || !value["file"].is_string())
           return false;
         auto kept = files.lock();
         const std::string identifier = value["file"].get<std::string>();
         if (!kept || !kept->get(identifier)) return false;
         selection.set(PhotosPickerItem(identifier, files));
         return true;
       }});
  return v;
}

}  // namespace platform::ui
