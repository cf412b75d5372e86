#include "platform/foundation/Bundle.hpp"

#include <string>
#include <system_error>

namespace platform {

Bundle Bundle::main() {
  std::error_code error;
  auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  auto folder = error ? std::filesystem::current_path() : executable.parent_path();
  return Bundle(folder / "resources");
}

std::optional<std::filesystem::path> Bundle::pathForResource(std::string_view name,
                                                             std::string_view extension) const {
  // Names never climb out of the bundle.
  if (name.empty() || name.find('/') != std::string_view::npos || name.find("..") == 0)
    return std::nullopt;
  std::string file(name);
  if (!extension.empty()) file += "." + std::string(extension);
  auto path = resources_ / file;
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  return path;
}

}  // namespace platform
