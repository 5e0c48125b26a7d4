// png-probe: questions about a screenshot, for the end-to-end tests.
//
//   png-probe SHOT size                      "640 480"
//   png-probe SHOT pixel X Y                 "R G B"
//   png-probe SHOT count KIND X Y W H        pixels of the box that are KIND:
//        lit    (not black: red + green + blue above 48)
//        bluish (blue above 80 and 24 above both red and green)
//        white  (every channel 240 or more)
//   png-probe SHOT match X Y IMAGE [TOL]     "match", or "differ N" and the
//        first difference: IMAGE (any format SDL_image reads, e.g. .tga)
//        compared channel by channel with the box of its size at X, Y

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Picture {
  SDL_Surface* s = nullptr;
  explicit Picture(const char* path) {
    SDL_Surface* raw = IMG_Load(path);
    if (raw == nullptr) return;
    s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(raw);
  }
  ~Picture() {
    if (s != nullptr) SDL_FreeSurface(s);
  }
  bool ok() const { return s != nullptr; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < s->w && y < s->h; }
  const uint8_t* at(int x, int y) const {
    return static_cast<const uint8_t*>(s->pixels) + y * s->pitch + x * 4;
  }
};

int Usage() {
  std::fprintf(stderr,
               "usage: png-probe SHOT size | pixel X Y | count lit|bluish|white X Y W H |\n"
               "                      match X Y IMAGE [TOLERANCE]\n");
  return 2;
}

bool Is(const std::string& kind, const uint8_t* p) {
  const int r = p[0], g = p[1], b = p[2];
  if (kind == "lit") return r + g + b > 48;
  if (kind == "bluish") return b > 80 && b > r + 24 && b > g + 24;
  if (kind == "white") return r >= 240 && g >= 240 && b >= 240;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  Picture shot(argv[1]);
  if (!shot.ok()) {
    std::fprintf(stderr, "png-probe: cannot read %s: %s\n", argv[1], IMG_GetError());
    return 1;
  }
  const std::string cmd = argv[2];
  auto arg = [&](int i) { return i < argc ? std::atoi(argv[i]) : 0; };
  if (cmd == "size") {
    std::printf("%d %d\n", shot.s->w, shot.s->h);
  } else if (cmd == "pixel" && argc == 5) {
    if (!shot.inside(arg(3), arg(4))) return Usage();
    const uint8_t* p = shot.at(arg(3), arg(4));
    std::printf("%d %d %d\n", p[0], p[1], p[2]);
  } else if (cmd == "count" && argc == 8) {
    const std::string kind = argv[3];
    if (kind != "lit" && kind != "bluish" && kind != "white") return Usage();
    long n = 0;
    for (int y = arg(5); y < arg(5) + arg(7); ++y) {
      for (int x = arg(4); x < arg(4) + arg(6); ++x) {
        if (shot.inside(x, y) && Is(kind, shot.at(x, y))) ++n;
      }
    }
    std::printf("%ld\n", n);
  } else if (cmd == "match" && (argc == 6 || argc == 7)) {
    Picture want(argv[5]);
    if (!want.ok()) {
      std::fprintf(stderr, "png-probe: cannot read %s: %s\n", argv[5], IMG_GetError());
      return 1;
    }
    const int tolerance = argc == 7 ? arg(6) : 2;
    long differ = 0;
    std::string first;
    for (int y = 0; y < want.s->h; ++y) {
      for (int x = 0; x < want.s->w; ++x) {
        const int sx = arg(3) + x, sy = arg(4) + y;
        const uint8_t* w = want.at(x, y);
        const uint8_t* g = shot.inside(sx, sy) ? shot.at(sx, sy) : nullptr;
        bool same = g != nullptr;
        for (int c = 0; same && c < 3; ++c) same = std::abs(g[c] - w[c]) <= tolerance;
        if (same) continue;
        if (differ++ == 0) {
          char text[128];
          std::snprintf(text, sizeof text, " first %d,%d got %d,%d,%d want %d,%d,%d", sx, sy,
                        g ? g[0] : -1, g ? g[1] : -1, g ? g[2] : -1, w[0], w[1], w[2]);
          first = text;
        }
      }
    }
    if (differ == 0) {
      std::printf("match\n");
    } else {
      std::printf("differ %ld%s\n", differ, first.c_str());
    }
  } else {
    return Usage();
  }
  return 0;
}
