#include "icon.h"

#include <cmath>
#include <algorithm>
#include <cstdio>


namespace bv::assets {

namespace {

constexpr float kPi = 3.14159265f;

Rgba C(uint32_t rgb, float a = 1) { return WithA(Hex(rgb), a); }

IconShape Rect(float x, float y, float w, float h, float r, Rgba fill) {
  IconShape s;
  s.kind = IconShape::Kind::kRect;
  s.x = x, s.y = y, s.w = w, s.h = h, s.r = r, s.fill = fill;
  return s;
}
IconShape Frame(float x, float y, float w, float h, float r, float stroke, Rgba color) {
  IconShape s = Rect(x, y, w, h, r, color);
  s.kind = IconShape::Kind::kFrame;
  s.stroke = stroke;
  return s;
}
IconShape Circle(float x, float y, float r, Rgba fill) {
  IconShape s;
  s.kind = IconShape::Kind::kCircle;
  s.x = x, s.y = y, s.r = r, s.fill = fill;
  return s;
}
IconShape Ellipse(float x, float y, float rx, float ry, Rgba fill) {
  IconShape s;
  s.kind = IconShape::Kind::kEllipse;
  s.x = x, s.y = y, s.w = rx, s.h = ry, s.fill = fill;
  return s;
}
IconShape Segment(float x0, float y0, float x1, float y1, float r, Rgba fill) {
  IconShape s;
  s.kind = IconShape::Kind::kSegment;
  s.x = x0, s.y = y0, s.w = x1, s.h = y1, s.r = r, s.fill = fill;
  return s;
}
IconShape Outlined(IconShape s, float width, Rgba edge) {
  s.outline = width;
  s.edge = edge;
  return s;
}

struct FigureColors {
  uint32_t body, head, pack;
};

// The game's figure seen from above, as the sprite draws it: backpack, body,
// arms reaching forward to the gun, helmeted head. Drawn facing up around
// (cx, cy), `scale` icon units a sprite pixel, then turned by `angle`.
void AddFigure(std::vector<IconShape>& out, float cx, float cy, float scale, float angle,
               FigureColors colors) {
  const Rgba edge = C(0x101418, 0.95f);
  const float w = 1.1f * scale;
  auto at = [&](IconShape s) {
    s.angle = angle;
    s.pivot = {cx, cy};
    out.push_back(s);
  };
  auto X = [&](float sx) { return cx + (sx - 30) * scale; };
  auto Y = [&](float sy) { return cy + (sy - 30) * scale; };
  at(Outlined(Rect(X(22), Y(37), 16 * scale, 9 * scale, 3 * scale, C(colors.pack)), w, edge));
  at(Outlined(Ellipse(X(30), Y(33), 15 * scale, 9 * scale, C(colors.body)), w, edge));
  at(Outlined(Segment(X(17), Y(31), X(27), Y(19), 2.9f * scale, C(colors.body)), w, edge));
  at(Outlined(Segment(X(43), Y(31), X(33), Y(19), 2.9f * scale, C(colors.body)), w, edge));
  at(Outlined(Rect(X(27.5f), Y(5), 5 * scale, 16 * scale, 1.2f * scale, C(0x2c2f33)), w, edge));
  at(Circle(X(30), Y(19), 3.6f * scale, C(0xb0b4b8)));
  at(Outlined(Circle(X(30), Y(29), 7.5f * scale, C(colors.head)), w, edge));
  at(Rect(X(26), Y(21.5f), 8 * scale, 2 * scale, 1 * scale, C(0x202428, 0.8f)));
}

std::vector<IconShape> MakeShapes() {
  std::vector<IconShape> s;
  // The floor: a dark rounded square of tiles.
  s.push_back(Outlined(Rect(12, 12, 232, 232, 38, C(0x1d2026)), 4, C(0x0b0c0f)));
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 4; ++col) {
      s.push_back(Rect(26.0f + col * 52, 26.0f + row * 52, 48, 48, 5, C(0x3b4049)));
    }
  // The light, raised wall blocks of the game's maps, at the top left.
  for (auto [col, row] : {std::pair{0, 0}, {1, 0}, {0, 1}}) {
    const float x = 26.0f + col * 52, y = 26.0f + row * 52;
    s.push_back(Rect(x - 2, y - 2, 52, 52, 5, C(0x9aa0a8)));
    s.push_back(Rect(x + 2, y + 2, 44, 44, 4, C(0xeceef0)));
  }
  // The enemy, facing the player, and the translucent red target marker.
  const V2 enemy{178, 78}, player{100, 166};
  const float facing = std::atan2(enemy.x - player.x, player.y - enemy.y) * 180 / kPi;
  AddFigure(s, enemy.x, enemy.y, 1.55f, facing + 180, {0xc42a22, 0xe8604a, 0x7a1712});
  s.push_back(Rect(enemy.x - 40, enemy.y - 40, 80, 80, 6, C(0xff2018, 0.3f)));
  s.push_back(Frame(enemy.x - 40, enemy.y - 40, 80, 80, 6, 4, C(0xff3a28, 0.95f)));
  // The shot: a tracer from the gun's muzzle to the target.
  const float a = facing * kPi / 180;
  const V2 dir{std::sin(a), -std::cos(a)};
  const V2 muzzle = player + dir * 60.0f, hit = enemy - dir * 20.0f;
  s.push_back(Segment(muzzle.x, muzzle.y, hit.x, hit.y, 3.2f, C(0xffe27a, 0.9f)));
  s.push_back(Circle(muzzle.x, muzzle.y, 9, C(0xffc840, 0.85f)));
  s.push_back(Circle(muzzle.x, muzzle.y, 4.5f, C(0xfff6d0)));
  // The player in player 1's blue, larger, in front.
  AddFigure(s, player.x, player.y, 2.2f, facing, {0x1f78f0, 0x58a4ff, 0x14509e});
  return s;
}

// A point in icon units brought into the shape's own, unturned frame.
V2 Unturned(const IconShape& s, V2 p) {
  if (s.angle == 0) return p;
  return Rotate(p - s.pivot, -s.angle * kPi / 180) + s.pivot;
}

std::string Number(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  std::string t = buf;
  while (t.back() == '0') t.pop_back();
  if (t.back() == '.') t.pop_back();
  return t == "-0" ? "0" : t;
}

std::string Paint(const char* attribute, Rgba c) {
  char buf[64];
  std::snprintf(buf, sizeof buf, " %s=\"#%02x%02x%02x\"", attribute, ToByte(c.r), ToByte(c.g),
                ToByte(c.b));
  std::string out = buf;
  if (c.a < 1) out += std::string(" ") + attribute + "-opacity=\"" + Number(c.a) + "\"";
  return out;
}

// One SVG element for the shape grown by `grow` units, painted `c`.
std::string SvgElement(const IconShape& s, float grow, Rgba c) {
  const float g = grow;
  std::string e;
  switch (s.kind) {
    case IconShape::Kind::kRect:
      e = "<rect x=\"" + Number(s.x - g) + "\" y=\"" + Number(s.y - g) + "\" width=\"" +
          Number(s.w + 2 * g) + "\" height=\"" + Number(s.h + 2 * g) + "\"";
      if (s.r + g > 0) e += " rx=\"" + Number(s.r + g) + "\"";
      e += Paint("fill", c);
      break;
    case IconShape::Kind::kFrame:
      e = "<rect x=\"" + Number(s.x) + "\" y=\"" + Number(s.y) + "\" width=\"" + Number(s.w) +
          "\" height=\"" + Number(s.h) + "\"";
      if (s.r > 0) e += " rx=\"" + Number(s.r) + "\"";
      e += " fill=\"none\" stroke-width=\"" + Number(s.stroke + 2 * g) + "\"" + Paint("stroke", c);
      break;
    case IconShape::Kind::kCircle:
      e = "<circle cx=\"" + Number(s.x) + "\" cy=\"" + Number(s.y) + "\" r=\"" + Number(s.r + g) +
          "\"" + Paint("fill", c);
      break;
    case IconShape::Kind::kEllipse:
      e = "<ellipse cx=\"" + Number(s.x) + "\" cy=\"" + Number(s.y) + "\" rx=\"" +
          Number(s.w + g) + "\" ry=\"" + Number(s.h + g) + "\"" + Paint("fill", c);
      break;
    case IconShape::Kind::kSegment:
      e = "<line x1=\"" + Number(s.x) + "\" y1=\"" + Number(s.y) + "\" x2=\"" + Number(s.w) +
          "\" y2=\"" + Number(s.h) + "\" stroke-width=\"" + Number(2 * (s.r + g)) +
          "\" stroke-linecap=\"round\"" + Paint("stroke", c);
      break;
  }
  if (s.angle != 0) {
    e += " transform=\"rotate(" + Number(s.angle) + " " + Number(s.pivot.x) + " " +
         Number(s.pivot.y) + ")\"";
  }
  return e + "/>\n";
}

}  // namespace

