// brimvale-soak [--ticks N] [--data DIR] [--seed S] [--report-every N]:
// random-input games, one after another, over every shipped level (each
// campaign level and custom level) in every mode: one player, and two
// players in Cooperation, Deathmatch and Pointmatch, sometimes from the menu
// level. Prints ticks, games, level setups and memory every report; exits 1
// when a shipped level fails to set up or the heap grows, 2 on bad arguments.
// Built with the sanitizers (make soak), any report ends it.

#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "game/level_store.h"
#include "game/places.h"
#include "tools/soak/random_play.h"

extern "C" size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

namespace {

namespace fs = std::filesystem;
using bv::soak::GameStart;

// Live heap bytes: the sanitizer's count when it has one (its quarantine
// is not growth), else the C library's.
double HeapMb() {
  if (__sanitizer_get_current_allocated_bytes != nullptr)
    return static_cast<double>(__sanitizer_get_current_allocated_bytes()) / (1 << 20);
  const struct mallinfo2 m = mallinfo2();
  return static_cast<double>(m.uordblks + m.hblkhd) / (1 << 20);
}

double PeakMb() {
  struct rusage u {};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_maxrss) / 1024.0;
}

// Every game start worth playing: each campaign level and custom level, in
// each way of playing it.
std::vector<GameStart> Starts(const std::string& root) {
  std::vector<GameStart> levels;
  const fs::path campaigns = fs::path(root) / "data/levels/campaign";
  std::error_code ec;
  std::vector<fs::path> folders;
  for (const auto& e : fs::directory_iterator(campaigns, ec))
    if (e.is_directory()) folders.push_back(e.path());
  std::sort(folders.begin(), folders.end());
  for (const fs::path& folder : folders) {
    for (int n = 1; fs::exists(folder / (std::to_string(n) + ".dmp")); ++n) {
      GameStart s;
      s.source = bv::settings::LevelSource::kCampaign;
      s.entry = folder.filename().string();
      s.level = n;
      levels.push_back(s);
    }
  }
  std::vector<fs::path> customs;
  for (const auto& e : fs::directory_iterator(fs::path(root) / "data/levels/custom", ec))
    if (e.path().extension() == ".dmp") customs.push_back(e.path());
  std::sort(customs.begin(), customs.end());
  for (const fs::path& custom : customs) {
    GameStart s;
    s.source = bv::settings::LevelSource::kCustom;
    s.entry = custom.stem().string();
    levels.push_back(s);
  }
  std::vector<GameStart> starts;
  for (const GameStart& level : levels) {
    for (int way = 0; way < 4; ++way) {
      GameStart s = level;
      s.two_players = way == 0 ? 0 : 1;
      s.mode = static_cast<uint8_t>(way == 0 ? 0 : way - 1);
      starts.push_back(s);
    }
  }
  if (!levels.empty()) {
    GameStart menu = levels.front();
    menu.level = 0;  // walk the menu and take whatever cell comes
    starts.push_back(menu);
  }
  return starts;
}

bool Number(const char* text, int64_t* out) {
  char* end = nullptr;
  const long long v = std::strtoll(text, &end, 10);
  if (end == text || *end != '\0' || v < 0) return false;
  *out = v;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int64_t ticks = 10'000'000;
  int64_t seed = 1;
  int64_t report_every = 1'000'000;
  std::string root = ".";
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    bool ok = has_value;
    if (arg == "--ticks" && has_value) {
      ok = Number(argv[++i], &ticks);
    } else if (arg == "--seed" && has_value) {
      ok = Number(argv[++i], &seed);
    } else if (arg == "--report-every" && has_value) {
      ok = Number(argv[++i], &report_every) && report_every > 0;
    } else if (arg == "--data" && has_value) {
      root = argv[++i];
    } else {
      ok = false;
    }
    if (!ok) {
      std::fprintf(stderr,
                   "usage: brimvale-soak [--ticks N] [--data DIR] [--seed S] [--report-every N]\n");
      return 2;
    }
  }
  const std::vector<GameStart> starts = Starts(root);
  if (starts.empty()) {
    std::fprintf(stderr, "brimvale-soak: no levels under %s/data/levels\n", root.c_str());
    return 2;
  }

  bv::game::FileLevelStore store(bv::game::PlacesOfProgram(root).data_root);
  bv::soak::RandomPlay play(store, static_cast<uint64_t>(seed));
  // Ten minutes of play at most, then the next game.
  constexpr int64_t kMaxGameTicks = 54'000;
  int64_t games = 0;
  int64_t game_start_tick = 0;
  double baseline_heap = -1;
  double last_heap = 0;
  auto next_game = [&] {
    GameStart s = starts[static_cast<size_t>(games % static_cast<int64_t>(starts.size()))];
    s.difficulty = play.rng().Below(7);
    s.arenamode = play.rng().Below(4) != 0;
    s.reitem_period = 100 + play.rng().Below(901);
    s.frag_limit = 5 + play.rng().Below(20);
    s.point_limit = 1000 + play.rng().Below(20000);
    play.Start(s);
    ++games;
    game_start_tick = play.ticks();
  };
  next_game();
  while (play.ticks() < ticks) {
    play.Tick();
    if (play.Over() || play.ticks() - game_start_tick >= kMaxGameTicks) next_game();
    if (play.ticks() % report_every == 0 || play.ticks() == ticks) {
      last_heap = HeapMb();
      if (baseline_heap < 0) baseline_heap = last_heap;
      std::printf("soak: %lld ticks, %lld games, %lld level setups, peak %.1f MB, heap %.2f MB\n",
                  static_cast<long long>(play.ticks()), static_cast<long long>(games),
                  static_cast<long long>(play.host().setups), PeakMb(), last_heap);
      std::fflush(stdout);
    }
  }
  int status = 0;
  if (play.host().failed_setups != 0) {
    std::fprintf(stderr, "brimvale-soak: %lld level setups could not read their file\n",
                 static_cast<long long>(play.host().failed_setups));
    status = 1;
  }
  // Nothing is allocated per level or per actor: after the first report the
  // heap must stay where it was (a little slack for the C library).
  if (last_heap - baseline_heap > 2.0) {
    std::fprintf(stderr, "brimvale-soak: the heap grew from %.2f MB to %.2f MB\n", baseline_heap,
                 last_heap);
    status = 1;
  }
  std::printf("soak: %s\n", status == 0 ? "clean" : "FAILED");
  return status;
}
