#include "app/probe.h"

#include <SDL.h>
#include <signal.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"
#include "render/screenshot.h"

namespace bv::app {

namespace {

std::atomic<bool> g_shot{false};
std::atomic<bool> g_state{false};

}  // namespace

std::unique_ptr<Probe> Probe::FromEnvironment(MainWindow& main) {
  const char* path = std::getenv("BRIMVALE_PROBE");
  if (path == nullptr || *path == '\0') return nullptr;
  return std::make_unique<Probe>(main, path);
}

Probe::Probe(MainWindow& main, std::string screenshot_path)
    : main_(main), path_(std::move(screenshot_path)) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  signal(SIGUSR1, [](int) { g_shot = true; });
  signal(SIGUSR2, [](int) { g_state = true; });
  main_.set_after_frame([this] { AfterFrame(); });
}

Probe::~Probe() {
  main_.set_after_frame(nullptr);
  // Ignored, not reset: a test's late request while the program shuts down
  // must not kill it.
  signal(SIGUSR1, SIG_IGN);
  signal(SIGUSR2, SIG_IGN);
}

void Probe::Poll() {
  ++passes_;
  if (!started_) {
    started_ = true;
    PrintStarted();
  }
  if (g_shot.exchange(false)) shot_pending_ = true;
  if (g_state.exchange(false)) PrintState();
}

void Probe::AfterFrame() {
  if (!shot_pending_) return;
  shot_pending_ = false;
  ++shots_;
  const int32_t code = render::SavePng(main_.device(), path_);
  if (code == 0) {
    std::printf("screenshot %d\n", shots_);
  } else {
    std::printf("screenshot-failed %d %d\n", shots_, code);
  }
}

void Probe::PrintStarted() {
  const game::World& w = main_.world();
  std::string silent;
  for (int i = 0; i < game::kSampleCount; ++i) {
    if (main_.sound_bank().samples()[static_cast<size_t>(i)] != nullptr) continue;
    silent += (silent.empty() ? "" : ",") + game::SampleFileName(i);
  }
  std::printf("started driver=%s loaded=%d transition=%d silent=%s\n",
              main_.device().driver_name().c_str(), main_.resources_loaded() ? 1 : 0, w.transition,
              silent.empty() ? "-" : silent.c_str());
}

const char* Probe::FocusName() const {
  SDL_Window* focused = SDL_GetKeyboardFocus();
  if (focused == nullptr) return "none";
  return focused == main_.window() ? "game" : "options";
}

namespace {

const char* NetStateName(const NetPlay* net) {
  if (net == nullptr) return "none";
  const net::NetGame& g = net->game();
  switch (g.state()) {
    case net::NetGame::State::kConnecting: return "connecting";
    case net::NetGame::State::kPlaying: return g.waiting() ? "waiting" : "playing";
    case net::NetGame::State::kClosing: return "closing";
    case net::NetGame::State::kOver: return "over";
  }
  return "none";
}

}  // namespace

void Probe::PrintState() {
  // The world drawn: the network game's while one runs.
  const game::World& w = main_.shown_world();
  const game::PlayerState& p1 = w.players[0];
  const game::PlayerState& p2 = w.players[1];
  std::printf(
      "state passes=%ld ticks=%ld frames=%ld fps=%d loaded=%d level=%d transition=%d "
      "two_players=%d second_player=%d p1=%.1f,%.1f p2=%.1f,%.1f health=%d options=%d "
      "sounds=%ld silent_sounds=%ld minutes=%d steps=%.1f focus=%s net=%s net_steps=%u "
      "overlay=%d net_replay=%s\n",
      passes_, main_.ticks_run(), main_.frames_drawn(), main_.timer().frame_rate(),
      main_.resources_loaded() ? 1 : 0, w.level_number, w.transition, w.two_players,
      w.second_player, static_cast<double>(p1.x), static_cast<double>(p1.y),
      static_cast<double>(p2.x), static_cast<double>(p2.y), p1.health,
      main_.live().options_visible() ? 1 : 0, main_.sounds().played(), main_.sounds().silent(),
      w.clock_minutes, w.clock_steps, FocusName(), NetStateName(main_.net()),
      main_.net() != nullptr ? main_.net()->game().confirmed_steps() : 0u,
      main_.overlay().message_timer,
      main_.net_replay_path().empty() ? "-" : main_.net_replay_path().c_str());
  PrintScreen();
}

void Probe::PrintScreen() {
  int ww = 0, wh = 0;
  if (main_.window() != nullptr) SDL_GetWindowSize(main_.window(), &ww, &wh);
  const bool full = main_.window() != nullptr &&
                    (SDL_GetWindowFlags(main_.window()) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  const SDL_Rect& f = main_.device().frame_placement();
  std::printf("screen window=%dx%d fullscreen=%d frame=%d,%d,%dx%d scale=%d pace=%d vsync=%d\n",
              ww, wh, full ? 1 : 0, f.x, f.y, f.w, f.h, main_.screen().scale(),
              main_.screen().pace(), main_.device().vsync() ? 1 : 0);
}

}  // namespace bv::app
