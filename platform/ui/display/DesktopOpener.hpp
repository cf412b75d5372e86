#pragma once

#include <string>

namespace platform::display {

// Asks the desktop to open `address` in the default browser with xdg-open, when the machine has
// it; otherwise does nothing (the address is printed for the person to open). Never blocks: the
// opener runs detached and its outcome is not awaited.
void openInDesktop(const std::string& address);

}  // namespace platform::display
