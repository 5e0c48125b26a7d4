// Lab: clean white science rooms and offices. Floors 1..19, walls 20..39.
#include <cmath>

#include "texture_kit.h"
#include "texture_table.h"

namespace bv::assets {

namespace {

const Rgb kWhite = Hex(0xeef0f0);
const Rgb kGrout = Hex(0xa8acac);

Image TileFloor(TileSpec t) {
  Surface s;
  Tiles(s, t);
  return s.Shade();
}

// A white wall block with a painted face.
Image Panel(Rgb c, float seam_x, float band, Rgb band_c, uint32_t seed) {
  Surface s;
  s.Paint([&](float x, float y, Mat& m) {
    m.albedo = c * (1 + 0.025f * Fbm(x, y, 3, 3, seed));
    m.gloss = 0.2f;
    if (band > 0 && std::fabs(y - 25) < band / 2) m.albedo = band_c * (1 + 0.02f * Noise(x, y, 10, seed));
    if (seam_x > 0 && std::fabs(x - seam_x) < 0.6f) {
      m.albedo = m.albedo * 0.6f;
      m.height = -0.6f;
    }
  });
  RaiseBlock(s, 4, 5);
  return s.Shade();
}

// Bench top: a light worktop filling the cell.
void Worktop(Surface& s, Rgb c, uint32_t seed) {
  s.Paint([&](float x, float y, Mat& m) {
    m.albedo = c * (1 + 0.03f * Fbm(x, y, 4, 3, seed));
    m.gloss = 0.25f;
  });
  RaiseBlock(s, 2, 4, 0.6f);
}

void Flask(Surface& s, V2 c, float r, Rgb liquid) {
  s.Over([=](V2 p) { return SdCircle(p, c, r); }, [=](float, float, float d) {
    Mat m;
    m.albedo = Mix(Hex(0xd8ecf0), liquid, Smooth(0.5f, 2.0f, d));
    m.height = 4 + Bevel(d, r, 2);
    m.gloss = 0.9f;
    return m;
  });
  s.Over([=](V2 p) { return SdCircle(p, c, r * 0.35f); }, Solid(Hex(0xe8e8e0), 7, 0.6f, 0.3f));
}

}  // namespace

void AddLabTextures(Recipes& r) {
  r[1] = [](int) {
    TileSpec t;
    t.color = kWhite;
    t.grout_color = kGrout;
    return TileFloor(t);
  };
  r[2] = [](int) {
    TileSpec t;
    t.size = 10;
    t.grout = 1.0f;
    t.color = kWhite;
    t.grout_color = kGrout;
    t.bevel = 0.7f;
    t.seed = 2;
    return TileFloor(t);
  };
  r[3] = [](int) {
    TileSpec t;
    t.checker = true;
    t.color = Hex(0xf0f0ee);
    t.alt_color = Hex(0x8a8e92);
    t.grout_color = Hex(0x9a9c9c);
    t.seed = 3;
    return TileFloor(t);
  };
  r[4] = [](int) {
    TileSpec t;
    t.color = Hex(0xe4e2da);
    t.grout_color = Hex(0x8e8a80);
    t.dirt = 0.7f;
    t.vary = 0.06f;
    t.roughness = 0.06f;
    t.seed = 4;
    return TileFloor(t);
  };
  r[5] = [](int) {
    TileSpec t;
    t.color = Hex(0xe8eaea);
    t.grout_color = kGrout;
    t.cracks = 0.8f;
    t.missing = 0.2f;
    t.seed = 7;
    return TileFloor(t);
  };
  r[6] = [](int) {
    // Hexagons: cellular pattern on a hexagonal lattice that repeats every 50 pixels.
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      const float w = 12.5f, h = 12.5f * 0.8660254f * 2 / 2;  // 4 across, rows tuned to repeat
      (void)h;
      // Nearest centre among two interleaved rectangular lattices.
      const float ax = 12.5f, ay = 50.0f / 7;  // 4 x 7 rows; slight squash keeps the repeat
      float best = 1e9f, second = 1e9f;
      int bi = 0, bj = 0;
      for (int j = -1; j <= 8; ++j)
        for (int i = -1; i <= 5; ++i) {
          float cx = i * ax + ((j & 1) ? ax / 2 : 0), cy = j * ay;
          float dx = std::fabs(x - cx), dy = std::fabs(y - cy);
          float d = std::max(dx * 0.8660254f + dy * 0.5f * 1.6f, dy * 1.6f);  // hexagon metric
          if (d < best) second = best, best = d, bi = i, bj = j;
          else if (d < second) second = d;
        }
      float edge = (second - best) * 0.5f;
      float inside = edge - 0.6f;
      float k = Cover(-inside, 0.5f);
      float rnd = Hash01((bi + 4) % 4, (bj + 7) % 7, 61);
      Rgb c = Hex(0xeceeec) * (1 + 0.04f * (rnd * 2 - 1));
      m.albedo = Mix(kGrout, c, k);
      m.height = Bevel(inside, 1.0f, 0.8f) * k;
      m.gloss = 0.3f * k;
      (void)w;
    });
    return s.Shade();
  };
  r[7] = [](int) {
    TileSpec t;
    t.diagonal = true;
    t.color = kWhite;
    t.checker = true;
    t.alt_color = Hex(0xc8ccd0);
    t.grout_color = kGrout;
    t.seed = 8;
    return TileFloor(t);
  };
  r[8] = [](int) {
    TileSpec t;
    t.color = kWhite;
    t.grout_color = kGrout;
    t.seed = 9;
    Surface s;
    Tiles(s, t);
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 8); }, Solid(Hex(0x9aa0a4), -0.5f, 0.8f, 0.5f));
    s.Paint([](float x, float y, Mat& m) {
      float d = std::hypot(x - 25, y - 25);
      if (d < 7) {
        float slot = LineDist(x, 2.5f, 1.25f);
        if (slot < 0.6f && std::fabs(y - 25) < 5.5f) {
          m.albedo = Grey(0.15f);
          m.height = -2;
        }
      }
    });
    return s.Shade();
  };
  r[9] = [](int) {
    TileSpec t;
    t.size = 5;
    t.grout = 0.8f;
    t.bevel = 0.5f;
    t.depth = 0.5f;
    t.color = Hex(0xe6eaec);
    t.grout_color = Hex(0xb0b4b4);
    t.vary = 0.0f;
    t.seed = 10;
    t.tint = [](int tx, int ty, float, float, Rgb base) {
      float h = Hash01(tx, ty, 77);
      Rgb c = h < 0.2f ? Hex(0xc8dcec) : h < 0.3f ? Hex(0xd0e8dc) : base;
      return c * (0.94f + 0.1f * Hash01(tx, ty, 78));
    };
    return TileFloor(t);
  };
  r[10] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float n = Fbm(x, y, 5, 3, 101);
      Cell v = Voronoi(x, y, 25, 102);
      float fleck = (v.f1 < 0.5f && Hash01(v.id) < 0.5f) ? (Hash01(v.id, 1) < 0.5f ? -0.12f : 0.08f) : 0;
      m.albedo = Hex(0xdcdcd4) * (1 + 0.03f * n + fleck);
      m.gloss = 0.35f;
    });
    return s.Shade();
  };
  r[11] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float n = Fbm(x, y, 4, 3, 111);
      m.albedo = Hex(0xd8dee0) * (1 + 0.03f * n);
      m.gloss = 0.35f;
      float d = std::min(LineDist(x, 50, 0), LineDist(y, 25, 0));
      if (d < 0.8f) m.albedo = Hex(0xa0a8ac), m.height = 0.3f;
    });
    return s.Shade();
  };
  r[12] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      Cell v = Voronoi(x, y, 20, 121);
      float n = Fbm(x, y, 3, 3, 122);
      Rgb c = Hex(0xc8ccd0) * (1 + 0.04f * n);
      if (v.f1 < 0.6f && Hash01(v.id) < 0.5f) {
        float h = Hash01(v.id, 2);
        c = h < 0.33f ? Grey(0.55f) : h < 0.66f ? Grey(0.95f) : Hex(0xa8b4c0);
      }
      m.albedo = c;
      m.gloss = 0.7f;
    });
    return s.Shade();
  };
  r[13] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      Cell v = Voronoi(x, y, 14, 131);
      Rgb c = Hex(0xe4e0d8) * (1 + 0.03f * Fbm(x, y, 4, 2, 132));
      float r = 0.6f + 1.2f * Hash01(v.id, 1);
      if (v.f1 < r && Hash01(v.id) < 0.7f) {
        float h = Hash01(v.id, 2);
        c = h < 0.4f ? Hex(0x8a8478) : h < 0.7f ? Hex(0xb8a890) : h < 0.85f ? Hex(0x6a6e74) : Hex(0xf4f0e8);
      }
      m.albedo = c;
      m.gloss = 0.4f;
    });
    return s.Shade();
  };
  r[14] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      m.albedo = Hex(0x9a9e9e) * (1 + 0.04f * Fbm(x, y, 4, 2, 141));
      float fx = std::fmod(x, 6.25f) - 3.125f, fy = std::fmod(y, 6.25f) - 3.125f;
      float d = std::hypot(fx, fy) - 1.8f;
      m.height = Bevel(-d, 0.8f, 0.7f);
      m.gloss = 0.15f;
    });
    return s.Shade();
  };
  r[15] = [](int) {
    Surface s;
    Metal(s, {Hex(0xd4d8da), 0.3f, 0.1f, 0, 0.3f, 151});
    PlateSeams(s, 25, 25, 2.5f, 1.1f, 1);
    s.Paint([](float x, float y, Mat& m) {
      float fx = std::fmod(x, 25.0f), fy = std::fmod(y, 25.0f);
      float e = std::min(std::min(fx, 25 - fx), std::min(fy, 25 - fy));
      if (e < 1.5f) m.albedo = m.albedo * 0.9f;
    });
    return s.Shade();
  };
  r[16] = [](int) {
    Surface s;
    Metal(s, {Hex(0xe0e4e6), 0, 0.05f, 0, 0.3f, 161});
    Perforate(s, 3.125f, 0.7f, Grey(0.35f));
    PlateSeams(s, 25, 25, 0);
    return s.Shade();
  };
  r[17] = [](int) {
    Surface s;
    Grating(s, 5, 5, 1.4f, Hex(0xd8dcdc), Grey(0.3f), 2);
    return s.Shade();
  };
  r[18] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float loop = Noise(x, y, 50, 181) * 0.5f + Noise(x, y, 25, 182) * 0.5f;
      float fleck = Fbm(x, y, 5, 2, 183);
      m.albedo = Hex(0xb8b4ac) * (1 + 0.12f * loop + 0.04f * fleck);
      m.height = 0.4f * loop;
    });
    ShadeOptions o;
    o.bump = 0.6f;
    return s.Shade(o);
  };
  r[19] = [](int) {
    // Herringbone-like parquet: blocks of planks alternating direction.
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      int bx = static_cast<int>(x / 12.5f), by = static_cast<int>(y / 12.5f);
      bool vert = (bx + by) & 1;
      float u = vert ? std::fmod(y, 12.5f) : std::fmod(x, 12.5f);
      float v = vert ? std::fmod(x, 12.5f) : std::fmod(y, 12.5f);
      int strip = static_cast<int>(v / 3.125f);
      float fv = std::fmod(v, 3.125f);
      float rnd = Hash01(bx % 4, by % 4, strip, 191);
      float grain = Noise2(vert ? x : y, vert ? y : x, 50, 4, 192 + strip);
      Rgb c = Hex(0xc89a68) * (0.9f + 0.2f * rnd) * (1 + 0.08f * grain);
      float e = std::min(std::min(fv, 3.125f - fv), std::min(u, 12.5f - u));
      float k = Cover(-(e - 0.3f), 0.5f);
      m.albedo = Mix(Hex(0x5a4028), c, k);
      m.height = 0.4f * k;
      m.gloss = 0.3f;
    });
    return s.Shade();
  };

  // Walls.
  r[20] = [](int) { return Panel(Hex(0xf2f2f0), 0, 0, {}, 201); };
  r[21] = [](int) { return Panel(Hex(0xeceeee), 25, 0, {}, 211); };
  r[22] = [](int) {
    Surface s;
    TileSpec t;
    t.size = 8.333f;
    t.size_y = 8.333f;
    t.grout = 0.9f;
    t.color = Hex(0xf4f6f6);
    t.grout_color = Hex(0xb8bcbc);
    t.gloss = 0.6f;
    t.seed = 221;
    Tiles(s, t);
    RaiseBlock(s, 3, 5);
    return s.Shade();
  };
  r[23] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float n = Fbm(x, y, 4, 5, 231);
      m.albedo = Hex(0xeae6de) * (1 + 0.04f * n);
      m.height = 0.6f * n;
    });
    RaiseBlock(s, 4, 5);
    return s.Shade();
  };
  r[24] = [](int) { return Panel(Hex(0xf0f2f2), 0, 10, Hex(0x8ab0d8), 241); };
  r[25] = [](int) {
    Surface s;
    Metal(s, {Hex(0xc8ccd0), 1.0f, 0.2f, 0, 0.5f, 251});
    RaiseBlock(s, 3, 5);
    return s.Shade();
  };
  r[26] = [](int) { return Panel(Hex(0x6a6e72), 0, 0, {}, 261); };
  r[27] = [](int) {
    Surface s;
    BrickSpec b;
    b.color = Hex(0xeeeeea);
    b.mortar_color = Hex(0xc8c8c0);
    b.vary = 0.03f;
    b.roughness = 0.05f;
    b.seed = 271;
    Bricks(s, b);
    RaiseBlock(s, 3, 5);
    return s.Shade();
  };
  r[28] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      float fx = std::fmod(x, 25.0f), fy = std::fmod(y, 25.0f);
      float e = std::min(std::min(fx, 25 - fx), std::min(fy, 25 - fy));
      // Glass blocks: a pillow face with soft ripples.
      float rip = std::cos(std::hypot(fx - 12.5f, fy - 12.5f) * 1.1f);
      m.albedo = Mix(Hex(0xa8d0de), Hex(0xeaf6fa), Smooth(0, 10, e) * 0.7f + 0.1f * rip);
      m.height = Bevel(e - 1.0f, 6, 3) + 0.25f * rip;
      m.gloss = 0.9f;
      if (e < 1.0f) m.albedo = Hex(0xc8cccc), m.height = 0;
    });
    RaiseBlock(s, 1.5f, 3);
    return s.Shade();
  };
  r[29] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      // Glass pane between a top and bottom frame; diagonal reflections.
      float refl = std::fmod(x + y * 0.6f + 100, 22.0f);
      m.albedo = Mix(Hex(0x6a98b0), Hex(0xbfe0ee), Smooth(3, 0, std::fabs(refl - 8)) * 0.7f);
      m.gloss = 1.0f;
      m.height = 2;
      if (y < 12 || y > 38) {
        m.albedo = Hex(0xd0d4d6) * (1 + 0.02f * Noise(x, y, 10, 291));
        m.height = 5;
        m.gloss = 0.3f;
      }
      if (std::fabs(x - 25) < 1) m.albedo = Hex(0xc0c4c6), m.height = 4;
    });
    RaiseBlock(s, 2, 3);
    return s.Shade();
  };
  r[30] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      m.albedo = Hex(0xeeeeec) * (1 + 0.02f * Fbm(x, y, 3, 2, 301));
      m.gloss = 0.2f;
      if (x > 10 && x < 40 && y > 10 && y < 40) {
        float slot = LineDist(y, 4, 10);
        m.albedo = Hex(0xc8ccd0);
        m.height = -0.5f;
        if (slot < 1.1f) m.albedo = Grey(0.2f), m.height = -2.5f;
      }
    });
    RaiseBlock(s, 4, 5);
    return s.Shade();
  };
  r[31] = [](int) {
    Surface s;
    TileSpec t;
    t.color = kWhite;
    t.grout_color = kGrout;
    Tiles(s, t);
    s.Over([](V2 p) { return SdRect(p, 6, 6, 38, 38, 2); }, Solid(Hex(0xd8dadc), 2, 1.5f, 0.2f));
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 15); }, [](float x, float, float d) {
      Mat m;
      m.albedo = Hex(0xf4f4f2) * (0.95f + 0.08f * std::sin(x * 0.5f));
      m.height = 4 + 8 * std::sqrt(Clamp01(d / 15));
      m.gloss = 0.4f;
      return m;
    });
    ShadeOptions o;
    o.ambient = 0.5f;
    return s.Shade(o);
  };
  r[32] = [](int) {
    Surface s;
    Worktop(s, Hex(0x505860), 321);
    Flask(s, {14, 16}, 5, Hex(0x60c0f0));
    Flask(s, {33, 14}, 4, Hex(0x90e070));
    Flask(s, {37, 33}, 5.5f, Hex(0xf0a050));
    s.Over([](V2 p) { return SdRect(p, 8, 28, 16, 12, 1); }, Solid(Hex(0xe8e8e4), 5, 0.6f, 0.1f));
    s.Over([](V2 p) { return SdRect(p, 10, 30, 12, 1.2f); }, Solid(Hex(0x3050a0), 5.2f, 0.2f));
    s.Over([](V2 p) { return SdRect(p, 10, 33, 9, 1.2f); }, Solid(Hex(0x3050a0), 5.2f, 0.2f));
    return s.Shade();
  };
  r[33] = [](int) {
    Surface s;
    Worktop(s, Hex(0x505860), 331);
    s.Over([](V2 p) { return SdRect(p, 10, 12, 30, 26, 5); }, Solid(Hex(0xd0d6da), 4, 1, 0.8f));
    s.Over([](V2 p) { return SdRect(p, 13, 15, 24, 20, 4); }, [](float x, float y, float d) {
      Mat m;
      m.albedo = Hex(0xb8c0c6) * (0.9f + 0.1f * Noise(x, y, 10, 332));
      m.height = 4 - Bevel(d, 3, 3);
      m.gloss = 0.9f;
      return m;
    });
    s.Over([](V2 p) { return SdCircle(p, {25, 27}, 1.6f); }, Solid(Grey(0.15f), 0));
    s.Over([](V2 p) { return SdSegment(p, {25, 8}, {25, 18}, 1.4f); }, Solid(Hex(0xe0e4e8), 7, 1, 0.9f));
    return s.Shade();
  };
  r[34] = [](int) {
    Surface s;
    Worktop(s, Hex(0xb89a70), 341);
    // Monitor seen from above: casing and the screen's glow spilling in front.
    s.Over([](V2 p) { return SdRect(p, 8, 6, 34, 12, 2); }, Solid(Hex(0x383c40), 9, 1.5f, 0.3f));
    s.Over([](V2 p) { return SdRect(p, 10, 17, 30, 3, 0.5f); }, Solid(Hex(0x80d8ff), 6, 0.3f, 0.5f, Hex(0x2070a0)));
    s.Over([](V2 p) { return SdRect(p, 10, 27, 30, 10, 1); }, [](float x, float y, float d) {
      Mat m;
      bool key = LineDist(x, 2.5f, 10) > 0.4f && LineDist(y, 2.5f, 27) > 0.4f;
      m.albedo = key ? Hex(0xe0e0dc) : Grey(0.35f);
      m.height = 5 + Bevel(d, 0.6f, 1) + (key ? 0.4f : 0);
      return m;
    });
    s.Over([](V2 p) { return SdEllipse(p, {43, 33}, {2.5f, 3.5f}); }, Solid(Hex(0xe0e0dc), 6, 1.5f, 0.3f));
    return s.Shade();
  };
  r[35] = [](int) {
    Surface s;
    Worktop(s, Hex(0xa8aeb2), 351);
    for (int i = 0; i < 6; ++i) {
      float x0 = 3 + (i % 3) * 15.5f, y0 = 4 + (i / 3) * 22;
      Rgb c = i == 1 ? Hex(0x6890c8) : i == 4 ? Hex(0xd08858) : Hex(0xe8e8e4);
      s.Over([=](V2 p) { return SdRect(p, x0, y0, 13, 19, 1.5f); }, Solid(c, 7, 1.5f, 0.2f));
      s.Over([=](V2 p) { return SdRect(p, x0 + 4, y0 + 2, 5, 2, 0.8f); }, Solid(c * 0.7f, 7, 0.5f));
    }
    return s.Shade();
  };
  r[36] = [](int) {
    Surface s;
    Base(s, Hex(0x40444a));
    s.Paint([](float x, float y, Mat& m) {
      float slot = LineDist(y, 5, 2.5f);
      m.albedo = Hex(0x6a707a) * (slot < 0.5f ? 0.5f : 1.0f);
      m.height = 5 - (slot < 0.5f ? 1 : 0);
      if (x > 36 && x < 46 && slot > 1) {
        int row = static_cast<int>(y / 5);
        m.albedo = Grey(0.2f);
        if (std::fabs(std::fmod(y, 5.0f) - 2.5f) < 1.2f && LineDist(x, 4, 39) < 1.3f && x < 45) {
          Rgb led = Hash01(row, 361) < 0.6f ? Hex(0x40ff60) : Hex(0xffb030);
          m.emit = led * 0.8f;
          m.albedo = led;
        }
      }
      if (x > 4 && x < 34 && std::fmod(y, 5.0f) > 1.2f && std::fmod(y, 5.0f) < 3.8f &&
          LineDist(x, 2, 0) < 0.5f)
        m.albedo = Grey(0.18f);
    });
    RaiseBlock(s, 1.5f, 6);
    return s.Shade();
  };
  r[37] = [](int) {
    Surface s;
    Concrete(s, {Hex(0xc8ccd0), 0.04f, 0.1f, 0, 0, 0, 371});
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 22); }, [](float x, float y, float d) {
      Mat m;
      float ang = std::atan2(y - 25, x - 25);
      m.albedo = Hex(0xe4e8ec) * (0.95f + 0.05f * std::cos(ang * 12));
      m.height = 3 + 8 * std::sqrt(Clamp01(d / 22));
      m.gloss = 0.6f;
      return m;
    });
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 6); }, Solid(Hex(0xb0b4b8), 12, 1, 0.6f));
    s.Over([](V2 p) { return SdSegment(p, {20, 25}, {30, 25}, 1.3f); }, Solid(Hex(0xd04040), 13, 1, 0.4f));
    s.Over([](V2 p) { return SdRect(p, 8, 4, 10, 4, 1); }, Solid(Hex(0xf0c040), 11, 0.8f, 0.2f));
    ShadeOptions o;
    o.ambient = 0.5f;
    return s.Shade(o);
  };
  r[38] = [](int) {
    Surface s;
    s.Paint([](float x, float y, Mat& m) {
      m.albedo = Hex(0xeceae4) * (1 + 0.02f * Fbm(x, y, 3, 2, 381));
      float rib = LineDist(x, 10, 5);
      m.height = 6 + (rib < 1 ? 0.6f : 0);
      if (std::fabs(x - 25) < 12 && std::fabs(y - 25) < 4) m.albedo = Hex(0x4070b0), m.height = 6.2f;
    });
    RaiseBlock(s, 3, 6, 1.0f);
    return s.Shade();
  };
  r[39] = [](int) {
    Surface s;
    Base(s, Hex(0x606870));
    s.Over([](V2 p) { return SdRect(p, 2, 2, 46, 46, 4); }, Solid(Hex(0x8a9298), 3, 1.5f, 0.4f));
    s.Over([](V2 p) { return SdCircle(p, {25, 25}, 17); }, [](float x, float y, float d) {
      Mat m;
      float n = Fbm(x, y, 5, 3, 391);
      m.albedo = Mix(Hex(0x40a040), Hex(0xa0f080), Smooth(0, 17, d) * 0.6f + 0.2f * n);
      m.emit = Hex(0x104010) * Smooth(4, 17, d);
      m.height = 6 + 6 * std::sqrt(Clamp01(d / 17));
      m.gloss = 1.0f;
      return m;
    });
    s.Over([](V2 p) { return SdRing(p, {25, 25}, 17, 2.5f); }, Solid(Hex(0xc8ced2), 9, 1, 0.7f));
    // Bubbles.
    for (int i = 0; i < 5; ++i) {
      float bx = 18 + 14 * Hash01(i, 392), by = 18 + 14 * Hash01(i, 393);
      s.Over([=](V2 p) { return SdCircle(p, {bx, by}, 1 + Hash01(i, 394)); }, Solid(Hex(0xd8ffd0), 12.5f, 0.6f, 1));
    }
    return s.Shade();
  };
}

}  // namespace bv::assets
