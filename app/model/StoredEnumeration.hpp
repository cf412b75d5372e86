#pragma once

#include <string>
#include <variant>

#include "platform/foundation/Log.hpp"
#include "platform/store/Record.hpp"

namespace verdeo {

// Reads an enumeration kept as its raw text. A text that names no case (a damaged or foreign
// store) reads as the first case, and the record logs it once rather than on every redraw.
template <class Enumeration, class Parse, class AllCases>
Enumeration readEnumeration(const platform::store::Record& record, std::size_t attribute,
                            Parse fromRawValue, const AllCases& allCases) {
  const auto& raw = std::get<std::string>(record.value(attribute));
  if (auto value = fromRawValue(raw)) return *value;
  if (record.reportOnce(attribute)) {
    const auto& entity = record.entity();
    const auto& id = std::get<platform::Uuid>(record.value(0));
    platform::logLine(entity.name + " " + id.string() + ": " + entity.attributes[attribute].name +
                      " \"" + raw + "\" names no case; read as \"" +
                      std::string(rawValue(allCases[0])) + "\"");
  }
  return allCases[0];
}

}  // namespace verdeo
