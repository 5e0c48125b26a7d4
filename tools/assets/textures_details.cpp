// Details: single special cells on a neutral base. 200..229, but for the
// numbers the menu level's floor marks take (textures_menu.cpp).
#include <cmath>

#include "texture_kit.h"
#include "texture_table.h"

namespace bv::assets {

namespace {

const Rgb kBase = Hex(0xb8b8b2);

void Floor(Surface& s, uint32_t seed) { Concrete(s, {kBase, 0.05f, 0.25f, 0.15f, 0, 0, seed}); }

void Stripes(Surface& s, Rgb a, Rgb b, std::function<bool(float, float)> inside) {
  s.Paint([&](float x, float y, Mat& m) {
    if (!inside(x, y)) return;
    bool first = std::fmod(x + y + 100, 12.5f) < 6.25f;
    float wear = Fbm(x, y, 6, 3, 2001) * 0.5f + 0.5f;
    Rgb c = first ? a : b;
    m.albedo = Mix(m.albedo, c * (1 + 0.05f * Noise(x, y, 25, 2002)), wear > 0.22f ? 0.95f : 0.3f);
    m.gloss = 0.15f;
  });
}

// A pipe piece: straight along a path given as a distance function to its axis.
template <class Axis>
void PipeShape(Surface& s, Axis axis, float r, Rgb col) {
  s.Over([=](V2 p) { return axis(p) - r; }, [=](float x, float y, float d) {
    Mat m;
    float t = Clamp01(d / r);
    m.albedo = col * (1 + 0.04f * Noise(x, y, 10, 2071));
    m.height = 2 + r * 1.1f * std::sqrt(t * (2 - t));
    m.gloss = 0.6f;
    return m;
  });
}

void PipeBase(Surface& s) {
  Base(s, Hex(0x4a4e52));
  s.Paint([](float x, float y, Mat& m) {
    if (LineDist(x, 12.5f) < 0.5f || LineDist(y, 12.5f) < 0.5f) m.albedo = m.albedo * 0.8f;
  });
}

const Rgb kPipe = Hex(0xa8b0b6);
constexpr float kPipeR = 9;

float ArcAxis(V2 p, V2 corner) { return std::fabs(Len(p - corner) - 25); }

void Sign(Surface& s, Rgb plate, std::function<void(Surface&)> symbol, bool round = false) {
  Floor(s, 2221);
  if (round)
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 21); }, Solid(plate, 0.6f, 0.6f, 0.2f));
  else
    s.Over([](V2 p) { return SdRect(p, 4, 4, 42, 42, 4); }, Solid(plate, 0.6f, 0.6f, 0.2f));
  symbol(s);
}

Mat Paint(Rgb c) {
  Mat m;
  m.albedo = c;
  m.height = 0.8f;
  m.gloss = 0.2f;
  return m;
}

}  // namespace

