// libFuzzer target: brimvale.ini through its load and save. A file that
// reads well must read back as the same settings once saved.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "scratch_folder.h"
#include "settings/screen_settings_file.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

const std::string& Folder() {
  return bv::fuzz::ScratchFolder();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > bv::settings::kMaxScreenSettingsFileSize + 16) return 0;
  const std::string path = bv::settings::ScreenSettingsPath(Folder());
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  bv::settings::ScreenSettingsFile file(Folder());
  const bv::settings::ScreenSettingsLoad first = file.Load();
  Check(first.found);
  Check(first.complaint.find('\n') == std::string::npos);
  Check(file.Save(first.settings));
  bv::settings::ScreenSettingsFile again(Folder());
  const bv::settings::ScreenSettingsLoad second = again.Load();
  if (first.complaint.empty()) Check(second.complaint.empty() && second.settings == first.settings);
  return 0;
}
