#pragma once

#include <nlohmann/json.hpp>

namespace platform {
using Json = nlohmann::json;
}
