#include "sim/sight.h"

#include "sim_harness.h"

namespace bv::sim {
namespace {

class SightTest : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    StartLevel(test::LevelBuilder{});
  }
  bool Sees(int exempt, float reach, float fx, float fy, float tx, float ty) {
    return LineOfSight(*world, exempt, reach, fx, fy, tx, ty);
  }
  uint8_t Step(int ac, int ar, int pc, int pr) { return PathStep(*world, ac, ar, pc, pr); }
};

TEST_F(SightTest, ReachLimitsTheLine) {
  EXPECT_TRUE(Sees(-1, 100, Centre(20), Centre(20), Centre(22), Centre(20)));
  EXPECT_FALSE(Sees(-1, 99.9f, Centre(20), Centre(20), Centre(22), Centre(20)));
  // Reach 0 sees only a point on itself.
  EXPECT_FALSE(Sees(-1, 0, Centre(20), Centre(20), Centre(20) + 1, Centre(20)));
  EXPECT_TRUE(Sees(-1, 0, Centre(20), Centre(20), Centre(20), Centre(20)));
}

TEST_F(SightTest, SamplesEveryFortyPixelsFromTheFromPoint) {
  Cell(21, 20).object = 1;
  // 39 pixels: only the from point's cell is sampled; the to point's wall does not block.
  EXPECT_TRUE(Sees(-1, 200, 1049, Centre(20), 1049 + 39, Centre(20)));
  // Exactly 80 pixels: samples at 0, 40, 80; the one at 80 lies in the wall.
  EXPECT_FALSE(Sees(-1, 200, 1000, Centre(20), 1080, Centre(20)));
  // 79 pixels: the samples at 0 and 40 are both before the wall.
  EXPECT_TRUE(Sees(-1, 200, 1000, Centre(20), 1079, Centre(20)));
  // A wall between is met by a sample.
  EXPECT_FALSE(Sees(-1, 200, Centre(20), Centre(20), Centre(22), Centre(20)));
  // Distance 0: one sample, the from point's own cell.
  EXPECT_FALSE(Sees(-1, 10, Centre(21), Centre(20), Centre(21), Centre(20)));
}

TEST_F(SightTest, ExemptActorSeesThroughItsOwnSolidCell) {
  Cell(21, 20).object = 1;
  Cell(21, 20).actor_index = 7;
  const float fx = Centre(20) - 40;  // samples land on 1025-40, 1025, 1065, 1105
  EXPECT_TRUE(Sees(7, 200, fx, Centre(20), fx + 120, Centre(20)));
  EXPECT_FALSE(Sees(6, 200, fx, Centre(20), fx + 120, Centre(20)));
  EXPECT_FALSE(Sees(-1, 200, fx, Centre(20), fx + 120, Centre(20)));
  // actor_index -1 on every other cell never matches an exemption of -1.
  Cell(22, 20).object = 1;
  EXPECT_FALSE(Sees(7, 200, fx, Centre(20), fx + 160, Centre(20)));
}

TEST_F(SightTest, PathStepOnOpenFloor) {
  struct Case {
    int pc, pr;
    uint8_t step;
  };
  const Case cases[] = {
      {30, 30, kStepNone},   // same cell
      {29, 30, kStepNone},   // side by side: c is 2, no smaller neighbour
      {28, 30, kStepLeft},   // two to the left
      {32, 30, kStepRight},  // two to the right
      {30, 27, kStepUp},    {30, 33, kStepDown},
      {29, 29, kStepLeft},  // diagonal: the column test comes first
      {31, 31, kStepRight},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Step(30, 30, c.pc, c.pr), c.step) << c.pc << "," << c.pr;
  }
}

TEST_F(SightTest, PathStepFindsTheWayAroundAWall) {
  // A wall left of the actor from row 29 down to the window's edge: the only
  // way to the player at (27, 30) goes over the top.
  for (int y = 29; y <= 40; ++y) Cell(29, y).object = 1;
  EXPECT_EQ(Step(30, 30, 27, 30), kStepUp);
  // Walled in completely within the window: no step after 12 passes.
  for (int x = 26; x <= 28; ++x) {
    Cell(x, 29).object = 1;
    Cell(x, 31).object = 1;
  }
  Cell(26, 30).object = 1;
  Cell(28, 30).object = 1;
  EXPECT_EQ(Step(30, 30, 27, 30), kStepNone);
}

TEST_F(SightTest, PathStepInPlaceFloodFindsRoutesLongerThanTwelveCells) {
  // The way round the wall's lower end is 13 cells long. A flood that moved
  // one cell per pass would not reach the actor within 12 passes; the in-place
  // flood carries values along the scan and does.
  // Kept: the flood runs in place.
  for (int y = 25; y <= 32; ++y) Cell(31, y).object = 1;
  EXPECT_EQ(Step(30, 30, 35, 28), kStepDown);
}

TEST_F(SightTest, PathStepWindowOutsideTheGridIsSolid) {
  // An actor in the margin corner: the window reaches beyond the grid.
  for (auto& column : world->grid) {
    for (auto& c : column) c.object = 0;
  }
  EXPECT_EQ(Step(1, 1, 3, 1), kStepRight);
  EXPECT_EQ(Step(112, 108, 112, 106), kStepUp);
  EXPECT_EQ(Step(0, 0, 0, 2), kStepDown);
}

}  // namespace
}  // namespace bv::sim
