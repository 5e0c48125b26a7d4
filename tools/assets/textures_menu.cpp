// The menu level's floor marks, painted on the hall's paving (texture 94):
// each pad's name in front of its alcove, three cells to a name in the pad's
// colour, and arrows that lead from the garden into the hall.
#include <cmath>
#include <string>

#include "painter.h"
#include "texture_kit.h"
#include "texture_table.h"

namespace bv::assets {

namespace {

constexpr int kPaving = 94;
constexpr int kArrowNorth = 219, kArrowWest = 221, kArrowEast = 229;
const std::string kFace = "DejaVuSansCondensed-Bold.ttf";

struct Name {
  int cells[3];  // texture numbers, west to east
  const char* text;
  uint32_t color;
};

// The pads' colours (objects 15..18), lightened to read on the dark paving.
const Name kNames[] = {
    {{216, 217, 218}, "1 GRACZ", 0x70f090},
    {{223, 224, 225}, "2 GRACZY", 0x80c0ff},
    {{226, 227, 228}, "OPCJE", 0xffd060},
    {{204, 205, 206}, "WYJŚCIE", 0xff7a6a},
};

Rgba Paint(uint32_t hex, float a) {
  return WithA(Hex(hex), a);
}

// The mark over n cells of paving, west to east.
Image OnPaving(const Image& mark, int cells) {
  const Image paving = MakeTexture(kPaving);
  Image out(50 * cells, 50);
  for (int i = 0; i < cells; ++i) out.Copy(paving, 50 * i, 0);
  out.Draw(mark, 0, 0);
  return out;
}

// A painted frame round the name, as on a floor marking, and the name in it.
Image NameMark(const Name& n) {
  Painter p(150, 50);
  const Rgba color = Paint(n.color, 0.95f);
  const Rgba edge = Paint(0x101010, 0.85f);
  auto frame = [](V2 q) { return std::fabs(SdRect(q, 5, 5, 140, 40, 6)) - 1.3f; };
  p.Fill([&](V2 q) { return frame(q) - 1.2f; }, edge);
  p.Fill(frame, color);
  UseTextureFonts([&](const Fonts& fonts) {
    float px = 27;
    const float w = Painter::TextWidth(fonts, kFace, n.text, px);
    if (w > 124) px *= 124 / w;
    p.Text(fonts, kFace, n.text, 75, 25, px, color, edge, 2);
  });
  return OnPaving(p.Finish(), 3);
}

// An arrow pointing along (dx, dy): a shaft and a head, painted.
Image ArrowMark(float dx, float dy) {
  Painter p(50, 50);
  const V2 c{25, 25}, along{dx, dy}, across{-dy, dx};
  auto at = [&](float a, float b) { return c + along * a + across * b; };
  auto arrow = [&](V2 q) {
    const float shaft = SdSegment(q, at(-15, 0), at(2, 0), 4.5f);
    const float head = SdPolygon(q, {at(16, 0), at(1, 12), at(1, -12)});
    return Union(shaft, head);
  };
  p.Fill([&](V2 q) { return arrow(q) - 1.6f; }, Paint(0x101010, 0.8f));
  p.Fill(arrow, Paint(0xf4e6b0, 0.92f));
  return OnPaving(p.Finish(), 1);
}

}  // namespace

bool IsMenuMark(int n) {
  for (const Name& name : kNames) {
    for (int cell : name.cells) {
      if (cell == n) return true;
    }
  }
  return n == kArrowNorth || n == kArrowWest || n == kArrowEast;
}

void AddMenuTextures(Recipes& r) {
  for (const Name& n : kNames) {
    for (int i = 0; i < 3; ++i) {
      r[n.cells[i]] = [&n, i](int) { return NameMark(n).Crop(50 * i, 0, 50, 50); };
    }
  }
  r[kArrowNorth] = [](int) { return ArrowMark(0, -1); };
  r[kArrowWest] = [](int) { return ArrowMark(-1, 0); };
  r[kArrowEast] = [](int) { return ArrowMark(1, 0); };
}

}  // namespace bv::assets
