#include "platform/testing/TempDirectory.hpp"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

namespace platform::testing {

TempDirectory::TempDirectory() {
  std::string pattern = (std::filesystem::temp_directory_path() / "verdeo-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = pattern;
}

TempDirectory::~TempDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace platform::testing
