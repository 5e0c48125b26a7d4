// The actor layer: player and enemy sprites with their view limits, target
// markers with the health gauge, and the Deathmatch markers and pointers.

#include "render/frame_fixture.h"

namespace bv::test {
namespace {

using render::ColorRGB;

class FrameActorsTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    Sprite();
    world().enemy_color = 0x00FF00;  // green, 225 at the sprites' alpha
    world().players[0].color = 0x0000FF;
    world().players[1].color = 0xFF0000;
  }

  game::Actor& AddActor(int32_t x, int32_t y, int32_t kind = 5) {
    game::Actor& a = world().actors[static_cast<size_t>(world().actor_count++)];
    a.x = x;
    a.y = y;
    a.kind = kind;
    a.hp = 100;
    a.max_hp = 100;
    return a;
  }

  // Primitives of the last frame: tells a sprite queued off the screen from none.
  int64_t Primitives() const { return device_.counters().primitives; }

  bool Green(int x, int y) const { return Near(x, y, 0, 225, 0); }
};

// Seven columns right of the player the sprite still shows at the screen's
// edge; eight columns right it would be off the screen anyway, so the count
// of primitives tells whether it was sent at all.
TEST_F(FrameActorsTest, OneViewDrawsEnemiesUpToSevenColumnsAndFiveRowsAway) {
  Place(0, 2549.0f, 2549.0f);  // cell 50, 50
  Draw();
  const int64_t base = Primitives();

  game::Actor& a = AddActor(2850, 2525);  // column 57
  Draw();
  EXPECT_TRUE(Green(620, 240)) << RgbText(At(620, 240));
  EXPECT_EQ(Primitives(), base + 2);

  a.x = 2900;  // column 58
  Draw();
  EXPECT_EQ(Primitives(), base);

  a.x = 2225;  // column 44, six to the left
  Draw();
  EXPECT_TRUE(Green(20, 240)) << RgbText(At(20, 240));

  a.x = 2549;
  a.y = 2750;  // row 55: top at 411
  Draw();
  EXPECT_TRUE(Green(320, 440)) << RgbText(At(320, 440));
  a.y = 2800;  // row 56: it would show from 461 down, but is not drawn
  Draw();
  EXPECT_EQ(At(320, 470), 0u);
  EXPECT_EQ(Primitives(), base);
}

TEST_F(FrameActorsTest, TwoViewsDrawEnemiesUpToFourColumnsAway) {
  world().second_player = 1;
  Place(0, 2549.0f, 2549.0f);  // right view, cell 50, 50
  Place(1, 1025.0f, 1025.0f);  // far away in the left view
  Draw();
  const int64_t base = Primitives();

  game::Actor& a = AddActor(2700, 2525);  // column 54: left edge at 601
  Draw();
  EXPECT_TRUE(Green(620, 240)) << RgbText(At(620, 240));
  EXPECT_EQ(Primitives(), base + 2);

  a.x = 2750;  // column 55
  Draw();
  EXPECT_EQ(Primitives(), base);

  Place(0, 2500.0f, 2549.0f);  // still cell 50, 50
  a.x = 2349;                  // column 46, 299..358, clipped at the view's edge 320
  Draw();
  EXPECT_TRUE(Green(320, 240)) << RgbText(At(320, 240));
  EXPECT_EQ(At(310, 240), 0u);
}

TEST_F(FrameActorsTest, AnEnemyNearTheMiddleShowsInBothViewsEachClipped) {
  world().second_player = 1;
  Place(0, 2525.0f, 2525.0f);  // right view: the enemy at 300..359
  Place(1, 2225.0f, 2525.0f);  // left view: the enemy at 280..339
  AddActor(2375, 2525);
  Draw();
  EXPECT_EQ(At(275, 240), 0u);
  EXPECT_TRUE(Green(285, 240)) << RgbText(At(285, 240));
  EXPECT_TRUE(Green(319, 240)) << RgbText(At(319, 240));
  EXPECT_TRUE(Green(320, 240)) << RgbText(At(320, 240));
  EXPECT_TRUE(Green(355, 240)) << RgbText(At(355, 240));
  EXPECT_EQ(At(365, 240), 0u);
}

