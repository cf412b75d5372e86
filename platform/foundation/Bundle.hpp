#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace platform {

// The application bundle: the folder of resources that ships beside the executable
// (<folder of the executable>/resources), where "plants.json" and the image assets live.
class Bundle {
 public:
  explicit Bundle(std::filesystem::path resourceDirectory)
      : resources_(std::move(resourceDirectory)) {}
  static Bundle main();

  const std::filesystem::path& resourceDirectory() const { return resources_; }
  // The resource `name`.`extension`, when it exists as a regular file.
  std::optional<std::filesystem::path> pathForResource(std::string_view name,
                                                       std::string_view extension) const;

 private:
  std::filesystem::path resources_;
};

}  // namespace platform
