#pragma once

#include <nlohmann/json.hpp>

#include "settings/config_record.h"

namespace bv::inspect {

// The 44 bytes as named fields in file order, each with the value its bytes
// hold (boolean bytes as stored, so a 7 shows as 7), then the five reserved
// bytes. For `brimvale-inspect config`.
nlohmann::ordered_json ConfigToJson(const settings::ConfigBytes& bytes);

}  // namespace bv::inspect
