#include "app/shell/CommandLine.hpp"

#include <charconv>
#include <cstdlib>

namespace verdeo {
namespace {

std::filesystem::path defaultDataDirectory(const char* (*environment)(const char*)) {
  if (const char* xdg = environment("XDG_DATA_HOME"); xdg && *xdg)
    return std::filesystem::path(xdg) / "verdeo";
  if (const char* home = environment("HOME"); home && *home)
    return std::filesystem::path(home) / ".local" / "share" / "verdeo";
  return std::filesystem::current_path() / "verdeo-data";
}

const char* systemEnvironment(const char* name) {
  return std::getenv(name);
}

}  // namespace

std::string usageText() {
  return "Usage: verdeo [--data-dir DIR] [--port N] [--no-open] [--sample-data]\n"
         "\n"
         "Serves Verdeo, the plant-care companion, on http://127.0.0.1:PORT/ and prints the\n"
         "address to open.\n"
         "\n"
         "  --data-dir DIR  where the store and the defaults live\n"
         "                  (default $XDG_DATA_HOME/verdeo or ~/.local/share/verdeo)\n"
         "  --port N        the port to listen on; 0 picks a free one (default 0)\n"
         "  --no-open       do not ask the desktop to open the address\n"
         "  --sample-data   add a few sample plants when the store is empty\n"
         "  --help          show this text\n"
         "  --version       show the version\n";
}

std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& arguments,
                                            std::string* error,
                                            const char* (*environment)(const char*)) {
  if (!environment) environment = systemEnvironment;
  CommandLine line;
  bool dataDirectoryGiven = false;
  auto fail = [&](std::string message) -> std::optional<CommandLine> {
    if (error) *error = std::move(message);
    return std::nullopt;
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    auto value = [&]() -> const std::string* {
      return i + 1 < arguments.size() ? &arguments[++i] : nullptr;
    };
    if (argument == "--help" || argument == "-h") {
      line.showHelp = true;
    } else if (argument == "--version") {
      line.showVersion = true;
    } else if (argument == "--no-open") {
      line.openBrowser = false;
    } else if (argument == "--sample-data") {
      line.sampleData = true;
    } else if (argument == "--data-dir") {
      const std::string* dir = value();
      if (!dir || dir->empty()) return fail("--data-dir needs a folder");
      line.dataDirectory = *dir;
      dataDirectoryGiven = true;
    } else if (argument == "--port") {
      const std::string* text = value();
      unsigned port = 0;
      if (!text) return fail("--port needs a number");
      auto [end, status] = std::from_chars(text->data(), text->data() + text->size(), port);
      if (status != std::errc() || end != text->data() + text->size() || port > 65535)
        return fail("--port needs a number from 0 to 65535, not \"" + *text + "\"");
      line.port = static_cast<std::uint16_t>(port);
    } else {
      return fail("unknown option \"" + argument + "\"");
    }
  }
  if (!dataDirectoryGiven) line.dataDirectory = defaultDataDirectory(environment);
  return line;
}

}  // namespace verdeo
