// Outdoor: ground, roads, nature and houses. Floors 80..99, walls 100..119.
#include <cmath>

#include "texture_kit.h"
#include "texture_table.h"

namespace bv::assets {

namespace {

const Rgb kGrassDark = Hex(0x4e7a34);
const Rgb kGrassLight = Hex(0x8ab850);

void Grass(Surface& s, uint32_t seed, Rgb dark = kGrassDark, Rgb light = kGrassLight) {
  GrassBlades(s, dark, light, 0.8f, seed);
}

Image GroundFloor(GroundSpec g) {
  Surface s;
  Ground(s, g);
  return s.Shade();
}

void Asphalt(Surface& s, uint32_t seed, float cracks) {
  s.Paint([&](float x, float y, Mat& m) {
    Cell v = Voronoi(x, y, 25, seed);
    float n = Fbm(x, y, 4, 3, seed + 1);
    float chip = Hash01(v.id) * 0.25f;
    m.albedo = Hex(0x5a5a5c) * (1 + 0.06f * n + chip - 0.1f);
    m.height = 0.3f * chip + 0.2f * n;
  });
  if (cracks > 0) Cracks(s, cracks, 0.8f, seed + 2, Grey(0.12f));
}

void RoadLine(Surface& s, bool vertical) {
  s.Paint([&](float x, float y, Mat& m) {
    float across = vertical ? x : y, along = vertical ? y : x;
    float wear = Fbm(x, y, 8, 2, 971) * 0.5f + 0.5f;
    if (std::fabs(across - 25) < 1.8f && std::fmod(along + 50, 25.0f) < 14 && wear > 0.25f)
      m.albedo = Mix(m.albedo, Hex(0xf4f0e0), 0.9f);
  });
}

// Tree crown from above: lumpy leaf clusters lit from the upper left.
void Crown(Surface& s, V2 c, float r, Rgb dark, Rgb light, uint32_t seed, bool pine) {
  s.Over([=](V2 p) {
    float a = std::atan2(p.y - c.y, p.x - c.x);
    float wob = pine ? 1.2f * std::sin(a * 11) : 2.2f * std::sin(a * 5 + seed) + 1.2f * std::sin(a * 9);
    return Len(p - c) - r - wob;
  }, [=](float x, float y, float d) {
    Mat m;
    float lumps = pine ? Ridged(x, y, 6, 2, seed) : Voronoi(x, y, 8, seed).f1 / 3.0f;
    float n = Fbm(x, y, 6, 3, seed + 1);
    float t = pine ? 0.3f + 0.5f * lumps : Clamp01(1 - lumps) * 0.8f;
    m.albedo = Mix(dark, light, Clamp01(t + 0.2f * n));
    m.height = 6 + 10 * std::sqrt(Clamp01(d / r)) + (pine ? 1.5f * lumps : 2.5f * (1 - Clamp01(lumps)));
    return m;
  });
}

}  // namespace

void AddOutdoorTextures(Recipes& r) {
  r[80] = [](int) {
    Surface s;
    Grass(s, 801);
    return s.Shade();
  };
  r[81] = [](int) {
    Surface s;
    Grass(s, 811);
    s.Paint([](float x, float y, Mat& m) {
      Cell v = Voronoi(x, y, 9, 812);
      if (Hash01(v.id) < 0.5f && v.f1 < 1.4f) {
        float h = Hash01(v.id, 1);
        Rgb petal = h < 0.3f ? Hex(0xf8f4f0) : h < 0.6f ? Hex(0xf8d838) : h < 0.8f ? Hex(0xe86080) : Hex(0xa080f0);
        m.albedo = v.f1 < 0.5f ? Hex(0xf0c030) : petal;
        m.height = 2;
      }
    });
    return s.Shade();
  };
  r[82] = [](int) {
    Surface s;
    Grass(s, 821, Hex(0x8a8040), Hex(0xd0c070));
    return s.Shade();
  };
  r[83] = [](int) { return GroundFloor({Hex(0x8a6a4c), Hex(0xa88462), 4, 1.0f, 0.15f, Hex(0xa09888), 0.5f, 831}); };
  r[84] = [](int) {
    Surface s;
    Ground(s, {Hex(0x8a6c4e), Hex(0xa88664), 4, 1.0f, 0.1f, Hex(0xa09888), 0.5f, 841});
    s.Paint([](float x, float y, Mat& m) {
      for (float cy : {15.0f, 35.0f}) {
        float d = std::fabs(y - cy - 1.2f * Noise(x, 0, 4, 842));
        if (d < 3.5f) {
          float ridge = LineDist(x, 3.125f);
          m.albedo = m.albedo * (0.82f + 0.05f * ridge);
          m.height = -1 + 0.3f * ridge;
        }
      }
    });
    return s.Shade();
  };
  r[85] = [](int) {
    Surface s;
    Ground(s, {Hex(0x5a4632), Hex(0x7a6044), 3, 1.2f, 0, {}, 0.8f, 851});
    s.Paint([](float x, float y, Mat& m) {
      float n = Fbm(x, y, 3, 3, 852);
      if (n > 0.2f) {
        m.albedo = m.albedo * 0.75f;
        m.gloss = 0.8f * Smooth(0.2f, 0.3f, n);
        m.height = -0.5f;
      }
    });
    return s.Shade();
  };
  r[86] = [](int) { return GroundFloor({Hex(0xd8c49a), Hex(0xe8d8b4), 5, 0.8f, 0.05f, Hex(0xb0a080), 0.3f, 861}); };
  r[87] = [](int) {
    Surface s;
    Ground(s, {Hex(0xd8c49a), Hex(0xe8d6b0), 5, 0.6f, 0, {}, 0.2f, 871});
    s.Paint([](float x, float y, Mat& m) {
      float w = std::sin((y + 3 * Noise(x, y, 2, 872)) * 6.2832f / 6.25f);
      m.height += 0.8f * w;
    });
    return s.Shade();
  };
  r[88] = [](int) {
    Surface s;
    StoneSpec st;
    st.cells = 14;
    st.gap = 0.8f;
    st.height = 1.5f;
    st.color = Hex(0xa8a298);
    st.gap_color = Hex(0x6a6258);
    st.vary = 0.25f;
    st.seed = 881;
    st.tint = [](uint32_t id, Rgb c) { return Hash01(id, 9) < 0.3f ? c * Hex(0xe8d8c0) : c; };
    Stones(s, st);
    return s.Shade();
  };
  r[89] = [](int) { return GroundFloor({Hex(0x8a7e6c), Hex(0x9e9482), 4, 1.0f, 0.6f, Hex(0xa8a49c), 0.6f, 891}); };
  r[90] = [](int) {
    Surface s;
    Ground(s, {Hex(0x5a4830), Hex(0x6e5a3a), 4, 1.0f, 0, {}, 0.5f, 901});
    s.Paint([](float x, float y, Mat& m) {
      for (int l = 0; l < 2; ++l) {
        Cell v = Voronoi(x, y, 9 + l * 4, 902 + l);
        float a = Hash01(v.id) * 6.28f;
        V2 q = Rotate(V2{x - v.cx, y - v.cy}, -a);
        float leaf = SdEllipse(q, {0, 0}, {2.6f, 1.5f});
        if (leaf < 0 && Hash01(v.id, 3) < 0.8f) {
          float h = Hash01(v.id, 4);
          m.albedo = h < 0.3f ? Hex(0xb07030) : h < 0.6f ? Hex(0xc89a40) : h < 0.8f ? Hex(0x8a5028) : Hex(0x6a7a30);
          m.height = 1 + l * 0.5f;
        }
      }
    });
    return s.Shade();
  };
  r[91] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float n = Fbm(x, y, 3, 5, 911);
      m.albedo = Mix(Hex(0xa8bce0), Hex(0xf0f6ff), Clamp01(0.5f + 0.7f * n));
      m.height = 1.5f * n;
      m.gloss = 0.15f;
      if (Hash01(static_cast<int>(x * 2), static_cast<int>(y * 2), 912) < 0.01f) m.gloss = 1;
    });
    return s.Shade();
  };
  r[92] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float n = Fbm(x, y, 2, 4, 921);
      m.albedo = Mix(Hex(0x5a90c8), Hex(0xc8e4f8), Clamp01(0.5f + 0.7f * n));
      m.gloss = 1;
    });
    Cracks(s, 1.0f, 0.5f, 922, Hex(0xf0f8ff));
    return s.Shade();
  };
  r[93] = [](int) {
    Surface s;
    StoneSpec st;
    st.cells = 6;
    st.jitter = 0.5f;
    st.gap = 1.6f;
    st.height = 2.5f;
    st.color = Hex(0x9a968e);
    st.gap_color = Hex(0x5a564e);
    st.vary = 0.15f;
    st.seed = 931;
    Stones(s, st);
    return s.Shade();
  };
  r[94] = [](int) {
    TileSpec t;
    t.size = 25;
    t.grout = 1.6f;
    t.color = Hex(0xb8b4aa);
    t.grout_color = Hex(0x7a766c);
    t.gloss = 0;
    t.roughness = 0.12f;
    t.vary = 0.06f;
    t.dirt = 0.3f;
    t.seed = 941;
    Surface s;
    Tiles(s, t);
    return s.Shade();
  };
  r[95] = [](int) {
    Surface s;
    Asphalt(s, 951, 0);
    return s.Shade();
  };
  r[96] = [](int) {
    Surface s;
    Asphalt(s, 961, 1.0f);
    return s.Shade();
  };
  r[97] = [](int) {
    Surface s;
    Asphalt(s, 971, 0);
    RoadLine(s, false);
    return s.Shade();
  };
  r[98] = [](int) {
    Surface s;
    Asphalt(s, 981, 0);
    RoadLine(s, true);
    return s.Shade();
  };
  r[99] = [](int) {
    Surface s;
    Planks(s, {8.333f, 50, true, Hex(0xa88058), 0.15f, 0.8f, 1.2f, 991});
    s.Paint([](float x, float y, Mat& m) {
      float fx = std::fmod(x, 8.333f);
      if (std::fabs(fx - 4.17f) < 0.8f && (std::fabs(y - 3) < 0.8f || std::fabs(y - 47) < 0.8f)) {
        m.albedo = Grey(0.35f);
        m.height += 0.3f;
      }
    });
    return s.Shade();
  };

  // Walls.
  auto rock = [](uint32_t seed, Rgb c, float moss, float snow) {
    Surface s;
    Grass(s, seed + 1);
    s.Over([=](V2 p) {
      float a = std::atan2(p.y - 25, p.x - 25);
      return Len(p - V2{25, 25}) - 22 - 2.5f * std::sin(a * 3 + seed) - 1.5f * std::sin(a * 7);
    }, [=](float x, float y, float d) {
      Mat m;
      float n = Fbm(x, y, 4, 5, seed);
      float facet = Voronoi(x, y, 5, seed + 2).f1;
      m.albedo = c * (1 + 0.12f * n);
      m.height = 4 + 14 * std::sqrt(Clamp01(d / 20)) + 3 * n - 0.3f * facet;
      float up = Smooth(0.1f, 0.5f, Fbm(x, y, 3, 3, seed + 3));
      if (moss > 0) m.albedo = Mix(m.albedo, Hex(0x5a7a30), up * moss);
      if (snow > 0) {
        float k = Smooth(0.35f, 0.6f, d / 20 + 0.3f * n);
        m.albedo = Mix(m.albedo, Hex(0xf4f8ff), k * snow);
      }
      return m;
    });
    return s.Shade();
  };
  r[100] = [rock](int) { return rock(1001, Hex(0x9a948a), 0, 0); };
  r[101] = [rock](int) { return rock(1011, Hex(0x8a8a7c), 1, 0); };
  r[102] = [rock](int) { return rock(1021, Hex(0x9a9aa0), 0, 1); };
  r[103] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float warp = 3 * Noise(x, y, 3, 1031);
      float layer = std::fmod(y + warp + 50, 8.333f);
      int band = static_cast<int>((y + warp + 50) / 8.333f);
      m.albedo = Hex(0xa89078) * (0.85f + 0.25f * Hash01(band % 6, 1032)) * (1 + 0.08f * Fbm(x, y, 6, 3, 1033));
      m.height = 6 + 2 * Smooth(0, 3, layer) + Fbm(x, y, 8, 3, 1034);
    });
    RaiseBlock(s, 5, 6, 0.5f);
    return s.Shade();
  };
  r[104] = [](int) {
    Surface s;
    Grass(s, 1041);
    s.Over([](V2 p) { return SdCircle(p, {28, 28}, 23); }, [](float, float, float d) {
      Mat m;
      m.albedo = Hex(0x2a4020);
      m.height = -0.2f * Smooth(0, 10, d);
      return m;
    });
    Crown(s, {25, 25}, 20, Hex(0x2e5a22), Hex(0x7aaa40), 1042, false);
    return s.Shade();
  };
  r[105] = [](int) {
    Surface s;
    Grass(s, 1051);
    Crown(s, {25, 25}, 21, Hex(0x1e4028), Hex(0x4e8048), 1052, true);
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 2); }, Solid(Hex(0x4a3a28), 17, 1));
    return s.Shade();
  };
  r[106] = [](int) {
    Surface s;
    Grass(s, 1061);
    Crown(s, {18, 20}, 12, Hex(0x3a6428), Hex(0x80b048), 1062, false);
    Crown(s, {32, 30}, 14, Hex(0x3a6428), Hex(0x88b850), 1063, false);
    return s.Shade();
  };
  r[107] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float lumps = Voronoi(x, y, 12, 1071).f1 / 2.0f;
      float n = Fbm(x, y, 8, 3, 1072);
      m.albedo = Mix(Hex(0x2e5424), Hex(0x6e9a40), Clamp01(0.8f - lumps * 0.6f + 0.3f * n));
      m.height = 8 + 1.5f * (1 - Clamp01(lumps)) + n;
    });
    RaiseBlock(s, 4, 8, 0.4f);
    return s.Shade();
  };
  r[108] = [](int) {
    Surface s;
    StoneSpec st;
    st.cells = 4;
    st.jitter = 0.9f;
    st.gap = 2.0f;
    st.height = 4;
    st.color = Hex(0x9c968a);
    st.gap_color = Hex(0x4a4a3e);
    st.vary = 0.2f;
    st.seed = 1081;
    Stones(s, st);
    RaiseBlock(s, 3, 5, 0.5f);
    return s.Shade();
  };
  r[109] = [](int) {
    Surface s;
    BrickSpec b;
    b.color = Hex(0xb05a40);
    b.mortar_color = Hex(0xc8c0b0);
    b.vary = 0.15f;
    b.seed = 1091;
    Bricks(s, b);
    RaiseBlock(s, 3, 6);
    return s.Shade();
  };
  r[110] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      int row = static_cast<int>(y / 6.25f);
      float fy = std::fmod(y, 6.25f);
      float xo = x + (row & 1 ? 4.166f : 0);
      float fx = std::fmod(xo, 8.333f);
      float curve = std::sin(fx / 8.333f * 3.1416f);
      int col = static_cast<int>(xo / 8.333f);
      m.albedo = Hex(0xc05a3a) * (0.85f + 0.2f * Hash01(col % 6, row % 8, 1101)) * (0.75f + 0.3f * curve);
      m.height = 2 * curve + fy * 0.35f;
    });
    RaiseBlock(s, 2, 4, 0.4f);
    return s.Shade();
  };
  r[111] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float w = std::sin(x * 6.2832f / 5);
      m.albedo = Hex(0xb0b4b4) * (1 + 0.08f * Fbm(x, y, 4, 3, 1111));
      m.height = 1.2f * w;
      m.gloss = 0.4f;
      float rust = Fbm(x, y, 3, 4, 1112);
      if (rust > 0.3f) m.albedo = Mix(m.albedo, Hex(0xa06030), Smooth(0.3f, 0.5f, rust));
    });
    RaiseBlock(s, 2, 4, 0.5f);
    return s.Shade();
  };
  r[112] = [](int) {
    Surface s;
    StoneSpec st;
    st.cells = 22;
    st.gap = 0.4f;
    st.height = 0.5f;
    st.color = Hex(0x8a8680);
    st.gap_color = Hex(0x5a5854);
    st.vary = 0.1f;
    st.roughness = 0.1f;
    st.seed = 1121;
    Stones(s, st);
    RaiseBlock(s, 2, 4);
    s.Over([](V2 p) { return SdRect(p, 30, 8, 12, 10, 1); }, Solid(Hex(0x9aa0a0), 7, 1, 0.4f));
    return s.Shade();
  };
  r[113] = [](int) {
    Surface s;
    Grass(s, 1131);
    for (int i = 0; i < 8; ++i) {
      float cx = 3.125f + i * 6.25f;
      s.Over([=](V2 p) { return SdCircle(p, {cx + 1.5f, 27}, 3.4f); }, Solid(Hex(0x2a3a18), -0.2f, 2));
      s.Over([=](V2 p) { return SdCircle(p, {cx, 25}, 3.1f); }, [=](float x, float y, float d) {
        Mat m;
        m.albedo = Hex(0xa07a50) * (0.85f + 0.2f * Hash01(i, 1132)) * (1 + 0.1f * Noise(x, y, 25, 1133));
        float ring = std::fmod(std::hypot(x - cx, y - 25), 1.0f);
        m.albedo = m.albedo * (0.95f + 0.05f * ring);
        m.height = 10 + 2 * std::sqrt(Clamp01(d / 3));
        return m;
      });
    }
    for (float y0 : {19.5f, 29.0f})
      s.Over([=](V2 p) { return SdRect(p, 0, y0, 50, 1.5f, 0.3f); }, Solid(Hex(0x6a4a2a), 6, 0.4f));
    return s.Shade();
  };
  r[114] = [](int) {
    Surface s;
    Grass(s, 1141);
    s.Paint([](float x, float y, Mat& m) {
      float d = std::min(LineDist(x + y, 5), LineDist(x - y + 50, 5));
      if (d < 0.5f) {
        m.albedo = Hex(0xb8bcc0);
        m.height = 4;
        m.gloss = 0.5f;
      }
    });
    for (V2 c : {V2{3, 3}, V2{47, 3}, V2{3, 47}, V2{47, 47}, V2{25, 25}})
      s.Over([=](V2 p) { return SdCircle(p, c, 2.2f); }, Solid(Hex(0x8a8e90), 8, 0.8f, 0.5f));
    return s.Shade();
  };
  r[115] = [](int) {
    Surface s;
    Base(s, Hex(0x6a5a40));
    for (int row = 0; row < 4; ++row)
      for (int i = 0; i < 4; ++i) {
        float cx = 6.25f + i * 12.5f + (row & 1 ? 6.25f : 0), cy = 6.25f + row * 12.5f;
        if (cx > 50) cx -= 50;
        s.Over([=](V2 p) { return SdCircle(p, {cx, cy}, 6); }, [=](float x, float y, float d) {
          Mat m;
          float r = std::hypot(x - cx, y - cy);
          float ring = 0.5f + 0.5f * std::sin(r * 3.5f);
          bool bark = d < 1.2f;
          m.albedo = bark ? Hex(0x5a4028) : Hex(0xd8b070) * (0.85f + 0.15f * ring);
          m.height = 6 + (bark ? 1.2f : 0.8f) + Bevel(d, 1.2f, 0.5f);
          return m;
        });
      }
    return s.Shade();
  };
  r[116] = [](int) {
    Surface s;
    Base(s, Hex(0x8a7a40));
    for (int i = 0; i < 2; ++i) {
      float y0 = 2 + i * 24;
      s.Over([=](V2 p) { return SdRect(p, 2, y0, 46, 22, 3); }, [=](float x, float y, float d) {
        Mat m;
        float straw = Noise2(x, y, 50, 6, 1161 + i) * 0.5f + Noise2(x, y, 25, 3, 1162) * 0.5f;
        m.albedo = Hex(0xe0c070) * (1 + 0.15f * straw);
        m.height = 6 + Bevel(d, 3, 2) + 0.4f * straw;
        if (std::fabs(x - 14) < 0.8f || std::fabs(x - 36) < 0.8f) m.albedo = Hex(0x8a6030), m.height += 0.3f;
        return m;
      });
    }
    return s.Shade();
  };
  r[117] = [](int) {
    Surface s;
    Grass(s, 1171);
    s.Over([](V2 p) { return SdRect(p, 3, 5, 44, 40, 1); }, [](float x, float y, float) {
      Mat m;
      float ridge = std::fabs(y - 25);
      m.albedo = Hex(0xb8ac80) * (1 + 0.05f * Noise(x, y, 10, 1172));
      m.height = 14 - ridge * 0.55f;
      if (ridge < 0.6f) m.albedo = m.albedo * 0.85f;
      if (LineDist(x, 11, 3) < 0.4f) m.albedo = m.albedo * 0.9f;
      return m;
    });
    ShadeOptions o;
    o.ambient = 0.4f;
    return s.Shade(o);
  };
  r[118] = [](int) {
    Surface s;
    Grass(s, 1181);
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 20); }, [](float x, float y, float d) {
      Mat m;
      Cell v = Voronoi(x, y, 9, 1182);
      m.albedo = Hex(0x9a968a) * (0.85f + 0.25f * Hash01(v.id)) * (v.f2 - v.f1 < 0.8f ? 0.6f : 1.0f);
      m.height = 8 + Bevel(d, 2, 1) - (v.f2 - v.f1 < 0.8f ? 0.5f : 0);
      return m;
    });
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 13); }, [](float x, float y, float d) {
      Mat m;
      m.albedo = Mix(Hex(0x102030), Hex(0x3a6a80), Smooth(13, 2, d) * 0.3f + 0.1f * Noise(x, y, 10, 1183));
      m.height = 0;
      m.gloss = 1;
      return m;
    });
    s.Over([](V2 p) { return SdRect(p, 4, 23.5f, 42, 3, 0.5f); }, Solid(Hex(0x6a4a2a), 12, 0.6f));
    return s.Shade();
  };
  r[119] = [](int) {
    Surface s;
    Ground(s, {Hex(0x7a6a50), Hex(0x8a7a5c), 4, 1, 0.2f, Hex(0x908878), 0.4f, 1191});
    s.Over([](V2 p) { return SdRect(p, 4, 1, 42, 48, 8); }, [](float x, float y, float d) {
      Mat m;
      m.albedo = Hex(0x8a5a48);
      float rust = Fbm(x, y, 3, 4, 1192);
      m.albedo = Mix(m.albedo, Hex(0x9a5a28), Smooth(-0.1f, 0.3f, rust));
      m.height = 8 + Bevel(d, 3, 2);
      m.gloss = 0.2f;
      return m;
    });
    s.Over([](V2 p) { return SdRect(p, 8, 12, 34, 9, 2); }, Solid(Hex(0x304048), 10, 0.8f, 1.0f));
    s.Over([](V2 p) { return SdRect(p, 9, 21, 32, 14, 2); }, Solid(Hex(0x8a6050), 11.5f, 1.5f, 0.2f));
    s.Over([](V2 p) { return SdRect(p, 9, 36, 32, 6, 2); }, Solid(Hex(0x304048), 10, 0.8f, 1.0f));
    s.Over([](V2 p) { return SdCircle(p, {20, 28}, 3.5f); }, Solid(Hex(0x3a2a20), 9, 1.0f));
    return s.Shade();
  };
}

}  // namespace bv::assets
