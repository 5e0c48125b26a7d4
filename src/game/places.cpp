#include "game/places.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace bv::game {

namespace {

bool IsFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v != nullptr ? std::string(v) : std::string();
}

// A base folder from an XDG variable: only an absolute path counts, else
// the default under the home folder.
std::string XdgBase(const std::string& value, const std::string& home, const char* fallback) {
  if (!value.empty() && value.front() == '/') return value;
  return (home.empty() ? std::string() : home) + fallback;
}

std::string WithoutTrailingSlash(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

}  // namespace

Places PlacesOfProgram(const std::string& program_dir) {
  return {program_dir, program_dir, program_dir + "/replays", std::string()};
}

PlacesEnvironment PlacesEnvironment::OfProcess() {
  PlacesEnvironment env;
  env.home = Env("HOME");
  if (env.home.empty()) {
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
      env.home = pw->pw_dir;
    }
  }
  env.xdg_config_home = Env("XDG_CONFIG_HOME");
  env.xdg_data_home = Env("XDG_DATA_HOME");
  return env;
}

Places FindPlaces(const std::string& program_dir, const PlacesEnvironment& env) {
  const std::string dir = WithoutTrailingSlash(program_dir);
  if (IsFolder(dir + "/data")) return PlacesOfProgram(dir);

  const std::filesystem::path prefix = std::filesystem::path(dir).lexically_normal().parent_path();
  const std::string home = WithoutTrailingSlash(env.home);
  const std::string config = WithoutTrailingSlash(XdgBase(env.xdg_config_home, home, "/.config"));
  const std::string data = WithoutTrailingSlash(XdgBase(env.xdg_data_home, home, "/.local/share"));
  Places p;
  p.data_root = WithoutTrailingSlash((prefix / "share" / "brimvale").string());
  p.settings_dir = config + "/brimvale";
  p.replays_dir = data + "/brimvale/replays";
  p.user_levels_dir = data + "/brimvale/levels/custom";
  return p;
}

}  // namespace bv::game
