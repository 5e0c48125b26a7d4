// Bunker: concrete, steel and military rooms. Floors 40..59, walls 60..79.
#include <cmath>

#include "texture_kit.h"
#include "texture_table.h"

namespace bv::assets {

namespace {

const Rgb kConcrete = Hex(0xb8b8b0);

Image ConcreteFloor(ConcreteSpec c) {
  Surface s;
  Concrete(s, c);
  return s.Shade();
}

Image ConcreteWall(ConcreteSpec c, float moss = 0) {
  Surface s;
  Concrete(s, c);
  if (moss > 0) {
    s.Paint([&](float x, float y, Mat& m) {
      float n = Fbm(x, y, 3, 4, 661) * 0.5f + 0.5f;
      float streak = Noise2(x, y, 8, 1, 662) * 0.5f + 0.5f;
      float k = Smooth(0.55f, 0.75f, n) * moss;
      m.albedo = Mix(m.albedo, Hex(0x6a8040), k);
      m.albedo = m.albedo * (1 - 0.15f * moss * Smooth(0.6f, 0.9f, streak));
      m.height += 0.5f * k;
    });
  }
  RaiseBlock(s, 4, 6, 0.8f);
  return s.Shade();
}

void Line(Surface& s, bool vertical) {
  s.Paint([&](float x, float y, Mat& m) {
    float d = std::fabs((vertical ? x : y) - 25);
    float wear = Fbm(x, y, 6, 3, 481) * 0.5f + 0.5f;
    if (d < 3 && wear > 0.3f) m.albedo = Mix(m.albedo, Hex(0xf0c020), 0.9f * Smooth(3, 2.4f, d));
  });
}

// A barrel seen from above at c.
void Barrel(Surface& s, V2 c, float r, Rgb col) {
  s.Over([=](V2 p) { return SdCircle(p, c, r); }, [=](float x, float y, float d) {
    Mat m;
    m.albedo = col * (1 + 0.05f * Noise(x, y, 10, 721));
    m.height = 8 + Bevel(d, 1.5f, 1);
    m.gloss = 0.3f;
    return m;
  });
  s.Over([=](V2 p) { return SdRing(p, c, r * 0.72f, 1.0f); }, Solid(col * 0.7f, 8.5f, 0.5f, 0.2f));
  s.Over([=](V2 p) { return SdCircle(p, c + V2{r * 0.35f, -r * 0.3f}, r * 0.16f); },
         Solid(Grey(0.55f), 9.5f, 0.6f, 0.5f));
}

}  // namespace

void AddBunkerTextures(Recipes& r) {
  r[40] = [](int) { return ConcreteFloor({kConcrete, 0.06f, 0.3f, 0, 0, 0, 401}); };
  r[41] = [](int) {
    Surface s;
    Concrete(s, {kConcrete, 0.06f, 0.2f, 0.2f, 0, 0, 411});
    s.Paint([](float x, float y, Mat& m) {
      int bx = static_cast<int>(x / 25), by = static_cast<int>(y / 25);
      m.albedo = m.albedo * (0.96f + 0.08f * Hash01(bx, by, 412));
      float d = std::min(LineDist(x, 25), LineDist(y, 25));
      if (d < 0.8f) m.albedo = m.albedo * 0.55f, m.height -= 0.8f;
    });
    return s.Shade();
  };
  r[42] = [](int) { return ConcreteFloor({kConcrete, 0.08f, 0.3f, 0.2f, 0.9f, 0, 421}); };
  r[43] = [](int) { return ConcreteFloor({Hex(0xbcb8ae), 0.08f, 0.2f, 0.9f, 0, 0, 431}); };
  r[44] = [](int) { return ConcreteFloor({Hex(0x8a8a86), 0.06f, 0.3f, 0.2f, 0, 0.6f, 441}); };
  r[45] = [](int) {
    Surface s;
    Metal(s, {Hex(0xa8acac), 0, 0.2f, 0.1f, 0.4f, 451});
    TreadPattern(s, 6.25f, 0.9f);
    return s.Shade();
  };
  r[46] = [](int) {
    Surface s;
    Metal(s, {Hex(0x9ca2a0), 0.2f, 0.2f, 0.15f, 0.35f, 461});
    PlateSeams(s, 25, 25, 3, 1.2f, 3);
    return s.Shade();
  };
  r[47] = [](int) {
    Surface s;
    Grating(s, 6.25f, 12.5f, 1.5f, Hex(0x9a9e9c), Grey(0.12f), 4);
    return s.Shade();
  };
  r[48] = [](int) {
    Surface s;
    Concrete(s, {kConcrete, 0.06f, 0.3f, 0.1f, 0, 0, 481});
    Line(s, false);
    return s.Shade();
  };
  r[49] = [](int) {
    Surface s;
    Concrete(s, {kConcrete, 0.06f, 0.3f, 0.1f, 0, 0, 491});
    Line(s, true);
    return s.Shade();
  };
  r[50] = [](int) {
    Surface s;
    BrickSpec b;
    b.w = 12.5f;
    b.h = 6.25f;
    b.mortar = 1.0f;
    b.depth = 0.8f;
    b.color = Hex(0xa87860);
    b.mortar_color = Hex(0x8a8278);
    b.seed = 501;
    Bricks(s, b);
    return s.Shade();
  };
  r[51] = [](int) {
    TileSpec t;
    t.size = 12.5f;
    t.color = Hex(0xc8dcc8);
    t.grout_color = Hex(0x9aa098);
    t.dirt = 0.4f;
    t.vary = 0.05f;
    t.seed = 511;
    Surface s;
    Tiles(s, t);
    return s.Shade();
  };
  r[52] = [](int) {
    TileSpec t;
    t.size = 12.5f;
    t.color = Hex(0xd0ccc0);
    t.grout_color = Hex(0x888478);
    t.dirt = 0.6f;
    t.missing = 0.15f;
    t.cracks = 0.5f;
    t.vary = 0.08f;
    t.seed = 521;
    Surface s;
    Tiles(s, t);
    return s.Shade();
  };
  r[53] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xb0aea6), 0.08f, 0.2f, 0.3f, 0.4f, 0, 531});
    s.Paint([](float x, float y, Mat& m) {
      Cell v = Voronoi(x, y, 7, 532, 0.9f);
      float r = 1.5f + 2.5f * Hash01(v.id, 1);
      if (Hash01(v.id, 2) < 0.55f && v.f1 < r) {
        float k = std::sqrt(1 - (v.f1 / r) * (v.f1 / r));
        m.albedo = Grey(0.55f + 0.3f * Hash01(v.id, 3)) * Hex(0xfff8f0);
        m.height = 2.0f * k + 0.4f * Noise(x, y, 25, 533);
      }
    });
    return s.Shade();
  };
  r[54] = [](int) {
    Surface s;
    Ground(s, {Hex(0x7a6a58), Hex(0x9a8870), 4, 1.0f, 0.25f, Hex(0x9a948a), 0.6f, 541});
    return s.Shade();
  };
  r[55] = [](int) {
    Surface s;
    Planks(s, {10, 50, false, Hex(0xb09070), 0.12f, 0.6f, 0.9f, 551});
    return s.Shade();
  };
  r[56] = [](int) {
    Surface s;
    Ground(s, {Hex(0x5a4a38), Hex(0x6a5840), 5, 1.0f, 0, {}, 0.5f, 561});
    // Slats across two rails.
    s.Paint([](float x, float y, Mat& m) {
      float slat = LineDist(y, 6.25f, 3.125f);
      bool on_slat = slat < 2.0f;
      bool rail = std::fabs(x - 12) < 2 || std::fabs(x - 38) < 2;
      if (on_slat) {
        float g = Noise2(x, y, 3, 20, 562);
        m.albedo = Hex(0xa88a62) * (1 + 0.1f * g) * (0.9f + 0.15f * Hash01(static_cast<int>(y / 6.25f) % 8, 563));
        m.height = 2 + Bevel(2.0f - slat, 0.7f, 0.5f);
      } else if (rail) {
        m.albedo = Hex(0x6a5038);
        m.height = 1.2f;
      }
    });
    return s.Shade();
  };
  r[57] = [](int) {
    Surface s;
    Concrete(s, {kConcrete, 0.06f, 0.3f, 0.2f, 0, 0, 571});
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 16); }, [](float x, float y, float d) {
      Mat m;
      float ang = std::atan2(y - 25, x - 25);
      float r = std::hypot(x - 25, y - 25);
      bool groove = std::fabs(std::fmod(r, 4.0f) - 2) < 0.5f || std::fabs(std::sin(ang * 4)) < 0.08f;
      m.albedo = Hex(0x6a6c6c) * (1 + 0.1f * Noise(x, y, 10, 572));
      m.height = 0.5f + Bevel(d, 1.2f, 0.5f) - (groove && r < 14 ? 0.6f : 0);
      m.gloss = 0.3f;
      return m;
    });
    s.Over([](V2 p) { return SdRing(p, {25, 25}, 16.5f, 1.2f); }, Solid(Grey(0.3f), -0.5f, 0.3f));
    return s.Shade();
  };
  r[58] = [](int) {
    Surface s;
    Concrete(s, {kConcrete, 0.06f, 0.3f, 0.3f, 0, 0, 581});
    s.Paint([](float x, float y, Mat& m) {
      float d = std::fabs(y - 25);
      if (d < 6) {
        float bar = LineDist(x, 3.125f, 0);
        m.albedo = bar < 0.8f ? Hex(0x707474) : Grey(0.12f);
        m.height = bar < 0.8f ? 0 : -3;
        m.gloss = bar < 0.8f ? 0.3f : 0;
      }
      if (std::fabs(d - 6.5f) < 0.6f) m.albedo = Hex(0x808484), m.height = 0.3f;
    });
    return s.Shade();
  };
  r[59] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xb0b0a8), 0.08f, 0.3f, 0.5f, 0, 0, 591});
    s.Paint([](float x, float y, Mat& m) {
      float n = Fbm(x, y, 2, 4, 592);
      if (n > 0.25f) {
        float k = Smooth(0.25f, 0.35f, n);
        m.albedo = Mix(m.albedo, m.albedo * Hex(0x8c98a4) * 0.8f, k);
        m.height = Lerp(m.height, -0.3f, k);
        m.gloss = Lerp(m.gloss, 1.0f, k);
      }
    });
    return s.Shade();
  };

  // Walls.
  r[60] = [](int) { return ConcreteWall({Hex(0xc0c0b8), 0.07f, 0.3f, 0.2f, 0, 0, 601}); };
  r[61] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xb8b8b0), 0.1f, 0.3f, 0.3f, 0.8f, 0, 611});
    s.Paint([](float x, float y, Mat& m) {
      float n = Fbm(x, y, 3, 4, 612);
      if (n > 0.15f) {
        m.albedo = m.albedo * 0.75f;
        m.height -= 2 * Smooth(0.15f, 0.4f, n);
      }
    });
    for (int i = 0; i < 3; ++i) {
      float y0 = 12 + i * 12;
      s.Over([=](V2 p) { return SdSegment(p, {4, y0 + i * 2.0f}, {46, y0 - 3}, 1.0f); },
             Solid(Hex(0x8a5030), 1.5f, 0.8f, 0.3f));
    }
    RaiseBlock(s, 4, 6, 0.8f);
    return s.Shade();
  };
  r[62] = [](int) {
    Surface s;
    BrickSpec b;
    b.w = 25;
    b.h = 12.5f;
    b.mortar = 1.6f;
    b.color = Hex(0xb4b4ae);
    b.mortar_color = Hex(0x9a9a92);
    b.vary = 0.05f;
    b.roughness = 0.15f;
    b.seed = 621;
    Bricks(s, b);
    Grain(s, 0.06f, 25, 622);
    RaiseBlock(s, 3, 6);
    return s.Shade();
  };
  r[63] = [](int) {
    Surface s;
    BrickSpec b;
    b.color = Hex(0xa86850);
    b.mortar_color = Hex(0xb8b0a4);
    b.seed = 631;
    Bricks(s, b);
    RaiseBlock(s, 3, 6);
    return s.Shade();
  };
  r[64] = [](int) {
    Surface s;
    StoneSpec st;
    st.cells = 4;
    st.color = Hex(0xa8a49a);
    st.gap_color = Hex(0x6a665e);
    st.seed = 641;
    Stones(s, st);
    RaiseBlock(s, 3, 5);
    return s.Shade();
  };
  r[65] = [](int) {
    Surface s;
    Metal(s, {Hex(0x8a9290), 0.2f, 0.3f, 0.1f, 0.4f, 651});
    PlateSeams(s, 25, 50, 3, 1.5f, 4);
    RaiseBlock(s, 3, 6);
    return s.Shade();
  };
  r[66] = [](int) { return ConcreteWall({Hex(0xb8bcb0), 0.08f, 0.3f, 0.4f, 0, 0, 663}, 1.0f); };
  r[67] = [](int) { return ConcreteWall({Hex(0x6e6e6a), 0.08f, 0.3f, 0.2f, 0, 0.3f, 671}); };
  r[68] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xb8b8ae), 0.07f, 0.3f, 0.2f, 0, 0, 681});
    RaiseBlock(s, 4, 6, 0.8f);
    s.Over([](V2 p) { return SdRect(p, 6, 21, 38, 8, 1); }, Solid(Grey(0.08f), -2, 2));
    s.Over([](V2 p) { return SdRect(p, 4, 19, 42, 12, 2); },
           [](float, float, float d) {
             Mat m;
             m.albedo = Hex(0x9a9a92);
             m.height = d < 2 ? 6 - 4 * Smooth(0, 2, d) : 0;
             m.albedo = d > 2 ? Grey(0.08f) : m.albedo;
             return m;
           });
    return s.Shade();
  };
  r[69] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xb0b0a8), 0.07f, 0.3f, 0.2f, 0, 0, 691});
    RaiseBlock(s, 3, 5);
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 20); }, Solid(Hex(0x7a8278), 6, 1.5f, 0.3f));
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 16); }, Solid(Hex(0x8a948a), 7, 1.0f, 0.3f));
    s.Over([](V2 p) { return SdRing(p, {25, 25}, 8, 2.5f); }, Solid(Hex(0xb0a070), 9, 0.8f, 0.6f));
    s.Over([](V2 p) { return Union(SdSegment(p, {17, 25}, {33, 25}, 1.2f), SdSegment(p, {25, 17}, {25, 33}, 1.2f)); },
           Solid(Hex(0xb0a070), 9, 0.6f, 0.6f));
    for (int i = 0; i < 8; ++i) {
      V2 c{25 + 18 * std::cos(i * 0.785f), 25 + 18 * std::sin(i * 0.785f)};
      s.Over([=](V2 p) { return SdCircle(p, c, 1.1f); }, Solid(Grey(0.75f), 7.5f, 0.6f, 0.6f));
    }
    return s.Shade();
  };
  r[70] = [](int) {
    Surface s;
    Base(s, Hex(0x8a7e68));
    for (int row = 0; row < 3; ++row)
      for (int i = -1; i < 3; ++i) {
        float cx = i * 21 + (row & 1 ? 10.5f : 0) + 6, cy = row * 16.7f + 8.3f;
        s.Over([=](V2 p) { return SdBox(p, {cx, cy}, {10.5f, 8}, 5); }, [=](float x, float y, float d) {
          Mat m;
          float n = Noise(x, y, 25, 701 + row);
          m.albedo = Hex(0xc0ae88) * (0.92f + 0.1f * Hash01(i + 2, row, 702) + 0.05f * n);
          m.height = 3 + 5 * std::sqrt(Clamp01(d / 8)) + 0.3f * n;
          return m;
        });
      }
    return s.Shade();
  };
  r[71] = [](int) {
    Surface s;
    Base(s, Hex(0x605848));
    for (int i = 0; i < 2; ++i) {
      float y0 = 2 + i * 24;
      s.Over([=](V2 p) { return SdRect(p, 2, y0, 46, 22, 1); }, [=](float x, float y, float d) {
        Mat m;
        float g = Noise2(x, y, 2, 20, 711 + i);
        m.albedo = Hex(0x8a7a48) * (1 + 0.1f * g);
        m.height = 7 + Bevel(d, 1.2f, 1);
        if (LineDist(x, 12.5f, 2.0f) < 0.5f) m.albedo = m.albedo * 0.6f;
        return m;
      });
      s.Over([=](V2 p) { return SdRect(p, 16, y0 + 7, 18, 8, 0.5f); }, Solid(Hex(0xd8d0a0), 8.3f, 0.3f));
      s.Over([=](V2 p) { return SdRect(p, 18, y0 + 9.5f, 14, 1.2f); }, Solid(Grey(0.2f), 8.4f, 0.2f));
      s.Over([=](V2 p) { return SdRect(p, 18, y0 + 12, 9, 1.2f); }, Solid(Grey(0.2f), 8.4f, 0.2f));
    }
    return s.Shade();
  };
  r[72] = [](int) {
    Surface s;
    Concrete(s, {Hex(0x9a9a94), 0.06f, 0.2f, 0.3f, 0, 0, 721});
    Barrel(s, {13, 13}, 11, Hex(0x5a7048));
    Barrel(s, {37, 13}, 11, Hex(0x5a7048));
    Barrel(s, {13, 37}, 11, Hex(0x607850));
    Barrel(s, {37, 37}, 11, Hex(0xa04830));
    return s.Shade();
  };
  r[73] = [](int) {
    Surface s;
    Base(s, Hex(0x505050));
    for (int i = 0; i < 3; ++i) {
      float x0 = 1 + i * 16.3f;
      s.Over([=](V2 p) { return SdRect(p, x0, 1, 15.3f, 48, 0.8f); }, [=](float x, float y, float d) {
        Mat m;
        m.albedo = Hex(0x8a9a88) * (1 + 0.04f * Noise(x, y, 10, 731 + i));
        m.height = 9 + Bevel(d, 1, 1);
        m.gloss = 0.35f;
        if (y > 4 && y < 10 && LineDist(x - x0, 2, 4) < 0.5f && x - x0 > 3 && x - x0 < 12) m.albedo = Grey(0.25f);
        return m;
      });
    }
    return s.Shade();
  };
  r[74] = [](int) {
    Surface s;
    Base(s, Hex(0x5a5a52));
    s.Over([](V2 p) { return SdRect(p, 2, 1, 46, 48, 1); }, Solid(Hex(0x707468), 6, 1, 0.4f));
    s.Over([](V2 p) { return SdRect(p, 4, 3, 42, 44, 2); }, [](float x, float y, float d) {
      Mat m;
      float n = Noise(x, y, 10, 741);
      m.albedo = Hex(0x7a8858) * (1 + 0.08f * n);
      m.height = 7 + Bevel(d, 3, 2) + 0.5f * n;
      return m;
    });
    s.Over([](V2 p) { return SdRect(p, 9, 5, 32, 11, 4); }, [](float x, float y, float d) {
      Mat m;
      m.albedo = Hex(0xe8e4d8) * (1 + 0.03f * Noise(x, y, 25, 742));
      m.height = 9 + Bevel(d, 3, 2);
      return m;
    });
    s.Over([](V2 p) { return SdRect(p, 4, 20, 42, 2, 0.5f); }, Solid(Hex(0xe0dccc), 9.5f, 0.5f));
    return s.Shade();
  };
  r[75] = [](int) {
    Surface s;
    Base(s, Hex(0x5a5448));
    s.Over([](V2 p) { return SdRect(p, 1, 1, 48, 48, 1); }, Solid(Hex(0x8a7456), 5, 1, 0.1f));
    s.Over([](V2 p) { return SdRect(p, 6, 5, 38, 20, 2); }, Solid(Hex(0x586048), 10, 1.2f, 0.3f));
    for (int i = 0; i < 3; ++i)
      s.Over([=](V2 p) { return SdCircle(p, {14.0f + i * 9, 13}, 2.5f); }, Solid(Hex(0x202020), 11, 0.8f, 0.5f));
    s.Over([](V2 p) { return SdRect(p, 10, 18, 20, 4, 0.5f); }, Solid(Hex(0xe0c060), 10.5f, 0.3f, 0.5f, Hex(0x302000)));
    s.Over([](V2 p) { return SdSegment(p, {40, 8}, {46, 2}, 0.8f); }, Solid(Grey(0.2f), 12, 0.5f));
    s.Over([](V2 p) { return SdEllipse(p, {30, 36}, {7, 5}); }, Solid(Hex(0x303030), 7, 2, 0.3f));
    s.Over([](V2 p) { return SdRect(p, 8, 30, 14, 12, 0.5f); }, Solid(Hex(0xe8e0c8), 5.5f, 0.3f));
    return s.Shade();
  };
  r[76] = [](int) {
    Surface s;
    Base(s, Hex(0x4a4238));
    s.Over([](V2 p) { return SdRect(p, 1, 1, 48, 48, 1.5f); }, Solid(Hex(0x6a5038), 5, 1, 0.2f));
    s.Over([](V2 p) { return SdRect(p, 4, 4, 42, 42, 0.5f); }, [](float x, float y, float d) {
      Mat m;
      float land = Fbm(x, y, 2, 4, 761);
      m.albedo = land > 0 ? Mix(Hex(0xc8c89a), Hex(0xa8b880), Smooth(0, 0.4f, land)) : Hex(0xa8c4d0);
      if (LineDist(x, 8, 4) < 0.25f || LineDist(y, 8, 4) < 0.25f) m.albedo = m.albedo * 0.85f;
      m.height = 5.5f + Bevel(d, 0.3f, 0.2f);
      return m;
    });
    s.Over([](V2 p) { return SdSegment(p, {12, 34}, {30, 16}, 0.8f); }, Solid(Hex(0xc03020), 5.8f, 0.3f));
    s.Over([](V2 p) { return SdCircle(p, {30, 16}, 2.2f); }, Solid(Hex(0xc03020), 6, 0.5f));
    s.Over([](V2 p) { return SdCircle(p, {16, 14}, 1.6f); }, Solid(Hex(0x2040a0), 6.5f, 0.5f));
    s.Over([](V2 p) { return SdCircle(p, {36, 36}, 1.6f); }, Solid(Hex(0x2040a0), 6.5f, 0.5f));
    return s.Shade();
  };
  r[77] = [](int) {
    Surface s;
    Base(s, Hex(0x505048));
    s.Over([](V2 p) { return SdRect(p, 2, 4, 46, 42, 2); }, Solid(Hex(0x6a7848), 8, 1.5f, 0.35f));
    for (int i = 0; i < 7; ++i)
      s.Over([=](V2 p) { return SdRect(p, 6, 8.0f + i * 3.2f, 20, 1.6f, 0.5f); }, Solid(Hex(0x4a5630), 7, 0.4f));
    s.Over([](V2 p) { return SdCircle(p, {37, 18}, 6); }, Solid(Hex(0x3a3a36), 10, 1.5f, 0.4f));
    s.Over([](V2 p) { return SdCircle(p, {37, 18}, 3); }, Solid(Hex(0x202020), 8, 1, 0.2f));
    s.Over([](V2 p) { return SdRect(p, 30, 30, 14, 10, 1); }, Solid(Hex(0xc0b070), 9, 0.8f, 0.3f));
    s.Over([](V2 p) { return SdRect(p, 32, 32, 4, 3, 0.5f); }, Solid(Hex(0xd03020), 9.5f, 0.4f, 0.5f));
    return s.Shade();
  };
  r[78] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xb0b0a6), 0.06f, 0.2f, 0.2f, 0, 0, 781});
    RaiseBlock(s, 3, 5);
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 21); }, Solid(Hex(0x707470), 6, 1, 0.4f));
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 19); }, Solid(Grey(0.12f), 0, 1));
    s.Over([](V2 p) {
      V2 q = p - V2{25, 25};
      float a = std::atan2(q.y, q.x);
      float r = Len(q);
      float blade = std::fabs(std::sin(a * 3 + r * 0.05f)) * r - 4;
      return Intersect(blade, r - 18);
    }, Solid(Hex(0x9aa09a), 3, 1, 0.4f));
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 5); }, Solid(Hex(0x7a807a), 5, 1, 0.5f));
    s.Paint([](float x, float y, Mat& m) {
      float r = std::hypot(x - 25, y - 25);
      if (r < 19.5f && r > 6 && (std::fabs(x - 25) < 0.6f || std::fabs(y - 25) < 0.6f || LineDist(r, 5) < 0.5f)) {
        m.albedo = Hex(0x8a8e8a);
        m.height = 7;
      }
    });
    return s.Shade();
  };
  r[79] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float n = Fbm(x, y, 3, 4, 791);
      float n2 = Fbm(x, y, 4, 3, 792);
      Rgb c = n > 0.2f ? Hex(0x4a5a30) : n > -0.15f ? Hex(0x6e7a44) : Hex(0x8a8258);
      if (n2 > 0.35f) c = Hex(0x3a3424);
      float net = std::min(LineDist(x + y, 5), LineDist(x - y + 50, 5));
      m.albedo = c * (net < 0.6f ? 0.75f : 1.0f);
      m.height = 6 + 2 * n + (net < 0.6f ? 0.4f : 0);
    });
    RaiseBlock(s, 5, 6, 0.5f);
    return s.Shade();
  };
}

}  // namespace bv::assets
