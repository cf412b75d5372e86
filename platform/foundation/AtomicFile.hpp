#pragma once

#include <filesystem>
#include <string_view>

#include "platform/foundation/Result.hpp"

namespace platform {

// Replaces `file` with `contents` so that a reader in another process, or after a crash, sees the
// old content or the new, never a torn one: the bytes go to a temporary file beside it, which is
// flushed, renamed over the file, and the folder flushed so that the rename itself is durable.
// Missing folders are created. On failure the file is left as it was and no temporary remains.
Result<void> replaceFileAtomically(const std::filesystem::path& file, std::string_view contents);

}  // namespace platform
