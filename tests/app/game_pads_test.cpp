// Pads drive the real tick through the key table: SDL's virtual joysticks
// plugged in during play, pressed, released and pulled out.

#include "app/game_pads.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "sim/sim_harness.h"
#include "support/temp_dir.h"
#include "support/virtual_pads.h"

namespace bv::app {
namespace {

using sim::Action;

class GamePadsTest : public sim::SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    // Nothing has the keyboard focus here: SDL would drop the presses.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    pads.Start(keys, *world, game::PlacesOfProgram(dir.path()));
    ASSERT_NE(pads.keys(), nullptr);
  }
  void TearDown() override {
    pads.Stop();
    while (virtual_pads.size() > 0) virtual_pads.Pull(0);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, nullptr);
  }

  void Plug(const char* name) { virtual_pads.Plug(name); }
  void Pull(size_t i) { virtual_pads.Pull(i); }
  void Press(size_t pad, SDL_GameControllerButton b, bool down = true) {
    virtual_pads.Press(pad, b, down);
  }
  // One pass of the game loop: events to the pads, then a tick.
  void Step(int n = 1) {
    for (int i = 0; i < n; ++i) {
      SDL_Event e;
      while (SDL_PollEvent(&e)) pads.HandleEvent(e);
      ++tick;
      sim::RunTick(*world, sim::TickServices{*pads.keys(), sounds, options, host, levels});
    }
  }

  test::TempDir dir;
  bool focused = true;
  GamePads pads{[this] { return focused; }};
  test::VirtualPads virtual_pads;
};

TEST_F(GamePadsTest, APadPluggedInDuringPlayWalksAttacksAndChangesWeapon) {
  StartLevel(sim::OpenLevel());
  PlaceAtCell(0, 20, 20);
  Step();
  Plug("Pad A");
  Step();
  EXPECT_EQ(P(0).x, sim::Centre(20));

  Press(0, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  Step();
  EXPECT_EQ(P(0).x, sim::Centre(20) + 3);
  // The south button attacks: the step shrinks to 2, as with the attack key.
  Press(0, SDL_CONTROLLER_BUTTON_A);
  Step();
  EXPECT_EQ(P(0).x, sim::Centre(20) + 5);
  Press(0, SDL_CONTROLLER_BUTTON_A, false);
  Press(0, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
  Step();
  EXPECT_EQ(P(0).x, sim::Centre(20) + 5);

  const int changes = sounds.Count(game::SoundSlot::kChangeGun);
  Press(0, SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
  Step();
  EXPECT_EQ(sounds.Count(game::SoundSlot::kChangeGun), changes + 1);
  Press(0, SDL_CONTROLLER_BUTTON_LEFTSHOULDER, false);

  // The keyboard works beside the pad.
  Hold(0, Action::kDown);
  Press(0, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
  Step();
  // Down and left: a diagonal step.
  const double d = 3 / 1.1414213562;
  EXPECT_NEAR(P(0).x, sim::Centre(20) + 5 - d, 1e-3);
  EXPECT_NEAR(P(0).y, sim::Centre(20) + d, 1e-3);
}

TEST_F(GamePadsTest, APadPulledOutWhileHeldReleasesItsControls) {
  StartLevel(sim::OpenLevel());
  PlaceAtCell(0, 20, 20);
  Plug("Pad A");
  Step();
  Press(0, SDL_CONTROLLER_BUTTON_DPAD_UP);
  Step();
  EXPECT_EQ(P(0).y, sim::Centre(20) - 3);
  Pull(0);
  Step(3);
  EXPECT_EQ(P(0).y, sim::Centre(20) - 3);
  EXPECT_TRUE(pads.slots().pads().empty());
}

TEST_F(GamePadsTest, TwoPadsDriveTwoPlayersAndEitherDrivesPlayerOneAlone) {
  Plug("Pad A");
  Plug("Pad B");
  StartLevel(sim::OpenLevel(), 1, 1);
  ASSERT_EQ(world->second_player, 1);
  PlaceAtCell(0, 20, 20);
  PlaceAtCell(1, 30, 20);
  Press(1, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  Step();
  EXPECT_EQ(P(0).y, sim::Centre(20));
  EXPECT_EQ(P(1).y, sim::Centre(20) + 3);
  Press(0, SDL_CONTROLLER_BUTTON_DPAD_UP);
  Step();
  EXPECT_EQ(P(0).y, sim::Centre(20) - 3);
  EXPECT_EQ(P(1).y, sim::Centre(20) + 6);
  Press(0, SDL_CONTROLLER_BUTTON_DPAD_UP, false);

  // One player: the second pad drives player 1.
  StartLevel(sim::OpenLevel(), 1, 0);
  PlaceAtCell(0, 20, 20);
  Step();
  EXPECT_EQ(P(0).y, sim::Centre(20) + 3);
}

TEST_F(GamePadsTest, StartIsEscapeAndNothingIsReadWithoutTheFocus) {
  StartLevel(sim::OpenLevel());
  PlaceAtCell(0, 20, 20);
  Plug("Pad A");
  Press(0, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  focused = false;
  Step();
  EXPECT_EQ(P(0).x, sim::Centre(20));
  focused = true;
  Step();
  EXPECT_EQ(P(0).x, sim::Centre(20) + 3);

  Press(0, SDL_CONTROLLER_BUTTON_START);
  Step();
  EXPECT_EQ(world->level_number, 0) << "Escape during play goes back to the menu";
  EXPECT_EQ(world->transition, 4);
}

}  // namespace
}  // namespace bv::app
