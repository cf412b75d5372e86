#include "app/shell/PickedPhotoRoute.hpp"

#include "app/shell/StoreImageRoute.hpp"
#include "platform/foundation/Json.hpp"

namespace verdeo {

platform::display::RouteHandler pickedPhotoRoute(std::shared_ptr<platform::ui::PickedFiles> files) {
  return [files = std::move(files)](const platform::display::RouteRequest& request)
             -> std::optional<platform::display::HttpReply> {
    if (request.method == "POST" && request.path.empty()) {
      auto identifier =
          files->add(platform::ui::PickedFiles::Bytes(request.body.begin(), request.body.end()));
      if (!identifier) return std::nullopt;
      return platform::display::HttpReply{platform::Json{{"file", *identifier}}.dump(),
                                          "application/json"};
    }
    if (request.method != "GET") return std::nullopt;
    auto bytes = files->get(std::string(request.path));
    if (!bytes) return std::nullopt;
    return platform::display::HttpReply{std::string(bytes->begin(), bytes->end()),
                                        imageContentType(*bytes)};
  };
}

}  // namespace verdeo
