// A mock game frame built from the generated pictures, drawn the way the game
// combines them (cell colour x texture, AND with the ambient colour, objects
// and sprites blended, HUD tinted by the player colour), for reviewing the
// art as a player sees it.
#include <array>
#include <string>

#include "font_file.h"
#include "game/object_codes.h"
#include "generator.h"
#include "objects.h"
#include "sprites.h"
#include "texture_kit.h"
#include "texture_table.h"

namespace bv::assets {

namespace {

struct MockCell {
  int texture;
  uint32_t tint;
  int object;
};

Rgb Tint(uint32_t rgb, uint32_t ambient) { return Hex(rgb & ambient); }

void DrawTinted(Image& dst, const Image& src, int x, int y, Rgb tint, float alpha, bool blend) {
  for (int j = 0; j < src.height(); ++j)
    for (int i = 0; i < src.width(); ++i) {
      Rgba p = src.at(i, j);
      Rgba c{p.r * tint.r, p.g * tint.g, p.b * tint.b, blend ? p.a * alpha : 1};
      dst.Blend(x + i, y + j, c);
    }
}

void Text(Image& dst, const GameFont& f, const std::string& cp1250, int x, int y, Rgb color) {
  for (unsigned char c : cp1250) {
    int g = c - kFontFirstChar;
    if (g < 0 || g >= kFontGlyphCount) continue;
    const Glyph& gl = f.glyphs[g];
    int ox = x + gl.left, oy = y + f.baseline - gl.top;
    for (int j = 0; j < gl.h; ++j)
      for (int i = 0; i < gl.w; ++i) dst.Blend(ox + i, oy + j, WithA(color, gl.a[j * gl.w + i] / 255.0f));
    x += f.advances[g];
  }
}

void Shadowed(Image& dst, const GameFont& f, const std::string& s, int x, int y, Rgb color) {
  Text(dst, f, s, x + 1, y + 1, Grey(0));
  Text(dst, f, s, x, y, color);
}

}  // namespace

Image SceneMock(const Fonts& fonts, bool power_on) {
  const uint32_t ambient = power_on ? 0xFFFFFF : 0x404040;
  // 13 x 10 cells: a lab room, a bunker corridor, a water channel and a door.
  const char* plan[10] = {
      "WWWWWWWWWWWWW",
      "WfffffWcccccW",
      "WfffffDcccccW",
      "WffsffWccccc#",
      "WfffffWWWWccW",
      "WfffffffffccW",
      "W~~~~~ffffccW",
      "WfffffffhhccW",
      "WfffffffffccW",
      "WWWWWWWWWWWWW",
  };
  std::array<std::array<MockCell, 13>, 10> map{};
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 13; ++x) {
      // The room has a power switch: floor colours keep no bit 6, so the
      // floors go black without power while the walls stay dimly lit.
      MockCell c{1, 0xBFBFBF, 0};
      switch (plan[y][x]) {
        case 'W': c = {20, 0xFFFFFF, 0}; break;
        case 'D': c = {20, 0xFFFFFF, 40}; break;
        case '#': c = {242, 0xFFFFFF, 0}; break;
        case 'c': c = {41, 0xB0B8BF, 0}; break;
        case 's': c = {8, 0xBFBFBF, 0}; break;
        case '~': c = {230, 0xFFFFFF, 0}; break;
        case 'h': c = {201, 0xBFBFBF, 0}; break;
        default: c = {1, 0xBFBFBF, 0}; break;
      }
      map[y][x] = c;
    }
  map[2][2].object = game::obj::kMedkit;
  map[2][4].object = game::obj::kCd;
  map[5][3].object = game::obj::kCard0;
  map[7][4].object = game::obj::kMp5;
  map[7][2].object = game::obj::kMp5Ammo;
  map[8][2].object = game::obj::kMp5AmmoBig;
  map[5][10].object = game::obj::kPushDown;
  map[6][10].object = game::obj::kPushDown;
  map[1][8].object = game::obj::kPowerOff;
  map[8][7].object = game::obj::kTrap;
  map[1][10].object = game::obj::kUpgrade;
  map[8][10].object = game::obj::kSteroids;

