#include "game/paths.h"

#include <sys/stat.h>

namespace bv::game {

std::string DataPath(const std::string& data_root, const std::string& relative) {
  std::string out = data_root;
  out.reserve(out.size() + relative.size());
  for (char c : relative) out.push_back(c == '\\' ? '/' : c);
  return out;
}

std::string MenuLevelPath() {
  return "\\data\\levels\\campaign\\0.dmp";
}

std::string CampaignLevelPath(const std::string& folder, int number) {
  return "\\data\\levels\\campaign\\" + folder + "\\" + std::to_string(number) + ".dmp";
}

std::string CustomLevelPath(const std::string& name) {
  return "\\data\\levels\\custom\\" + name + ".dmp";
}

bool FileExists(const std::string& native_path) {
  struct stat st {};
  return ::stat(native_path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace bv::game
