#include "app/shell/StoreImageRoute.hpp"

#include <cstring>

#include "app/model/GrowthPost.hpp"
#include "app/model/Plant.hpp"
#include "app/model/PlantStore.hpp"

namespace verdeo {

std::string imageContentType(const platform::store::Bytes& b) {
  auto starts = [&](std::size_t at, const char* signature) {
    std::size_t n = std::strlen(signature);
    return b.size() >= at + n && std::memcmp(b.data() + at, signature, n) == 0;
  };
  if (starts(0, "\xFF\xD8\xFF")) return "image/jpeg";
  if (starts(0, "\x89PNG\r\n\x1A\n")) return "image/png";
  if (starts(0, "GIF8")) return "image/gif";
  if (starts(0, "RIFF") && starts(8, "WEBP")) return "image/webp";
  if (starts(4, "ftypheic") || starts(4, "ftypheix") || starts(4, "ftypmif1")) return "image/heif";
  return "application/octet-stream";
}

platform::display::RouteHandler storeImageRoute(platform::store::ModelContext& context) {
  return [&context](const platform::display::RouteRequest& request)
             -> std::optional<platform::display::HttpReply> {
    if (request.method != "GET") return std::nullopt;
    std::string_view path = request.path;
    auto slash = path.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    std::string_view entity = path.substr(0, slash);
    std::string_view rest = path.substr(slash + 1);
    if (rest.size() != 36 + std::strlen("/imageData") || !rest.ends_with("/imageData"))
      return std::nullopt;
    auto id = platform::Uuid::parse(rest.substr(0, 36));
    if (!id) return std::nullopt;
    std::optional<platform::store::Bytes> bytes;
    if (entity == "Plant") {
      if (auto plant = plantWithID(context, *id)) bytes = plant->imageData();
    } else if (entity == "GrowthPost") {
      if (auto post = growthPostWithID(context, *id)) bytes = post->imageData();
    }
    if (!bytes || bytes->empty()) return std::nullopt;
    return platform::display::HttpReply{std::string(bytes->begin(), bytes->end()),
                                        imageContentType(*bytes)};
  };
}

}  // namespace verdeo
