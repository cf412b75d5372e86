#pragma once

#include <string>

namespace verdeo {

// The id of the catalogue record the user chose, whose page is shown.
struct StringIdentifier {
  std::string string;

  friend bool operator==(const StringIdentifier&, const StringIdentifier&) = default;
};

}  // namespace verdeo
