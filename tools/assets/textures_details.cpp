// Details: single special cells on a neutral base. 200..229.
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

void WarningTriangle(Surface& s) {
  s.Over([](V2 p) { return SdPolygon(p, {{25, 5}, {46, 43}, {4, 43}}); }, [](float, float, float) { return Paint(Grey(0.1f)); });
  s.Over([](V2 p) { return SdPolygon(p, {{25, 10}, {41.5f, 40}, {8.5f, 40}}); }, [](float, float, float) { return Paint(Hex(0xf4c820)); });
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
  r[204] = [](int) {
    Surface s;
    Floor(s, 2041);
    s.Over([](V2 p) { return SdRect(p, 7, 7, 36, 36, 1); }, Solid(Hex(0x7a7e80), 0.6f, 0.6f, 0.4f));
    s.Paint([](float x, float y, Mat& m) {
      if (x > 9 && x < 41 && y > 9 && y < 41 && LineDist(x, 4, 9) > 0.9f && LineDist(y, 4, 9) > 0.9f) {
        m.albedo = Grey(0.08f);
        m.height = -3;
        m.gloss = 0;
      }
    });
    return s.Shade();
  };
  r[205] = [](int) {
    Surface s;
    Floor(s, 2051);
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 14); }, [](float x, float y, float d) {
      Mat m;
      m.albedo = Hex(0x8a8e90);
      m.height = -1 + 0.8f * Clamp01(1 - d / 14);  // dished towards the middle
      m.gloss = 0.5f;
      float r = std::hypot(x - 25, y - 25);
      float a = std::atan2(y - 25, x - 25);
      if (r < 11 && r > 3 && std::fabs(std::sin(a * 6)) < 0.35f) m.albedo = Grey(0.08f), m.height = -3;
      return m;
    });
    return s.Shade();
  };
  r[206] = [](int) {
    Surface s;
    Floor(s, 2061);
    s.Over([](V2 p) { return SdRect(p, 6, 10, 38, 30, 1.5f); }, Solid(Hex(0x9aa0a4), 0.8f, 0.8f, 0.4f));
    s.Paint([](float x, float y, Mat& m) {
      if (x > 8 && x < 42 && y > 12 && y < 38) {
        float f = std::fmod(y - 12, 3.25f);
        m.height = 1 + (f < 2 ? f * 0.6f : -2.5f);
        m.albedo = f < 2 ? Hex(0xa8aeb2) * (0.8f + 0.15f * f) : Grey(0.06f);
      }
    });
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
  r[216] = [](int) {
    Surface s;
    Floor(s, 2161);
    s.Paint([](float x, float y, Mat& m) {
      float band = std::fabs(y - 25 - 4 * std::sin(x * 0.12f) - 2 * Noise(x, y, 5, 2162));
      float streak = Noise2(x, y, 2, 25, 2163) * 0.5f + 0.5f;
      if (band < 7 && streak > 0.3f + band * 0.06f) {
        float k = Smooth(7, 4, band);
        m.albedo = Mix(m.albedo, Hex(0x7a0a0a), 0.9f * k);
        m.gloss = 0.6f * k;
      }
    });
    return s.Shade();
  };
  r[217] = [](int) {
    Surface s;
    Concrete(s, {kBase, 0.07f, 0.3f, 0.2f, 0, 0, 2171});
    Cracks(s, 1.0f, 1.3f, 2172);
    Cracks(s, 0.8f, 0.7f, 2173);
    return s.Shade();
  };
  r[218] = [](int) {
    Surface s;
    Floor(s, 2181);
    s.Paint([](float x, float y, Mat& m) {
      float d = std::hypot(x - 25, y - 25);
      float n = Fbm(x, y, 4, 4, 2182);
      float a = std::atan2(y - 25, x - 25);
      float rays = 0.5f + 0.5f * std::sin(a * 9 + 3 * n);
      float k = Smooth(24, 6, d + 6 * n - 4 * rays);
      m.albedo = Mix(m.albedo, Hex(0x1a1614) * (1 + 0.3f * n), k);
      m.height -= 2 * Smooth(12, 0, d);
      if (d < 9) m.albedo = m.albedo * (0.6f + 0.2f * n);
    });
    return s.Shade();
  };
  r[219] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float loop = Noise(x, y, 50, 2191) * 0.6f + Noise(x, y, 25, 2192) * 0.4f;
      m.albedo = Hex(0xe0dcd4) * (1 + 0.08f * loop);
      m.height = 0.4f * loop;
    });
    ShadeOptions o;
    o.bump = 0.6f;
    return s.Shade(o);
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
  r[221] = [](int) {
    Surface s;
    Planks(s, {8.333f, 50, false, Hex(0xb08860), 0.1f, 0.5f, 0.8f, 2211});
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 23); }, [](float x, float y, float d) {
      Mat m;
      float r = std::hypot(x - 25, y - 25);
      Rgb rings[] = {Hex(0x3a5a8a), Hex(0xd8c8a0), Hex(0xa03030), Hex(0xd8c8a0), Hex(0x3a5a8a)};
      int k = std::min(4, static_cast<int>(r / 4.7f));
      m.albedo = rings[k] * (1 + 0.08f * Noise(x, y, 50, 2212));
      m.height = 0.8f + Bevel(d, 1, 0.3f);
      return m;
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
  r[223] = [](int) {
    Surface s;
    Sign(s, Hex(0xf4c820), [](Surface& s) {
      s.Over([](V2 p) {
        V2 q = p - V2{25, 25};
        float a = std::atan2(q.y, q.x) + 1.5708f;
        float ring = std::max(Len(q) - 17, 5 - Len(q));
        float wedge = std::cos(3 * a) > 0.5f ? -1.0f : 1.0f;
        return Union(std::max(ring, wedge), Len(q) - 3);
      }, [](float, float, float) { return Paint(Grey(0.1f)); });
    }, true);
    return s.Shade();
  };
  r[224] = [](int) {
    Surface s;
    Sign(s, Hex(0xf4c820), [](Surface& s) {
      s.Over([](V2 p) {
        float d = 1e9f;
        for (int i = 0; i < 3; ++i) {
          float a = -1.5708f + i * 2.094f;
          V2 c{25 + 8 * std::cos(a), 25 + 8 * std::sin(a)};
          V2 c2{25 + 11 * std::cos(a), 25 + 11 * std::sin(a)};
          d = std::min(d, Subtract(SdRing(p, c, 7, 2.2f), SdCircle(p, c2, 4.5f)));
        }
        return Union(d, SdRing(p, {25, 25}, 6, 1.6f));
      }, [](float, float, float) { return Paint(Hex(0xc02020)); });
    }, true);
    return s.Shade();
  };
  r[225] = [](int) {
    Surface s;
    Floor(s, 2251);
    WarningTriangle(s);
    s.Over([](V2 p) { return SdPolygon(p, {{27, 15}, {18, 30}, {24, 30}, {21, 38}, {31, 25}, {25.5f, 25}, {29, 15}}); },
           [](float, float, float) { return Paint(Grey(0.1f)); });
    return s.Shade();
  };
  r[226] = [](int) {
    Surface s;
    Floor(s, 2261);
    WarningTriangle(s);
    s.Over([](V2 p) { return Union(SdCircle(p, {25, 25}, 6.5f), SdRect(p, 21, 26, 8, 7, 1)); },
           [](float, float, float) { return Paint(Grey(0.1f)); });
    for (float sx : {-1.0f, 1.0f})
      s.Over([=](V2 p) { return SdCircle(p, {25 + sx * 2.6f, 25}, 1.8f); }, [](float, float, float) { return Paint(Hex(0xf4c820)); });
    s.Over([](V2 p) { return Union(SdSegment(p, {16, 34}, {34, 38.5f}, 1.2f), SdSegment(p, {16, 38.5f}, {34, 34}, 1.2f)); },
           [](float, float, float) { return Paint(Grey(0.1f)); });
    return s.Shade();
  };
  r[227] = [](int) {
    Surface s;
    Sign(s, Hex(0xd02020), [](Surface& s) {
      s.Over([](V2 p) { return SdRect(p, 11, 22, 28, 6, 1); }, [](float, float, float) { return Paint(Hex(0xf8f8f4)); });
    }, true);
    return s.Shade();
  };
  r[228] = [](int) {
    Surface s;
    Sign(s, Hex(0xf4f4f0), [](Surface& s) {
      s.Over([](V2 p) { return Union(SdRect(p, 20, 10, 10, 30), SdRect(p, 10, 20, 30, 10)); },
             [](float, float, float) { return Paint(Hex(0xd02020)); });
    });
    return s.Shade();
  };
  r[229] = [](int) {
    Surface s;
    Floor(s, 2291);
    auto octagon = [](V2 p, float r) {
      std::vector<V2> v;
      for (int i = 0; i < 8; ++i) v.push_back({25 + r * std::cos(0.3927f + i * 0.7854f), 25 + r * std::sin(0.3927f + i * 0.7854f)});
      return SdPolygon(p, v);
    };
    s.Over([=](V2 p) { return octagon(p, 22); }, [](float, float, float) { return Paint(Hex(0xf4f4f0)); });
    s.Over([=](V2 p) { return octagon(p, 20); }, [](float, float, float) { return Paint(Hex(0xc81818)); });
    PaintText(s, "STOP", 25, 25, 11.5f, Hex(0xf8f8f4));
    return s.Shade();
  };
}

}  // namespace bv::assets