const std::vector<IconShape>& IconShapes() {
  static const std::vector<IconShape> shapes = MakeShapes();
  return shapes;
}

float IconShapeDistance(const IconShape& s, V2 p) {
  const V2 q = Unturned(s, p);
  switch (s.kind) {
    case IconShape::Kind::kRect:
      return SdRect(q, s.x, s.y, s.w, s.h, s.r);
    case IconShape::Kind::kFrame:
      return std::fabs(SdRect(q, s.x, s.y, s.w, s.h, s.r)) - s.stroke / 2;
    case IconShape::Kind::kCircle:
      return SdCircle(q, {s.x, s.y}, s.r);
    case IconShape::Kind::kEllipse:
      return SdEllipse(q, {s.x, s.y}, {s.w, s.h});
    case IconShape::Kind::kSegment:
      return SdSegment(q, {s.x, s.y}, {s.w, s.h}, s.r);
  }
  return 1e9f;
}

namespace {

// A box in icon units that holds the shape grown by `grow`, turned or not.
struct Box {
  float x0, y0, x1, y1;
};
Box Bounds(const IconShape& s, float grow) {
  Box b{};
  switch (s.kind) {
    case IconShape::Kind::kRect:
    case IconShape::Kind::kFrame:
      b = {s.x, s.y, s.x + s.w, s.y + s.h};
      grow += s.stroke / 2;
      break;
    case IconShape::Kind::kCircle:
      b = {s.x - s.r, s.y - s.r, s.x + s.r, s.y + s.r};
      break;
    case IconShape::Kind::kEllipse:
      b = {s.x - s.w, s.y - s.h, s.x + s.w, s.y + s.h};
      break;
    case IconShape::Kind::kSegment:
      b = {std::min(s.x, s.w) - s.r, std::min(s.y, s.h) - s.r, std::max(s.x, s.w) + s.r,
           std::max(s.y, s.h) + s.r};
      break;
  }
  b = {b.x0 - grow - 1, b.y0 - grow - 1, b.x1 + grow + 1, b.y1 + grow + 1};
  if (s.angle == 0) return b;
  // Turned: the circle around the pivot through the farthest corner.
  float r = 0;
  for (float x : {b.x0, b.x1})
    for (float y : {b.y0, b.y1}) r = std::max(r, Len(V2{x, y} - s.pivot));
  return {s.pivot.x - r, s.pivot.y - r, s.pivot.x + r, s.pivot.y + r};
}

}  // namespace

