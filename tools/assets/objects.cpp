// Object images: pickups, cards, doors, switches, menu pads and floor arrows.
#include "objects.h"

#include <cmath>
#include <functional>
#include <vector>

#include "noise.h"
#include "painter.h"
#include "game/object_codes.h"
#include "texture_kit.h"

namespace bv::assets {

namespace obj = game::obj;

namespace {

constexpr float kPi = 3.14159265f;
const std::string kBold = "DejaVuSans-Bold.ttf";
const std::string kCondBold = "DejaVuSansCondensed-Bold.ttf";

Rgba C(uint32_t hex, float a = 1) { return WithA(Hex(hex), a); }

// Accent colours tie each weapon to its ammunition.
const Rgb kEagle = Hex(0xe0a030);
const Rgb kMp5 = Hex(0x50c050);
const Rgb kBlaster = Hex(0x30d0f0);
const Rgb kMinigun = Hex(0xe04030);

// The five card colours; doors 40..44 use the same.
const Rgb kCardColors[5] = {Hex(0xe02828), Hex(0xf0c818), Hex(0x28b040), Hex(0x2868e8), Hex(0xa038d8)};

// A faint disc under pickups so they read on any floor.
void Halo(Painter& p, Rgb c, float r = 21) {
  p.Fill([r](V2 q) { return SdCircle(q, {25, 25}, r); }, [c, r](float x, float y, float) {
    float d = std::hypot(x - 25, y - 25) / r;
    return WithA(c, 0.35f * Smooth(1.0f, 0.3f, d));
  });
}

// Everything below takes shapes in the cell's own pixel coordinates.
using Sd = std::function<float(V2)>;

Sd Rot(Sd s, V2 c, float a) {
  return [s, c, a](V2 p) { return s(c + Rotate(p - c, -a)); };
}

void Body(Painter& p, Sd sd, Rgb base, V2 c, float r, float outline = 0.8f) {
  p.Outlined(sd, outline, C(0x101010, 0.9f), [&](float x, float y, float d) { return LitColor(base, c, r, x, y, d); });
}

// Side views of the guns, drawn level and then turned a little.
void Eagle(Painter& p, float scale, V2 at, float angle) {
  auto T = [=](Sd s) { return Rot([=](V2 q) { return s(at + (q - at) * (1 / scale)); }, at, angle); };
  (void)T;
  V2 o{at.x - 17 * scale, at.y - 9 * scale};
  auto S = [=](float x, float y) { return V2{o.x + x * scale, o.y + y * scale}; };
  Sd slide = [=](V2 q) { return SdRect(q, S(0, 0).x, S(0, 0).y, 34 * scale, 8 * scale, 1 * scale); };
  Sd frame = [=](V2 q) { return SdRect(q, S(6, 7).x, S(6, 7).y, 20 * scale, 4 * scale, 0.8f * scale); };
  Sd grip = [=](V2 q) {
    return SdPolygon(q, {S(17, 9), S(26, 9), S(29, 22), S(20, 23)});
  };
  Sd guard = [=](V2 q) { return SdRing(q, S(14, 12.5f), 3.2f * scale, 1.3f * scale); };
  Sd all = [=](V2 q) { return std::min({slide(q), frame(q), grip(q), Intersect(guard(q), -(q.y - S(0, 10.5f).y))}); };
  V2 c = S(14, 8);
  p.Shadow(Rot(all, at, angle), 1.5f, 2, 1.5f, 0.45f);
  Body(p, Rot(grip, at, angle), Hex(0x3a3430), c, 20);
  Body(p, Rot(guard, at, angle), Hex(0x505458), c, 20, 0.4f);
  Body(p, Rot(frame, at, angle), Hex(0x707478), c, 20);
  Body(p, Rot(slide, at, angle), Hex(0xb8bcc0), c, 20);
  p.Fill(Rot([=](V2 q) { return SdRect(q, S(3, 2).x, S(3, 2).y, 28 * scale, 1.6f * scale); }, at, angle), WithA(kEagle, 1));
  for (int i = 0; i < 4; ++i)
    p.Fill(Rot([=](V2 q) { return SdRect(q, S(24.0f + i * 2, 3.5f).x, S(0, 3.5f).y, 0.8f * scale, 3.5f * scale); }, at, angle),
           C(0x505458));
}

void Mp5(Painter& p, V2 at, float angle) {
  auto S = [=](float x, float y) { return V2{at.x - 20 + x, at.y - 8 + y}; };
  Sd recv = [=](V2 q) { return SdRect(q, S(8, 2).x, S(8, 2).y, 22, 7, 1); };
  Sd barrel = [=](V2 q) { return SdRect(q, S(30, 3.5f).x, S(30, 3.5f).y, 9, 3, 0.6f); };
  Sd stock = [=](V2 q) { return Subtract(SdPolygon(q, {S(0, 1), S(9, 3), S(9, 8), S(0, 10)}), SdRect(q, S(2, 4).x, S(2, 4).y, 5, 3.5f)); };
  Sd grip = [=](V2 q) { return SdPolygon(q, {S(12, 8), S(16, 8), S(15, 16), S(11, 15)}); };
  Sd mag = [=](V2 q) {
    return SdPolygon(q, {S(20, 8), S(24, 8), S(27, 17), S(23, 18)});
  };
  Sd fore = [=](V2 q) { return SdRect(q, S(26, 8).x, S(26, 8).y, 5, 4, 1); };
  Sd all = [=](V2 q) { return std::min({recv(q), barrel(q), stock(q), grip(q), mag(q), fore(q)}); };
  V2 c = S(18, 6);
  p.Shadow(Rot(all, at, angle), 1.5f, 2, 1.5f, 0.45f);
  for (auto& part : {stock, grip, mag, fore, barrel}) Body(p, Rot(part, at, angle), Hex(0x3a3e42), c, 22);
  Body(p, Rot(recv, at, angle), Hex(0x5a6068), c, 22);
  p.Fill(Rot([=](V2 q) { return SdRect(q, S(10, 3).x, S(10, 3).y, 18, 1.5f); }, at, angle), WithA(kMp5, 1));
  p.Fill(Rot([=](V2 q) { return SdRect(q, S(21, 10).x, S(21, 10).y, 3, 2); }, at, angle), WithA(kMp5, 1));
}

void Blaster(Painter& p, V2 at, float angle) {
  auto S = [=](float x, float y) { return V2{at.x - 18 + x, at.y - 9 + y}; };
  Sd body = [=](V2 q) { return SdRect(q, S(2, 2).x, S(2, 2).y, 24, 11, 3.5f); };
  Sd nose = [=](V2 q) { return SdPolygon(q, {S(25, 4), S(36, 6), S(36, 9), S(25, 11)}); };
  Sd grip = [=](V2 q) { return SdPolygon(q, {S(7, 12), S(13, 12), S(11, 21), S(5, 20)}); };
  Sd tank = [=](V2 q) { return SdRect(q, S(6, 0).x, S(6, 0).y, 14, 4, 2); };
  Sd all = [=](V2 q) { return std::min({body(q), nose(q), grip(q), tank(q)}); };
  V2 c = S(16, 7);
  p.Shadow(Rot(all, at, angle), 1.5f, 2, 1.5f, 0.45f);
  Body(p, Rot(grip, at, angle), Hex(0x30343a), c, 20);
  Body(p, Rot(nose, at, angle), Hex(0x8890a0), c, 20);
  Body(p, Rot(body, at, angle), Hex(0xd8dce4), c, 20);
  Body(p, Rot(tank, at, angle), Hex(0x3a404a), c, 20, 0.5f);
  p.Fill(Rot([=](V2 q) { return SdRect(q, S(7, 1).x, S(7, 1).y, 12, 2, 1); }, at, angle),
         [](float, float, float) { return WithA(kBlaster * 1.3f, 1); });
  for (int i = 0; i < 3; ++i)
    p.Fill(Rot([=](V2 q) { return SdRect(q, S(12.0f + i * 4, 5).x, S(0, 5).y, 1.6f, 6, 0.5f); }, at, angle), WithA(kBlaster, 1));
  p.Fill(Rot([=](V2 q) { return SdCircle(q, S(36, 7.5f), 2.2f); }, at, angle), [=](float x, float y, float) {
    V2 m = S(36, 7.5f);
    (void)m;
    (void)x, (void)y;
    return Rgba{0.8f, 1, 1, 1};
  });
}

void Minigun(Painter& p, V2 at, float angle) {
  auto S = [=](float x, float y) { return V2{at.x - 21 + x, at.y - 9 + y}; };
  Sd barrels = [=](V2 q) { return SdRect(q, S(18, 3).x, S(18, 3).y, 24, 8, 1.5f); };
  Sd body = [=](V2 q) { return SdRect(q, S(4, 1).x, S(4, 1).y, 17, 12, 2.5f); };
  Sd handle = [=](V2 q) { return SdRing(q, S(11, 1), 5, 1.8f); };
  Sd drum = [=](V2 q) { return SdRect(q, S(5, 12).x, S(5, 12).y, 11, 7, 1.5f); };
  Sd all = [=](V2 q) { return std::min({barrels(q), body(q), Intersect(handle(q), q.y - S(0, 1).y > 0 ? 1.0f : -1.0f), drum(q)}); };
  V2 c = S(20, 7);
  p.Shadow(Rot(all, at, angle), 1.5f, 2, 1.5f, 0.45f);
  Body(p, Rot(drum, at, angle), Hex(0x5a5040), c, 22);
  Body(p, Rot(barrels, at, angle), Hex(0x6a6e74), c, 22);
  for (int i = 0; i < 3; ++i)
    p.Fill(Rot([=](V2 q) { return SdRect(q, S(19, 4.2f + i * 2.4f).x, S(0, 4.2f + i * 2.4f).y, 23, 1.0f); }, at, angle),
           C(0xa8acb0));
  p.Fill(Rot([=](V2 q) { return SdRect(q, S(28, 2.5f).x, S(0, 2.5f).y, 2.5f, 9, 0.5f); }, at, angle), C(0x3a3e42));
  Body(p, Rot([=](V2 q) { return Intersect(handle(q), -(q.y - S(0, 1).y)); }, at, angle), Hex(0x3a3e42), c, 22, 0.5f);
  Body(p, Rot(body, at, angle), Hex(0x4a4e54), c, 22);
  p.Fill(Rot([=](V2 q) { return SdRect(q, S(6, 5).x, S(6, 5).y, 13, 2.5f); }, at, angle), WithA(kMinigun, 1));
}

// A cardboard or metal box seen from above at a slight angle: lid and front face.
void Box(Painter& p, float x, float y, float w, float h, Rgb lid, Rgb front, float depth) {
  Sd all = [=](V2 q) { return SdRect(q, x, y, w, h + depth, 1); };
  p.Shadow(all, 1.5f, 1.5f, 1.2f, 0.45f);
  p.Outlined([=](V2 q) { return SdRect(q, x, y + h, w, depth, 0.8f); }, 0.7f, C(0x101010, 0.9f),
             [=](float, float, float) { return WithA(front, 1); });
  p.Outlined([=](V2 q) { return SdRect(q, x, y, w, h, 1); }, 0.7f, C(0x101010, 0.9f),
             [=](float xx, float yy, float d) { return LitColor(lid, {x + w / 2, y + h / 2}, std::max(w, h), xx, yy, d, 1.5f); });
}

// Cartridge tips seen from above: brass circles with a copper point.
void Rounds(Painter& p, float x, float y, int nx, int ny, float r, float step) {
  for (int j = 0; j < ny; ++j)
    for (int i = 0; i < nx; ++i) {
      V2 c{x + i * step, y + j * step};
      p.Outlined([=](V2 q) { return SdCircle(q, c, r); }, 0.4f, C(0x201808, 0.8f),
                 [=](float xx, float yy, float d) { return LitColor(Hex(0xd8a848), c, r, xx, yy, d, 0.6f); });
      p.Fill([=](V2 q) { return SdCircle(q, c - V2{r * 0.2f, r * 0.2f}, r * 0.45f); }, C(0xf0d890));
    }
}

void Magazine(Painter& p, float x, float y, float scale, float angle, Rgb band) {
  V2 at{x, y};
  auto S = [=](float a, float b) { return V2{x + a * scale, y + b * scale}; };
  Sd mag = Rot([=](V2 q) { return SdPolygon(q, {S(-3, -10), S(3, -10), S(6, 10), S(0, 11)}); }, at, angle);
  p.Shadow(mag, 1.2f, 1.5f, 1, 0.45f);
  Body(p, mag, Hex(0x3a3e44), at, 12 * scale);
  p.Fill(Rot([=](V2 q) { return SdPolygon(q, {S(-2.5f, -6), S(3.2f, -6), S(3.7f, -3), S(-2, -3)}); }, at, angle), WithA(band, 1));
  p.Fill(Rot([=](V2 q) { return SdRect(q, S(-2, -12).x, S(0, -12).y, 4 * scale, 2.5f * scale, 0.8f); }, at, angle), C(0xd8a848));
}

void EnergyCell(Painter& p, float x, float y, float w, float h, bool big) {
  Sd body = [=](V2 q) { return SdRect(q, x, y, w, h, std::min(w, h) * 0.3f); };
  p.Shadow(body, 1.2f, 1.5f, 1.2f, 0.45f);
  Body(p, body, Hex(0x5a6470), {x + w / 2, y + h / 2}, std::max(w, h));
  p.Fill([=](V2 q) { return SdRect(q, x + w * 0.2f, y + h * 0.22f, w * 0.6f, h * 0.56f, std::min(w, h) * 0.15f); },
         [=](float xx, float yy, float) {
           float k = 0.5f + 0.5f * std::sin((xx + yy) * 0.8f);
           return WithA(Mix(kBlaster, Hex(0xe0ffff), 0.3f + 0.4f * k), 1);
         });
  p.Fill([=](V2 q) { return SdRect(q, x + w * 0.35f, y - 1.2f, w * 0.3f, 2, 0.5f); }, C(0xc0c8d0));
  (void)big;
}

void Card(Painter& p, Rgb c, V2 center) {
  float w = 34, h = 22;
  float x = center.x - w / 2, y = center.y - h / 2;
  Sd card = [=](V2 q) { return SdRect(q, x, y, w, h, 2.5f); };
  p.Shadow(card, 1.2f, 1.8f, 1.2f, 0.5f);
  p.Outlined(card, 0.8f, C(0x101010, 0.9f), [=](float xx, float yy, float d) {
    return LitColor(c, center, 30, xx, yy, d, 1.2f);
  });
  p.Fill([=](V2 q) { return SdRect(q, x, y + 4, w, 4); }, C(0x202020));
  p.Fill([=](V2 q) { return SdRect(q, x + 4, y + 11, 7, 6, 1); }, C(0xe8d070));
  p.Fill([=](V2 q) { return SdRect(q, x + 6.5f, y + 11, 0.6f, 6); }, C(0xa08830));
  p.Fill([=](V2 q) { return SdRect(q, x + 14, y + 12, 16, 1.5f); }, C(0xffffff, 0.85f));
  p.Fill([=](V2 q) { return SdRect(q, x + 14, y + 15, 11, 1.5f); }, C(0xffffff, 0.85f));
}

void Door(Painter& p, Rgb c) {
  // Heavy frame.
  p.Fill([](V2 q) { return SdRect(q, 0, 0, 50, 50); }, [](float x, float y, float) {
    float n = Noise(x, y, 10, 4001);
    float d = std::min(std::min(x, 50 - x), std::min(y, 50 - y));
    float bevel = d < 2 ? (x + y < 50 ? 1.2f : 0.7f) : 1.0f;
    return WithA(Hex(0x5a5e64) * ((1 + 0.05f * n) * bevel), 1);
  });
  // Door leaf in the lock colour with hazard chevrons along the middle seam.
  Sd leaf = [](V2 q) { return SdRect(q, 5, 5, 40, 40, 1.5f); };
  p.Fill([](V2 q) { return SdRect(q, 4, 4, 42, 42, 2); }, C(0x1a1a1a));
  p.Fill(leaf, [c](float x, float y, float d) {
    Rgb base = Mix(c, Hex(0x808080), 0.15f);
    bool stripe = std::fmod(x + y + 100, 10.0f) < 5;
    if (std::fabs(y - 25) < 6) base = stripe ? c * 1.1f : Hex(0x202020);
    float shade = 1 + 0.15f * ((25 - x) + (25 - y)) / 50;
    return WithA(base * (shade * (0.75f + 0.25f * Smooth(0, 2, d))), 1);
  });
  p.Fill([](V2 q) { return SdRect(q, 5, 24.5f, 40, 1); }, C(0x101010));
  // Rivets.
  for (float x : {9.0f, 41.0f})
    for (float y : {9.0f, 41.0f}) p.Fill([=](V2 q) { return SdCircle(q, {x, y}, 1.4f); }, C(0xd0d4d8));
  // Lock panel with a card slot and a lit lamp of the card's colour.
  Sd panel = [](V2 q) { return SdRect(q, 17, 10, 16, 11, 1.5f); };
  p.Outlined(panel, 0.8f, C(0x101010), [](float x, float y, float d) { return LitColor(Hex(0x4a4e54), {25, 15}, 12, x, y, d); });
  p.Fill([](V2 q) { return SdRect(q, 19.5f, 13, 11, 1.6f); }, C(0x080808));
  p.Fill([c](V2 q) { return SdCircle(q, {25, 18}, 2); }, [c](float x, float y, float) {
    float d = std::hypot(x - 25, y - 18) / 2;
    return WithA(Mix(Hex(0xffffff), c, Smooth(0, 0.8f, d)), 1);
  });
  // A big padlock on the lower leaf.
  p.Fill([](V2 q) { return SdRing(q, {25, 33}, 3.5f, 1.6f); }, C(0x202020));
  p.Fill([](V2 q) { return SdRect(q, 19.5f, 33, 11, 9, 1.5f); }, C(0x202020));
  p.Fill([c](V2 q) { return SdRect(q, 20.5f, 34, 9, 7, 1); }, [c](float x, float y, float d) {
    return LitColor(Mix(c, Hex(0xffffff), 0.2f), {25, 37}, 8, x, y, d, 1);
  });
  p.Fill([](V2 q) { return Union(SdCircle(q, {25, 36.5f}, 1.2f), SdRect(q, 24.5f, 36.5f, 1, 3)); }, C(0x101010));
}

void Arrow(Painter& p, float angle) {
  auto chevron = [](V2 q, float y0) {
    return SdPolygon(q, {{25, y0}, {40, y0 + 13}, {40, y0 + 19}, {25, y0 + 7}, {10, y0 + 19}, {10, y0 + 13}});
  };
  Sd both = [=](V2 q) { return Union(chevron(q, 8), chevron(q, 22)); };
  Sd rot = Rot(both, {25, 25}, angle);
  p.Fill([=](V2 q) { return rot(q) - 1.2f; }, C(0x202020, 0.55f));
  p.Fill(rot, [](float x, float y, float d) {
    (void)x, (void)y;
    return WithA(Mix(Hex(0xf0c020), Hex(0xfff0a0), Smooth(0, 3, d) * 0.4f), 0.85f);
  });
}

Image MenuPad(const Fonts& fonts, Rgb c, const std::string& label, std::function<void(Painter&)> icon) {
  Painter p(50, 50);
  Sd pad = [](V2 q) { return SdRect(q, 2, 2, 46, 46, 6); };
  p.Shadow(pad, 1, 1.5f, 1.5f, 0.5f);
  p.Fill(pad, [c](float x, float y, float d) {
    float glow = Smooth(4, 0, d);
    Rgb base = Mix(Hex(0x202428), c * 0.55f, 0.5f);
    Rgb col = Mix(base * (1 + 0.1f * ((25 - x) + (25 - y)) / 25), c * 1.2f, glow);
    return WithA(col, 1);
  });
  icon(p);
  float px = 9.5f;
  float w = Painter::TextWidth(fonts, kCondBold, label, px);
  if (w > 42) px *= 42 / w;
  p.Text(fonts, kCondBold, label, 25, 40, px, C(0xffffff), C(0x000000, 0.8f), 1);
  return p.Finish();
}

void Person(Painter& p, V2 at, float s, Rgba col) {
  p.Fill([=](V2 q) { return SdCircle(q, at + V2{0, -6 * s}, 3.6f * s); }, col);
  p.Fill([=](V2 q) { return Intersect(SdEllipse(q, at + V2{0, 5 * s}, {7 * s, 7 * s}), q.y - (at.y + 5 * s)); }, col);
}

Image Pickup(std::function<void(Painter&)> draw, Rgb halo) {
  Painter p(50, 50);
  Halo(p, halo);
  draw(p);
  return p.Finish();
}

}  // namespace

Image MakeObject(int code, const Fonts& fonts) {
  switch (code) {
    case obj::kMedkit:
      return Pickup([](Painter& p) {
        Box(p, 9, 13, 32, 20, Hex(0xf4f4f0), Hex(0xc8c8c0), 5);
        p.Fill([](V2 q) { return SdRing(q, {25, 13}, 5, 2); }, C(0x606468));
        p.Fill([](V2 q) { return Union(SdRect(q, 21.5f, 15.5f, 7, 15, 0.5f), SdRect(q, 17.5f, 19.5f, 15, 7, 0.5f)); },
               C(0xd82020));
      }, Hex(0xff6060));
    case obj::kEagle:
      return Pickup([](Painter& p) { Eagle(p, 1.0f, {25, 25}, -0.3f); }, kEagle);
    case obj::kMp5:
      return Pickup([](Painter& p) { Mp5(p, {25, 25}, -0.35f); }, kMp5);
    case obj::kBlaster:
      return Pickup([](Painter& p) { Blaster(p, {25, 25}, -0.3f); }, kBlaster);
    case obj::kMinigun:
      return Pickup([](Painter& p) { Minigun(p, {25, 25}, -0.3f); }, kMinigun);
    case obj::kEagleAmmo:
      return Pickup([](Painter& p) {
        Box(p, 16, 17, 18, 12, Hex(0xd8b060), Hex(0xa07830), 4);
        Rounds(p, 20, 21, 3, 1, 1.8f, 5);
      }, kEagle);
    case obj::kEagleAmmoBig:
      return Pickup([](Painter& p) {
        Box(p, 6, 8, 38, 28, Hex(0x6a6a50), Hex(0x4a4a38), 6);
        Box(p, 9, 11, 15, 10, Hex(0xd8b060), Hex(0xa07830), 2);
        Box(p, 26, 11, 15, 10, Hex(0xd8b060), Hex(0xa07830), 2);
        Box(p, 9, 23, 15, 9, Hex(0xd8b060), Hex(0xa07830), 2);
        Box(p, 26, 23, 15, 9, Hex(0xd8b060), Hex(0xa07830), 2);
        Rounds(p, 12.5f, 14.5f, 3, 1, 1.4f, 3.8f);
        Rounds(p, 29.5f, 14.5f, 3, 1, 1.4f, 3.8f);
      }, kEagle);
    case obj::kMp5Ammo:
      return Pickup([](Painter& p) { Magazine(p, 25, 26, 1.0f, 0.35f, kMp5); }, kMp5);
    case obj::kMp5AmmoBig:
      return Pickup([](Painter& p) {
        Box(p, 5, 9, 40, 26, Hex(0x5a6a4a), Hex(0x3a4a30), 6);
        for (int i = 0; i < 4; ++i) Magazine(p, 12.0f + i * 8.5f, 22, 0.8f, 0.25f, kMp5);
      }, kMp5);
    case obj::kBlasterAmmo:
      return Pickup([](Painter& p) { EnergyCell(p, 18, 15, 14, 20, false); }, kBlaster);
    case obj::kBlasterAmmoBig:
      return Pickup([](Painter& p) {
        Box(p, 5, 10, 40, 26, Hex(0x6a7480), Hex(0x48505a), 5);
        for (int i = 0; i < 4; ++i) EnergyCell(p, 8.0f + i * 9.2f, 13, 7.5f, 18, true);
      }, kBlaster);
    case obj::kMinigunAmmo:
      return Pickup([](Painter& p) {
        // A short belt of rounds in an arc.
        for (int i = 0; i < 7; ++i) {
          float a = kPi * (0.15f + 0.7f * i / 6.0f);
          V2 c{25 - 13 * std::cos(a), 34 - 13 * std::sin(a)};
          Sd link = Rot([=](V2 q) { return SdRect(q, c.x - 2, c.y - 6, 4, 12, 1.5f); }, c, a - kPi / 2);
          p.Shadow(link, 1, 1.5f, 1, 0.35f);
          p.Outlined(link, 0.5f, C(0x201808, 0.9f), [=](float x, float y, float d) { return LitColor(Hex(0xd8a848), c, 6, x, y, d, 0.8f); });
          p.Fill(Rot([=](V2 q) { return SdRect(q, c.x - 2.4f, c.y - 1, 4.8f, 2, 0.4f); }, c, a - kPi / 2), C(0x3a3e42));
        }
      }, kMinigun);
    case obj::kMinigunAmmoBig:
      return Pickup([](Painter& p) {
        Box(p, 6, 9, 38, 26, Hex(0x5a6a48), Hex(0x3a4a30), 7);
        p.Fill([](V2 q) { return SdRect(q, 18, 9, 14, 4, 1); }, C(0x2a2e30));
        p.Fill([](V2 q) { return SdRect(q, 10, 19, 30, 7, 1); }, C(0xf0f0e0));
        p.Fill([](V2 q) { return SdRect(q, 12, 21, 26, 3); }, WithA(kMinigun, 1));
        for (int i = 0; i < 6; ++i) {
          V2 c{40.0f + (i & 1) * 1.5f, 14.0f + i * 4};
          p.Outlined([=](V2 q) { return SdRect(q, c.x, c.y, 7, 3, 1.2f); }, 0.4f, C(0x201808),
                     [=](float x, float y, float d) { return LitColor(Hex(0xd8a848), c, 5, x, y, d, 0.6f); });
        }
      }, kMinigun);
    case obj::kCd:
      return Pickup([](Painter& p) {
        Sd disc = [](V2 q) { return Subtract(SdCircle(q, {25, 25}, 17), SdCircle(q, {25, 25}, 3)); };
        p.Shadow(disc, 1.5f, 2, 1.5f, 0.5f);
        p.Outlined(disc, 0.7f, C(0x404850), [](float x, float y, float) {
          float a = std::atan2(y - 25, x - 25);
          float r = std::hypot(x - 25, y - 25);
          Rgb rainbow{0.5f + 0.5f * std::cos(a * 2), 0.5f + 0.5f * std::cos(a * 2 + 2.1f), 0.5f + 0.5f * std::cos(a * 2 + 4.2f)};
          Rgb base = Mix(Hex(0xe8ecf0), rainbow, 0.45f + 0.15f * std::sin(r * 0.8f));
          if (r < 7.5f) base = Hex(0xc8ccd4);
          float shine = std::pow(Clamp01(std::cos(a + 2.4f)), 8.0f) * 0.5f;
          return WithA(base + Grey(shine), 1);
        });
        p.Fill([](V2 q) { return SdRing(q, {25, 25}, 7.5f, 0.6f); }, C(0xa0a8b0));
      }, Hex(0x80c0ff));
    case obj::kMenuOne:
      return MenuPad(fonts, Hex(0x40d060), "1 GRACZ", [](Painter& p) { Person(p, {25, 22}, 1.3f, C(0xffffff)); });
    case obj::kMenuTwo:
      return MenuPad(fonts, Hex(0x4090f0), "2 GRACZY", [](Painter& p) {
        Person(p, {18, 22}, 1.15f, C(0xffffff));
        Person(p, {32, 22}, 1.15f, C(0xffffff));
      });
    case obj::kMenuOptions:
      return MenuPad(fonts, Hex(0xf0b020), "OPCJE", [](Painter& p) {
        p.Fill([](V2 q) {
          V2 d = q - V2{25, 20};
          float a = std::atan2(d.y, d.x);
          float r = std::cos(a * 8) > 0.2f ? 11 : 8.5f;
          return Subtract(Len(d) - r, Len(d) - 4);
        }, C(0xffffff));
      });
    case obj::kMenuExit:
      return MenuPad(fonts, Hex(0xe04040), "WYJŚCIE", [](Painter& p) {
        p.Fill([](V2 q) { return Subtract(SdRect(q, 13, 9, 14, 22, 1), SdRect(q, 15.5f, 11.5f, 9, 17)); }, C(0xffffff));
        p.Fill([](V2 q) { return SdPolygon(q, {{16, 12}, {24, 9}, {24, 31}, {16, 28}}); }, C(0xffffff, 0.8f));
        p.Fill([](V2 q) { return Union(SdRect(q, 26, 18.5f, 8, 3), SdPolygon(q, {{33, 14}, {39, 20}, {33, 26}})); }, C(0xffffff));
      });
    case obj::kUpgrade:
      return Pickup([](Painter& p) {
        Sd plate = [](V2 q) { return SdCircle(q, {25, 25}, 17); };
        p.Shadow(plate, 1.5f, 2, 1.5f, 0.5f);
        p.Outlined(plate, 0.8f, C(0x302008), [](float x, float y, float d) { return LitColor(Hex(0x4a4e58), {25, 25}, 17, x, y, d, 2); });
        p.Fill([](V2 q) { return SdRing(q, {25, 25}, 15.5f, 1.6f); }, C(0xe8b830));
        for (int i = 0; i < 3; ++i) {
          float y0 = 30 - i * 7.0f;
          p.Fill([=](V2 q) { return SdPolygon(q, {{25, y0 - 8}, {34, y0}, {34, y0 + 3.5f}, {25, y0 - 4.5f}, {16, y0 + 3.5f}, {16, y0}}); },
                 [](float x, float y, float d) { return LitColor(Hex(0xf8d040), {25, 22}, 12, x, y, d, 0.8f); });
        }
      }, Hex(0xffd040));
    case obj::kPowerOn:
    case obj::kPowerOff: {
      bool on = code == 24;
      Rgb c = on ? Hex(0x30e050) : Hex(0xe03030);
      Painter p(50, 50);
      Sd plate = [](V2 q) { return SdRect(q, 7, 5, 36, 40, 3); };
      p.Shadow(plate, 1.5f, 2, 1.5f, 0.5f);
      p.Outlined(plate, 0.8f, C(0x101010), [](float x, float y, float d) { return LitColor(Hex(0x8a9096), {25, 25}, 25, x, y, d, 1.5f); });
      for (float x : {10.0f, 40.0f})
        for (float y : {8.0f, 42.0f}) p.Fill([=](V2 q) { return SdCircle(q, {x, y}, 1.1f); }, C(0x404448));
      p.Fill([](V2 q) { return SdCircle(q, {25, 20}, 10.5f); }, C(0x202428));
      p.Fill([c](V2 q) { return SdCircle(q, {25, 20}, 9); }, [c](float x, float y, float d) {
        return LitColor(Mix(c, Hex(0xffffff), 0.15f), {25, 20}, 9, x, y, d, 2.5f);
      });
      // Power symbol.
      p.Fill([](V2 q) {
        V2 d = q - V2{25, 20.5f};
        float ring = std::fabs(Len(d) - 5) - 1.1f;
        float gap = SdBox(q, {25, 15}, {2.6f, 4});
        return Union(Subtract(ring, gap), SdRect(q, 24, 13, 2, 7.5f, 0.8f));
      }, C(0xffffff));
      p.Text(fonts, kBold, on ? "ON" : "OFF", 25, 37, 8, C(0x101010));
      return p.Finish();
    }
    case obj::kSteroids:
      return Pickup([](Painter& p) {
        V2 at{25, 25};
        float a = -0.75f;
        Sd barrel = Rot([](V2 q) { return SdRect(q, 14, 21, 20, 8, 1.5f); }, at, a);
        Sd all = [=](V2 q) { return Union(barrel(q), Rot([](V2 r) { return SdRect(r, 4, 22.5f, 46, 5); }, at, a)(q)); };
        p.Shadow(all, 1.5f, 2, 1.5f, 0.45f);
        p.Fill(Rot([](V2 q) { return SdSegment(q, {34, 25}, {46, 25}, 0.5f); }, at, a), C(0xd0d4d8));
        p.Fill(Rot([](V2 q) { return SdRect(q, 33, 23.5f, 3, 3, 0.5f); }, at, a), C(0x8a9098));
        p.Outlined(barrel, 0.7f, C(0x203040, 0.9f), [](float, float, float) { return C(0xe8f4f8, 0.95f); });
        p.Fill(Rot([](V2 q) { return SdRect(q, 17, 22.5f, 14, 5, 1); }, at, a), [](float x, float y, float) {
          return WithA(Mix(Hex(0x60e040), Hex(0xc0ff80), 0.5f + 0.5f * std::sin((x - y) * 0.5f)), 1);
        });
        for (int i = 0; i < 4; ++i)
          p.Fill(Rot([=](V2 q) { return SdRect(q, 18.0f + i * 3.5f, 21, 0.5f, 2.5f); }, at, a), C(0x303840));
        p.Fill(Rot([](V2 q) { return SdRect(q, 8, 24, 6, 2); }, at, a), C(0x8a9098));
        p.Fill(Rot([](V2 q) { return SdRect(q, 5, 19, 3, 12, 1); }, at, a), C(0x5a6068));
      }, Hex(0x80ff60));
    case obj::kTrap: {
      Painter p(50, 50);
      p.Fill([](V2 q) { return SdRect(q, 3, 3, 44, 44, 2); }, [](float x, float y, float d) {
        bool stripe = std::fmod(x + y + 100, 8.0f) < 4;
        Rgb c = d < 4 ? (stripe ? Hex(0xf0c020) : Hex(0x181818)) : Hex(0x3a3e44);
        if (d >= 4 && (LineDist(x, 4, 2) < 0.7f || LineDist(y, 4, 2) < 0.7f)) c = Hex(0x1a1c20);
        return WithA(c, 1);
      });
      for (int k = 0; k < 3; ++k) {
        uint32_t s = Hash(k, 3301);
        p.Fill([=](V2 q) {
          float y0 = 12 + 13 * k;
          float jag = 3.5f * Noise2(q.x, 0, 10, 1, s) + 1.5f * Noise2(q.x, 0, 25, 1, s + 1);
          float d = std::fabs(q.y - y0 - jag) - 0.5f;
          return Intersect(d, SdRect(q, 8, 8, 34, 34));
        }, [](float, float, float) { return C(0xd8f0ff); });
        p.Fill([=](V2 q) {
          float y0 = 12 + 13 * k;
          float jag = 3.5f * Noise2(q.x, 0, 10, 1, s) + 1.5f * Noise2(q.x, 0, 25, 1, s + 1);
          return Intersect(std::fabs(q.y - y0 - jag) - 2.2f, SdRect(q, 8, 8, 34, 34));
        }, C(0x60a0ff, 0.35f));
      }
      return p.Finish();
    }
    case obj::kCard0:
    case obj::kCard1:
    case obj::kCard2:
    case obj::kCard3:
    case obj::kCard4: {
      Painter p(50, 50);
      Card(p, kCardColors[code - 35], {25, 25});
      return p.Finish();
    }
    case obj::kDoor0:
    case obj::kDoor1:
    case obj::kDoor2:
    case obj::kDoor3:
    case obj::kDoor4: {
      Painter p(50, 50);
      Door(p, kCardColors[code - 40]);
      return p.Finish();
    }
    case obj::kPushUp:
    case obj::kPushDown:
    case obj::kPushLeft:
    case obj::kPushRight: {
      const float angles[] = {0, kPi, -kPi / 2, kPi / 2};
      Painter p(50, 50);
      Arrow(p, angles[code - 45]);
      return p.Finish();
    }
    default:
      // Empty floor, solid cells, sound triggers and the codes the level setup decodes.
      return Image(50, 50);
  }
}

}  // namespace bv::assets
