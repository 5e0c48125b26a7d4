#include "settings/config_json.h"

namespace bv::settings {

nlohmann::ordered_json ConfigToJson(const ConfigBytes& bytes) {
  nlohmann::ordered_json j;
  for (Setting s : kAllSettings) j[InfoOf(s).name] = StoredValue(bytes, s);
  nlohmann::ordered_json reserved = nlohmann::ordered_json::object();
  for (std::size_t at : kReservedOffsets) reserved[std::to_string(at)] = bytes[at];
  j["reserved"] = reserved;
  return j;
}

}  // namespace bv::settings
