// The heads-up display: health gauge, cards, panel tint, mini map, the text
// lines, the centre message and the frame-rate line.

#include "render/frame_fixture.h"
#include "render/hud_strings.h"

namespace bv::test {
namespace {

using render::ColorRGB;

constexpr Color kYellow = 0x00FFFFu;
const Color kBar = Shown(kBarPicture);

class FrameHudTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    images().bar_image = MakeImage(100, 4, 128, 4, {kBarPicture});
    Place(0, 2525.0f, 2525.0f);
    Place(1, 1025.0f, 1025.0f);
  }
};

// Health 255 is the whole bar; above it the frame grows and a green strip
// reaches left from the bar's end by the surplus (a negative width).
TEST_F(FrameHudTest, TheHealthGaugeShowsUpTo255AndTheSurplusInGreen) {
  const Color green = ColorRGB(6, 254, 0);
  struct Probe {
    int x;
    Color want;
  };
  struct Case {
    int32_t health;
    std::vector<Probe> probes;
  };
  const Case cases[] = {
      {255, {{100, 0xFFFFFFu}, {102, kBar}, {201, kBar}, {202, 0u}, {203, 0xFFFFFFu}}},
      {128, {{151, kBar}, {152, 0u}, {201, 0u}, {203, 0xFFFFFFu}}},
      {0, {{102, 0u}, {201, 0u}}},
      // round(300 / 2.55) = 118: a frame of 122, green from 202 to 219.
      {300, {{201, kBar}, {202, green}, {219, green}, {220, 0u}, {221, 0xFFFFFFu}, {222, 0u}}},
      {448, {{202, green}, {277, green}, {278, 0u}, {279, 0xFFFFFFu}}},
  };
  for (const Case& c : cases) {
    world().players[0].health = c.health;
    Draw();
    for (const Probe& p : c.probes) {
      EXPECT_EQ(At(p.x, 15), p.want)
          << "health " << c.health << " x " << p.x << ": " << RgbText(At(p.x, 15));
    }
    EXPECT_EQ(At(150, 12), 0xFFFFFFu) << "top border";
    EXPECT_EQ(At(150, 19), 0xFFFFFFu) << "bottom border";
  }
}

TEST_F(FrameHudTest, EachViewHasItsGaugeAtItsLeftEdge) {
  world().second_player = 1;
  world().players[0].health = 300;
  world().players[1].health = 128;
  Draw();
  EXPECT_EQ(At(320 + 210, 15), ColorRGB(6, 254, 0));
  EXPECT_EQ(At(151, 15), kBar);
  EXPECT_EQ(At(152, 15), 0u);
}

TEST_F(FrameHudTest, CardsSitSideBySideWithoutGapsForEmptyPlaces) {
  render::FrameImages& r = images();
  r.object_images[35] = MakeImage(50, 50, 64, 64, {0xFFFF0000u});
  r.object_images[38] = MakeImage(50, 50, 64, 64, {0xFF0000FFu});
  world().players[0].cards = {35, 0, 0, 38, 0};
  Draw();
  EXPECT_EQ(At(20, 100), ColorRGB(255, 0, 0));
  EXPECT_EQ(At(39, 119), ColorRGB(255, 0, 0));
  EXPECT_EQ(At(40, 100), ColorRGB(0, 0, 255));  // the second card lies over the first
  EXPECT_EQ(At(89, 119), ColorRGB(0, 0, 255));
  EXPECT_EQ(At(90, 100), 0u);  // nothing after it
  EXPECT_EQ(At(20, 69), 0u);
  EXPECT_EQ(At(20, 120), 0u);
}

TEST_F(FrameHudTest, ThePanelTakesThePlayersColourAndHudAlphaButNotTheAmbientColour) {
  images().hud_image = MakeImage(310, 85, 512, 128, {kWhitePicture});
  world().players[0].color = 0x0000FF;
  world().ambient_color = game::kPowerOff;
  Draw();
  EXPECT_EQ(At(300, 5), ColorRGB(255, 0, 0));
  EXPECT_EQ(At(310, 5), 0u);
  world().hud_alpha = 102;
  Draw();
  EXPECT_TRUE(Near(300, 5, 102, 0, 0)) << RgbText(At(300, 5));
}

