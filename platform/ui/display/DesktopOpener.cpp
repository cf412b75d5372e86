#include "platform/ui/display/DesktopOpener.hpp"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string_view>

extern char** environ;

namespace platform::display {
namespace {

bool onPath(std::string_view program) {
  const char* path = std::getenv("PATH");
  if (!path) return false;
  std::stringstream folders{std::string(path)};
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    if (folder.empty()) continue;
    std::filesystem::path candidate = std::filesystem::path(folder) / program;
    if (access(candidate.c_str(), X_OK) == 0) return true;
  }
  return false;
}

}  // namespace

void openInDesktop(const std::string& address) {
  if (!onPath("xdg-open")) return;
  // The shell puts xdg-open in the background and exits at once, so the wait below is short and
  // the opener is left to init: no zombie, and the app never waits for a slow browser start.
  // The address travels as a positional argument, never through the shell's parser.
  char shell[] = "/bin/sh";
  char flag[] = "-c";
  char script[] = "xdg-open \"$1\" >/dev/null 2>&1 </dev/null &";
  char name[] = "verdeo-open";
  std::string argument = address;
  char* argv[] = {shell, flag, script, name, argument.data(), nullptr};
  pid_t child = 0;
  if (posix_spawn(&child, shell, nullptr, nullptr, argv, environ) != 0) return;
  int status = 0;
  waitpid(child, &status, 0);
}

}  // namespace platform::display
