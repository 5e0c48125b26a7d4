#pragma once

#include <cstdint>
#include <locale>
#include <random>
#include <sstream>
#include <string>

namespace bv::game {

// The game's one random source. Uniform integers by rejection sampling over
// mt19937, so a seed replays the same game on every platform.
class Random {
 public:
  explicit Random(uint32_t seed = 1) : engine_(seed) {}
  void Seed(uint32_t seed) { engine_.seed(seed); }

  // Uniform integer in lo..hi inclusive (lo <= hi).
  int Uniform(int lo, int hi) {
    uint32_t span = static_cast<uint32_t>(hi - lo) + 1u;
    if (span == 0) return lo + static_cast<int>(engine_());
    uint32_t limit = UINT32_MAX - (UINT32_MAX % span + 1u) % span;
    uint32_t v;
    do {
      v = engine_();
    } while (v > limit);
    return lo + static_cast<int>(v % span);
  }

  // The engine's whole state in the standard library's text form: equal texts
  // draw the same numbers from here on. The world hash covers it.
  std::string StateText() const {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << engine_;
    return out.str();
  }

 private:
  std::mt19937 engine_;
};

}  // namespace bv::game