TEST_F(FrameActorsTest, OnlyLivingEnemiesOfKinds3To17GetSprites) {
  Place(0, 2525.0f, 2525.0f);
  struct Case {
    int32_t kind;
    bool drawn;
  };
  game::Actor& a = AddActor(2625, 2525);
  for (const Case c : {Case{2, false}, Case{3, true}, Case{17, true}, Case{18, false},
                       Case{39, false}, Case{-5, false}, Case{0, false}}) {
    a.kind = c.kind;
    Draw();
    EXPECT_EQ(Green(420, 240), c.drawn) << c.kind << ": " << RgbText(At(420, 240));
  }
  // Entries past actor_count are not in use.
  a.kind = 5;
  world().actor_count = 0;
  Draw();
  EXPECT_FALSE(Green(420, 240));
}

TEST_F(FrameActorsTest, PlayerSpritesPulseWithCycle100) {
  Place(0, 2525.0f, 2525.0f);
  struct Case {
    uint8_t cycle;
    int alpha;
  };
  for (const Case c : {Case{0, 25}, Case{25, 125}, Case{50, 225}, Case{75, 125}, Case{100, 25}}) {
    world().cycle100 = c.cycle;
    Draw();
    EXPECT_TRUE(Near(320, 240, c.alpha, 0, 0)) << int{c.cycle} << ": " << RgbText(At(320, 240));
  }
}

// In two views the other player's sprite sits at the rounded difference of
// the two positions: 100.5 rounds to 100, where rounding each position
// (2525 and 2626) would put it a pixel further.
TEST_F(FrameActorsTest, TheOtherPlayerSitsAtTheRoundedDifference) {
  world().second_player = 1;
  Place(0, 2525.25f, 2525.25f);
  Place(1, 2625.75f, 2625.75f);
  Draw();
  // Player 2 seen in player 1's view (right half, centre 480): left 550, top 310.
  EXPECT_EQ(At(549, 330), 0u);
  EXPECT_TRUE(Near(550, 330, 0, 0, 225)) << RgbText(At(550, 330));
  EXPECT_EQ(At(560, 309), 0u);
  EXPECT_TRUE(Near(560, 310, 0, 0, 225));
  // Player 1 seen in player 2's view (left half, centre 160): -100.5 gives -100.
  EXPECT_TRUE(Near(30, 110, 225, 0, 0)) << RgbText(At(30, 110));
  EXPECT_EQ(At(29, 110), 0u);
  EXPECT_EQ(At(30, 109), 0u);
  // Each player's own sprite in the middle of their view.
  EXPECT_TRUE(Near(480, 240, 225, 0, 0));
  EXPECT_TRUE(Near(160, 240, 0, 0, 225));

  // Five columns apart the other player is not drawn.
  Place(1, 2775.0f, 2525.0f);
  Draw();
  EXPECT_EQ(At(620, 240), 0u);
}

TEST_F(FrameActorsTest, TheTargetGaugeIs56PixelsAtFullHealthRoundedHalfToEven) {
  images().anim_image = nullptr;  // keep the box clear
  Place(0, 2525.0f, 2525.0f);
  game::Actor& a = AddActor(2625, 2525);  // box at 390, 210; gauge at 390, 275
  world().players[0].target_actor = 0;
  struct Case {
    int32_t hp, max_hp, width;
  };
  const Case cases[] = {{100, 100, 56}, {50, 100, 28}, {1, 112, 0}, {3, 112, 2},
                        {5, 112, 2},    {7, 112, 4},   {0, 100, 0}, {10, 0, 0}};
  for (const Case& c : cases) {
    a.hp = c.hp;
    a.max_hp = c.max_hp;
    Draw();
    const std::string what = std::to_string(c.hp) + "/" + std::to_string(c.max_hp);
    EXPECT_EQ(At(390, 278), 0xFFFFFFu) << what;  // white frame
    EXPECT_EQ(At(449, 278), 0xFFFFFFu) << what;
    EXPECT_EQ(At(391, 278), 0u) << what;  // black inside
    if (c.width > 0) {
      EXPECT_EQ(At(392, 277), ColorRGB(255, 0, 0)) << what;
      EXPECT_EQ(At(391 + c.width, 280), ColorRGB(255, 0, 0)) << what;
    }
    EXPECT_EQ(At(392 + c.width, 278), 0u) << what;
  }
  // The translucent red square over the target.
  EXPECT_TRUE(Near(390, 210, 102, 0, 0)) << RgbText(At(390, 210));
  EXPECT_TRUE(Near(420, 240, 51, 0, 0)) << RgbText(At(420, 240));
}

