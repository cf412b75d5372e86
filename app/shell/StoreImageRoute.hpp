#pragma once

#include "platform/store/ModelContext.hpp"
#include "platform/ui/display/DisplayServer.hpp"

namespace verdeo {

// Answers the display's image requests for stored photos: "Plant/<id>/imageData" and
// "GrowthPost/<id>/imageData" (after the "/store/" prefix) give the record's bytes, loaded only
// now; anything else, a record that is gone or one without a photo, is not found.
platform::display::RouteHandler storeImageRoute(platform::store::ModelContext& context);

// The media type of encoded image bytes by their signature (JPEG, PNG, GIF, WebP, HEIF), or
// "application/octet-stream".
std::string imageContentType(const platform::store::Bytes& bytes);

}  // namespace verdeo
