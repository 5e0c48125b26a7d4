// The frame's layout: views and clips, the map cells and their colours, the
// shutters, the intro logo, and when each layer appears.

#include <cmath>

#include "render/frame_fixture.h"

namespace bv::test {
namespace {

using render::ColorRGB;

class FrameLayoutTest : public FrameTest {
 protected:
  // The cell colour one view shows at screen pixel (sx, sy).
  static Color Expected(int sx, int sy, int centre_x, int round_x, int round_y) {
    const int h = static_cast<int>(std::floor((sx - centre_x + round_x) / 50.0));
    const int j = static_cast<int>(std::floor((sy - 240 + round_y) / 50.0));
    return NamedColor(h, j);
  }
};

TEST_F(FrameLayoutTest, OneViewCentresTheWholeScreenOnPlayerOne) {
  NamedCells();
  Place(0, 2549.0f, 2525.0f);
  Draw();
  for (auto [x, y] : {std::pair{0, 0}, {639, 0}, {639, 479}, {320, 240}, {130, 300}, {600, 100}}) {
    EXPECT_EQ(At(x, y), Expected(x, y, 320, 2549, 2525)) << x << "," << y;
  }
  // Column 57 begins exactly 301 pixels right of the player's position.
  EXPECT_EQ(At(620, 240), NamedColor(56, 50));
  EXPECT_EQ(At(621, 240), NamedColor(57, 50));
}

// The view follows the player's rounded position, halves going to even.
TEST_F(FrameLayoutTest, CellEdgesFollowThePositionRoundedHalfToEven) {
  NamedCells();
  struct Case {
    float x;
    int first_pixel_of_column_57;
  };
  for (const Case c : {Case{2548.5f, 622}, Case{2549.5f, 620}, Case{2549.4f, 621}}) {
    Place(0, c.x, 2525.0f);
    Draw();
    EXPECT_EQ(At(c.first_pixel_of_column_57 - 1, 240), NamedColor(56, 50)) << c.x;
    EXPECT_EQ(At(c.first_pixel_of_column_57, 240), NamedColor(57, 50)) << c.x;
  }
}

TEST_F(FrameLayoutTest, MarginCellsBesideTheLevelShowBlack) {
  NamedCells();
  Place(0, 7 * 50 + 25, 5 * 50 + 25);  // the level's top-left cell
  Draw();
  EXPECT_EQ(At(320, 240), NamedColor(7, 5));
  EXPECT_EQ(At(200, 240), 0u);  // column 4
  EXPECT_EQ(At(320, 100), 0u);  // row 2
}

TEST_F(FrameLayoutTest, TwoViewsPutPlayerOneOnTheRightEachClippedToItsHalf) {
  NamedCells();
  world().second_player = 1;
  Place(0, 2525.0f, 2525.0f);
  Place(1, 1025.0f, 1025.0f);
  Draw();
  for (auto [x, y] : {std::pair{320, 240}, {639, 0}, {480, 240}, {600, 470}}) {
    EXPECT_EQ(At(x, y), Expected(x, y, 480, 2525, 2525)) << x << "," << y;
  }
  for (auto [x, y] : {std::pair{0, 0}, {319, 240}, {160, 240}, {300, 479}}) {
    EXPECT_EQ(At(x, y), Expected(x, y, 160, 1025, 1025)) << x << "," << y;
  }
  // Player 2's column 23 would reach x 334; its half ends at 319.
  EXPECT_EQ(At(319, 240), NamedColor(23, 20));
  EXPECT_EQ(At(320, 240), NamedColor(47, 50));
}

TEST_F(FrameLayoutTest, TheDividerShowsInEveryTwoViewFrame) {
  AllImages();
  world().second_player = 1;
  for (int32_t t : {-5, 300, 900}) {
    world().transition = t;
    Draw();
    EXPECT_EQ(At(318, 240), Shown(kDivider)) << t;
    EXPECT_EQ(At(319, 10), Shown(kDivider)) << t;
  }
  world().second_player = 0;
  world().transition = 900;
  Draw();
  EXPECT_NE(At(318, 240), Shown(kDivider));
}

TEST_F(FrameLayoutTest, ShuttersCloseToMeetAt448AndOpenUntil896) {
  AllImages();
  NamedCells();
  Place(0, 2525.0f, 2525.0f);
  enum Shows { kWorld, kLeft, kRight };
  struct Case {
    int32_t t;
    int x;
    Shows want;
  };
  const Case cases[] = {
      {0, 0, kWorld},
      {0, 639, kWorld},
      {224, 223, kLeft},
      {224, 224, kWorld},
      {224, 415, kWorld},
      {224, 416, kRight},
      // Met: the left one covers 0..447, the right one from 192 lies over it.
      {448, 0, kLeft},
      {448, 191, kLeft},
      {448, 192, kRight},
      {448, 639, kRight},
      {672, 223, kLeft},
      {672, 224, kWorld},
      {672, 416, kRight},
      {896, 0, kWorld},
      {896, 639, kWorld},
  };
  for (const Case& c : cases) {
    world().transition = c.t;
    Draw();
    const Color want = c.want == kLeft    ? Shown(kLeftShutter)
                       : c.want == kRight ? Shown(kRightShutter)
                                          : Expected(c.x, 100, 320, 2525, 2525);
    EXPECT_EQ(At(c.x, 100), want) << "transition " << c.t << " x " << c.x << ": "
                                  << RgbText(At(c.x, 100));
  }
}

TEST_F(FrameLayoutTest, ActorsAndHudAppearFrom896) {
  AllImages();
  NamedCells();
  Place(0, 2525.0f, 2525.0f);
  world().players[0].color = 0x0000FF;
  world().grid[50][50].texture = 0;  // black under the sprite
  world().transition = 895;
  Draw();
  EXPECT_EQ(At(320, 240), 0u);                               // no sprite yet
  EXPECT_EQ(At(4, 374), Expected(4, 374, 320, 2525, 2525));  // no mini map yet
  world().transition = 896;
  Draw();
  EXPECT_TRUE(Near(320, 240, 225, 0, 0)) << RgbText(At(320, 240));
  EXPECT_EQ(At(4, 374), 0xFFFFFFu);  // the mini map's border
}

TEST_F(FrameLayoutTest, TheIntroLogoRisesFromTheBottomEdge) {
  AllImages();
  NamedCells();
  const Color left = Shown(kLogoLeft), right = Shown(kLogoRight);
  struct Case {
    int32_t t;
    int top;  // first row of the logo
  };
  for (const Case c : {Case{-2070, 479}, Case{-1000, 123}, Case{-629, -1}, Case{-3, -209}}) {
    world().transition = c.t;
    Draw();
    const int bottom = c.top + 209;
    if (c.top >= 1) {
      EXPECT_EQ(At(10, c.top - 1), 0u) << c.t;
    }
    if (c.top >= 0) {
      EXPECT_EQ(At(10, c.top), left) << c.t;
    }
    EXPECT_EQ(At(319, std::max(0, c.top)), left) << c.t;
    EXPECT_EQ(At(320, std::max(0, c.top)), right) << c.t;
    if (bottom < 479) {
      EXPECT_EQ(At(630, bottom + 1), 0u) << c.t;
    }
    EXPECT_EQ(At(630, std::min(479, bottom)), right) << c.t;
  }
  // Gone at -1, and the map is never drawn during the intro.
  world().transition = -1;
  Draw();
  EXPECT_EQ(At(10, 0), 0u);
  EXPECT_EQ(At(320, 240), 0u);
}

TEST_F(FrameLayoutTest, PowerOffKeepsOnlyBitSixOfEachChannel) {
  WhiteTexture(1);
  Sprite();
  images().object_images[5] = MakeImage(50, 50, 64, 64, {kWhitePicture});
  world().ambient_color = game::kPowerOff;
  Place(0, 2525.0f, 2525.0f);
  world().players[0].color = 0x0000FF;
  auto cell = [&](int x, int y, int r, int g, int b) {
    game::MapCell& c = world().grid[x][y];
    c.texture = 1;
    c.object = 0;
    c.tint_r = static_cast<uint8_t>(r);
    c.tint_g = static_cast<uint8_t>(g);
    c.tint_b = static_cast<uint8_t>(b);
  };
  cell(48, 50, 255, 255, 255);
  cell(47, 50, 200, 128, 64);
  cell(52, 50, 255, 255, 255);
  world().grid[52][50].object = 5;
  Draw();
  EXPECT_EQ(At(220, 240), ColorRGB(64, 64, 64));  // cell 48
  EXPECT_EQ(At(170, 240), ColorRGB(64, 0, 64));   // cell 47
  EXPECT_EQ(At(420, 240), ColorRGB(64, 64, 64));  // object 5 over a white tile, both darkened
  // Red 255 becomes 64, at the sprite's alpha 225 over the black of cell 50.
  EXPECT_TRUE(Near(320, 240, 56, 0, 0)) << RgbText(At(320, 240));
}

TEST_F(FrameLayoutTest, APulsingChannelReplacesOneComponentOfTheCellColour) {
  WhiteTexture(1);
  Place(0, 2525.0f, 2525.0f);
  game::MapCell& c = world().grid[50][50];
  c.texture = 1;
  c.object = 0;
  c.tint_r = 10;
  c.tint_g = 20;
  c.tint_b = 30;
  struct Case {
    uint8_t channel;
    uint16_t phase;
    Color want;
  };
  const Case cases[] = {
      {2, 0, ColorRGB(10, 100, 30)},   {2, 40, ColorRGB(10, 140, 30)},
      {2, 155, ColorRGB(10, 255, 30)}, {2, 156, ColorRGB(10, 254, 30)},
      {2, 200, ColorRGB(10, 210, 30)}, {2, 310, ColorRGB(10, 100, 30)},
      {1, 40, ColorRGB(140, 20, 30)},  {3, 40, ColorRGB(10, 20, 140)},
      {0, 40, ColorRGB(10, 20, 30)},   {4, 40, ColorRGB(10, 20, 30)},
  };
  for (const Case& k : cases) {
    c.pulse_channel = k.channel;
    world().pulse_phase = k.phase;
    world().transition = 100;  // no sprite over the cell
    Draw();
    EXPECT_EQ(At(320, 240), k.want)
        << int{k.channel} << " at " << k.phase << ": " << RgbText(At(320, 240));
  }
}

TEST_F(FrameLayoutTest, AnimatedTexturesShowFrameAnimPhaseOver8) {
  render::FrameImages& r = images();
  r.textures[2] =
      MakeImage(50, 50, 64, 64, {0xFF100000u, 0xFF200000u, 0xFF300000u, 0xFF400000u, 0xFF500000u});
  r.textures[3] = MakeImage(50, 50, 64, 64, {0xFF000010u, 0xFF000020u, 0xFF000030u});
  r.textures[4] = MakeImage(50, 50, 64, 64, {0xFF001000u});
  Place(0, 2525.0f, 2525.0f);
  world().transition = 100;
  auto cell = [&](int x, uint8_t texture, uint8_t animated) {
    game::MapCell& c = world().grid[x][50];
    c.texture = texture;
    c.animated = animated;
    c.object = 0;
  };
  cell(50, 2, 1);
  cell(51, 2, 0);
  cell(52, 3, 1);
  cell(53, 4, 1);
  struct Case {
    uint8_t phase;
    int frame;
  };
  for (const Case k : {Case{0, 0}, Case{7, 0}, Case{8, 1}, Case{17, 2}, Case{32, 4}}) {
    world().anim_phase = k.phase;
    Draw();
    EXPECT_EQ(At(320, 240), ColorRGB(0x10 * (k.frame + 1), 0, 0)) << int{k.phase};
    EXPECT_EQ(At(370, 240), ColorRGB(0x10, 0, 0)) << "not animated";
    // Three patterns: frame 4 shows the last one.
    EXPECT_EQ(At(420, 240), ColorRGB(0, 0, 0x10 * (std::min(k.frame, 2) + 1))) << int{k.phase};
    EXPECT_EQ(At(470, 240), ColorRGB(0, 0x10, 0)) << "one pattern";
  }
}

TEST_F(FrameLayoutTest, ObjectsAndOverlaysDrawOverTheTextureButSolidCodeOneDoesNot) {
  WhiteTexture(1);
  render::FrameImages& r = images();
  r.object_images[1] = MakeImage(50, 50, 64, 64, {0xFFFF0000u});
  r.object_images[7] = MakeImage(50, 50, 64, 64, {0x80000000u});  // half-transparent black
  r.object_images[40] = MakeImage(50, 50, 64, 64, {0xFF0000FFu});
  Place(0, 2525.0f, 2525.0f);
  world().transition = 100;
  auto cell = [&](int x, uint8_t texture, uint8_t object, uint8_t overlay) {
    game::MapCell& c = world().grid[x][50];
    c.texture = texture;
    c.object = object;
    c.overlay = overlay;
  };
  cell(50, 1, 1, 0);    // solid: texture only
  cell(51, 1, 7, 0);    // object blended over the tile
  cell(52, 1, 7, 40);   // the overlay on top
  cell(53, 0, 7, 0);    // no texture: the object over black
  cell(54, 1, 200, 0);  // a code with no image draws nothing over the tile
  Draw();
  EXPECT_EQ(At(320, 240), 0xFFFFFFu);
  EXPECT_TRUE(Near(370, 240, 127, 127, 127)) << RgbText(At(370, 240));
  EXPECT_EQ(At(420, 240), Shown(0xFF0000FFu));
  EXPECT_EQ(At(470, 240), 0u);
  EXPECT_EQ(At(520, 240), 0xFFFFFFu);
}

TEST_F(FrameLayoutTest, NothingIsDrawnBeforeTheResourcesAreLoaded) {
  AllImages();
  ASSERT_EQ(device_.Clear(0xFF302010u), 0);
  render::FrameRenderer renderer(device_, nullptr, images());
  settings::LiveOptions options;
  EXPECT_FALSE(renderer.Render(world(), /*resources_loaded=*/false, options, 0));
  Snap();
  EXPECT_EQ(At(0, 0), 0x302010u);
  EXPECT_EQ(At(320, 240), 0x302010u);
}

// Before the first level setup the players stand at (0, 0): the views and
// the mini map reach cells left of and above the grid, which read as the
// undrawn reset cell.
TEST_F(FrameLayoutTest, PlayersAtTheOriginBeforeTheFirstLevelDrawSafely) {
  world_ = std::make_unique<game::World>();
  game::SetStartValues(world());
  AllImages();
  world().second_player = 1;
  for (int32_t t : {-2070, 0, 200, 900}) {
    world().transition = t;
    Draw();
    if (t == 200) {
      EXPECT_EQ(At(320, 240), 0u);  // between the shutters: black
    }
  }
  for (int k = 0; k < render::kMinimapPoints; ++k) {
    EXPECT_EQ(minimap().walls[k].x, -1) << k;
    EXPECT_EQ(minimap().cds[k].x, -1) << k;
    EXPECT_EQ(minimap().actors[k].x, -1) << k;
  }
  // Positions left of and above the grid, and absurd ones, draw nothing of the map.
  NamedCells();
  for (float pos : {-1.0f, -5000.0f, 1e30f, -1e30f}) {
    Place(0, pos, pos);
    Place(1, pos, 2525.0f);
    Draw();
  }
}

TEST_F(FrameLayoutTest, MissingImagesLeaveTheirPartsOutAndTheRestIsDrawn) {
  NamedCells();
  Place(0, 2525.0f, 2525.0f);
  world().players[0].target_actor = 0;
  world().actor_count = 1;
  world().actors[0] = {2625, 2525, 5, 10, 10, 0, 0, 0, 0.0f};
  world().players[0].cards = {35, 36, 0, 0, 0};
  world().grid[50][50].object = 9;
  world().grid[50][50].overlay = 41;
  world().second_player = 1;
  images().textures[1] = nullptr;  // not even the map's texture
  Draw();
  EXPECT_EQ(At(400, 100), 0u);
  EXPECT_EQ(At(4, 374), 0xFFFFFFu);  // the mini map still is
  EXPECT_TRUE(Near(580, 240, 51, 0, 0)) << "and the target marker";
  // An image that failed to load is there but draws nothing.
  render::PatternImage failed(device_);
  images().textures[1] = &failed;
  images().anim_image = &failed;
  Draw();
  EXPECT_EQ(At(400, 100), 0u);
  EXPECT_EQ(At(480, 240), 0u);
}

}  // namespace
}  // namespace bv::test
