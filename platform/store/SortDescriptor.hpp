#pragma once

#include <string>

namespace platform::store {

enum class SortOrder { ascending, descending };

// The order of a fetch or a live query. Text sorts in the store's string order: byte by byte over
// UTF-8, as SQLite's default BINARY collation does. Records that compare equal keep store order
// (the order of insertion). Without a sort descriptor results come in store order.
struct SortDescriptor {
  std::string attribute;
  SortOrder order = SortOrder::ascending;
};

}  // namespace platform::store
