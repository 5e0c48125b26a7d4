#include "golden/frames.h"

#include <SDL.h>
#include <SDL_image.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "golden/golden_file.h"

namespace bv::golden {

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

const char kHeader[] =
    "Pixel hashes of the frames the scenarios in docs/screenshots/ draw, through\n"
    "brimvale-sim on the software renderer: \"scenario@tick\" and FNV-1a 64 of the\n"
    "640x480 pixels as R, G, B, A bytes. Checked by `make test`, against the frame\n"
    "drawn now and the committed picture; after an intended change run `make golden`.";

struct Shot {
  std::string key;        // "menu@273"
  std::string committed;  // the picture in the checkout
  std::string drawn;      // the picture drawn now
};

std::string Quoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs one scenario with its pictures drawn into the work folder.
std::vector<Shot> Draw(const FrameRun& run, const std::string& scenario_path) {
  const std::string stem = fs::path(scenario_path).stem().string();
  json scenario;
  try {
    scenario = json::parse(Slurp(scenario_path));
  } catch (const json::exception& e) {
    throw std::runtime_error(scenario_path + ": " + e.what());
  }
  std::vector<Shot> shots;
  if (!scenario.contains("screenshots")) return shots;
  scenario["program_dir"] = run.program_dir;
  for (json& s : scenario["screenshots"]) {
    const int64_t tick = s.at("tick").get<int64_t>();
    Shot shot;
    shot.key = stem + "@" + std::to_string(tick);
    shot.committed = (fs::path(run.source_dir) / s.at("path").get<std::string>()).string();
    shot.drawn = (fs::path(run.work_dir) / (stem + "-" + std::to_string(tick) + ".png")).string();
    s["path"] = shot.drawn;
    shots.push_back(shot);
  }
  fs::create_directories(run.work_dir);
  const std::string base = (fs::path(run.work_dir) / stem).string();
  std::ofstream(base + ".json") << scenario.dump(2) << "\n";
  const std::string command = Quoted(run.sim) + " " + Quoted(base + ".json") + " >" +
                              Quoted(base + ".out.json") + " 2>" + Quoted(base + ".err");
  const int status = std::system(command.c_str());
  if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error(scenario_path + ": brimvale-sim failed: " + Slurp(base + ".err"));
  }
  return shots;
}

}  // namespace

uint64_t PixelHash(const std::string& png) {
  SDL_Surface* loaded = IMG_Load(png.c_str());
  if (loaded == nullptr) throw std::runtime_error("cannot read " + png + ": " + IMG_GetError());
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(loaded);
  if (rgba == nullptr) throw std::runtime_error("cannot convert " + png + ": " + SDL_GetError());
  const int w = rgba->w, h = rgba->h;
  Fnv64 hash;
  if (w == 640 && h == 480) {
    for (int y = 0; y < h; ++y) {
      hash.Add(static_cast<const uint8_t*>(rgba->pixels) + y * rgba->pitch,
               static_cast<size_t>(w) * 4);
    }
  }
  SDL_FreeSurface(rgba);
  if (w != 640 || h != 480) {
    throw std::runtime_error(png + " is " + std::to_string(w) + "x" + std::to_string(h) +
                             ", not 640x480");
  }
  return hash.value();
}

int CheckFrames(const FrameRun& run, const std::vector<std::string>& scenarios, bool update) {
  std::map<std::string, std::string> golden;
  for (const std::string& line : ReadGolden(run.golden)) {
    const size_t space = line.find(' ');
    golden[line.substr(0, space)] = space == std::string::npos ? "" : line.substr(space + 1);
  }

  std::vector<std::string> lines;
  int failures = 0;
  for (const std::string& scenario : scenarios) {
    for (const Shot& shot : Draw(run, scenario)) {
      const std::string drawn = Hex(PixelHash(shot.drawn));
      if (update) {
        fs::copy_file(shot.drawn, shot.committed, fs::copy_options::overwrite_existing);
        lines.push_back(shot.key + " " + drawn);
        continue;
      }
      auto it = golden.find(shot.key);
      const std::string want = it == golden.end() ? "nothing" : it->second;
      bool same = true;
      if (drawn != want) {
        std::cout << shot.key << ": the frame drawn now (" << drawn << ", kept at " << shot.drawn
                  << ") differs from the committed hash (" << want << ")\n";
        same = false;
      }
      std::string pictured;
      try {
        pictured = Hex(PixelHash(shot.committed));
      } catch (const std::runtime_error& e) {
        pictured = e.what();
      }
      if (pictured != want) {
        std::cout << shot.key << ": the committed picture " << shot.committed << " (" << pictured
                  << ") differs from the committed hash (" << want << ")\n";
        same = false;
      }
      if (same) std::cout << shot.key << ": " << drawn << "\n";
      failures += same ? 0 : 1;
    }
  }
  if (update) {
    WriteGolden(run.golden, kHeader, lines);
    std::cout << lines.size() << " frame hashes written to " << run.golden << "\n";
    return 0;
  }
  if (failures > 0) {
    std::cout << "If the change is intended, run `make golden` and commit " << run.golden
              << " with the pictures in docs/screenshots/.\n";
    return 1;
  }
  return 0;
}

}  // namespace bv::golden