void AddDetailTextures(Recipes& r) {
  r[200] = [](int) {
    Surface s;
    Floor(s, 2001);
    Stripes(s, Hex(0xf0c020), Grey(0.12f), [](float, float) { return true; });
    return s.Shade();
  };
  r[201] = [](int) {
    Surface s;
    Floor(s, 2011);
    Stripes(s, Hex(0xf0c020), Grey(0.12f), [](float, float y) { return std::fabs(y - 25) < 8; });
    return s.Shade();
  };
  r[202] = [](int) {
    Surface s;
    Floor(s, 2021);
    Stripes(s, Hex(0xf0c020), Grey(0.12f), [](float x, float) { return std::fabs(x - 25) < 8; });
    return s.Shade();
  };
  r[203] = [](int) {
    Surface s;
    Floor(s, 2031);
    Stripes(s, Hex(0xd02820), Hex(0xf4f4f0), [](float, float) { return true; });
    return s.Shade();
  };
  r[207] = [](int) {
    Surface s(50, 50, false);
    PipeBase(s);
    PipeShape(s, [](V2 p) { return std::fabs(p.y - 25); }, kPipeR, kPipe);
    s.Over([](V2 p) { return SdRect(p, 21, 14, 8, 22, 1); }, Solid(kPipe * 0.85f, 14, 1, 0.6f));
    return s.Shade();
  };
  r[208] = [](int) {
    Surface s(50, 50, false);
    PipeBase(s);
    PipeShape(s, [](V2 p) { return std::fabs(p.x - 25); }, kPipeR, kPipe);
    s.Over([](V2 p) { return SdRect(p, 14, 21, 22, 8, 1); }, Solid(kPipe * 0.85f, 14, 1, 0.6f));
    return s.Shade();
  };
  r[209] = [](int) {
    Surface s(50, 50, false);
    PipeBase(s);
    PipeShape(s, [](V2 p) { return std::min(std::fabs(p.x - 25), std::fabs(p.y - 25)); }, kPipeR, kPipe);
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 12); }, Solid(kPipe * 0.9f, 14, 2, 0.6f));
    s.Over([](V2 p) {
      V2 q = p - V2{25, 25};
      float a = std::atan2(q.y, q.x);
      return Subtract(Len(q) - 9 - 0.8f * std::cos(a * 5), Len(q) - 6);
    }, Solid(Hex(0xd03020), 18, 0.8f, 0.5f));
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 2.5f); }, Solid(Hex(0xd03020), 18, 0.8f, 0.5f));
    return s.Shade();
  };
  struct Bend {
    int n;
    V2 corner;
  };
  for (Bend b : {Bend{210, {50, 50}}, Bend{211, {0, 50}}, Bend{212, {0, 0}}, Bend{213, {50, 0}}}) {
    V2 c = b.corner;
    r[b.n] = [c](int) {
      Surface s(50, 50, false);
      PipeBase(s);
      PipeShape(s, [c](V2 p) { return ArcAxis(p, c); }, kPipeR, kPipe);
      return s.Shade();
    };
  }
  auto blood = [](Surface& s, uint32_t seed, float amount, int cells) {
    s.Paint([&](float x, float y, Mat& m) {
      float n = Fbm(x, y, cells, 4, seed);
      float dist = std::hypot(x - 25, y - 25) / 25;
      float v = n + 0.5f - dist * amount;
      if (v > 0.25f) {
        float k = Smooth(0.25f, 0.3f, v);
        m.albedo = Mix(m.albedo, Mix(Hex(0x6a0606), Hex(0x9a1010), Smooth(0.3f, 0.6f, v)), k);
        m.gloss = Lerp(m.gloss, 0.9f, k);
        m.height = Lerp(m.height, 0.3f, k);
      }
      Cell c = Voronoi(x, y, 8, seed + 1);
      if (Hash01(c.id) < 0.3f && c.f1 < 0.8f + Hash01(c.id, 1) && dist < 0.9f)
        m.albedo = Hex(0x7a0808), m.gloss = 0.9f;
    });
  };
  r[214] = [blood](int) {
    Surface s;
    TileSpec t;
    t.color = Hex(0xc8c8c4);
    t.grout_color = Hex(0x8a8a84);
    t.seed = 2141;
    Tiles(s, t);
    blood(s, 2142, 1.6f, 3);
    return s.Shade();
  };
  r[215] = [](int) {
    Surface s;
    Floor(s, 2151);
    s.Over([](V2 p) {
      V2 q = p - V2{25, 25};
      float a = std::atan2(q.y, q.x);
      return Len(q) - 15 - 3 * std::sin(a * 3 + 1) - 2 * std::sin(a * 7);
    }, [](float x, float y, float d) {
      Mat m;
      m.albedo = Mix(Hex(0x900c0c), Hex(0x500404), Smooth(0, 8, d) + 0.1f * Noise(x, y, 10, 2152));
      m.height = 0.4f;
      m.gloss = 1;
      return m;
    });
    for (int i = 0; i < 6; ++i) {
      float a = i * 1.1f + 0.3f, rr = 20 + 3 * Hash01(i, 2153);
      V2 c{25 + rr * std::cos(a), 25 + rr * std::sin(a)};
      s.Over([=](V2 p) { return SdCircle(p, c, 1 + 1.2f * Hash01(i, 2154)); }, Solid(Hex(0x800a0a), 0.3f, 0.5f, 1));
    }
    return s.Shade();
  };
  r[220] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float loop = Noise(x, y, 50, 2201);
      m.albedo = Hex(0x9a1c20) * (1 + 0.1f * loop);
      // Gold lattice: diamonds every 25 pixels.
      float dx = LineDist(x + y, 25, 12.5f), dy = LineDist(x - y + 50, 25, 12.5f);
      float lat = std::min(dx, dy);
      if (lat < 1.2f) m.albedo = Hex(0xd8a838) * (1 + 0.1f * loop);
      float cx = std::fmod(x, 25.0f) - 12.5f, cy = std::fmod(y, 25.0f) - 12.5f;
      if (std::fabs(cx) + std::fabs(cy) < 3.5f) m.albedo = Hex(0xe8c050);
      m.height = 0.3f * loop;
    });
    return s.Shade();
  };
  r[222] = [](int) {
    Surface s;
    Sign(s, Hex(0x1a9a4a), [](Surface& s) {
      // Running figure and an arrow to the right.
      s.Over([](V2 p) { return SdCircle(p, {17, 11}, 3); }, [](float, float, float) { return Paint(Hex(0xf8f8f0)); });
      s.Over([](V2 p) {
        return std::min({SdSegment(p, {16, 15}, {14, 23}, 1.6f), SdSegment(p, {14, 23}, {9, 31}, 1.5f),
                         SdSegment(p, {14, 23}, {20, 27}, 1.5f), SdSegment(p, {20, 27}, {19, 33}, 1.5f),
                         SdSegment(p, {16, 16}, {10, 20}, 1.3f), SdSegment(p, {16, 16}, {22, 18}, 1.3f)});
      }, [](float, float, float) { return Paint(Hex(0xf8f8f0)); });
      s.Over([](V2 p) {
        return std::min(SdRect(p, 26, 20, 10, 4), SdPolygon(p, {{35, 14}, {43, 22}, {35, 30}}));
      }, [](float, float, float) { return Paint(Hex(0xf8f8f0)); });
      PaintText(s, "WYJŚCIE", 25, 40, 8.5f, Hex(0xf8f8f0));
    });
    return s.Shade();
  };
}

}  // namespace bv::assets
