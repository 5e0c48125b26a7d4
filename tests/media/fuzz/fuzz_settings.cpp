// libFuzzer target: a settings file (config.dat, any length) through the
// options window's load, its mirror into the world and the save; loading
// what was saved and saving again must give the same record.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "game/places.h"
#include "game/world.h"
#include "scratch_folder.h"
#include "settings/config_file.h"
#include "settings/live_options.h"
#include "settings/options_form.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

const std::string& Folder() {
  return bv::fuzz::ScratchFolder();
}

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Start-up and shut-down of the options window over the file now there:
// what it saved.
std::vector<uint8_t> LoadAndSave() {
  auto world = std::make_unique<bv::game::World>();
  bv::game::SetStartValues(*world);
  bv::settings::LiveOptions live;
  bv::settings::OptionsForm form(*world, live, bv::game::PlacesOfProgram(Folder()));
  form.set_fatal_report([](int32_t, const std::string&) { return false; });
  Check(form.Create());  // a regular file of any content loads
  // The close mirrored the controls into the world.
  Check(world->hud_alpha == form.hud_trans_bar() && world->minimap_alpha == form.map_trans_bar());
  form.Show();
  form.Close();
  Check(form.SaveSettings());
  const std::vector<uint8_t> saved = ReadFile(bv::settings::ConfigPath(Folder()));
  Check(saved.size() == bv::settings::kConfigRecordSize);
  return saved;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  {
    std::ofstream out(bv::settings::ConfigPath(Folder()), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  const std::vector<uint8_t> first = LoadAndSave();
  const std::vector<uint8_t> second = LoadAndSave();
  Check(first == second);
  return 0;
}
