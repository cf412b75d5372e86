#pragma once

#include <memory>

#include "platform/ui/PickedFiles.hpp"
#include "platform/ui/display/DisplayServer.hpp"

namespace verdeo {

// The display's side of the photo library picker (after the "/picked/" prefix): a POST of the
// chosen file's bytes keeps them and answers {"file": "<identifier>"} for the picker's event; a
// GET of "<identifier>" gives the bytes back for the editor's preview. A file over
// PickedFiles::kMaxBytes is refused and nothing is kept. The display server has checked the
// session and the origin before a request gets here.
platform::display::RouteHandler pickedPhotoRoute(std::shared_ptr<platform::ui::PickedFiles> files);

}  // namespace verdeo
