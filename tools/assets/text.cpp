#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>
#include <map>
#include <stdexcept>

namespace bv::assets {

struct Fonts::Impl {
  std::string dir;
  FT_Library lib = nullptr;
  mutable std::map<std::string, FT_Face> faces;

  FT_Face Face(const std::string& name, float px) const {
    auto it = faces.find(name);
    FT_Face f;
    if (it == faces.end()) {
      std::string path = dir + "/" + name;
      if (FT_New_Face(lib, path.c_str(), 0, &f)) throw std::runtime_error("cannot load font " + path);
      faces[name] = f;
    } else {
      f = it->second;
    }
    FT_Set_Char_Size(f, 0, static_cast<FT_F26Dot6>(std::lround(px * 64)), 72, 72);
    return f;
  }
};

Fonts::Fonts(std::string dir) : impl_(new Impl) {
  impl_->dir = std::move(dir);
  if (FT_Init_FreeType(&impl_->lib)) throw std::runtime_error("FreeType failed to start");
}

Fonts::~Fonts() {
  for (auto& f : impl_->faces) FT_Done_Face(f.second);
  FT_Done_FreeType(impl_->lib);
}

std::u32string DecodeUtf8(const std::string& s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = s[i];
    char32_t cp;
    int n;
    if (c < 0x80) cp = c, n = 1;
    else if ((c >> 5) == 6) cp = c & 0x1f, n = 2;
    else if ((c >> 4) == 14) cp = c & 0x0f, n = 3;
    else cp = c & 0x07, n = 4;
    for (int k = 1; k < n && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3f);
    out.push_back(cp);
    i += n;
  }
  return out;
}

void Fonts::Metrics(const std::string& face, float px, int* ascent, int* descent) const {
  FT_Face f = impl_->Face(face, px);
  *ascent = static_cast<int>((f->size->metrics.ascender + 63) >> 6);
  *descent = static_cast<int>((-f->size->metrics.descender + 63) >> 6);
}

Mask Fonts::Text(const std::string& face, const std::string& utf8, float px) const {
  FT_Face f = impl_->Face(face, px);
  int asc = static_cast<int>((f->size->metrics.ascender + 63) >> 6);
  int desc = static_cast<int>((-f->size->metrics.descender + 63) >> 6);
  std::u32string text = DecodeUtf8(utf8);
  // First pass: width from advances (unhinted for smooth large text).
  long pen = 0;
  FT_UInt prev = 0;
  std::vector<long> xs;
  for (char32_t c : text) {
    FT_UInt gi = FT_Get_Char_Index(f, c);
    if (prev && gi && FT_HAS_KERNING(f)) {
      FT_Vector k;
      FT_Get_Kerning(f, prev, gi, FT_KERNING_UNFITTED, &k);
      pen += k.x;
    }
    xs.push_back(pen);
    FT_Load_Glyph(f, gi, FT_LOAD_NO_HINTING);
    pen += f->glyph->advance.x;
    prev = gi;
  }
  Mask m;
  m.w = static_cast<int>((pen + 63) >> 6) + 2;
  m.h = asc + desc;
  m.baseline = asc;
  m.a.assign(static_cast<size_t>(m.w) * m.h, 0.0f);
  for (size_t i = 0; i < text.size(); ++i) {
    FT_UInt gi = FT_Get_Char_Index(f, text[i]);
    FT_Load_Glyph(f, gi, FT_LOAD_NO_HINTING);
    FT_Vector shift{xs[i] & 63, 0};
    FT_Outline_Translate(&f->glyph->outline, shift.x, 0);
    FT_Render_Glyph(f->glyph, FT_RENDER_MODE_NORMAL);
    const FT_Bitmap& bm = f->glyph->bitmap;
    int ox = static_cast<int>(xs[i] >> 6) + f->glyph->bitmap_left + 1;
    int oy = asc - f->glyph->bitmap_top;
    for (unsigned y = 0; y < bm.rows; ++y)
      for (unsigned x = 0; x < bm.width; ++x) {
        int tx = ox + static_cast<int>(x), ty = oy + static_cast<int>(y);
        if (tx < 0 || ty < 0 || tx >= m.w || ty >= m.h) continue;
        float v = bm.buffer[y * bm.pitch + x] / 255.0f;
        float& d = m.a[static_cast<size_t>(ty) * m.w + tx];
        d = std::min(1.0f, d + v);
      }
  }
  return m;
}

Glyph Fonts::Render(const std::string& face, char32_t code, float px, bool* present) const {
  FT_Face f = impl_->Face(face, px);
  Glyph g;
  FT_UInt gi = FT_Get_Char_Index(f, code);
  *present = gi != 0;
  if (!gi) return g;
  FT_Load_Glyph(f, gi, FT_LOAD_TARGET_LIGHT);
  FT_Render_Glyph(f->glyph, FT_RENDER_MODE_NORMAL);
  const FT_Bitmap& bm = f->glyph->bitmap;
  g.w = static_cast<int>(bm.width);
  g.h = static_cast<int>(bm.rows);
  g.left = f->glyph->bitmap_left;
  g.top = f->glyph->bitmap_top;
  g.advance = static_cast<int>((f->glyph->advance.x + 32) >> 6);
  g.a.resize(static_cast<size_t>(g.w) * g.h);
  for (int y = 0; y < g.h; ++y)
    for (int x = 0; x < g.w; ++x) g.a[static_cast<size_t>(y) * g.w + x] = bm.buffer[y * bm.pitch + x];
  return g;
}

void DrawMask(Image& img, const Mask& m, int x, int y, Rgba c) {
  for (int j = 0; j < m.h; ++j)
    for (int i = 0; i < m.w; ++i) {
      float k = m.at(i, j);
      if (k > 0) img.Blend(x + i, y + j, c, k);
    }
}

void DrawMaskOutlined(Image& img, const Mask& m, int x, int y, Rgba c, Rgba edge, int r) {
  for (int j = -r; j < m.h + r; ++j)
    for (int i = -r; i < m.w + r; ++i) {
      float k = 0;
      for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
          if (dx * dx + dy * dy <= r * r + r) k = std::max(k, m.at(i + dx, j + dy));
      if (k > 0) img.Blend(x + i, y + j, edge, k);
    }
  DrawMask(img, m, x, y, c);
}

}  // namespace bv::assets
