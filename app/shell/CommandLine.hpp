#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace verdeo {

// verdeo [--data-dir DIR] [--port N] [--no-open] [--sample-data]; --help and --version.
struct CommandLine {
  std::filesystem::path dataDirectory;
  std::uint16_t port = 0;  // 0 picks a free port
  bool openBrowser = true;
  bool sampleData = false;
  bool showHelp = false;
  bool showVersion = false;
};

struct CommandLineError {
  std::string message;
};

// `environment` answers getenv-style look-ups (XDG_DATA_HOME, HOME) for the default data folder.
std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& arguments,
                                            std::string* error,
                                            const char* (*environment)(const char*) = nullptr);

std::string usageText();

}  // namespace verdeo