Image RasterIcon(int size) {
  constexpr int kSS = 4;  // samples a pixel, each way
  const int n = size * kSS;
  const float k = static_cast<float>(kIconUnits) / n;  // icon units a sample
  Image samples(n, n);
  auto fill = [&](const IconShape& s, float grow, Rgba color) {
    const Box b = Bounds(s, grow);
    const int i0 = std::max(0, static_cast<int>(b.x0 / k)), i1 = std::min(n, static_cast<int>(b.x1 / k) + 1);
    const int j0 = std::max(0, static_cast<int>(b.y0 / k)), j1 = std::min(n, static_cast<int>(b.y1 / k) + 1);
    for (int j = j0; j < j1; ++j)
      for (int i = i0; i < i1; ++i) {
        const float d = IconShapeDistance(s, {(i + 0.5f) * k, (j + 0.5f) * k}) - grow;
        const float cover = Cover(d, k);
        if (cover > 0) samples.Blend(i, j, color, cover);
      }
  };
  for (const IconShape& s : IconShapes()) {
    if (s.outline > 0) fill(s, s.outline, s.edge);
    fill(s, 0, s.fill);
  }
  return samples.Downsample(kSS);
}

std::string IconSvg() {
  const std::string units = std::to_string(kIconUnits);
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + units +
                    "\" height=\"" + units + "\" viewBox=\"0 0 " + units + " " + units + "\">\n"
                    "<title>Brimvale</title>\n";
  for (const IconShape& s : IconShapes()) {
    if (s.outline > 0) svg += SvgElement(s, s.outline, s.edge);
    svg += SvgElement(s, 0, s.fill);
  }
  return svg + "</svg>\n";
}

}  // namespace bv::assets
