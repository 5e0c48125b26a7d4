// Hell: rock, fire, bone and blood. Floors 160..179, walls 180..199.
#include <cmath>

#include "texture_kit.h"
#include "texture_table.h"

namespace bv::assets {

namespace {

const Rgb kHellRock = Hex(0x6a4a44);

void Rock(Surface& s, Rgb c, uint32_t seed, float glow) {
  s.Paint([&](float x, float y, Mat& m) {
    Cell v = Voronoi(x, y, 5, seed);
    float n = Fbm(x, y, 4, 5, seed + 1);
    float crack = v.f2 - v.f1;
    m.albedo = c * (0.85f + 0.2f * Hash01(v.id) + 0.12f * n);
    m.height = 1.5f * Smooth(0, 3, crack) + 0.8f * n;
    if (glow > 0 && crack < 1.4f) {
      float k = (1 - crack / 1.4f) * glow;
      m.albedo = Mix(m.albedo, Hex(0xffa030), k);
      m.emit = Hex(0xff5010) * (0.8f * k);
    } else if (crack < 0.8f) {
      m.albedo = m.albedo * 0.5f;
    }
  });
}

// Skull seen from above: dome, eye sockets, nose, teeth row.
void Skull(Surface& s, V2 c, float r, float h) {
  s.Over([=](V2 p) { return SdEllipse(p, c, {r * 0.85f, r}); }, [=](float x, float y, float d) {
    Mat m;
    m.albedo = Hex(0xe0d4b8) * (1 + 0.06f * Noise(x, y, 25, 1761));
    m.height = h + r * 0.6f * std::sqrt(Clamp01(d / r));
    return m;
  });
  for (float sx : {-1.0f, 1.0f})
    s.Over([=](V2 p) { return SdEllipse(p, c + V2{sx * r * 0.35f, r * 0.1f}, {r * 0.24f, r * 0.28f}); },
           Solid(Hex(0x201008), h, 0.6f));
  s.Over([=](V2 p) { return SdPolygon(p, {c + V2{0, r * 0.35f}, c + V2{-r * 0.12f, r * 0.6f}, c + V2{r * 0.12f, r * 0.6f}}); },
         Solid(Hex(0x301810), h, 0.3f));
}

void Bone(Surface& s, V2 a, V2 b, float r, float h) {
  s.Over([=](V2 p) {
    float shaft = SdSegment(p, a, b, r * 0.55f);
    V2 dir = (b - a) * (1.0f / std::max(Len(b - a), 0.01f));
    V2 n{-dir.y, dir.x};
    float knobs = std::min(std::min(SdCircle(p, a + n * (r * 0.6f), r), SdCircle(p, a - n * (r * 0.6f), r)),
                           std::min(SdCircle(p, b + n * (r * 0.6f), r), SdCircle(p, b - n * (r * 0.6f), r)));
    return std::min(shaft, knobs);
  }, [=](float x, float y, float d) {
    Mat m;
    m.albedo = Hex(0xe4dac0) * (1 + 0.05f * Noise(x, y, 25, 1751));
    m.height = h + 1.5f * std::sqrt(Clamp01(d / r));
    return m;
  });
}

void Runes(Surface& s, float x0, float y0, float size, uint32_t seed, Rgb color, Rgb emit) {
  // A few strokes on a 3x3 grid make one glyph.
  for (int g = 0; g < 1; ++g) {
    Rng rng(seed + g);
    std::vector<std::pair<V2, V2>> strokes;
    int n = rng.Int(3, 4);
    for (int i = 0; i < n; ++i) {
      V2 a{x0 + rng.Int(0, 2) * size / 2, y0 + rng.Int(0, 2) * size / 2};
      V2 b{x0 + rng.Int(0, 2) * size / 2, y0 + rng.Int(0, 2) * size / 2};
      if (Len(b - a) < 0.1f) b = b + V2{size / 2, 0};
      strokes.push_back({a, b});
    }
    s.Over([=](V2 p) {
      float d = 1e9f;
      for (auto& st : strokes) d = std::min(d, SdSegment(p, st.first, st.second, 0.7f));
      return d;
    }, [=](float, float, float) {
      Mat m;
      m.albedo = color;
      m.emit = emit;
      m.height = -0.8f;
      return m;
    });
  }
}

Image Wall(Surface& s) {
  RaiseBlock(s, 4, 6, 0.7f);
  return s.Shade();
}

}  // namespace

void AddHellTextures(Recipes& r) {
  r[160] = [](int) {
    Surface s;
    Rock(s, kHellRock, 1601, 0);
    return s.Shade();
  };
  r[161] = [](int) {
    Surface s;
    Rock(s, Hex(0x5a3a36), 1611, 1);
    return s.Shade();
  };
  r[162] = [](int) {
    Surface s;
    Ground(s, {Hex(0x6a6462), Hex(0x9a9290), 5, 1.0f, 0.1f, Hex(0x3a3030), 0.4f, 1621});
    s.Paint([](float x, float y, Mat& m) {
      Cell v = Voronoi(x, y, 16, 1622);
      if (Hash01(v.id) < 0.15f && v.f1 < 0.7f) m.albedo = Hex(0xff7020), m.emit = Hex(0xa02000);
    });
    return s.Shade();
  };
  r[163] = [](int) {
    Surface s;
    Ground(s, {Hex(0x3a2a24), Hex(0x7a5a40), 3, 1.3f, 0.1f, Hex(0x2a2020), 0.5f, 1631});
    Cracks(s, 0.8f, 0.7f, 1632, Hex(0x100808));
    return s.Shade();
  };
  r[164] = [](int) { 
    Surface s;
    Ground(s, {Hex(0x9a5040), Hex(0xc07458), 5, 1.0f, 0.15f, Hex(0x6a3028), 0.4f, 1641});
    return s.Shade();
  };
  r[165] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      Cell v = Voronoi(x, y, 10, 1651);
      float n = Fbm(x, y, 4, 4, 1652);
      float pore = v.f1 < 1.2f + Hash01(v.id) ? -1.5f : 0;
      m.albedo = Hex(0x8a6048) * (1 + 0.15f * n) * (pore < 0 ? 0.45f : 1.0f);
      m.height = n + pore;
    });
    return s.Shade();
  };
  r[166] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float n = Fbm(x, y, 4, 5, 1661);
      float crust = Ridged(x, y, 3, 3, 1662);
      m.albedo = Mix(Hex(0xb89a30), Hex(0xf0e060), Clamp01(0.5f + 0.6f * n));
      m.albedo = m.albedo * (0.8f + 0.3f * crust);
      m.height = 1.5f * crust + n;
    });
    return s.Shade();
  };
  r[167] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      Cell v = Voronoi(x, y, 3, 1671);
      float n = Fbm(x, y, 3, 3, 1672);
      m.albedo = Hex(0x30283a) * (0.8f + 0.4f * Hash01(v.id) + 0.2f * n);
      m.height = 2 * Smooth(0, 2, v.f2 - v.f1) + 0.3f * n;
      m.gloss = 1;
    });
    return s.Shade();
  };
  r[168] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float w = Fbm(x, y, 2, 5, 1681);
      float vein = std::fabs(std::sin((x + y) * 0.15f + 6 * w));
      m.albedo = Mix(Hex(0xa83028), Hex(0xe8b0a0), Smooth(0.9f, 1.0f, vein) * 0.8f) * (1 + 0.08f * w);
      m.gloss = 0.7f;
      float d = std::min(LineDist(x, 25), LineDist(y, 25));
      if (d < 0.6f) m.albedo = m.albedo * 0.5f, m.height = -0.5f;
    });
    return s.Shade();
  };
  r[169] = [](int) {
    Surface s;
    StoneSpec st;
    st.cells = 5;
    st.jitter = 0.5f;
    st.gap = 1.8f;
    st.color = Hex(0x4a4040);
    st.gap_color = Hex(0x7a2010);
    st.seed = 1691;
    Stones(s, st);
    s.Paint([](float x, float y, Mat& m) {
      if (m.height < -0.1f) m.emit = Hex(0x601000) * (0.6f + 0.4f * Noise(x, y, 10, 1692));
    });
    return s.Shade();
  };
  r[170] = [](int) {
    TileSpec t;
    t.size = 25;
    t.grout = 1.8f;
    t.color = Hex(0x8a7460);
    t.grout_color = Hex(0x3a2a22);
    t.cracks = 0.9f;
    t.dirt = 0.4f;
    t.gloss = 0.05f;
    t.roughness = 0.15f;
    t.seed = 1701;
    Surface s;
    Tiles(s, t);
    return s.Shade();
  };
  r[171] = [](int) {
    TileSpec t;
    t.size = 25;
    t.grout = 1.6f;
    t.color = Hex(0x7a6a60);
    t.grout_color = Hex(0x3a2a22);
    t.gloss = 0.05f;
    t.roughness = 0.12f;
    t.seed = 1711;
    Surface s;
    Tiles(s, t);
    for (int i = 0; i < 4; ++i)
      Runes(s, 6.5f + (i % 2) * 25, 6.5f + (i / 2) * 25, 12, 1712 + i * 7, Hex(0xff4020), Hex(0x902000));
    return s.Shade();
  };
  r[172] = [](int) {
    Surface s;
    Rock(s, Hex(0x5a4440), 1721, 0);
    s.Over([](V2 p) { return SdRing(p, {25, 25}, 20, 1.6f); }, Solid(Hex(0xff3010), -0.5f, 0.3f, 0, Hex(0xa01000)));
    s.Over([](V2 p) { return SdRing(p, {25, 25}, 16, 1.0f); }, Solid(Hex(0xff3010), -0.5f, 0.3f, 0, Hex(0xa01000)));
    s.Over([](V2 p) {
      float d = 1e9f;
      for (int i = 0; i < 5; ++i) {
        float a0 = -1.5708f + i * 1.2566f, a1 = -1.5708f + ((i + 2) % 5) * 1.2566f;
        d = std::min(d, SdSegment(p, {25 + 16 * std::cos(a0), 25 + 16 * std::sin(a0)},
                                  {25 + 16 * std::cos(a1), 25 + 16 * std::sin(a1)}, 0.6f));
      }
      return d;
    }, Solid(Hex(0xff3010), -0.5f, 0.3f, 0, Hex(0xa01000)));
    return s.Shade();
  };
  r[173] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float n = Fbm(x, y, 4, 4, 1731);
      float vein = std::fabs(Fbm(x, y, 2, 3, 1732));
      m.albedo = Hex(0x4a3834) * (1 + 0.2f * n);
      m.height = n;
      if (vein < 0.06f) {
        float k = 1 - vein / 0.06f;
        m.albedo = Mix(m.albedo, Hex(0xff6020), k);
        m.emit = Hex(0xc03000) * k;
      }
    });
    return s.Shade();
  };
  auto flesh = [](float x, float y, Mat& m, uint32_t seed) {
    float n = Fbm(x, y, 4, 4, seed);
    Cell v = Voronoi(x, y, 6, seed + 1);
    float fold = Smooth(0, 4, v.f2 - v.f1);
    m.albedo = Mix(Hex(0x8a2a2a), Hex(0xd07a70), 0.4f + 0.3f * n + 0.3f * fold);
    m.height = 2.5f * fold + n;
    m.gloss = 0.6f;
    float vein = std::fabs(Fbm(x, y, 3, 3, seed + 2));
    if (vein < 0.04f) m.albedo = Mix(m.albedo, Hex(0x501030), 1 - vein / 0.04f), m.height += 0.5f;
  };
  r[174] = [flesh](int) {
    Surface s;
    s.Paint([&](float x, float y, Mat& m) { flesh(x, y, m, 1741); });
    return s.Shade();
  };
  r[175] = [](int) {
    Surface s;
    Ground(s, {Hex(0x5a4038), Hex(0x7a5848), 4, 1, 0.1f, Hex(0x8a8070), 0.5f, 1751});
    Bone(s, {8, 10}, {22, 16}, 2.2f, 1);
    Bone(s, {30, 34}, {42, 22}, 2.0f, 1);
    Bone(s, {12, 40}, {18, 28}, 1.8f, 1);
    Skull(s, {37, 9}, 5, 1);
    return s.Shade();
  };
  r[176] = [](int) {
    Surface s;
    Base(s, Hex(0x2a1a16));
    for (int j = 0; j < 4; ++j)
      for (int i = 0; i < 4; ++i) Skull(s, {6.25f + i * 12.5f + (j & 1 ? 6.25f : 0), 6.25f + j * 12.5f}, 5.6f, 0);
    // Wrap the shifted rows.
    for (int j = 1; j < 4; j += 2) Skull(s, {0, 6.25f + j * 12.5f}, 5.6f, 0);
    return s.Shade();
  };
  r[177] = [](int) {
    Surface s;
    StoneSpec st;
    st.cells = 4;
    st.color = Hex(0x8a7a72);
    st.gap_color = Hex(0x3a2420);
    st.seed = 1771;
    Stones(s, st);
    s.Paint([](float x, float y, Mat& m) {
      float n = Fbm(x, y, 2, 4, 1772);
      if (n > 0.2f) {
        float k = Smooth(0.2f, 0.3f, n);
        m.albedo = Mix(m.albedo, Hex(0x7a0a0a), k);
        m.gloss = k;
        m.height = Lerp(m.height, 0.5f, k);
      }
    });
    return s.Shade();
  };
  r[178] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float n = Fbm(x, y, 5, 3, 1781);
      m.albedo = Mix(Hex(0x601000), Hex(0xffa030), Clamp01(0.5f + 0.7f * n));
      m.emit = Mix(Hex(0x200000), Hex(0xc04000), Clamp01(0.5f + 0.7f * n));
      m.height = -4;
    });
    s.Paint([](float x, float y, Mat& m) {
      float d = std::min(LineDist(x, 8.333f), LineDist(y, 8.333f));
      if (d < 1.4f) {
        m.albedo = Hex(0x3a3432);
        m.emit = {};
        m.height = Bevel(1.4f - d, 0.7f, 0.6f);
        m.gloss = 0.3f;
      }
    });
    return s.Shade();
  };
  r[179] = [](int) {
    Surface s;
    Metal(s, {Hex(0x4a4644), 0, 0.2f, 0.3f, 0.3f, 1791});
    PlateSeams(s, 25, 25, 3, 1.5f, 2);
    return s.Shade();
  };

  // Walls.
  r[180] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float rid = Ridged(x, y, 3, 4, 1801);
      m.albedo = Hex(0x6a5a54) * (0.7f + 0.5f * rid);
      m.height = 4 * rid;
    });
    return Wall(s);
  };
  r[181] = [](int) {
    Surface s;
    Rock(s, Hex(0x4a3230), 1811, 1);
    return Wall(s);
  };
  r[182] = [](int) {
    Surface s;
    BrickSpec b;
    b.color = Hex(0x7a2a22);
    b.mortar_color = Hex(0x2a1a18);
    b.vary = 0.2f;
    b.seed = 1821;
    Bricks(s, b);
    return Wall(s);
  };
  r[183] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      Cell v = Voronoi(x, y, 3, 1831);
      m.albedo = Hex(0x2a2234) * (0.8f + 0.5f * Hash01(v.id));
      m.height = 2 * Smooth(0, 2, v.f2 - v.f1);
      m.gloss = 1;
    });
    return Wall(s);
  };
  r[184] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float w = Fbm(x, y, 2, 5, 1841);
      float vein = std::fabs(std::sin((x - y) * 0.12f + 6 * w));
      m.albedo = Mix(Hex(0x982820), Hex(0xe8a898), Smooth(0.92f, 1.0f, vein) * 0.8f);
      m.gloss = 0.7f;
    });
    return Wall(s);
  };
  r[185] = [](int) {
    Surface s;
    Concrete(s, {Hex(0x8a7a70), 0.1f, 0.2f, 0.3f, 0, 0, 1851});
    for (int i = 0; i < 6; ++i)
      Runes(s, 5 + (i % 3) * 14, 10 + (i / 3) * 18, 10, 1852 + i * 11, Hex(0xff5020), Hex(0xb02800));
    return Wall(s);
  };
  r[186] = [](int) {
    Surface s;
    Metal(s, {Hex(0x3e3a38), 0, 0.2f, 0.2f, 0.3f, 1861});
    PlateSeams(s, 25, 25, 3, 1.8f, 2);
    return Wall(s);
  };
  r[187] = [flesh](int) {
    Surface s;
    s.Paint([&](float x, float y, Mat& m) { flesh(x, y, m, 1871); });
    s.Over([](V2 p) { return SdCircle(p, {32, 18}, 5); }, [](float x, float y, float d) {
      Mat m;
      float r = std::hypot(x - 32, y - 18);
      m.albedo = r < 2 ? Hex(0x101010) : r < 3.6f ? Hex(0xd0a020) : Hex(0xf0e8d0);
      m.height = 3 + Bevel(d, 2, 1.5f);
      m.gloss = 1;
      return m;
    });
    return Wall(s);
  };
  r[188] = [](int) {
    Surface s;
    Base(s, Hex(0x3a2a20));
    for (int i = 0; i < 5; ++i) {
      float y0 = 5 + i * 10;
      Bone(s, {-2, y0 + (i & 1 ? 1.5f : -1.5f)}, {52, y0 - (i & 1 ? 1.5f : -1.5f)}, 3.2f, 3);
    }
    RaiseBlock(s, 3, 3, 0.5f);
    return s.Shade();
  };
  r[189] = [](int) {
    Surface s;
    Base(s, Hex(0x20140e));
    for (int j = 0; j < 3; ++j)
      for (int i = 0; i < 4; ++i) Skull(s, {6.25f + i * 12.5f + (j & 1 ? 6.0f : 0.0f), 8.0f + j * 17.0f}, 6.5f, 4);
    RaiseBlock(s, 3, 3, 0.5f);
    return s.Shade();
  };
  r[190] = [](int) {
    Surface s;
    Rock(s, Hex(0x5a403a), 1901, 0);
    for (int i = 0; i < 5; ++i) {
      V2 c{8 + 34 * Hash01(i, 1902), 8 + 34 * Hash01(i, 1903)};
      float rr = 5 + 4 * Hash01(i, 1904);
      s.Over([=](V2 p) { return SdCircle(p, c, rr); }, [=](float x, float y, float d) {
        Mat m;
        m.albedo = Hex(0x8a6a5a) * (0.9f + 0.2f * Noise(x, y, 10, 1905 + i)) * (0.7f + 0.5f * Clamp01(d / rr));
        m.height = 14 * std::pow(Clamp01(d / rr), 0.7f);
        return m;
      });
    }
    return s.Shade();
  };
  r[191] = [](int) {
    Surface s;
    Rock(s, kHellRock, 1911, 0);
    s.Over([](V2 p) { return SdRect(p, 4, 4, 42, 42, 2); }, Solid(Hex(0x5a4a44), 3, 1.5f));
    s.Over([](V2 p) {
      V2 q = p - V2{25, 25};
      float a = std::atan2(q.y, q.x);
      return Len(q) - 17 - 1.5f * std::cos(a * 8);
    }, [](float x, float y, float d) {
      Mat m;
      float a = std::atan2(y - 25, x - 25);
      m.albedo = Hex(0x8a7870) * (0.9f + 0.1f * std::cos(a * 8));
      m.height = 6 + 8 * std::sqrt(Clamp01(d / 17));
      return m;
    });
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 6); }, Solid(Hex(0xa02010), 14, 2, 0.4f, Hex(0x400000)));
    return s.Shade();
  };
  r[192] = [](int) {
    Surface s;
    Rock(s, kHellRock, 1921, 0);
    s.Over([](V2 p) { return SdRect(p, 3, 8, 44, 34, 2); }, [](float x, float y, float d) {
      Mat m;
      m.albedo = Hex(0x4a4040) * (1 + 0.1f * Fbm(x, y, 5, 3, 1922));
      m.height = 6 + Bevel(d, 2, 1.5f);
      return m;
    });
    s.Over([](V2 p) { return SdEllipse(p, {25, 25}, {10, 6}); }, Solid(Hex(0x700808), 7.5f, 2, 1));
    for (V2 c : {V2{8, 13}, V2{42, 13}, V2{8, 37}, V2{42, 37}}) {
      s.Over([=](V2 p) { return SdCircle(p, c, 2.6f); }, Solid(Hex(0xf0e8c8), 11, 1, 0.3f));
      s.Over([=](V2 p) { return SdCircle(p, c, 1.0f); }, Solid(Hex(0xffe080), 12, 0.5f, 0, Hex(0xffc040)));
    }
    return s.Shade();
  };
  r[193] = [](int) {
    Surface s;
    Rock(s, kHellRock, 1931, 0);
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 20); }, Solid(Hex(0x4a4240), 8, 2, 0.4f));
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 16); }, [](float x, float y, float d) {
      Mat m;
      float n = Fbm(x, y, 6, 3, 1932);
      float k = Clamp01(0.4f + 0.6f * n + d / 16);
      m.albedo = Mix(Hex(0xa01800), Hex(0xffe060), k);
      m.emit = Mix(Hex(0x600800), Hex(0xffa020), k) * 0.9f;
      m.height = 5;
      return m;
    });
    return s.Shade();
  };
  r[194] = [](int) {
    Surface s;
    Metal(s, {Hex(0x3a3634), 0, 0.1f, 0.3f, 0.3f, 1941});
    for (int j = 0; j < 3; ++j)
      for (int i = 0; i < 3; ++i) {
        V2 c{8.333f + i * 16.667f, 8.333f + j * 16.667f};
        s.Over([=](V2 p) { return SdCircle(p, c, 6); }, [=](float x, float y, float d) {
          Mat m;
          float r = std::hypot(x - c.x, y - c.y);
          m.albedo = Mix(Hex(0x5a5654), Hex(0xd0ccc8), Smooth(6, 0, r) * 0.6f);
          m.height = 14 * (1 - r / 6);
          m.gloss = 0.8f;
          (void)d;
          return m;
        });
      }
    return s.Shade();
  };
  r[195] = [](int) {
    Surface s;
    Metal(s, {Hex(0x4a4644), 0, 0.2f, 0.3f, 0.3f, 1951});
    RaiseBlock(s, 3, 4);
    for (int k = 0; k < 2; ++k) {
      float cx = 16 + k * 18;
      for (int i = 0; i < 6; ++i) {
        float cy = 4 + i * 8.4f;
        bool flat = i & 1;
        s.Over([=](V2 p) { return flat ? SdRing(p, {cx, cy}, 2.5f, 1.6f) : SdEllipse(p, {cx, cy}, {1.6f, 4.5f}) ; },
               Solid(Hex(0x8a8680), 6, 0.8f, 0.6f));
      }
    }
    return s.Shade();
  };
  r[196] = [](int) {
    Surface s;
    Rock(s, kHellRock, 1961, 0);
    s.Over([](V2 p) { return SdRect(p, 4, 4, 42, 42, 2); }, Solid(Hex(0x3a2220), 0.5f, 0.5f));
    Skull(s, {25, 25}, 7, 0.5f);
    s.Paint([](float x, float y, Mat& m) {
      bool bar = (LineDist(x, 7, 4) < 1.0f || LineDist(y, 21, 4) < 1.2f) && x > 3 && x < 47 && y > 3 && y < 47;
      if (bar) {
        m.albedo = Hex(0x5a5654);
        m.height = 12;
        m.gloss = 0.5f;
      }
    });
    return s.Shade();
  };
  r[197] = [](int) {
    Surface s;
    Rock(s, Hex(0x3a2020), 1971, 1);
    s.Paint([](float x, float y, Mat& m) {
      float d = std::fabs(y - 25);
      if (d < 3) m.albedo = Hex(0x4a4644), m.height = 8 + Bevel(3 - d, 1, 1), m.emit = {};
      float bar = LineDist(x, 6.25f, 3.125f);
      if (bar < 1.3f) {
        m.albedo = Hex(0x5a5654);
        m.height = 10 + Bevel(1.3f - bar, 1.3f, 1);
        m.emit = {};
        m.gloss = 0.6f;
      }
    });
    return s.Shade();
  };
  r[198] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float n = Fbm(x, y, 5, 3, 1981);
      m.albedo = Mix(Hex(0x801000), Hex(0xffb040), Clamp01(0.5f + 0.7f * n));
      m.emit = Mix(Hex(0x300000), Hex(0xe05000), Clamp01(0.5f + 0.7f * n));
      m.height = 0;
      float d = std::min(LineDist(x, 10), LineDist(y, 10));
      if (d < 1.6f) {
        m.albedo = Hex(0x2a2624);
        m.emit = {};
        m.height = 4 + Bevel(1.6f - d, 0.8f, 0.6f);
      }
    });
    return Wall(s);
  };
  r[199] = [](int) {
    Surface s;
    Rock(s, kHellRock, 1991, 0);
    s.Over([](V2 p) {
      return Union(SdRect(p, 13, 12, 24, 34, 1), SdCircle(p, {25, 13}, 12));
    }, [](float x, float y, float d) {
      Mat m;
      m.albedo = Hex(0x9a948c) * (1 + 0.1f * Fbm(x, y, 6, 3, 1992));
      m.height = 10 + Bevel(d, 2, 1.5f);
      return m;
    });
    s.Over([](V2 p) { return Union(SdRect(p, 23.8f, 12, 2.4f, 18), SdRect(p, 18, 17, 14, 2.4f)); },
           Solid(Hex(0x5a544c), 10.5f, 0.3f));
    return s.Shade();
  };
}

}  // namespace bv::assets
