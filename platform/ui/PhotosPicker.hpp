#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/MainQueue.hpp"
#include "platform/foundation/Result.hpp"
#include "platform/ui/Binding.hpp"
#include "platform/ui/PickedFiles.hpp"
#include "platform/ui/View.hpp"

namespace platform::ui {

// A photo the person chose in the library. It names the file; the bytes are loaded on request.
class PhotosPickerItem {
 public:
  PhotosPickerItem(std::string identifier, std::weak_ptr<const PickedFiles> files)
      : identifier_(std::move(identifier)), files_(std::move(files)) {}

  const std::string& itemIdentifier() const { return identifier_; }
  // Where a display fetches the chosen file while it is kept ("/picked/photo-7").
  std::string url() const { return "/picked/" + identifier_; }

  // The file's bytes exactly as chosen, handed to `completion` on a later turn of `queue`; an
  // error when the file is no longer kept.
  void loadData(MainQueue& queue,
                std::function<void(Result<std::vector<std::uint8_t>>)> completion) const;

  friend bool operator==(const PhotosPickerItem& a, const PhotosPickerItem& b) {
    return a.identifier_ == b.identifier_;
  }

 private:
  std::string identifier_;
  std::weak_ptr<const PickedFiles> files_;
};

// A control showing `label` that lets the person choose one image from the photo library; the
// choice is written to `selection`. The display opens its file chooser for images and uploads
// the file (WIRE.md, "photopicker").
View PhotosPicker(View label, Binding<std::optional<PhotosPickerItem>> selection,
                  std::weak_ptr<const PickedFiles> files);

}  // namespace platform::ui