TEST_F(FrameHudTest, TheMiniMapPlotsWallsCdsAndActorsAroundThePlayer) {
  world().players[0].color = 0x00FF00;
  auto cell = [&](int x, int y) -> game::MapCell& { return world().grid[x][y]; };
  cell(52, 50) = {3, 0, 255, 255, 255, 1, 0, 0, 0, 0};   // a wall
  cell(48, 53) = {3, 0, 255, 255, 255, 12, 0, 0, 0, 0};  // a CD
  // Kept: the mark is where an actor started, whether or not one is there now.
  cell(55, 45) = {3, 0, 255, 255, 255, 0, 0, 7, 0, 0};
  cell(56, 50) = {3, 0, 255, 255, 255, 1, 0, 0, 0, 0};  // six columns away
  Draw();
  EXPECT_EQ(At(4, 374), 0xFFFFFFu);  // the box's border
  EXPECT_EQ(At(105, 475), 0xFFFFFFu);
  EXPECT_EQ(At(50, 420), 0xFFFFFFu);
  EXPECT_EQ(At(46, 423), ColorRGB(0, 255, 0));
  EXPECT_EQ(At(53, 415), ColorRGB(255, 0, 0));
  EXPECT_EQ(At(54, 420), 0u);  // outside the 11 by 11 scan
  // The player's 3 by 3 dot around pixel (48, 420), in the player's colour.
  EXPECT_EQ(At(47, 419), ColorRGB(0, 255, 0));
  EXPECT_EQ(At(49, 421), ColorRGB(0, 255, 0));
  EXPECT_EQ(At(46, 420), 0u);
  // The scratch lists hold the points scanned column by column.
  const render::MinimapLists& m = minimap();
  EXPECT_EQ(m.walls[(2 + 5) * 11 + 5].x, 50);
  EXPECT_EQ(m.walls[(2 + 5) * 11 + 5].y, 420);
  EXPECT_EQ(m.cds[(-2 + 5) * 11 + 8].x, 46);
  EXPECT_EQ(m.actors[(5 + 5) * 11 + 0].y, 415);
  int marked = 0;
  for (int k = 0; k < render::kMinimapPoints; ++k) {
    marked += m.walls[k].x != -1;
    marked += m.cds[k].x != -1;
    marked += m.actors[k].x != -1;
  }
  EXPECT_EQ(marked, 3);
}

TEST_F(FrameHudTest, TheMarginAndLevelsWithoutTexturesNeverShowAsWalls) {
  Place(0, 7 * 50 + 25, 5 * 50 + 25);  // the level's corner: the scan reaches the margin
  Draw();
  for (int k = 0; k < render::kMinimapPoints; ++k) {
    EXPECT_EQ(minimap().walls[k].x, -1) << k;
    EXPECT_EQ(minimap().walls[k].y, -1) << k;
  }
}

TEST_F(FrameHudTest, TwoViewsShowBothPlayersOnEachMiniMap) {
  world().second_player = 1;
  world().players[0].color = 0x00FF00;
  world().players[1].color = 0xFF0000;
  Draw();
  // Right view (player 1 at 50, 50): its own dot at 320 + 48, and player 2's at 320 + 18, 390.
  EXPECT_EQ(At(368, 420), ColorRGB(0, 255, 0));
  EXPECT_EQ(At(338, 390), ColorRGB(0, 0, 255));
  // Left view: the same two dots.
  EXPECT_EQ(At(48, 420), ColorRGB(0, 255, 0));
  EXPECT_EQ(At(18, 390), ColorRGB(0, 0, 255));
}

TEST_F(FrameHudTest, TranslucentMiniMapBlendsOverTheMap) {
  NamedCells();
  world().minimap_alpha = 0;
  Draw();
  // Alpha 0: the box and its points leave the map as it is.
  EXPECT_EQ(At(4, 374), NamedColor(44, 53));
  EXPECT_EQ(At(50, 400), NamedColor(45, 53));
}

class FrameTextTest : public FrameHudTest {
 protected:
  void SetUp() override {
    FrameHudTest::SetUp();
    LoadFont();
  }
};