TEST_F(FrameActorsTest, TwoViewsMarkEachPlayersTargetInTheirOwnView) {
  images().anim_image = nullptr;
  world().second_player = 1;
  Place(0, 2525.0f, 2525.0f);
  Place(1, 2325.0f, 2525.0f);
  AddActor(2425, 2525);  // box at 350 in the right view, 230 in the left
  world().players[1].target_actor = 0;
  Draw();
  EXPECT_EQ(At(230, 278), 0xFFFFFFu);
  EXPECT_EQ(At(289, 278), 0xFFFFFFu);
  EXPECT_EQ(At(350, 278), 0u);  // player 1 has no target
}

TEST_F(FrameActorsTest, DeathmatchMarksTheRivalAndPointsTowardsThem) {
  images().anim_image = nullptr;
  world().second_player = 1;
  world().game_mode = 1;
  Place(0, 2525.0f, 2525.0f);
  Place(1, 2625.0f, 2525.0f);
  world().players[1].health = 128;  // round(128 * 56 / 255) = 28
  world().players[0].target_player = 1;
  Draw();
  // Player 2 seen from player 1: box at 550, 210, gauge under it.
  EXPECT_EQ(At(550, 278), 0xFFFFFFu);
  EXPECT_EQ(At(552, 278), ColorRGB(255, 0, 0));
  EXPECT_EQ(At(579, 278), ColorRGB(255, 0, 0));
  EXPECT_EQ(At(580, 278), 0u);
  EXPECT_EQ(At(30, 278), 0u);  // player 2 has no rival in reach
  // Two cells apart: no pointer lines.
  EXPECT_EQ(At(525, 240), 0u);

  // Ten cells apart: each view gets a line 35 to 55 pixels from its centre
  // towards the other player, in the other player's colour.
  world().players[0].target_player = -1;
  Place(1, 3025.0f, 2525.0f);
  Draw();
  EXPECT_EQ(At(525, 240), ColorRGB(0, 0, 255));
  EXPECT_EQ(At(480 + 40, 240), ColorRGB(0, 0, 255));
  EXPECT_EQ(At(480 + 60, 240), 0u);
  EXPECT_EQ(At(480 + 30, 240), 0u);
  EXPECT_EQ(At(115, 240), ColorRGB(255, 0, 0));
  EXPECT_EQ(At(160 - 60, 240), 0u);

  // Not in Cooperation.
  world().game_mode = 0;
  Draw();
  EXPECT_EQ(At(525, 240), 0u);
}

TEST_F(FrameActorsTest, PointerLinesStartThreeCellsAwayOnEitherAxis) {
  world().second_player = 1;
  world().game_mode = 1;
  images().anim_image = nullptr;
  Place(0, 2525.0f, 2525.0f);
  // Straight down: the line runs from y 275 to 295 under the view centre.
  Place(1, 2525.0f, 2675.0f);  // three rows
  Draw();
  EXPECT_EQ(At(480, 285), ColorRGB(0, 0, 255));
  Place(1, 2525.0f, 2625.0f);  // two rows
  Draw();
  EXPECT_EQ(At(480, 285), 0u);
}

}  // namespace
}  // namespace bv::test
