// The pads through SDL's game controller API, with SDL's virtual joysticks
// standing in for real pads: no device is needed.

#include "media/sdl_pads.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"
#include "support/virtual_pads.h"

namespace bv::media {
namespace {

class SdlPadsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Without a focused window SDL drops presses; here nothing has the focus.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
  }
  void TearDown() override {
    pads.Stop();
    while (virtual_pads.size() > 0) virtual_pads.Pull(0);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, nullptr);
  }

  // What the game loop does each pass: SDL's queue drained into the pads.
  void Pump() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) pads.HandleEvent(e);
  }
  std::vector<PadReading> Read() {
    Pump();
    std::vector<PadReading> out;
    pads.Read(out);
    return out;
  }
  void Start() {
    std::string error;
    ASSERT_TRUE(pads.Start("", &error)) << error;
  }

  bool focused = true;
  SdlPads pads{[this] { return focused; }};
  test::VirtualPads virtual_pads;
};

TEST_F(SdlPadsTest, APadPluggedInBeforeTheStartIsReadPressedAndReleased) {
  virtual_pads.Plug("Pad A");
  Start();
  std::vector<PadReading> r = Read();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].place, 0);
  EXPECT_EQ(ActionsOf(r[0].state), PadActions{});
  ASSERT_EQ(pads.slots().pads().size(), 1u);
  EXPECT_EQ(pads.slots().pads()[0].name, "Pad A");

  virtual_pads.Press(0, SDL_CONTROLLER_BUTTON_A, true);
  virtual_pads.Axis(0, SDL_CONTROLLER_AXIS_LEFTX, -32768);
  r = Read();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_TRUE(r[0].state.Button(PadButton::kSouth));
  EXPECT_EQ(r[0].state.Axis(PadAxis::kLeftX), -32768);
  EXPECT_TRUE(ActionsOf(r[0].state)[kPadAttack]);
  EXPECT_TRUE(ActionsOf(r[0].state)[kPadLeft]);

  virtual_pads.Press(0, SDL_CONTROLLER_BUTTON_A, false);
  virtual_pads.Axis(0, SDL_CONTROLLER_AXIS_LEFTX, 0);
  r = Read();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(ActionsOf(r[0].state), PadActions{});
}

TEST_F(SdlPadsTest, TwoPadsTakeTwoPlacesAndAPulledPadFreesItsPlace) {
  Start();
  EXPECT_TRUE(Read().empty());
  virtual_pads.Plug("Pad A");
  virtual_pads.Plug("Pad B");
  virtual_pads.Press(1, SDL_CONTROLLER_BUTTON_DPAD_UP, true);
  std::vector<PadReading> r = Read();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(pads.slots().InPlace(0)->name, "Pad A");
  EXPECT_EQ(pads.slots().InPlace(1)->name, "Pad B");
  for (const PadReading& p : r) EXPECT_EQ(p.state.Button(PadButton::kDpadUp), p.place == 1);

  // Pad A pulled out while nothing is held on it; pad B, held, stays player 2.
  virtual_pads.Pull(0);
  r = Read();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].place, 1);
  EXPECT_TRUE(r[0].state.Button(PadButton::kDpadUp));
  EXPECT_EQ(pads.slots().InPlace(0), nullptr);

  // Pulled out while held: its controls are released at once.
  virtual_pads.Pull(0);
  EXPECT_TRUE(Read().empty());
  EXPECT_TRUE(pads.slots().pads().empty());

  // A pad plugged in during play takes the first free place.
  virtual_pads.Plug("Pad C");
  r = Read();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].place, 0);
}

TEST_F(SdlPadsTest, WithoutTheFocusNoPadIsRead) {
  virtual_pads.Plug("Pad A");
  Start();
  virtual_pads.Press(0, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  ASSERT_EQ(Read().size(), 1u);
  focused = false;
  EXPECT_TRUE(Read().empty());
  focused = true;
  ASSERT_EQ(Read().size(), 1u);
}

TEST_F(SdlPadsTest, AJoystickWithoutAMappingIsNoPad) {
  virtual_pads.Plug("Odd Stick", SDL_JOYSTICK_TYPE_FLIGHT_STICK);
  virtual_pads.Plug("Pad A");
  Start();
  Read();
  ASSERT_EQ(pads.slots().pads().size(), 1u);
  EXPECT_EQ(pads.slots().pads()[0].name, "Pad A");
  EXPECT_EQ(pads.slots().pads()[0].place, 0);
}

// Mappings beyond SDL's own come from a file in SDL's format, when there is
// one; a bad file is reported and the pads work on without it.
TEST_F(SdlPadsTest, AMappingFileAddsMappingsAndABadOneIsReported) {
  test::TempDir dir;
  const char* guid = "03000000f1e200000d00000011010000";
  const std::string good = dir.File("good.txt");
  std::ofstream(good) << "# one pad\n"
                      << guid << ",Brimvale Test Pad,a:b0,b:b1,dpup:h0.1,leftx:a0,lefty:a1,"
                      << "platform:Linux,\n";
  const std::string bad = dir.File("bad.txt");
  std::ofstream(bad) << "this is not a mapping\n";
  struct {
    std::string file;
    bool ok;
  } cases[] = {{"", true}, {dir.File("missing.txt"), true}, {bad, false}, {good, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    std::string error;
    EXPECT_EQ(pads.Start(c.file, &error), c.ok);
    EXPECT_TRUE(pads.started());
    if (!c.ok) {
      EXPECT_NE(error.find("bad.txt"), std::string::npos) << error;
    }
    if (c.file == good) {
      char* mapping = SDL_GameControllerMappingForGUID(SDL_JoystickGetGUIDFromString(guid));
      ASSERT_NE(mapping, nullptr);
      EXPECT_NE(std::string(mapping).find("Brimvale Test Pad"), std::string::npos);
      SDL_free(mapping);
    }
    pads.Stop();
  }
}

}  // namespace
}  // namespace bv::media