// Each glyph of the crafted font is one white column: a line's first glyph
// marks where it starts, its shadow one pixel right and down in black.
TEST_F(FrameTextTest, LabelsAndValuesSitAtTheirColumnsWithShadows) {
  images().hud_image = MakeImage(310, 85, 512, 128, {kWhitePicture});
  world().players[0].color = 0xFFFFFF;
  world().players[0].weapon = 1;
  world().players[0].weapons[1].name = "Desert Eagle";
  Draw();
  for (int y : {10, 20, 30, 40, 50}) {
    EXPECT_EQ(At(10, y + 5), kYellow) << "label at " << y;
    EXPECT_EQ(At(11, y + 5), 0u) << "shadow at " << y;
  }
  EXPECT_EQ(At(11, 10), 0xFFFFFFu) << "the shadow starts a row lower";
  for (int y : {20, 30, 40, 50}) {
    EXPECT_EQ(At(100, y + 5), kYellow) << "value at " << y;
    EXPECT_EQ(At(101, y + 5), 0u) << "shadow at " << y;
  }
}

// Kept: a negative message timer is not 0, so the message shows.
TEST_F(FrameTextTest, ThePlayersMessageShowsWhileItsTimerIsNotZero) {
  world().players[0].message = "Znalazles apteczke...";
  for (int16_t timer : {300, 1, -1}) {
    world().players[0].message_timer = timer;
    Draw();
    EXPECT_EQ(At(11, 465), ColorRGB(170, 255, 170)) << timer;
  }
  world().players[0].message_timer = 0;
  Draw();
  EXPECT_EQ(At(11, 465), 0u);
}

TEST_F(FrameTextTest, WithoutAFontTheTextsAreMissingAndTheRestIsDrawn) {
  font_.UnloadFont();
  world().players[0].health = 255;
  world().players[0].message = "x";
  world().players[0].message_timer = 5;
  world().center_message = "Level 2";
  world().center_message_timer = 1020;
  Draw(true, 60);
  EXPECT_EQ(At(10, 15), 0u);
  EXPECT_EQ(At(11, 465), 0u);
  EXPECT_EQ(At(550, 465), 0u);
  EXPECT_EQ(At(150, 15), kBar);
  EXPECT_EQ(At(170, 225), kYellow);  // the centre message's band
}

// The band and the text fade with the timer: border and text at alpha
// T/4, the fill at T/8.
TEST_F(FrameTextTest, TheCentreMessageFadesWithItsTimer) {
  world().transition = -1;        // the intro's last tick: nothing else on the screen
  world().center_message = "AB";  // 12 wide, 10 high: the text starts at 314, 235
  world().center_message_timer = 1020;
  Draw();
  EXPECT_EQ(At(170, 225), kYellow);
  EXPECT_EQ(At(469, 254), kYellow);
  EXPECT_TRUE(Near(300, 230, 127, 127, 0)) << RgbText(At(300, 230));
  EXPECT_EQ(At(314, 240), 0xFFFFFFu);
  EXPECT_EQ(At(315, 240), 0u);  // shadow
  EXPECT_EQ(At(320, 240), 0xFFFFFFu);
  EXPECT_EQ(At(314, 235), 0xFFFFFFu);
  EXPECT_TRUE(Near(314, 234, 127, 127, 0)) << "above the text: the fill";

  world().center_message_timer = 510;
  Draw();
  EXPECT_TRUE(Near(170, 225, 127, 127, 0)) << RgbText(At(170, 225));
  // Text at alpha 127 over the fill at 63.
  EXPECT_TRUE(Near(314, 240, 158, 158, 127)) << RgbText(At(314, 240));

  world().center_message_timer = 3;
  Draw();
  EXPECT_EQ(At(170, 225), 0u);
  EXPECT_EQ(At(300, 230), 0u);
  EXPECT_EQ(At(314, 240), 0u);

  world().center_message_timer = 0;
  Draw();
  EXPECT_EQ(At(170, 225), 0u);
}

