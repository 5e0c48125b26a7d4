// Animated textures: 4 patterns each, looping (frame 3 runs into frame 0). 230..255.
#include <cmath>

#include "texture_kit.h"
#include "texture_table.h"

namespace bv::assets {

namespace {

constexpr float kTau = 6.2831853f;

// Height of a water surface: waves whose wave vectors repeat every 50 pixels and
// whose phases turn a whole number of times per loop.
float Waves(float x, float y, float t, uint32_t seed) {
  static const int kv[][3] = {{1, 2, 1}, {-2, 1, 1}, {3, -1, 1}, {2, 3, -1}, {-3, -2, 1}, {4, 1, -1}, {1, -4, 1}};
  float h = 0;
  for (int i = 0; i < 7; ++i) {
    float ph = Hash01(i, seed) * kTau;
    float amp = 1.0f / (1 + 0.4f * i);
    h += amp * std::sin(kTau * (kv[i][0] * x + kv[i][1] * y) / 50 + ph - kTau * kv[i][2] * t);
  }
  return h;
}

Image Water(int frame, Rgb deep, Rgb light, float clarity, uint32_t seed, bool sandy) {
  float t = frame / 4.0f;
  Surface s;
  s.Paint([&](float x, float y, Mat& m) {
    float h = Waves(x, y, t, seed);
    float c = Waves(x * 1.0f, y, t, seed + 1);
    float caustic = std::pow(Clamp01(1 - std::fabs(h + 0.5f * c) * 0.5f), 6.0f);
    Rgb base = deep;
    if (sandy) base = Mix(Hex(0xc8b48a), deep, 0.35f) * (1 + 0.05f * Fbm(x, y, 4, 3, seed + 2));
    m.albedo = Mix(base, light, clarity * caustic);
    m.height = 0.8f * h;
    m.gloss = 1;
  });
  ShadeOptions o;
  o.ambient = 0.7f;
  o.occlusion = 0;
  return s.Shade(o);
}

// Flowing molten surface: noise carried along a loop plus its own slow boiling.
Image Molten(int frame, Rgb dark, Rgb mid, Rgb hot, float crust, uint32_t seed) {
  float t = frame / 4.0f;
  Surface s;
  s.Paint([&](float x, float y, Mat& m) {
    float wx = x + 12.5f * t * 4 / 4;  // one 50-pixel drift per 4 loops? keep it slow: 12.5 px per loop
    float n = Fbm3(wx, y, t, 3, 4, seed);
    float v = Clamp01(0.5f + 0.8f * n);
    Rgb c = v < 0.5f ? Mix(dark, mid, v * 2) : Mix(mid, hot, (v - 0.5f) * 2);
    m.albedo = c;
    m.emit = c * (0.3f + 0.5f * v);
    m.height = -1.5f * v;
    if (crust > 0) {
      Cell cell = Voronoi(x, y, 4, seed + 1);
      float edge = cell.f2 - cell.f1;
      float glow = 0.5f + 0.5f * std::sin(kTau * (t + Hash01(cell.id)));
      if (edge > 2.2f - crust) {
        m.albedo = dark * (0.8f + 0.3f * Hash01(cell.id, 2)) * (1 + 0.2f * Noise(x, y, 10, seed + 3));
        m.emit = {};
        m.height = 2;
      } else {
        m.emit = m.emit * (0.7f + 0.6f * glow);
      }
    }
  });
  return s.Shade();
}

// Liquid with bubbles that swell and pop during the loop.
Image Bubbling(int frame, Rgb a, Rgb b, Rgb bubble, Rgb emit, uint32_t seed) {
  float t = frame / 4.0f;
  Surface s;
  s.Paint([&](float x, float y, Mat& m) {
    float n = Fbm3(x, y, t, 3, 3, seed);
    m.albedo = Mix(a, b, Clamp01(0.5f + 0.7f * n));
    m.emit = emit * Clamp01(0.5f + 0.7f * n);
    m.height = 0.6f * n;
    m.gloss = 0.9f;
    Cell c = Voronoi(x, y, 5, seed + 1, 0.7f);
    float phase = std::fmod(t + Hash01(c.id) + 1, 1.0f);
    float r = (Hash01(c.id, 1) < 0.6f) ? (1.5f + 3.5f * Hash01(c.id, 2)) * phase : 0;
    if (c.f1 < r && phase < 0.9f) {
      float k = std::sqrt(1 - (c.f1 / r) * (c.f1 / r));
      m.albedo = Mix(m.albedo, bubble, 0.6f);
      m.height += 2.5f * k * (r / 5);
    }
  });
  return s.Shade();
}

Image Conveyor(int frame, int dir) {
  // dir: 0 up, 1 down, 2 left, 3 right (the way the belt surface travels).
  float shift = frame * 3.125f * ((dir == 1 || dir == 3) ? 1 : -1);
  bool vertical = dir < 2;
  Surface s;
  s.Paint([&](float x, float y, Mat& m) {
    float along = vertical ? y : x, across = vertical ? x : y;
    float a = along - shift;
    if (across < 5 || across > 45) {
      // Side frames with bolts.
      m.albedo = Hex(0xe0b830);
      m.height = 3;
      m.gloss = 0.3f;
      if (LineDist(along, 12.5f, 6.25f) < 1.2f && std::fabs(across < 5 ? across - 2.5f : across - 47.5f) < 1.2f)
        m.albedo = Grey(0.3f), m.height = 3.6f;
      if (std::fabs(across - 5) < 0.7f || std::fabs(across - 45) < 0.7f) m.albedo = Grey(0.2f), m.height = 1;
      return;
    }
    float rib = LineDist(a, 12.5f);
    float chev = LineDist(a + std::fabs(across - 25) * 0.6f * ((dir == 0 || dir == 2) ? 1 : -1), 12.5f);
    m.albedo = Hex(0x58585a) * (1 + 0.06f * Noise(x, y, 25, 2381));
    m.height = 0;
    if (rib < 0.8f) m.albedo = Hex(0x404042), m.height = -0.5f;
    if (chev < 1.6f && std::fabs(across - 25) < 14) m.albedo = Hex(0x8a8a8c), m.height = 0.7f;
  });
  return s.Shade();
}

Image ScreenFrame(Surface& s) {
  RaiseBlock(s, 2.5f, 6, 0.6f);
  ShadeOptions o;
  o.ambient = 0.5f;
  return s.Shade(o);
}

void Bezel(Surface& s, Rgb screen_bg) {
  s.Paint([&](float x, float y, Mat& m) {
    float d = std::min(std::min(x, 50 - x), std::min(y, 50 - y));
    if (d < 6) {
      m.albedo = Hex(0x5a5e64) * (1 + 0.04f * Noise(x, y, 10, 2441));
      m.height = 7;
      m.gloss = 0.3f;
    } else {
      m.albedo = screen_bg;
      m.height = 5;
      m.gloss = 0.8f;
    }
  });
}

void Lit(Surface& s, float sd_fn_x0, float y0, float w, float h, Rgb c, float on) {
  s.Over([=](V2 p) { return SdRect(p, sd_fn_x0, y0, w, h, std::min(w, h) / 2); },
         Solid(Mix(c * 0.25f, c, on), 7.5f, 0.5f, 0.6f, c * (0.9f * on)));
}

}  // namespace

void AddAnimatedTextures(Recipes& r) {
  r[230] = [](int f) { return Water(f, Hex(0x4a90c0), Hex(0xd8f4ff), 0.8f, 2301, false); };
  r[231] = [](int f) { return Water(f, Hex(0x1e4a78), Hex(0x6aa8d8), 0.6f, 2311, false); };
  r[232] = [](int f) { return Water(f, Hex(0x60a8b8), Hex(0xd8f0f0), 0.35f, 2321, true); };
  r[233] = [](int f) {
    Image img = Water(f, Hex(0x5a6a38), Hex(0x9aa060), 0.5f, 2331, false);
    return img;
  };
  r[234] = [](int f) { return Bubbling(f, Hex(0x50c020), Hex(0xb0ff40), Hex(0xe0ff90), Hex(0x206000), 2341); };
  r[235] = [](int f) { return Molten(f, Hex(0x801000), Hex(0xff6010), Hex(0xffe070), 0, 2351); };
  r[236] = [](int f) { return Molten(f, Hex(0x3a2220), Hex(0xd04010), Hex(0xffc050), 1.0f, 2361); };
  r[237] = [](int f) { return Bubbling(f, Hex(0x5a0606), Hex(0xa01818), Hex(0xc04040), Hex(0x100000), 2371); };
  r[238] = [](int f) { return Conveyor(f, 0); };
  r[239] = [](int f) { return Conveyor(f, 1); };
  r[240] = [](int f) { return Conveyor(f, 2); };
  r[241] = [](int f) { return Conveyor(f, 3); };
  r[242] = [](int f) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      m.albedo = Hex(0x8a929a) * (1 + 0.03f * Noise(x, y, 10, 2421));
      m.height = 6;
      m.gloss = 0.3f;
    });
    s.Over([](V2 p) { return SdRect(p, 5, 5, 40, 22, 1.5f); }, Solid(Hex(0x2a2e34), 5.5f, 0.6f, 0.5f));
    const uint32_t cols[] = {0x40ff60, 0xff4030, 0xffc020, 0x40a0ff};
    for (int j = 0; j < 3; ++j)
      for (int i = 0; i < 6; ++i) {
        Rgb c = Hex(cols[Hash(i, j, 2422) % 4]);
        float on = Hash01(i, j, f, 2423) < 0.55f ? 1.0f : 0.0f;
        Lit(s, 8 + i * 6, 8 + j * 6.5f, 3.2f, 3.2f, c, on);
      }
    for (int i = 0; i < 4; ++i)
      s.Over([=](V2 p) { return SdRect(p, 7.0f + i * 10, 33, 6, 10, 1); }, Solid(Hex(0x4a5058), 7.5f, 0.6f, 0.4f));
    Lit(s, 40, 36, 4, 4, Hex(0xff3020), f % 2 ? 1.0f : 0.1f);
    return ScreenFrame(s);
  };
  r[243] = [](int f) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      m.albedo = Hex(0xb8b0a0) * (1 + 0.03f * Noise(x, y, 10, 2431));
      m.height = 6;
      m.gloss = 0.2f;
    });
    for (int j = 0; j < 5; ++j)
      for (int i = 0; i < 5; ++i) {
        int k = (i + j * 2) % 4;
        float on = (k == f) ? 1.0f : (Hash01(i, j, 2432) < 0.25f ? 1.0f : 0.0f);
        Rgb c = j < 2 ? Hex(0xffb030) : j < 4 ? Hex(0x60ff60) : Hex(0xff4030);
        s.Over([=](V2 p) { return SdCircle(p, {7.0f + i * 9, 7.0f + j * 9}, 3); },
               Solid(Mix(c * 0.25f, c, on), 7.5f, 1, 0.8f, c * (0.9f * on)));
      }
    return ScreenFrame(s);
  };
  r[244] = [](int f) {
    Surface s;
    Bezel(s, Hex(0x0a1a10));
    s.Paint([f](float x, float y, Mat& m) {
      if (x < 8 || x > 42 || y < 8 || y > 42) return;
      int line = static_cast<int>((y - 8) / 4) + f;
      float fy = std::fmod(y - 8, 4.0f);
      int col = static_cast<int>((x - 8) / 2.2f);
      int len = 4 + static_cast<int>(Hash01(line % 12, 2441) * 12);
      bool ch = col < len && Hash01(line % 12, col, 2442) < 0.75f && fy > 0.8f && fy < 3.2f &&
                std::fmod(x - 8, 2.2f) < 1.6f;
      if (ch) {
        m.albedo = Hex(0x60ff80);
        m.emit = Hex(0x30c050);
      }
      // Cursor blinks on the last line.
      if (y > 38 && y < 41 && x > 8 && x < 10.5f && (f & 1)) m.albedo = Hex(0x60ff80), m.emit = Hex(0x30c050);
    });
    return ScreenFrame(s);
  };
  r[245] = [](int f) {
    Surface s;
    Bezel(s, Hex(0x061a0a));
    float sweep = f * kTau / 4 - kTau / 4;
    s.Paint([sweep](float x, float y, Mat& m) {
      float dx = x - 25, dy = y - 25, rr = std::hypot(dx, dy);
      if (rr > 18 || std::min(std::min(x, 50 - x), std::min(y, 50 - y)) < 6) return;
      float a = std::atan2(dy, dx);
      float behind = std::fmod(sweep - a + 2 * kTau, kTau);
      float trail = std::exp(-behind * 1.8f);
      Rgb g = Hex(0x40ff60);
      float grid = (LineDist(rr, 6) < 0.35f || std::fabs(dx) < 0.3f || std::fabs(dy) < 0.3f) ? 0.35f : 0;
      float blip = 0;
      for (int i = 0; i < 3; ++i) {
        float ba = Hash01(i, 2451) * kTau, br = 5 + 11 * Hash01(i, 2452);
        float d = std::hypot(x - 25 - br * std::cos(ba), y - 25 - br * std::sin(ba));
        float since = std::fmod(sweep - ba + 2 * kTau, kTau);
        if (d < 1.3f) blip = std::max(blip, std::exp(-since * 0.8f));
      }
      float v = std::max(std::max(trail * 0.8f, grid), blip);
      m.albedo = Mix(Hex(0x061a0a), g, v);
      m.emit = g * (0.6f * v);
    });
    return ScreenFrame(s);
  };
  r[246] = [](int f) {
    Surface s;
    Bezel(s, Hex(0x081420));
    float t = f / 4.0f;
    s.Paint([t](float x, float y, Mat& m) {
      if (std::min(std::min(x, 50 - x), std::min(y, 50 - y)) < 6) return;
      float grid = (LineDist(x, 6.8f, 25) < 0.25f || LineDist(y, 6.8f, 25) < 0.25f) ? 0.25f : 0;
      float wave = 25 + 9 * std::sin(kTau * ((x - 6) / 19 - t)) * (0.7f + 0.3f * std::sin(kTau * (x / 38 + t)));
      float d = std::fabs(y - wave);
      float v = std::max(grid, Smooth(1.6f, 0.3f, d));
      m.albedo = Mix(Hex(0x081420), Hex(0x60e0ff), v);
      m.emit = Hex(0x30a0d0) * (0.8f * Smooth(1.6f, 0.3f, d));
    });
    return ScreenFrame(s);
  };
  r[247] = [](int f) {
    Surface s;
    Bezel(s, Grey(0.5f));
    s.Paint([f](float x, float y, Mat& m) {
      if (std::min(std::min(x, 50 - x), std::min(y, 50 - y)) < 6) return;
      float v = Hash01(static_cast<int>(x * 2), static_cast<int>(y), f, 2471);
      float band = 0.15f * std::sin(y * 0.5f + f * 2.0f);
      m.albedo = Grey(Clamp01(0.25f + 0.7f * v + band));
      m.emit = Grey(0.25f * v);
    });
    return ScreenFrame(s);
  };
  r[248] = [](int f) {
    Surface s;
    Metal(s, {Hex(0x7a8288), 0, 0.2f, 0.1f, 0.4f, 2481});
    RaiseBlock(s, 3, 5);
    float ang = f * kTau / 4;
    s.Paint([ang](float x, float y, Mat& m) {
      float dx = x - 25, dy = y - 25, rr = std::hypot(dx, dy);
      float a = std::atan2(dy, dx);
      float beam = std::pow(Clamp01(std::cos(a - ang)), 6.0f) + std::pow(Clamp01(std::cos(a - ang - kTau / 2)), 6.0f);
      float fall = Clamp01(1 - rr / 25);
      m.albedo = m.albedo + Hex(0xff8010) * (0.5f * beam * fall);
      m.emit = Hex(0xff6010) * (0.6f * beam * fall);
    });
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 10); }, [ang](float x, float y, float d) {
      Mat m;
      float a = std::atan2(y - 25, x - 25);
      float lit = std::pow(Clamp01(std::cos(a - ang)), 3.0f) + std::pow(Clamp01(std::cos(a - ang - kTau / 2)), 3.0f);
      m.albedo = Mix(Hex(0xa04010), Hex(0xffd080), lit);
      m.emit = Hex(0xff7020) * (0.3f + 0.7f * lit);
      m.height = 8 + 4 * std::sqrt(Clamp01(d / 10));
      m.gloss = 1;
      return m;
    });
    return s.Shade();
  };
  r[249] = [](int f) {
    Surface s;
    Metal(s, {Hex(0x9aa0a4), 0, 0.2f, 0, 0.4f, 2491});
    RaiseBlock(s, 3, 5);
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 21); }, Solid(Grey(0.1f), 0, 0.8f));
    float rot = f * (kTau / 4) / 4;  // four blades turn a quarter of their spacing per frame
    s.Over([rot](V2 p) {
      V2 q = Rotate(p - V2{25, 25}, -rot);
      float a = std::atan2(q.y, q.x);
      float r = Len(q);
      float blade = std::fabs(std::sin(a * 2 - r * 0.04f)) * r - 5.5f;
      return Intersect(blade, r - 19);
    }, Solid(Hex(0xb8bcc0), 4, 1.2f, 0.5f));
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 5); }, Solid(Hex(0x6a7074), 6, 1, 0.5f));
    s.Paint([](float x, float y, Mat& m) {
      float r = std::hypot(x - 25, y - 25);
      if (r < 21 && r > 6 && (std::fabs(x - 25) < 0.7f || std::fabs(y - 25) < 0.7f)) m.albedo = Hex(0x7a8084), m.height = 7;
    });
    return s.Shade();
  };
  r[250] = [](int f) {
    Surface s;
    float t = f / 4.0f;
    s.Paint([t](float x, float y, Mat& m) {
      float n = Fbm3(x, y, t, 3, 3, 2501);
      float bands = 0.5f + 0.5f * std::sin(kTau * (y / 12.5f - t) + 3 * n);
      float v = Clamp01(0.3f + 0.5f * bands + 0.3f * n);
      m.albedo = Mix(Hex(0x2050c0), Hex(0xc0f0ff), v);
      m.emit = Hex(0x3080ff) * (0.5f * v);
      m.height = 0;
      if (x < 4 || x > 46) m.albedo = Hex(0x6a7078), m.emit = {}, m.height = 4;
      if ((x < 4 || x > 46) && LineDist(y, 12.5f, 6.25f) < 1.5f) m.albedo = Hex(0x80d0ff), m.emit = Hex(0x4090ff);
    });
    return s.Shade();
  };
  r[251] = [](int f) {
    Surface s;
    Metal(s, {Hex(0x8a9298), 0, 0.2f, 0, 0.4f, 2511});
    float t = f / 4.0f;
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 22); }, Solid(Hex(0x5a6068), 2, 1, 0.5f));
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 19); }, [t](float x, float y, float) {
      Mat m;
      float dx = x - 25, dy = y - 25, rr = std::hypot(dx, dy);
      float a = std::atan2(dy, dx);
      float swirl = 0.5f + 0.5f * std::sin(3 * a + rr * 0.45f - kTau * t);
      float v = Clamp01(swirl * (1 - rr / 22) + 0.3f * (1 - rr / 19));
      m.albedo = Mix(Hex(0x3020a0), Hex(0xc0f0ff), v);
      m.emit = Mix(Hex(0x100840), Hex(0x60c0ff), v) * 0.8f;
      m.height = 1;
      return m;
    });
    for (int i = 0; i < 4; ++i) {
      float a = i * kTau / 4 + kTau / 8;
      V2 c{25 + 20.5f * std::cos(a), 25 + 20.5f * std::sin(a)};
      s.Over([=](V2 p) { return SdCircle(p, c, 2); },
             Solid(Hex(0x80e0ff), 3, 0.8f, 0.6f, Hex(0x3080ff) * (i == f ? 1.0f : 0.3f)));
    }
    return s.Shade();
  };
  r[252] = [](int f) {
    Surface s;
    float t = f / 4.0f;
    s.Paint([t](float x, float y, Mat& m) {
      float n = Fbm3(x, y + 50 * t, t, 4, 4, 2521);  // rises one cell per loop
      float heat = Clamp01(0.55f + 0.9f * n + 0.25f * std::sin(kTau * (y / 25 + t)));
      Rgb c = heat < 0.5f ? Mix(Hex(0x400800), Hex(0xe04010), heat * 2) : Mix(Hex(0xe04010), Hex(0xfff0a0), (heat - 0.5f) * 2);
      m.albedo = c;
      m.emit = c * 0.7f;
    });
    return s.Shade();
  };
  r[253] = [](int f) {
    Surface s;
    Metal(s, {Hex(0x8a9298), 0, 0.2f, 0, 0.4f, 2531});
    PlateSeams(s, 25, 25, 3, 1.3f, 2);
    s.Paint([f](float x, float y, Mat& m) {
      for (int k = 0; k < 2; ++k) {
        // Jagged arc between two plate corners, new shape each frame.
        uint32_t seed = Hash(f, k, 2532);
        float y0 = 10 + 30 * Hash01(seed, 1);
        float jag = 6 * Noise2(x, 0, 10, 1, seed) + 3 * Noise2(x, 0, 25, 1, seed + 1);
        float d = std::fabs(y - y0 - jag);
        float core = Smooth(0.8f, 0.1f, d), glow = Smooth(4, 0, d);
        m.albedo = Mix(m.albedo, Hex(0x6090d0), 0.5f * glow);
        m.emit = m.emit + Hex(0xa0d0ff) * (0.8f * core) + Hex(0x2040c0) * (0.3f * glow);
      }
    });
    return s.Shade();
  };
  r[254] = [](int f) {
    Surface s;
    Concrete(s, {Hex(0xa8a8a2), 0.06f, 0.2f, 0.3f, 0, 0, 2541});
    s.Over([](V2 p) { return SdRect(p, 10, 10, 30, 30, 2); }, Solid(Hex(0x6a6e70), 0.5f, 0.6f, 0.4f));
    s.Paint([](float x, float y, Mat& m) {
      if (x > 12 && x < 38 && y > 12 && y < 38 && LineDist(x, 4, 12) > 0.9f) m.albedo = Grey(0.08f), m.height = -3;
    });
    float t = f / 4.0f;
    float puff = 0.5f + 0.5f * std::sin(kTau * t);
    s.Paint([t, puff](float x, float y, Mat& m) {
      float rr = std::hypot(x - 25, y - 25);
      float n = Fbm3(x, y, t, 3, 4, 2542) * 0.5f + 0.5f;
      float k = Clamp01((1 - rr / (14 + 10 * puff)) * 1.5f) * Smooth(0.2f, 0.7f, n + 0.3f * puff);
      m.albedo = Mix(m.albedo, Grey(0.95f), k * 0.85f);
      m.height = Lerp(m.height, 4, k);
    });
    return s.Shade();
  };
  r[255] = [](int f) {
    Surface s;
    StoneSpec st;
    st.cells = 5;
    st.color = Hex(0x5a3a36);
    st.gap_color = Hex(0x2a1a18);
    st.seed = 2551;
    Stones(s, st);
    float t = f / 4.0f;
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 22); }, [t](float x, float y, float d) {
      Mat m;
      float dx = x - 25, dy = y - 25, rr = std::hypot(dx, dy);
      float a = std::atan2(dy, dx);
      float swirl = 0.5f + 0.5f * std::sin(2 * a - rr * 0.5f + kTau * t);
      float v = Clamp01(swirl * 0.8f + (1 - rr / 22) * 0.5f);
      m.albedo = Mix(Hex(0x300008), Hex(0xff6020), v);
      m.emit = Mix(Hex(0x200004), Hex(0xff3010), v) * 0.8f;
      m.height = -2 + 0 * d;
      return m;
    });
    return s.Shade();
  };
}

}  // namespace bv::assets
