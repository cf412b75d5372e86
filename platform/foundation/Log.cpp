#include "platform/foundation/Log.hpp"

#include <algorithm>
#include <cstdio>
#include <mutex>

namespace platform {
namespace {
std::mutex logMutex;
ScopedLogCapture* activeCapture = nullptr;
}  // namespace

void logLine(std::string_view line) {
  std::lock_guard lock(logMutex);
  if (activeCapture) {
    activeCapture->lines_.emplace_back(line);
    return;
  }
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

ScopedLogCapture::ScopedLogCapture() {
  std::lock_guard lock(logMutex);
  previous_ = activeCapture;
  activeCapture = this;
}

ScopedLogCapture::~ScopedLogCapture() {
  std::lock_guard lock(logMutex);
  activeCapture = previous_;
}

std::vector<std::string> ScopedLogCapture::lines() const {
  std::lock_guard lock(logMutex);
  return lines_;
}

bool ScopedLogCapture::contains(std::string_view line) const {
  std::lock_guard lock(logMutex);
  return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
}

void ScopedLogCapture::clear() {
  std::lock_guard lock(logMutex);
  lines_.clear();
}

}  // namespace platform
