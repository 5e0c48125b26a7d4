#include <string>

#include "generator.h"
#include "objects.h"
#include "sprites.h"
#include "text.h"
#include "texture_kit.h"
#include "texture_table.h"

namespace bv::assets {

namespace {

constexpr int kCols = 16;
constexpr int kSlotW = 56;
constexpr int kSlotH = 66;
constexpr int kMargin = 12;
const Rgba kBack{0.16f, 0.17f, 0.19f, 1};
const Rgba kLabel{0.85f, 0.85f, 0.8f, 1};

class Sheet {
 public:
  Sheet(const Fonts& fonts, int height) : fonts_(fonts), img_(kMargin * 2 + kCols * kSlotW, height, kBack) {}

  void Heading(const std::string& text) {
    NewRow();
    Mask m = fonts_.Text("DejaVuSans-Bold.ttf", text, 13);
    DrawMask(img_, m, kMargin, y_ + 2, {1, 0.85f, 0.4f, 1});
    y_ += 20;
  }

  // Places a picture `slots` slots wide with a label under it.
  void Item(const Image& pic, int slots, const std::string& label, const Image* under = nullptr) {
    if (col_ + slots > kCols) NewRow();
    int x = kMargin + col_ * kSlotW, y = y_;
    if (under) img_.Draw(*under, x, y);
    img_.Draw(pic, x, y);
    Mask m = fonts_.Text("DejaVuSans.ttf", label, 10);
    DrawMask(img_, m, x, y + pic.height() + 1, kLabel);
    col_ += slots;
    row_h_ = std::max(row_h_, pic.height() + 16);
  }

  // A large picture on a row of its own.
  void Big(const Image& pic, const std::string& label) {
    NewRow();
    Mask m = fonts_.Text("DejaVuSans.ttf", label, 10);
    DrawMask(img_, m, kMargin, y_, kLabel);
    img_.Draw(pic, kMargin, y_ + 14);
    y_ += pic.height() + 20;
  }

  void NewRow() {
    if (col_ > 0) y_ += row_h_;
    col_ = 0;
    row_h_ = kSlotH;
  }

  Image Finish() {
    NewRow();
    return img_.Crop(0, 0, img_.width(), y_ + kMargin);
  }

 private:
  const Fonts& fonts_;
  Image img_;
  int col_ = 0, y_ = kMargin, row_h_ = kSlotH;
};

Image Half(const Image& src) { return src.Downsample(2); }

}  // namespace

Image Preview(const std::string& font_dir, int first, int last, int scale) {
  Fonts fonts(font_dir);
  TextureFontsScope fonts_scope(&fonts);
  const int per_row = 8;
  int n = last - first + 1;
  int rows = (n + per_row - 1) / per_row;
  int cw = 50 * scale + 8, ch = 50 * scale + 16;
  Image out(per_row * cw, rows * ch, kBack);
  Image floor = MakeTexture(40);
  for (int i = 0; i < n; ++i) {
    int k = first + i;
    Image pic;
    if (k >= 2000) {
      pic = floor;
      Image sprite = MakeActorSprite();
      pic.Draw(sprite.Crop(5, 5, 50, 50), 0, 0);
    } else if (k < 1000) {
      pic = MakeTexture(k).Crop(0, 0, 50, 50);
    } else {
      pic = floor;
      pic.Draw(MakeObject(k - 1000, fonts), 0, 0);
    }
    int ox = (i % per_row) * cw, oy = (i / per_row) * ch;
    for (int y = 0; y < 50 * scale; ++y)
      for (int x = 0; x < 50 * scale; ++x) out.at(ox + x, oy + y) = pic.at(x / scale, y / scale);
    DrawMask(out, fonts.Text("DejaVuSans.ttf", std::to_string(k % 1000), 11), ox, oy + 50 * scale, kLabel);
  }
  return out;
}

Image ContactSheet(const std::string& font_dir) {
  Fonts fonts(font_dir);
  TextureFontsScope fonts_scope(&fonts);
  Sheet sheet(fonts, 6000);
  const char* last_set = "";
  for (int n = 0; n < kTextureCount; ++n) {
    const TextureInfo& info = TextureTable()[n];
    if (std::string(info.set) != last_set) {
      sheet.Heading(info.number == 0 ? std::string("texture 0 (never drawn)") : std::string("textures: ") + info.set);
      last_set = info.set;
    }
    Image tex = MakeTexture(n);
    Image framed(tex.width() + (info.patterns - 1) * (kSlotW - 50), 50, kBack);
    for (int f = 0; f < info.patterns; ++f) framed.Copy(tex.Crop(f * 50, 0, 50, 50), f * kSlotW, 0);
    sheet.Item(framed, info.patterns, std::to_string(n));
  }
  sheet.Heading("objects (over texture 40)");
  Image floor = MakeTexture(40);
  for (int n = 0; n < kObjectCount; ++n) sheet.Item(MakeObject(n, fonts), 1, std::to_string(n), &floor);
  sheet.Heading("sprite, health bar, divider, HUD panel");
  Image sprite_bg(60, 60, kBack);
  sheet.Item(MakeActorSprite(), 2, "anim", &floor);
  Image tinted = MakeActorSprite();
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) {
      Rgba& p = tinted.at(x, y);
      p.r *= 1.0f, p.g *= 0.35f, p.b *= 0.3f, p.a *= 0.8f;
    }
  sheet.Item(tinted, 2, "anim tinted", &floor);
  sheet.Item(MakeHealthBar(), 2, "bar");
  sheet.Item(MakeSplit().Crop(0, 200, 2, 60), 1, "split");
  sheet.Big(MakeHudPanel(), "hud");
  sheet.Big(MakeLogo(fonts), "logo");
  // The shutters at half size, closed as at the midpoint of a level change.
  Image closed(320, 240, kBack);
  closed.Draw(Half(MakeShutter(0, fonts)), 0, 0);
  closed.Draw(Half(MakeShutter(1, fonts)), 96, 0);
  sheet.Big(closed, "load0 + load1 closed (half size)");
  sheet.Big(SceneMock(fonts, true), "mock frame, power on");
  sheet.Big(SceneMock(fonts, false), "mock frame, power off");
  return sheet.Finish();
}

}  // namespace bv::assets