// The program's own messages over the frame (network play): a message looks
// exactly like the world's centre message; a notice stays strong one band lower.
TEST_F(FrameTextTest, AnOverlayMessageLooksExactlyLikeTheCentreMessage) {
  world().transition = -1;
  std::vector<Color> expected;
  const auto take = [this](std::vector<Color>& into) {
    into.clear();
    for (int y = 200; y < 310; ++y) {
      for (int x = 160; x < 480; ++x) into.push_back(At(x, y));
    }
  };
  for (int16_t timer : {1020, 700, 300}) {
    world().center_message = "Utracono";
    world().center_message_timer = timer;
    overlay_ = nullptr;
    Draw();
    take(expected);
    world().center_message_timer = 0;
    render::FrameOverlay overlay;
    overlay.message = "Utracono";
    overlay.message_timer = timer;
    overlay_ = &overlay;
    Draw();
    std::vector<Color> got;
    take(got);
    EXPECT_EQ(got, expected) << timer;
    overlay_ = nullptr;
  }

  render::FrameOverlay notice;
  notice.notice = "AB";
  overlay_ = &notice;
  Draw();
  EXPECT_EQ(At(170, 225), 0u);       // no centre band
  EXPECT_EQ(At(170, 265), kYellow);  // the notice's band
  EXPECT_EQ(At(469, 294), kYellow);
  EXPECT_EQ(At(314, 280), 0xFFFFFFu);
  overlay_ = nullptr;
  Draw();
  EXPECT_EQ(At(170, 265), 0u);
}

TEST_F(FrameTextTest, TheFrameRateShowsBottomRightWhenTheOptionIsOn) {
  Draw(false, 87);
  EXPECT_EQ(At(550, 465), 0u);
  Draw(true, 87);
  EXPECT_EQ(At(550, 465), kYellow);
  EXPECT_EQ(At(551, 466), 0u);
  world().second_player = 1;
  world().transition = 300;
  Draw(true, 87);
  EXPECT_EQ(At(550, 465), kYellow);
}

TEST(HudValuesTest, LinesReadAsTheHudPrintsThem) {
  auto world = std::make_unique<game::World>();
  game::World& w = *world;
  game::PlayerState& p1 = w.players[0];
  game::PlayerState& p2 = w.players[1];
  p1.weapon = 1;
  p1.weapons[1].name = "Desert Eagle";
  p1.weapons[1].ammo = 12;
  p2.weapon = 0;
  p2.weapons[0].name = "Pila elektryczna";
  p2.weapons[0].ammo = -5;
  w.mission_progress = 3;
  w.mission_goal = 5;
  w.mission_unit = "cd";
  p1.points = 1200;
  p1.kills = 3;
  p2.points = -1;
  p2.kills = 7;
  w.clock_minutes = 1;
  w.clock_steps = 530.0;

  render::HudStrings s;
  render::FormatHudValues(w, 0, false, s);
  EXPECT_EQ(s.weapon, "Desert Eagle / 12");
  EXPECT_EQ(s.mission, "3 / 5 cd");
  EXPECT_EQ(s.points, "1200");
  EXPECT_EQ(s.time, "1 : 5");
  render::FormatHudValues(w, 1, false, s);
  EXPECT_EQ(s.weapon, "Pila elektryczna / -5");
  EXPECT_EQ(s.points, "4294967295");

  struct Case {
    uint8_t mode;
    bool two_views;
    int player;
    const char* mission;
  };
  w.mission_goal = 10;
  w.mission_unit = "morderstw";
  for (const Case c :
       {Case{1, true, 0, "3 / 10 morderstw"}, Case{1, true, 1, "7 / 10 morderstw"},
        Case{2, true, 0, "1200 / 10 morderstw"}, Case{2, true, 1, "4294967295 / 10 morderstw"},
        Case{0, true, 1, "3 / 10 morderstw"}, Case{1, false, 0, "3 / 10 morderstw"},
        Case{2, false, 0, "3 / 10 morderstw"}}) {
    w.game_mode = c.mode;
    w.mission_progress = 3;
    render::FormatHudValues(w, c.player, c.two_views, s);
    EXPECT_EQ(s.mission, c.mission) << int{c.mode} << " " << c.two_views << " " << c.player;
  }

  w.mission_goal = -1;
  w.clock_minutes = 59;
  w.clock_steps = 5999.9;
  p1.weapon = 9;  // no such slot
  render::FormatHudValues(w, 0, false, s);
  EXPECT_EQ(s.mission.substr(0, 16), "3 / 4294967295 m");
  EXPECT_EQ(s.time, "59 : 59");
  EXPECT_EQ(s.weapon, "");
}

}  // namespace
}  // namespace bv::test
