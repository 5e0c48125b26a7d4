#include "tools/inspect/config_json.h"

namespace bv::inspect {

using settings::Setting;

nlohmann::ordered_json ConfigToJson(const settings::ConfigBytes& bytes) {
  nlohmann::ordered_json j;
  for (Setting s : settings::kAllSettings) {
    j[settings::InfoOf(s).name] = settings::StoredValue(bytes, s);
  }
  nlohmann::ordered_json reserved = nlohmann::ordered_json::object();
  for (std::size_t at : settings::kReservedOffsets) reserved[std::to_string(at)] = bytes[at];
  j["reserved"] = reserved;
  return j;
}

}  // namespace bv::inspect