  Image frame(640, 480, {0, 0, 0, 1});
  std::array<Image, 256> tex;
  std::array<Image, kObjectCount> obj;
  const int ox = -5, oy = -10;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 13; ++x) {
      const MockCell& c = map[y][x];
      if (tex[c.texture].width() == 0) tex[c.texture] = MakeTexture(c.texture).Crop(0, 0, 50, 50);
      DrawTinted(frame, tex[c.texture], ox + x * 50, oy + y * 50, Tint(c.tint, ambient), 1, false);
      if (c.object >= 2) {
        if (obj[c.object].width() == 0) obj[c.object] = MakeObject(c.object, fonts);
        DrawTinted(frame, obj[c.object], ox + x * 50, oy + y * 50, Tint(0xFFFFFF, ambient), 1, true);
      }
    }
  Image sprite = MakeActorSprite();
  // Colours here are written 0xRRGGBB.
  DrawTinted(frame, sprite, 290, 210, Tint(0x3080FF, ambient), 0.8f, true);            // the player
  DrawTinted(frame, sprite, 140 - 30, 370 - 30, Tint(0xFF3020, ambient), 0.7f, true);  // enemies
  DrawTinted(frame, sprite, 460 - 30, 120 - 30, Tint(0xFF3020, ambient), 0.7f, true);

  // HUD: panel tinted by the player colour, gauge, cards, yellow text with shadows.
  DrawTinted(frame, MakeHudPanel(), 0, 0, Hex(0x3080FF), 0.75f, true);
  GameFont font = BuildGameFont(fonts);
  for (int x = 0; x < 104; ++x)
    for (int y = 0; y < 8; ++y) frame.at(100 + x, 12 + y) = (x == 0 || y == 0 || x == 103 || y == 7) ? Rgba{1, 1, 1, 1} : Rgba{0, 0, 0, 1};
  frame.Copy(MakeHealthBar(), 102, 14);
  for (int x = 102 + 70; x < 202; ++x)
    for (int y = 14; y < 18; ++y) frame.at(x, y) = {0, 0, 0, 1};
  Image card = MakeObject(35, fonts);
  frame.Draw(card, 0, 70);
  frame.Draw(MakeObject(38, fonts), 40, 70);
  const Rgb yellow = Hex(0xFFFF00);
  const char* labels[] = {"Zdrowie:", "Bron:", "Cel misji:", "Punkty:", "Czas:"};
  for (int i = 0; i < 5; ++i) Shadowed(frame, font, labels[i], 10, 10 + 10 * i, yellow);
  Shadowed(frame, font, "MP 5 / 125", 100, 20, yellow);
  Shadowed(frame, font, "3 / 9 cd", 100, 30, yellow);
  Shadowed(frame, font, "1450", 100, 40, yellow);
  Shadowed(frame, font, "2 : 17", 100, 50, yellow);
  Shadowed(frame, font, power_on ? "Zdobyles karte dostepu..." : "Brak zasilania...", 11, 460, Hex(0xAAFFAA));
  // Centre message band.
  for (int y = 225; y < 255; ++y)
    for (int x = 170; x < 470; ++x)
      frame.Blend(x, y, (y == 225 || y == 254 || x == 170 || x == 469) ? Rgba{1, 1, 0, 1} : Rgba{1, 1, 0, 0.5f});
  std::string msg = "Wyst\xB9pi\xB3 b\xB3\xB9" "d: \xAF\xF3\xB3w \xA3\xF3" "d\x9F \x8C" "cie\xBF" "ka";
  int w = 0;
  for (unsigned char c : msg) w += font.advances[c - kFontFirstChar];
  Text(frame, font, msg, 321 - w / 2, 241 - font.cell_h / 2, Grey(0));
  Text(frame, font, msg, 320 - w / 2, 240 - font.cell_h / 2, Grey(1));
  return frame;
}

}  // namespace bv::assets
