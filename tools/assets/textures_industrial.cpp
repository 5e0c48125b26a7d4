// Industrial: factory floors, machines and pipes. Floors 120..139, walls 140..159.
#include <cmath>

#include "texture_kit.h"
#include "texture_table.h"

namespace bv::assets {

namespace {

void Walkway(Surface& s, bool vertical) {
  s.Paint([&](float x, float y, Mat& m) {
    float across = vertical ? x : y;
    float d = std::min(std::fabs(across - 6), std::fabs(across - 44));
    float wear = Fbm(x, y, 8, 2, 1341) * 0.5f + 0.5f;
    if (d < 1.6f && wear > 0.2f) m.albedo = Mix(m.albedo, Hex(0x40a050), 0.85f);
  });
}

void Rails(Surface& s, bool vertical) {
  s.Paint([&](float x, float y, Mat& m) {
    float across = vertical ? x : y, along = vertical ? y : x;
    for (float c : {15.0f, 35.0f}) {
      float d = std::fabs(across - c);
      if (d < 3.2f) {
        m.albedo = Grey(0.25f);
        m.height = -1;
      }
      if (d < 1.6f) {
        m.albedo = Hex(0xb8bcc0) * (1 + 0.1f * Noise(along, across, 10, 1361));
        m.height = 0.5f + Bevel(1.6f - d, 0.8f, 0.4f);
        m.gloss = 0.8f;
      }
    }
  });
}

void Catwalk(Surface& s, bool vertical) {
  Grating(s, vertical ? 5 : 3.125f, vertical ? 3.125f : 5, 1.0f, Hex(0xb8bcb8), Grey(0.08f), 5);
  s.Paint([&](float x, float y, Mat& m) {
    float across = vertical ? x : y;
    if (across < 3 || across > 47) {
      m.albedo = Hex(0xe8c030);
      m.height = 2 + Bevel(std::min(std::fabs(across - 1.5f), std::fabs(across - 48.5f)) < 1.5f ? 1.5f : 0, 1, 0.5f);
      m.gloss = 0.3f;
    }
  });
}

void HazardRim(Surface& s, float width) {
  s.Paint([&](float x, float y, Mat& m) {
    float d = std::min(std::min(x, 50 - x), std::min(y, 50 - y));
    if (d < width) {
      bool yellow = std::fmod(x + y + 100, 8.333f) < 4.17f;
      m.albedo = yellow ? Hex(0xf0c020) : Grey(0.12f);
      m.gloss = 0.2f;
    }
  });
}

void Pipe(Surface& s, bool vertical, float c, float r, Rgb col, float h) {
  s.Over([=](V2 p) { return std::fabs((vertical ? p.x : p.y) - c) - r; }, [=](float x, float y, float d) {
    Mat m;
    float along = vertical ? y : x;
    m.albedo = col * (1 + 0.04f * Noise(x, y, 10, 1491));
    m.height = h + r * 1.2f * std::sqrt(Clamp01(d / r) * (2 - Clamp01(d / r)));
    m.gloss = 0.5f;
    if (LineDist(along, 25, 12.5f) < 1.2f) m.albedo = col * 0.8f, m.height += 0.6f;
    return m;
  });
}

void Drum(Surface& s, V2 c, float r, Rgb col, bool toxic) {
  s.Over([=](V2 p) { return SdCircle(p, c, r); }, [=](float x, float y, float d) {
    Mat m;
    m.albedo = col * (1 + 0.05f * Noise(x, y, 10, 1521));
    m.height = 9 + Bevel(d, 1.5f, 1);
    m.gloss = 0.4f;
    return m;
  });
  s.Over([=](V2 p) { return SdRing(p, c, r * 0.75f, 0.9f); }, Solid(col * 0.7f, 9.5f, 0.4f));
  if (toxic) {
    // Trefoil mark on the lid.
    s.Over([=](V2 p) {
      V2 q = p - c;
      float a = std::atan2(q.y, q.x);
      float ring = std::fabs(Len(q) - r * 0.45f) - r * 0.22f;
      float wedge = std::cos(3 * a) < 0.2f ? 1.0f : -1.0f;
      return Union(std::max(ring, wedge), SdCircle(p, c, r * 0.12f));
    }, Solid(Grey(0.1f), 10, 0.3f));
  }
}

}  // namespace

void AddIndustrialTextures(Recipes& r) {
  r[120] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xc4c4c0), 0.05f, 0.1f, 0.1f, 0, 0, 1201});
    s.Paint([](float, float, Mat& m) { m.gloss = 0.45f; });
    return s.Shade();
  };
  r[121] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xb0aca0), 0.1f, 0.3f, 1.0f, 0.2f, 0.2f, 1211});
    return s.Shade();
  };
  r[122] = [](int) {
    Surface s;
    Metal(s, {Hex(0xc8ccce), 0, 0.15f, 0, 0.6f, 1221});
    TreadPattern(s, 5, 0.8f);
    return s.Shade();
  };
  r[123] = [](int) {
    Surface s;
    Metal(s, {Hex(0xa0a4a4), 0, 0.2f, 0.45f, 0.4f, 1231});
    TreadPattern(s, 5, 0.8f);
    return s.Shade();
  };
  r[124] = [](int) {
    Surface s;
    Grating(s, 50, 3.125f, 1.0f, Hex(0xb0b4b0), Grey(0.2f), 3);
    s.Paint([](float x, float, Mat& m) {
      if (LineDist(x, 12.5f) < 0.6f) m.albedo = Hex(0x9a9e9a), m.height = 0.4f;
    });
    return s.Shade();
  };
  r[125] = [](int) {
    Surface s;
    Grating(s, 8.333f, 8.333f, 1.6f, Hex(0x9aa09c), Grey(0.02f), 8);
    return s.Shade();
  };
  r[126] = [](int) {
    Surface s;
    Metal(s, {Hex(0xb4b8b8), 0.5f, 0.2f, 0.05f, 0.4f, 1261});
    PlateSeams(s, 50, 25, 3, 1.6f, 3);
    return s.Shade();
  };
  r[127] = [](int) {
    Surface s;
    Metal(s, {Hex(0x9a9690), 0, 0.1f, 1.0f, 0.2f, 1271});
    PlateSeams(s, 25, 25, 0);
    return s.Shade();
  };
  r[128] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xbcbab2), 0.06f, 0.2f, 0.3f, 0, 0, 1281});
    s.Paint([](float x, float y, Mat& m) {
      float n = Fbm(x, y, 2, 4, 1282);
      if (n > 0.1f) {
        float k = Smooth(0.1f, 0.25f, n);
        float film = std::sin(n * 40);
        Rgb oil = Mix(Hex(0x2a2a2c), Hex(0x4a4650), 0.5f + 0.5f * film);
        m.albedo = Mix(m.albedo, oil, k * 0.9f);
        m.gloss = k;
      }
    });
    return s.Shade();
  };
  r[129] = [](int) {
    TileSpec t;
    t.size = 16.667f;
    t.grout = 1.6f;
    t.color = Hex(0xb06848);
    t.grout_color = Hex(0x8a8276);
    t.vary = 0.1f;
    t.roughness = 0.08f;
    t.gloss = 0.1f;
    t.dirt = 0.3f;
    t.seed = 1291;
    Surface s;
    Tiles(s, t);
    return s.Shade();
  };
  r[130] = [](int) {
    Surface s;
    Metal(s, {Hex(0xb8bcbe), 0.6f, 0.25f, 0, 0.5f, 1301});
    s.Paint([](float x, float y, Mat& m) {
      int bx = static_cast<int>(x / 12.5f), by = static_cast<int>(y / 12.5f);
      m.albedo = m.albedo * (0.94f + 0.1f * Hash01(bx, by, 1302));
    });
    PlateSeams(s, 12.5f, 12.5f, 0);
    return s.Shade();
  };
  r[131] = [](int) {
    Surface s;
    Metal(s, {Hex(0xc0c4c4), 0, 0.1f, 0, 0.4f, 1311});
    Perforate(s, 5, 1.4f, Grey(0.15f));
    return s.Shade();
  };
  r[132] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float rib = std::sin(y * 6.2832f / 3.125f);
      m.albedo = Hex(0x5a5c5e) * (1 + 0.06f * Fbm(x, y, 4, 2, 1321));
      m.height = 0.6f * rib;
    });
    return s.Shade();
  };
  r[133] = [](int) {
    TileSpec t;
    t.size = 8.333f;
    t.size_y = 12.5f;
    t.bond = 0.5f;
    t.grout = 0.8f;
    t.color = Hex(0xa88058);
    t.grout_color = Hex(0x4a3a28);
    t.vary = 0.15f;
    t.roughness = 0.15f;
    t.gloss = 0.05f;
    t.seed = 1331;
    Surface s;
    Tiles(s, t);
    return s.Shade();
  };
  r[134] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xbcbcb6), 0.05f, 0.2f, 0.2f, 0, 0, 1341});
    Walkway(s, false);
    return s.Shade();
  };
  r[135] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xbcbcb6), 0.05f, 0.2f, 0.2f, 0, 0, 1351});
    Walkway(s, true);
    return s.Shade();
  };
  r[136] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xa8a69e), 0.06f, 0.3f, 0.4f, 0, 0.2f, 1361});
    Rails(s, false);
    return s.Shade();
  };
  r[137] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xa8a69e), 0.06f, 0.3f, 0.4f, 0, 0.2f, 1371});
    Rails(s, true);
    return s.Shade();
  };
  r[138] = [](int) {
    Surface s;
    Catwalk(s, false);
    return s.Shade();
  };
  r[139] = [](int) {
    Surface s;
    Catwalk(s, true);
    return s.Shade();
  };

  // Walls.
  r[140] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float w = std::sin(x * 6.2832f / 6.25f);
      m.albedo = Hex(0xa8b0b4) * (1 + 0.05f * Fbm(x, y, 4, 3, 1401));
      m.height = 4 + 1.3f * w;
      m.gloss = 0.4f;
    });
    RaiseBlock(s, 2, 5, 0.6f);
    return s.Shade();
  };
  r[141] = [](int) {
    Surface s;
    Metal(s, {Hex(0x9aa2a8), 0.3f, 0.2f, 0, 0.45f, 1411});
    PlateSeams(s, 50, 50, 4, 2.0f, 3);
    RaiseBlock(s, 4, 7);
    return s.Shade();
  };
  r[142] = [](int) {
    Surface s;
    Metal(s, {Hex(0x8a8680), 0.3f, 0.1f, 1.1f, 0.3f, 1421});
    PlateSeams(s, 25, 50, 3, 1.4f, 4);
    RaiseBlock(s, 4, 6);
    return s.Shade();
  };
  r[143] = [](int) {
    Surface s;
    BrickSpec b;
    b.color = Hex(0x8a6440);
    b.mortar_color = Hex(0x3a3632);
    b.vary = 0.15f;
    b.seed = 1431;
    Bricks(s, b);
    Stain(s, Hex(0x404040), 0.5f, 3, 1432);
    RaiseBlock(s, 3, 6);
    return s.Shade();
  };
  r[144] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xc0beb4), 0.05f, 0.2f, 0.3f, 0, 0, 1441});
    s.Paint([](float x, float y, Mat& m) {
      for (V2 c : {V2{8, 8}, V2{42, 8}, V2{8, 42}, V2{42, 42}})
        if (std::hypot(x - c.x, y - c.y) < 2.2f) m.albedo = m.albedo * 0.6f, m.height -= 1;
      if (std::fabs(y - 25) < 0.6f) m.albedo = m.albedo * 0.7f, m.height -= 0.5f;
    });
    RaiseBlock(s, 4, 6);
    return s.Shade();
  };
  r[145] = [](int) {
    Surface s;
    Metal(s, {Hex(0x9aa0a4), 0.3f, 0.2f, 0, 0.4f, 1451});
    HazardRim(s, 7);
    RaiseBlock(s, 3, 6);
    return s.Shade();
  };
  r[146] = [](int) {
    Surface s;
    Base(s, Hex(0x4a5058));
    s.Over([](V2 p) { return SdRect(p, 1, 1, 48, 48, 2); }, Solid(Hex(0x7a8a98), 8, 1.5f, 0.4f));
    s.Over([](V2 p) { return SdRect(p, 5, 5, 18, 14, 1); }, Solid(Hex(0x5a6470), 9, 0.8f, 0.4f));
    for (int i = 0; i < 3; ++i)
      s.Over([=](V2 p) { return SdRect(p, 7, 7.0f + i * 4, 14, 2, 0.5f); }, Solid(Hex(0x303840), 8.5f, 0.4f));
    auto gear = [](V2 p, V2 c, float r, int teeth) {
      V2 q = p - c;
      float a = std::atan2(q.y, q.x);
      float t = std::cos(a * teeth) > 0 ? r : r - 2.0f;
      return Subtract(Len(q) - t, Len(q) - r * 0.3f);
    };
    s.Over([=](V2 p) { return gear(p, {34, 15}, 9, 10); }, Solid(Hex(0xc0a060), 11, 0.8f, 0.6f));
    s.Over([=](V2 p) { return gear(p, {22, 34}, 11, 12); }, Solid(Hex(0xb09050), 10.5f, 0.8f, 0.6f));
    s.Over([](V2 p) { return SdRect(p, 36, 30, 9, 14, 1); }, Solid(Hex(0xd0d4d0), 10, 0.8f, 0.2f));
    s.Over([](V2 p) { return SdCircle(p, {40.5f, 34}, 2); }, Solid(Hex(0xe04030), 11, 0.5f, 0.5f, Hex(0x400000)));
    s.Over([](V2 p) { return SdCircle(p, {40.5f, 40}, 2); }, Solid(Hex(0x40c040), 11, 0.5f, 0.5f, Hex(0x004000)));
    return s.Shade();
  };
  r[147] = [](int) {
    Surface s;
    Base(s, Hex(0x505458));
    s.Over([](V2 p) { return SdRect(p, 2, 8, 46, 34, 3); }, [](float x, float y, float d) {
      Mat m;
      float fin = LineDist(x, 2.5f);
      m.albedo = Hex(0x3a6a9a) * (fin < 0.5f ? 0.7f : 1.0f);
      m.height = 8 + Bevel(d, 4, 4) - (fin < 0.5f ? 1 : 0);
      m.gloss = 0.5f;
      (void)y;
      return m;
    });
    s.Over([](V2 p) { return SdRect(p, 14, 15, 22, 20, 2); }, Solid(Hex(0x2a5a8a), 13, 1, 0.5f));
    s.Over([](V2 p) { return SdRect(p, 18, 19, 14, 8, 1); }, Solid(Hex(0xd8d8d0), 13.5f, 0.5f, 0.2f));
    s.Over([](V2 p) { return SdCircle(p, {25, 43}, 4); }, Solid(Hex(0x909498), 9, 1, 0.7f));
    return s.Shade();
  };
  r[148] = [](int) {
    Surface s;
    Base(s, Hex(0x505458));
    s.Over([](V2 p) { return SdRect(p, 1, 4, 48, 44, 2); }, [](float x, float y, float d) {
      Mat m;
      m.albedo = Hex(0x8a9298);
      m.height = 6 + Bevel(d, 2, 1) + (y - 4) * 0.08f;
      (void)x;
      m.gloss = 0.3f;
      return m;
    });
    const uint32_t colors[] = {0xe03030, 0x30c040, 0xf0c020, 0x3070e0, 0xf0f0f0};
    for (int i = 0; i < 12; ++i) {
      float cx = 8 + (i % 6) * 6.8f, cy = 16 + (i / 6) * 10;
      Rgb c = Hex(colors[Hash(i, 1481) % 5]);
      s.Over([=](V2 p) { return SdCircle(p, {cx, cy}, 2.2f); }, Solid(c, 9, 1, 0.6f, c * 0.2f));
    }
    s.Over([](V2 p) { return SdRect(p, 6, 34, 24, 10, 1); }, Solid(Hex(0x101820), 8, 0.6f, 0.8f, Hex(0x103018)));
    for (int i = 0; i < 3; ++i)
      s.Over([=](V2 p) { return SdSegment(p, {8, 36.5f + i * 2.5f}, {14.0f + i * 5, 36.5f + i * 2.5f}, 0.5f); },
             Solid(Hex(0x60ff80), 8.2f, 0.2f, 0, Hex(0x40c060)));
    s.Over([](V2 p) { return SdSegment(p, {38, 40}, {42, 32}, 1.2f); }, Solid(Grey(0.3f), 11, 0.6f, 0.5f));
    s.Over([](V2 p) { return SdCircle(p, {42, 32}, 2.4f); }, Solid(Hex(0xe03020), 12, 0.8f, 0.6f));
    return s.Shade();
  };
  r[149] = [](int) {
    Surface s;
    Base(s, Hex(0x3a3e42));
    Pipe(s, false, 8, 6, Hex(0x9aa4ac), 2);
    Pipe(s, false, 22, 7, Hex(0xc0a068), 3);
    Pipe(s, false, 36, 5, Hex(0x6a9a70), 2);
    Pipe(s, false, 45.5f, 3.5f, Hex(0xc05040), 1);
    return s.Shade();
  };
  r[150] = [](int) {
    Surface s;
    Base(s, Hex(0x3a3e42));
    Pipe(s, true, 8, 6, Hex(0x9aa4ac), 2);
    Pipe(s, true, 22, 7, Hex(0xc0a068), 3);
    Pipe(s, true, 36, 5, Hex(0x6a9a70), 2);
    Pipe(s, true, 45.5f, 3.5f, Hex(0xc05040), 1);
    return s.Shade();
  };
  r[151] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xa8a8a0), 0.06f, 0.2f, 0.3f, 0, 0, 1511});
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 23); }, [](float x, float y, float d) {
      Mat m;
      float ang = std::atan2(y - 25, x - 25);
      m.albedo = Hex(0xc8ccc8) * (0.95f + 0.05f * std::cos(ang * 16));
      m.height = 4 + 10 * std::sqrt(Clamp01(d / 23));
      m.gloss = 0.4f;
      return m;
    });
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 5); }, Solid(Hex(0x8a9090), 15, 1, 0.5f));
    s.Over([](V2 p) { return SdRect(p, 23, 2, 4, 18, 0.5f); }, Solid(Hex(0xe0c040), 12, 0.5f, 0.3f));
    return s.Shade();
  };
  r[152] = [](int) {
    Surface s;
    Concrete(s, {Hex(0x9a9a92), 0.06f, 0.2f, 0.5f, 0, 0, 1521});
    Drum(s, {13, 13}, 11, Hex(0xe0b020), true);
    Drum(s, {37, 13}, 11, Hex(0xe0b020), true);
    Drum(s, {13, 37}, 11, Hex(0x3a70b0), false);
    Drum(s, {37, 37}, 11, Hex(0xe0b020), true);
    return s.Shade();
  };
  r[153] = [](int) {
    Surface s;
    Metal(s, {Hex(0x8a9aa0), 0.2f, 0.3f, 0.1f, 0.4f, 1531});
    s.Paint([](float x, float y, Mat& m) {
      float d = std::min(std::min(x, 50 - x), std::min(y, 50 - y));
      float diag = std::min(std::fabs(x - y), std::fabs(x + y - 50));
      if (d < 5 || diag < 2.5f) m.height += 1.2f, m.albedo = m.albedo * 1.08f;
    });
    RaiseBlock(s, 2, 7);
    return s.Shade();
  };
  r[154] = [](int) {
    Surface s;
    Base(s, Hex(0x5a5650));
    s.Paint([](float x, float y, Mat& m) {
      bool slat = LineDist(y, 10, 5) < 3.5f;
      m.albedo = slat ? Hex(0xa08860) : Grey(0.2f);
      m.height = slat ? 2 : 0;
      (void)x;
    });
    for (int i = 0; i < 4; ++i) {
      float x0 = 3 + (i % 2) * 23, y0 = 3 + (i / 2) * 23;
      s.Over([=](V2 p) { return SdRect(p, x0, y0, 21, 21, 0.8f); }, [=](float x, float y, float d) {
        Mat m;
        m.albedo = Hex(0xc8a470) * (0.92f + 0.12f * Hash01(i, 1541)) * (1 + 0.04f * Noise(x, y, 25, 1542));
        m.height = 9 + Bevel(d, 0.8f, 0.5f);
        if (std::fabs(x - x0 - 10.5f) < 1.5f) m.albedo = Hex(0xb8a080) * 1.1f;
        return m;
      });
    }
    return s.Shade();
  };
  r[155] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xa0a098), 0.06f, 0.2f, 0.3f, 0, 0, 1551});
    s.Over([](V2 p) { return SdRect(p, 6, 6, 38, 38, 2); }, [](float x, float y, float d) {
      Mat m;
      float fin = LineDist(x, 3.125f);
      m.albedo = Hex(0x6a7a6a) * (fin < 0.7f ? 0.7f : 1.0f);
      m.height = 8 + Bevel(d, 1, 1) - (fin < 0.7f ? 1.5f : 0);
      m.gloss = 0.3f;
      (void)y;
      return m;
    });
    for (int i = 0; i < 3; ++i) {
      V2 c{15.0f + i * 10, 14};
      s.Over([=](V2 p) { return SdCircle(p, c, 3.6f); }, [=](float x, float y, float d) {
        Mat m;
        float r = std::hypot(x - c.x, y - c.y);
        m.albedo = Hex(0x8a5a40) * (0.85f + 0.15f * std::cos(r * 4));
        m.height = 12 + 3 * std::sqrt(Clamp01(d / 3.6f)) + 0.4f * std::cos(r * 4);
        m.gloss = 0.7f;
        return m;
      });
    }
    s.Over([](V2 p) { return SdRect(p, 14, 30, 22, 9, 1); }, Solid(Hex(0xf0c020), 9.5f, 0.5f));
    s.Over([](V2 p) { return SdPolygon(p, {{26, 31}, {21, 35.5f}, {24.5f, 35.5f}, {23, 38.5f}, {29, 33.5f}, {25.5f, 33.5f}}); },
           Solid(Grey(0.1f), 9.7f, 0.3f));
    return s.Shade();
  };
  r[156] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xa0a098), 0.06f, 0.2f, 0.3f, 0, 0, 1561});
    for (V2 c : {V2{14, 14}, V2{36, 36}, V2{38, 12}}) {
      float rr = c.x == 38 ? 10 : 13;
      s.Over([=](V2 p) { return SdCircle(p, c, rr); }, [=](float x, float y, float d) {
        Mat m;
        float r = std::hypot(x - c.x, y - c.y);
        bool flange = d < 2.2f;
        m.albedo = flange ? Hex(0xb08050) : Mix(Hex(0x303030), Hex(0x505050), 0.5f + 0.5f * std::sin(r * 5));
        m.height = flange ? 10 : 8 + 0.5f * std::sin(r * 5);
        if (r < rr * 0.3f) m.albedo = Hex(0xa07040), m.height = 10.5f;
        return m;
      });
    }
    return s.Shade();
  };
  r[157] = [](int) {
    Surface s;
    Base(s, Hex(0x4a4440));
    s.Over([](V2 p) { return SdRect(p, 1, 1, 48, 48, 3); }, [](float x, float y, float d) {
      Mat m;
      Cell v = Voronoi(x, y, 6, 1571);
      m.albedo = Hex(0x8a6a5a) * (0.85f + 0.2f * Hash01(v.id)) * (v.f2 - v.f1 < 0.8f ? 0.7f : 1.0f);
      m.height = 8 + Bevel(d, 3, 2);
      return m;
    });
    s.Over([](V2 p) { return SdRect(p, 12, 12, 26, 26, 3); }, [](float x, float y, float d) {
      Mat m;
      float glow = Smooth(0, 8, d);
      float n = Fbm(x, y, 6, 3, 1572);
      m.albedo = Mix(Hex(0x601000), Hex(0xffc040), glow * (0.7f + 0.3f * n));
      m.emit = Mix(Hex(0x300000), Hex(0xff8020), glow * (0.6f + 0.4f * n)) * 0.8f;
      m.height = 5 - 2 * glow;
      return m;
    });
    s.Paint([](float x, float y, Mat& m) {
      if (x > 12 && x < 38 && y > 12 && y < 38 && LineDist(x, 6.5f, 12) < 0.8f) {
        m.albedo = Grey(0.2f);
        m.emit = {};
        m.height = 7;
      }
    });
    return s.Shade();
  };
  r[158] = [](int) {
    Surface s;
    Base(s, Grey(0.18f));
    auto beam = [](Surface& s, V2 a, V2 b) {
      s.Over([=](V2 p) { return SdSegment(p, a, b, 4.5f); }, [=](float x, float y, float d) {
        Mat m;
        bool flange = d < 1.6f;
        m.albedo = Hex(0xc05030) * (flange ? 1.1f : 0.8f) * (1 + 0.05f * Noise(x, y, 10, 1581));
        m.height = 6 + (flange ? 1.5f : 0);
        m.gloss = 0.3f;
        return m;
      });
    };
    beam(s, {-5, 25}, {55, 25});
    beam(s, {25, -5}, {25, 55});
    beam(s, {2, 2}, {48, 48});
    for (V2 c : {V2{25, 25}})
      s.Over([=](V2 p) { return SdBox(p, c, {6, 6}); }, Solid(Hex(0xa84428), 8.5f, 0.6f, 0.3f));
    return s.Shade();
  };
  r[159] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float w = std::sin(x * 6.2832f / 4.1667f);
      m.albedo = Hex(0x3a78b0) * (1 + 0.06f * Fbm(x, y, 4, 3, 1591));
      m.height = 8 + 0.7f * w;
      m.gloss = 0.3f;
      float rust = Fbm(x, y, 4, 4, 1592);
      if (rust > 0.35f) m.albedo = Mix(m.albedo, Hex(0x8a5030), Smooth(0.35f, 0.55f, rust));
    });
    RaiseBlock(s, 2, 8, 0.5f);
    s.Paint([](float x, float y, Mat& m) {
      float d = std::min(std::min(x, 50 - x), std::min(y, 50 - y));
      if (d > 0.6f && d < 3) m.albedo = Hex(0x2a5a88), m.height = 9;
    });
    return s.Shade();
  };
}

}  // namespace bv::assets
