// brimvale-replay FILE [--step N] [--program-dir DIR]: shows a replay in the
// game's window, drawn as the game draws it (HUD, mini map, messages),
// with the game's sounds at real speed and slower.
//   Space pause, . one step, + and - speed (x0.25 .. x8), digits and Enter
//   jump to that step, Left and Right ten seconds back and on, Home the
//   start, End the end, Escape or Q quit.
// Every world hash the file holds is checked on the way; the first that does
// not match pauses the playback and prints "replay diverged at step N".
// Exit 0 when watched without a divergence, 1 after one (or when the window
// cannot be made), 2 for a bad file or arguments.

#include <SDL.h>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "game/level_store.h"
#include "game/places.h"
#include "render/draw_device.h"
#include "render/frame_renderer.h"
#include "render/game_resources.h"
#include "replay/reader.h"
#include "sound/sound_bank.h"
#include "tools/replay/playback.h"

namespace {

constexpr const char* kUsage = "usage: brimvale-replay FILE [--step N] [--program-dir DIR]";
constexpr const char* kHelp =
    "usage: brimvale-replay FILE [--step N] [--program-dir DIR]\n"
    "Shows a recorded game (.bvr) in a game window.\n"
    "  --step N            start at step N\n"
    "  --program-dir DIR   the folder holding data/ (default: the game's data)\n"
    "  --help              this text\n"
    "Keys: Space pause, . one step, + and - speed, digits and Enter jump to a step,\n"
    "Left and Right ten seconds, Home and End, Escape or Q quit.\n";
constexpr uint32_t kTenSeconds = 900;

int Fail(const std::string& text, int code) {
  std::string line;
  for (char c : text) line.push_back(c == '\n' || c == '\r' ? ' ' : c);
  std::cerr << "brimvale-replay: " << line << "\n";
  return code;
}

bool Number(const std::string& s, uint32_t* out) {
  if (s.empty() || s.size() > 10 || s.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  const unsigned long long v = std::stoull(s);
  if (v > 0xFFFFFFFFull) return false;
  *out = static_cast<uint32_t>(v);
  return true;
}

std::string OwnFolder() {
  char* base = SDL_GetBasePath();
  std::string dir = base != nullptr ? base : ".";
  SDL_free(base);
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

struct Window {
  SDL_Window* window = nullptr;
  ~Window() {
    if (window != nullptr) SDL_DestroyWindow(window);
    SDL_Quit();
  }
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--help") {
    std::fputs(kHelp, stdout);
    return 0;
  }
  std::string path, program_dir;
  uint32_t start_step = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == "--step" || args[i] == "--program-dir") && i + 1 >= args.size()) {
      return Fail(args[i] + " needs a value; " + kUsage, 2);
    }
    if (args[i] == "--step") {
      if (!Number(args[++i], &start_step)) return Fail("--step needs a step number", 2);
    } else if (args[i] == "--program-dir") {
      program_dir = args[++i];
    } else if (!args[i].empty() && args[i][0] == '-') {
      return Fail("unknown option " + args[i] + "; " + kUsage, 2);
    } else if (path.empty()) {
      path = args[i];
    } else {
      return Fail(std::string("one replay at a time; ") + kUsage, 2);
    }
  }
  if (path.empty()) return Fail(kUsage, 2);

  std::unique_ptr<bv::replay::ReplayFile> file;
  try {
    file = std::make_unique<bv::replay::ReplayFile>(bv::replay::ReplayFile::Load(path));
  } catch (const bv::replay::ReplayError& e) {
    return Fail(e.what(), 2);
  }

  Window w;
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    return Fail(std::string("cannot start SDL: ") + SDL_GetError(), 1);
  }
  // Where the game finds its data: beside it, or installed.
  const bv::game::Places places =
      program_dir.empty()
          ? bv::game::FindPlaces(OwnFolder(), bv::game::PlacesEnvironment::OfProcess())
          : bv::game::PlacesOfProgram(program_dir);

  const std::string title = "Brimvale replay: " + path;
  w.window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                              bv::game::kScreenWidth, bv::game::kScreenHeight, SDL_WINDOW_SHOWN);
  if (w.window == nullptr) return Fail(std::string("cannot make a window: ") + SDL_GetError(), 1);
  bv::render::DrawDevice device;
  if (device.CreateForWindow(w.window, nullptr, true) != 0) {
    return Fail(std::string("cannot draw in the window: ") + SDL_GetError(), 1);
  }
  bv::render::GameResources resources(device);
  resources.LoadFont(places);
  const bv::render::ImageLoadResult images = resources.LoadImages(places);
  if (images.status != bv::render::ImageLoadResult::Status::kLoaded) {
    return Fail("the game's pictures cannot be loaded from " + places.data_root + "/data: " +
                    (images.file_error.empty() ? images.path : images.file_error),
                1);
  }
  bv::sound::SoundBank sound;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && sound.Open()) sound.LoadSamples(places);
  bv::render::FrameRenderer frame(device, &resources.font(), resources.images());

  bv::game::FileLevelStore levels(places);
  bv::replay_tool::Playback playback(*file, levels, sound);
  if (start_step > 0) playback.JumpTo(start_step);

  std::string jump;  // digits typed so far
  std::string shown_title;
  bool reported = false;
  bool quit = false;
  Uint64 last = SDL_GetPerformanceCounter();
  const double frequency = static_cast<double>(SDL_GetPerformanceFrequency());
  while (!quit) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
      device.HandleEvent(e);
      if (e.type == SDL_QUIT ||
          (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE)) {
        quit = true;
      } else if (e.type == SDL_TEXTINPUT) {
        for (const char* c = e.text.text; *c != '\0'; ++c) {
          if (*c == '+') playback.Faster();
          if (*c == '-') playback.Slower();
          if (*c == '.') playback.StepOnce();
          if (*c >= '0' && *c <= '9' && jump.size() < 10) jump.push_back(*c);
        }
      } else if (e.type == SDL_KEYDOWN) {
        switch (e.key.keysym.sym) {
          case SDLK_ESCAPE:
          case SDLK_q:
            quit = true;
            break;
          case SDLK_SPACE:
            playback.TogglePause();
            break;
          case SDLK_KP_PLUS:
            playback.Faster();
            break;
          case SDLK_KP_MINUS:
            playback.Slower();
            break;
          case SDLK_RETURN:
          case SDLK_KP_ENTER: {
            uint32_t to = 0;
            if (Number(jump, &to)) playback.JumpTo(to);
            jump.clear();
            break;
          }
          case SDLK_BACKSPACE:
            if (!jump.empty()) jump.pop_back();
            break;
          case SDLK_LEFT:
            playback.JumpTo(playback.step() > kTenSeconds ? playback.step() - kTenSeconds : 0);
            break;
          case SDLK_RIGHT:
            playback.JumpTo(playback.step() + kTenSeconds);
            break;
          case SDLK_HOME:
            playback.JumpTo(0);
            break;
          case SDLK_END:
            playback.JumpTo(playback.total_steps());
            break;
          default:
            break;
        }
      }
    }
    const Uint64 now = SDL_GetPerformanceCounter();
    playback.Advance(static_cast<double>(now - last) / frequency);
    last = now;
    if (playback.divergence() && !reported) {
      reported = true;
      std::cerr << playback.divergence()->reason << "\n";
      if (!playback.paused()) playback.TogglePause();
    }
    frame.Render(playback.world(), true, playback.live(), 0);
    std::string status = title + "  " + playback.Status();
    if (!jump.empty()) status += "  jump to " + jump;
    if (status != shown_title) {
      SDL_SetWindowTitle(w.window, status.c_str());
      shown_title = status;
    }
    if (playback.paused() || playback.at_end()) SDL_Delay(10);
  }
  device.Shutdown();
  resources.Release();
  sound.Close();
  return reported ? 1 : 0;
}
