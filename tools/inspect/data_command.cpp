// brimvale-inspect data [DIR]: loads the whole data tree under DIR (the
// program's folder by default) the way the game's start-up does: every image
// with its pattern sizes, the font, every sample, the menu level, each
// campaign's levels and each custom level as the options window lists them.
// Unlike the game it goes on after a problem, so every damaged file is named
// with its reason. Exit 0 when the game would start cleanly, 1 otherwise.

#include <SDL.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "game/level_file.h"
#include "game/level_setup.h"
#include "game/level_store.h"
#include "game/paths.h"
#include "game/places.h"
#include "game/sound_slots.h"
#include "game/world.h"
#include "media/bitmap_reader.h"
#include "media/error_codes.h"
#include "media/pixel_format.h"
#include "render/bitmap_font.h"
#include "render/draw_device.h"
#include "render/game_resources.h"
#include "render/pattern_image.h"
#include "settings/level_lists.h"
#include "settings/live_options.h"
#include "sound/wav_check.h"
#include "subcommand.h"

namespace bv::inspect {
namespace {

using nlohmann::json;

std::string OwnFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

struct Report {
  json problems = json::array();
  void Add(const std::string& file, const std::string& reason) {
    problems.push_back({{"file", file}, {"reason", reason}});
  }
};

int CheckImages(const game::Places& places, render::DrawDevice& device, Report& report) {
  render::FrameImages handles;
  int checked = 0;
  for (const render::ImageEntry& e : render::StartupImages(handles)) {
    const std::string path = game::DataPath(places.data_root, e.relative);
    render::PatternImage image(device);
    ++checked;
    try {
      const int32_t code = image.LoadFromFile(path, e.pattern_width, e.pattern_height,
                                              e.texture_width, e.texture_height,
                                              media::kFormatA8R8G8B8);
      if (code != 0)
        report.Add(path, media::ErrorText(code) + " (code " + std::to_string(code) + ", " +
                             std::to_string(e.pattern_width) + "x" +
                             std::to_string(e.pattern_height) + " patterns in " +
                             std::to_string(e.texture_width) + "x" +
                             std::to_string(e.texture_height) + " textures)");
    } catch (const media::ImageReadError& error) {
      report.Add(path, error.what());
    }
  }
  return checked;
}

void CheckFont(const game::Places& places, render::DrawDevice& device, Report& report) {
  render::BitmapFont font(&device);
  const std::string path = game::DataPath(places.data_root, "\\data\\font.fnt");
  const int32_t code = font.LoadFont(path, media::kFormatA8R8G8B8);
  if (code != 0)
    report.Add(path, media::ErrorText(code) + " (code " + std::to_string(code) +
                         "); the game would show no text");
}

int CheckSamples(const game::Places& places, Report& report) {
  int checked = 0;
  for (int i = 0; i < game::kSampleCount; ++i) {
    const std::string path =
        game::DataPath(places.data_root, "\\data\\sound\\" + game::SampleFileName(i) + ".wav");
    ++checked;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      report.Add(path, "missing or unreadable; the sound would stay silent");
      continue;
    }
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
    const std::string why = sound::CheckWav(bytes.data(), bytes.size());
    if (!why.empty()) {
      report.Add(path, why + "; the sound would stay silent");
      continue;
    }
    SDL_AudioSpec spec;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (rw == nullptr || SDL_LoadWAV_RW(rw, 1, &spec, &buffer, &length) == nullptr) {
      report.Add(path, std::string("cannot be decoded: ") + SDL_GetError());
      continue;
    }
    SDL_FreeWAV(buffer);
  }
  return checked;
}

// One level file, set up as the game would set it up.
void CheckLevel(const game::Places& places, game::FileLevelStore& store,
                settings::LevelSource source, const std::string& entry, int number,
                const std::string& data_path, Report& report) {
  const std::string path = game::DataPath(places.data_root, data_path);
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) {
    report.Add(path, "missing or unreadable");
    return;
  }
  if (size < static_cast<uintmax_t>(game::kLevelFileSize))
    report.Add(path, std::to_string(size) + " bytes, shorter than a level's " +
                         std::to_string(game::kLevelFileSize) +
                         ": the rest would keep the previous level's cells");
  auto world = std::make_unique<game::World>();
  game::SetStartValues(*world);
  settings::LiveOptions options;
  options.set_level_source(source);
  options.set_level_list({entry});
  const game::SetupResult result = game::SetupLevel(*world, options, store, number, 0);
  if (result.status == game::SetupStatus::kFileError)
    report.Add(path, "the level setup cannot read it");
}

int CheckLevels(const game::Places& places, Report& report) {
  game::FileLevelStore store(places.data_root);
  int checked = 1;
  CheckLevel(places, store, settings::LevelSource::kCampaign, "", 0, game::MenuLevelPath(),
             report);
  const std::vector<std::string> campaigns = settings::ListCampaigns(places);
  if (campaigns.empty())
    report.Add(game::DataPath(places.data_root, "\\data\\levels\\campaign"),
               "holds no campaign with a level 1");
  for (const std::string& folder : campaigns) {
    for (int n = 1; store.Exists(game::CampaignLevelPath(folder, n)); ++n, ++checked)
      CheckLevel(places, store, settings::LevelSource::kCampaign, folder, n,
                 game::CampaignLevelPath(folder, n), report);
  }
  for (const std::string& name : settings::ListCustomLevels(places)) {
    ++checked;
    CheckLevel(places, store, settings::LevelSource::kCustom, name, 1,
               game::CustomLevelPath(name), report);
  }
  return checked;
}

int RunData(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() > 1) return kExitUsage;
  // Without DIR, the data the game beside this program reads (an install's
  // shared folder included).
  const std::string root =
      args.empty() ? game::FindPlaces(OwnFolder(), game::PlacesEnvironment::OfProcess()).data_root
                   : args[0];
  const game::Places places = game::PlacesOfProgram(root);
  Report report;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888);
  auto device = std::make_unique<render::DrawDevice>();
  if (surface == nullptr || device->CreateForSurface(surface) != 0) {
    PrintJson({{"message", std::string("no drawing device: ") + SDL_GetError()}}, out);
    return kExitRefused;
  }
  json checked;
  checked["images"] = CheckImages(places, *device, report);
  CheckFont(places, *device, report);
  checked["font"] = 1;
  checked["samples"] = CheckSamples(places, report);
  checked["levels"] = CheckLevels(places, report);
  device->Shutdown();
  device.reset();
  SDL_FreeSurface(surface);
  const bool clean = report.problems.empty();
  PrintJson({{"root", root},
             {"checked", checked},
             {"problems", report.problems},
             {"starts_cleanly", clean}},
            out);
  return clean ? kExitLoaded : kExitRefused;
}

const RegisterSubcommand kData({"data", "data [DIR]", RunData});

}  // namespace
}  // namespace bv::inspect
