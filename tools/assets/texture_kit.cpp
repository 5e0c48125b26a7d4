#include "texture_kit.h"

#include <cmath>
#include <mutex>

namespace bv::assets {

namespace {

int Mod(int a, int n) {
  int r = a % n;
  return r < 0 ? r + n : r;
}

const Fonts* g_fonts = nullptr;

}  // namespace

void SetTextureFonts(const Fonts* fonts) { g_fonts = fonts; }

void UseTextureFonts(const std::function<void(const Fonts&)>& f) {
  if (!g_fonts) return;
  // FreeType faces are not shared between threads.
  static std::mutex mutex;
  std::lock_guard<std::mutex> lock(mutex);
  f(*g_fonts);
}

void PaintText(Surface& s, const std::string& utf8, float cx, float cy, float px, Rgb color) {
  UseTextureFonts([&](const Fonts& fonts) {
    // Render at the sample resolution so the letters stay crisp.
    const int k = Surface::kSS;
    Mask m = fonts.Text("DejaVuSans-Bold.ttf", utf8, px * k);
    // Centre on the cap height rather than the whole line.
    float ox = cx * k - m.w / 2.0f, oy = cy * k - (m.baseline - px * k * 0.36f);
    s.Paint([&](float x, float y, Mat& mat) {
      float a = m.at(static_cast<int>(std::floor(x * k - ox)), static_cast<int>(std::floor(y * k - oy)));
      if (a <= 0) return;
      mat.albedo = Mix(mat.albedo, color, a);
      mat.height += 0.3f * a;
    });
  });
}

void Tiles(Surface& s, const TileSpec& t) {
  const float sy = t.size_y > 0 ? t.size_y : t.size;
  const int nx = std::max(1, static_cast<int>(std::lround(kTile / t.size)));
  const int ny = std::max(1, static_cast<int>(std::lround(kTile / sy)));
  s.Paint([&](float x, float y, Mat& m) {
    float u = x, v = y;
    if (t.diagonal) u = x + y, v = x - y + kTile;
    int ty = static_cast<int>(std::floor(v / sy));
    float uu = u + t.bond * t.size * Mod(ty, 2);
    int tx = static_cast<int>(std::floor(uu / t.size));
    float fx = uu - tx * t.size, fy = v - ty * sy;
    float edge = std::min(std::min(fx, t.size - fx), std::min(fy, sy - fy));
    if (t.diagonal) edge *= 0.7071f;
    int hx = Mod(tx, nx), hy = Mod(ty, ny);
    float rnd = Hash01(hx, hy, t.seed);
    bool missing = Hash01(hx, hy, t.seed, 9) < t.missing;
    float inside = edge - t.grout / 2;
    if (missing) {
      float n = Fbm(x, y, 8, 3, t.seed + 77);
      m.albedo = Mix(t.grout_color * 0.8f, t.grout_color, 0.5f + 0.3f * n);
      m.height = -0.6f + 0.3f * n;
      m.gloss = 0;
      return;
    }
    Rgb base = t.color;
    if (t.checker && ((Mod(tx, 2) + Mod(ty, 2)) & 1)) base = t.alt_color;
    if (t.tint) base = t.tint(hx, hy, fx / t.size, fy / sy, base);
    base = base * (1 + t.vary * (rnd * 2 - 1));
    base = base * (1 + t.roughness * Fbm(x, y, 10, 3, t.seed + 5));
    float tile_h = Bevel(inside, t.bevel, t.depth) + 0.15f * t.roughness * Noise(x, y, 25, t.seed);
    float k = Cover(-inside, 1.0f / Surface::kSS);  // 1 inside the tile
    Rgb g = t.grout_color * (1 + 0.1f * Noise(x, y, 25, t.seed + 3));
    m.albedo = Mix(g, base, k);
    m.height = tile_h * k;
    m.gloss = t.gloss * k;
  });
  if (t.dirt > 0) Stain(s, Hex(0x8a7a60), t.dirt, 3, t.seed + 11);
  if (t.cracks > 0) Cracks(s, t.cracks, 0.6f, t.seed + 13);
}

void Bricks(Surface& s, const BrickSpec& b) {
  const int nx = std::max(1, static_cast<int>(std::lround(kTile / b.w)));
  const int ny = std::max(1, static_cast<int>(std::lround(kTile / b.h)));
  s.Paint([&](float x, float y, Mat& m) {
    int row = static_cast<int>(std::floor(y / b.h));
    float u = x + (Mod(row, 2) ? b.w / 2 : 0);
    int col = static_cast<int>(std::floor(u / b.w));
    float fx = u - col * b.w, fy = y - row * b.h;
    float edge = std::min(std::min(fx, b.w - fx), std::min(fy, b.h - fy));
    float rnd = Hash01(Mod(col, nx), Mod(row, ny), b.seed);
    float inside = edge - b.mortar / 2;
    float rough = Fbm(x, y, 10, 3, b.seed + 1);
    if (b.stone) inside += 1.2f * Fbm(x, y, 5, 2, b.seed + 2);
    Rgb c = b.color * (1 + b.vary * (rnd * 2 - 1)) * (1 + b.roughness * rough);
    float bevel = b.stone ? 3.0f : 1.2f;
    float h = Bevel(inside, bevel, b.depth) + (b.stone ? 0.8f : 0.25f) * rough;
    float k = Cover(-inside, 1.0f / Surface::kSS);
    Rgb mc = b.mortar_color * (1 + 0.15f * Noise(x, y, 25, b.seed + 4));
    m.albedo = Mix(mc, c, k);
    m.height = h * k - 0.2f * (1 - k);
    m.gloss = 0;
  });
}

void Concrete(Surface& s, const ConcreteSpec& c) {
  s.Paint([&](float x, float y, Mat& m) {
    float n = Fbm(x, y, 3, 4, c.seed);
    float f = Noise(x, y, 25, c.seed + 1);
    Rgb col = c.color * (1 + c.vary * n + 0.04f * f);
    float h = 0.25f * f + 0.3f * n;
    if (c.pores > 0) {
      Cell v = Voronoi(x, y, 12, c.seed + 2);
      float r = 0.5f + 0.5f * Hash01(v.id, 1);
      if (Hash01(v.id, 2) < c.pores && v.f1 < r) {
        col = col * 0.75f;
        h -= 0.5f;
      }
    }
    if (c.aggregate > 0) {
      Cell v = Voronoi(x, y, 9, c.seed + 3);
      float r = 0.8f + 1.2f * Hash01(v.id, 1);
      if (Hash01(v.id, 2) < c.aggregate && v.f1 < r) {
        col = Mix(col, Grey(0.45f + 0.4f * Hash01(v.id, 3)) * Hex(0xfff4e8), 0.8f);
        h += 0.3f;
      }
    }
    m.albedo = col;
    m.height = h;
    m.gloss = 0.05f;
  });
  if (c.stains > 0) Stain(s, Hex(0x706858), c.stains, 3, c.seed + 5);
  if (c.cracks > 0) Cracks(s, c.cracks, 0.7f, c.seed + 6);
}

void Metal(Surface& s, const MetalSpec& mt) {
  s.Paint([&](float x, float y, Mat& m) {
    float n = Fbm(x, y, 2, 3, mt.seed);
    Rgb col = mt.color * (1 + 0.06f * n);
    if (mt.brushed > 0) {
      float streak = Noise2(x, y, 1, 50, mt.seed + 1) * 0.6f + Noise(x, y, 25, mt.seed + 2) * 0.4f;
      col = col * (1 + mt.brushed * 0.12f * streak);
    }
    float h = 0.05f * n;
    if (mt.scratches > 0) {
      float r = Ridged(x, y, 4, 2, mt.seed + 3);
      float k = Smooth(0.93f, 0.99f, r) * mt.scratches;
      col = Mix(col, col * 1.25f, k);
    }
    float gloss = mt.gloss;
    if (mt.rust > 0) {
      float r = Fbm(x, y, 3, 5, mt.seed + 4) * 0.5f + 0.5f;
      float k = Smooth(1 - mt.rust * 0.9f, 1.05f - mt.rust * 0.7f, r);
      Rgb rust = Mix(Hex(0x8a4a22), Hex(0xb8703a), Noise(x, y, 25, mt.seed + 5) * 0.5f + 0.5f);
      col = Mix(col, rust, k);
      h += 0.4f * k * Noise(x, y, 25, mt.seed + 6);
      gloss *= 1 - k;
    }
    m.albedo = col;
    m.height = h;
    m.gloss = gloss;
  });
}

void PlateSeams(Surface& s, float pw, float ph, float rivet, float rr, int per_side) {
  s.Paint([&](float x, float y, Mat& m) {
    float dx = LineDist(x, pw), dy = LineDist(y, ph);
    float d = std::min(dx, dy);
    if (d < 0.9f) {
      float k = 1 - d / 0.9f;
      m.height -= 0.8f * k;
      m.albedo = m.albedo * (1 - 0.35f * k);
    }
    if (rivet > 0) {
      // Rivets along each plate edge, `rivet` px in from it.
      float fx = std::fmod(x, pw), fy = std::fmod(y, ph);
      float best = 1e9f;
      for (int i = 0; i < per_side; ++i) {
        float t = per_side == 1 ? 0.5f : static_cast<float>(i) / (per_side - 1);
        float px = rivet + t * (pw - 2 * rivet), py = rivet + t * (ph - 2 * rivet);
        best = std::min(best, std::hypot(fx - px, fy - rivet));
        best = std::min(best, std::hypot(fx - px, fy - (ph - rivet)));
        best = std::min(best, std::hypot(fx - rivet, fy - py));
        best = std::min(best, std::hypot(fx - (pw - rivet), fy - py));
      }
      if (best < rr) {
        float k = std::sqrt(1 - (best / rr) * (best / rr));
        m.height += 1.0f * k;
        m.albedo = m.albedo * 1.05f;
        m.gloss = std::max(m.gloss, 0.5f);
      }
    }
  });
}

void TreadPattern(Surface& s, float p, float strength) {
  s.Paint([&](float x, float y, Mat& m) {
    int cx = static_cast<int>(std::floor(x / p)), cy = static_cast<int>(std::floor(y / p));
    float fx = x - (cx + 0.5f) * p, fy = y - (cy + 0.5f) * p;
    float a = ((cx + cy) & 1) ? 0.785f : -0.785f;
    V2 q = Rotate({fx, fy}, a);
    float d = SdSegment(q, {-p * 0.28f, 0}, {p * 0.28f, 0}, p * 0.11f);
    if (d < 0.6f) m.height += strength * Smooth(0.6f, -0.8f, d);
  });
}

void Perforate(Surface& s, float p, float r, Rgb hole) {
  s.Paint([&](float x, float y, Mat& m) {
    float fx = std::fmod(x, p) - p / 2, fy = std::fmod(y, p) - p / 2;
    float d = std::hypot(fx, fy) - r;
    float k = Cover(d, 1.0f / Surface::kSS);
    m.albedo = Mix(m.albedo, hole, k);
    m.height -= 1.2f * k;
    m.gloss *= 1 - k;
  });
}

void Planks(Surface& s, const PlankSpec& p) {
  const int nrows = std::max(1, static_cast<int>(std::lround(kTile / p.w)));
  s.Paint([&](float x, float y, Mat& m) {
    float along = p.vertical ? y : x, across = p.vertical ? x : y;
    int row = static_cast<int>(std::floor(across / p.w));
    int rw = Mod(row, nrows);
    float off = std::floor(Hash01(rw, p.seed) * 5) * kTile / 5;
    float a2 = along + off;
    int piece = static_cast<int>(std::floor(a2 / p.len));
    float fa = a2 - piece * p.len, fc = across - row * p.w;
    float edge_across = std::min(fc, p.w - fc), edge_along = std::min(fa, p.len - fa);
    float rnd = Hash01(rw, Mod(piece, std::max(1, static_cast<int>(kTile / p.len))), p.seed + 1);
    // Grain: stretched rings along the plank.
    float gx = p.vertical ? Noise2(x, y, 10, 1, p.seed + 2) : Noise2(x, y, 1, 10, p.seed + 2);
    float ring = 0.5f + 0.5f * std::sin((fc + rnd * 7) * 2.2f + gx * 4);
    Rgb c = p.color * (1 + p.vary * (rnd * 2 - 1)) * (1 - p.grain * 0.18f * ring);
    float fine = p.vertical ? Noise2(x, y, 50, 5, p.seed + 3) : Noise2(x, y, 5, 50, p.seed + 3);
    c = c * (1 + 0.05f * fine);
    float edge = std::min(edge_across, edge_along);
    float inside = edge - p.gap / 2;
    float k = Cover(-inside, 1.0f / Surface::kSS);
    m.albedo = Mix(p.color * 0.35f, c, k);
    m.height = Bevel(inside, 0.8f, 0.6f) * k + 0.08f * ring;
    m.gloss = 0.12f * k;
  });
}

void Ground(Surface& s, const GroundSpec& g) {
  s.Paint([&](float x, float y, Mat& m) {
    float n = Fbm(x, y, g.cells, 5, g.seed);
    float t = Clamp01(0.5f + 0.5f * n * g.contrast);
    Rgb c = Mix(g.a, g.b, t);
    float f = Noise(x, y, 25, g.seed + 1);
    c = c * (1 + 0.06f * f);
    float h = g.bump * (n + 0.4f * f);
    if (g.pebbles > 0) {
      Cell v = Voronoi(x, y, 10, g.seed + 2);
      float r = 0.7f + 1.6f * Hash01(v.id, 1);
      if (Hash01(v.id, 2) < g.pebbles && v.f1 < r) {
        float k = std::sqrt(1 - (v.f1 / r) * (v.f1 / r));
        c = Mix(c, g.pebble * (0.75f + 0.5f * Hash01(v.id, 3)), Smooth(0, 0.4f, k));
        h += 1.2f * k;
      }
    }
    m.albedo = c;
    m.height = h;
  });
}

void GrassBlades(Surface& s, Rgb dark, Rgb light, float density, uint32_t seed) {
  s.Paint([&](float x, float y, Mat& m) {
    float acc = 0;
    for (int l = 0; l < 3; ++l) {
      Cell v = Voronoi(x, y, 16 + 6 * l, seed + l);
      // Each point is a short blade leaning a random way.
      float ang = Hash01(v.id, 5) * 3.1416f;
      V2 d{x - v.cx, y - v.cy};
      V2 q = Rotate(d, -ang);
      float blade = SdSegment(q, {-1.6f, 0}, {1.6f, 0}, 0.35f);
      if (Hash01(v.id, 6) < density) acc = std::max(acc, Cover(blade, 0.7f) * (0.6f + 0.4f * Hash01(v.id, 7)));
    }
    float n = Fbm(x, y, 4, 3, seed + 9);
    Rgb base = Mix(dark, light, Clamp01(0.45f + 0.4f * n));
    m.albedo = Mix(base * 0.8f, Mix(base, light * 1.1f, 0.5f), acc);
    m.height = 0.4f * n + 0.9f * acc;
  });
}

void Stones(Surface& s, const StoneSpec& st) {
  s.Paint([&](float x, float y, Mat& m) {
    Cell v = Voronoi(x, y, st.cells, st.seed, st.jitter);
    float edge = (v.f2 - v.f1) / 2;
    float rough = Fbm(x, y, 8, 3, st.seed + 1);
    float inside = edge - st.gap / 2 + 0.6f * rough;
    Rgb c = st.color * (1 + st.vary * (Hash01(v.id, 1) * 2 - 1));
    if (st.tint) c = st.tint(v.id, c);
    c = c * (1 + st.roughness * 0.5f * rough);
    float k = Cover(-inside, 1.0f / Surface::kSS);
    float h = Bevel(inside, 3.0f, st.height) + st.roughness * rough;
    m.albedo = Mix(st.gap_color * (1 + 0.1f * rough), c, k);
    m.height = h * k - 0.3f * (1 - k);
  });
}

void Grating(Surface& s, float px, float py, float bar, Rgb metal, Rgb below, float depth) {
  s.Paint([&](float x, float y, Mat& m) {
    float dx = LineDist(x, px), dy = LineDist(y, py);
    float kx = Cover(dx - bar / 2, 1.0f / Surface::kSS);
    float ky = Cover(dy - bar / 2, 1.0f / Surface::kSS);
    float k = std::max(kx, ky);
    float n = Noise(x, y, 10, 91);
    Rgb bg = below * (1 + 0.3f * n);
    float bar_h = std::max(kx * Bevel(bar / 2 - dx, bar / 2, 0.6f), ky * Bevel(bar / 2 - dy, bar / 2, 0.6f));
    m.albedo = Mix(bg, metal * (1 + 0.05f * n), k);
    m.height = Lerp(-depth, bar_h, k);
    m.gloss = 0.3f * k;
  });
}

void RaiseBlock(Surface& s, float width, float height, float gap) {
  float W = static_cast<float>(s.width()), H = static_cast<float>(s.height());
  s.Paint([&](float x, float y, Mat& m) {
    float d = std::min(std::min(x, W - x), std::min(y, H - y));
    float inside = d - gap;
    float k = Cover(-inside, 1.0f / Surface::kSS);
    m.height = m.height * Smooth(0, width, inside) + Bevel(inside, width, height);
    m.albedo = Mix(m.albedo * 0.3f, m.albedo, k);
    m.gloss *= k;
  });
}

void Stain(Surface& s, Rgb color, float amount, int cells, uint32_t seed) {
  s.Paint([&](float x, float y, Mat& m) {
    float n = Fbm(x, y, cells, 4, seed) * 0.5f + 0.5f;
    float k = Smooth(1 - amount * 0.6f, 1.1f - amount * 0.5f, n) * 0.6f;
    m.albedo = Mix(m.albedo, m.albedo * color, k);
    m.gloss *= 1 - k;
  });
}

void Cracks(Surface& s, float amount, float width, uint32_t seed, Rgb color) {
  s.Paint([&](float x, float y, Mat& m) {
    float c = std::fabs(Fbm(x, y, 3, 4, seed));
    float mask = Fbm(x, y, 2, 2, seed + 1) * 0.5f + 0.5f;
    if (mask < 1 - amount) return;
    float w = width * 0.04f * Smooth(1 - amount, 1 - amount + 0.15f, mask);
    if (c < w) {
      float k = 1 - c / w;
      m.albedo = Mix(m.albedo, color, 0.85f * k);
      m.height -= 1.2f * k;
      m.gloss *= 1 - k;
    }
  });
}

void Grain(Surface& s, float amount, int cells, uint32_t seed) {
  s.Paint([&](float x, float y, Mat& m) { m.albedo = m.albedo * (1 + amount * Noise(x, y, cells, seed)); });
}

}  // namespace bv::assets
