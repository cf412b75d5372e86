#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Writes one plain line to the console log (standard output). The system's log lines are fixed
// texts followed by a name, a count or an error's description; there are no levels.
void logLine(std::string_view line);

// While alive, log lines are collected here instead of being printed (tests read them).
class ScopedLogCapture {
 public:
  ScopedLogCapture();
  ~ScopedLogCapture();
  ScopedLogCapture(const ScopedLogCapture&) = delete;
  ScopedLogCapture& operator=(const ScopedLogCapture&) = delete;

  std::vector<std::string> lines() const;
  bool contains(std::string_view line) const;
  void clear();

 private:
  ScopedLogCapture* previous_;
  std::vector<std::string> lines_;
  friend void logLine(std::string_view);
};

}  // namespace platform
