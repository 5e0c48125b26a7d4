#include "settings/options_dialog.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "game/key_source.h"
#include "game/world.h"
#include "settings/config_record.h"
#include "settings/live_options.h"
#include "settings/options_form.h"
#include "support/temp_dir.h"

namespace bv::settings {
namespace {

// The real window on SDL's dummy video driver (set for every test): no
// pixels reach a screen, but windows, the renderer and the toolkit all run.
class OptionsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    main_window = SDL_CreateWindow("Brimvale", 0, 0, 640, 480, 0);
    ASSERT_NE(main_window, nullptr) << SDL_GetError();
    form = std::make_unique<OptionsForm>(*world, live, game::PlacesOfProgram(dir.path()));
    form->set_key_source(&keys);
    dialog = std::make_unique<OptionsDialog>(*form);
    std::string error;
    ASSERT_TRUE(dialog->Create(main_window, &error)) << error;
    form->Create();
  }
  void TearDown() override {
    dialog.reset();
    form.reset();
    if (main_window != nullptr) SDL_DestroyWindow(main_window);
    SDL_Quit();
  }

  SDL_Event WindowEvent(SDL_Window* w, Uint8 what) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = SDL_GetWindowID(w);
    e.window.event = what;
    return e;
  }
  SDL_Event KeyDown(SDL_Window* w, SDL_Scancode key = SDL_SCANCODE_W, bool repeat = false) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.windowID = SDL_GetWindowID(w);
    e.key.keysym.scancode = key;
    e.key.repeat = repeat ? 1 : 0;
    return e;
  }
  SDL_Event PadButton(Uint8 button) {
    SDL_Event e{};
    e.type = SDL_CONTROLLERBUTTONDOWN;
    e.cbutton.button = button;
    return e;
  }
  bool Shown() const { return (SDL_GetWindowFlags(dialog->window()) & SDL_WINDOW_SHOWN) != 0; }

  // A few frames drawn, then the next one read back as 0xRRGGBB pixels.
  std::vector<uint32_t> Frame(int* width) {
    for (int i = 0; i < 4; ++i) {
      SDL_Delay(20);
      dialog->Pump();
    }
    const std::string path = dir.File("frame.png");
    bool called = false;
    dialog->RequestScreenshot(path, [&](bool, const std::string&) { called = true; });
    for (int i = 0; i < 100 && !called; ++i) {
      SDL_Delay(20);
      dialog->Pump();
    }
    std::vector<uint32_t> pixels;
    SDL_Surface* raw = IMG_Load(path.c_str());
    if (raw == nullptr) return pixels;
    SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(raw);
    *width = s->w;
    for (int y = 0; y < s->h; ++y) {
      const auto* row =
          reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch);
      for (int x = 0; x < s->w; ++x) pixels.push_back(row[x] & 0xFFFFFFu);
    }
    SDL_FreeSurface(s);
    return pixels;
  }

  test::TempDir dir;
  std::unique_ptr<game::World> world = std::make_unique<game::World>();
  LiveOptions live;
  game::KeyTable keys;
  SDL_Window* main_window = nullptr;
  std::unique_ptr<OptionsForm> form;
  std::unique_ptr<OptionsDialog> dialog;
};

TEST_F(OptionsDialogTest, AHiddenFixedWindowThatFollowsTheForm) {
  SDL_Window* w = dialog->window();
  EXPECT_STREQ(SDL_GetWindowTitle(w), "Brimvale - opcje gry");
  int width = 0, height = 0;
  SDL_GetWindowSize(w, &width, &height);
  EXPECT_EQ(width, 585);
  EXPECT_EQ(height, 428);
  EXPECT_EQ(SDL_GetWindowFlags(w) & SDL_WINDOW_RESIZABLE, 0u);
  EXPECT_NE(SDL_GetWindowFlags(w) & SDL_WINDOW_ALWAYS_ON_TOP, 0u);
  dialog->Pump();
  EXPECT_FALSE(Shown());

  form->Show();  // the main window's answer to the menu level's options cell
  dialog->Pump();
  EXPECT_TRUE(Shown());
  dialog->Pump();  // drawing frames while shown
  dialog->Pump();
}

TEST_F(OptionsDialogTest, AtAScaleTheWholeWindowGrowsAndTheScaleIsFixedOnceCreated) {
  OptionsDialog big(*form);
  big.set_scale(2);
  std::string error;
  ASSERT_TRUE(big.Create(main_window, &error)) << error;
  big.set_scale(3);  // too late: the font is made
  int width = 0, height = 0;
  SDL_GetWindowSize(big.window(), &width, &height);
  EXPECT_EQ(width, 2 * 585);
  EXPECT_EQ(height, 2 * 428);
  big.AddPage({"Ekran", [](PageCanvas&) {}});
  SDL_GetWindowSize(big.window(), &width, &height);
  EXPECT_EQ(width, 2 * big.width());
}

TEST_F(OptionsDialogTest, TheCloseButtonMirrorsAndHides) {
  form->Show();
  dialog->Pump();
  form->set_hud_trans_bar(230);
  EXPECT_EQ(world->hud_alpha, 102);
  EXPECT_TRUE(dialog->HandleEvent(WindowEvent(dialog->window(), SDL_WINDOWEVENT_CLOSE)));
  EXPECT_FALSE(form->visible());
  EXPECT_FALSE(Shown());
  EXPECT_EQ(world->hud_alpha, 230);
  // It opens again, and closes again, as often as asked.
  form->Show();
  dialog->Pump();
  EXPECT_TRUE(Shown());
  dialog->HandleEvent(WindowEvent(dialog->window(), SDL_WINDOWEVENT_CLOSE));
  EXPECT_FALSE(Shown());
}

// Every way of closing the window ends in the same handler: the settings
// mirror, then hidden. A key edit or a popup is left first by Escape.
TEST_F(OptionsDialogTest, EscapeAndAPadsStartOrBackCloseLikeTheCloseButton) {
  struct Case {
    const char* what;
    SDL_Event event;
    bool the_windows_own;  // taken even while hidden, as all its events
  };
  const Case cases[] = {
      {"Escape in the window", KeyDown(dialog->window(), SDL_SCANCODE_ESCAPE), true},
      {"Escape in the disabled main window", KeyDown(main_window, SDL_SCANCODE_ESCAPE), false},
      {"a pad's Start", PadButton(SDL_CONTROLLER_BUTTON_START), false},
      {"a pad's Back", PadButton(SDL_CONTROLLER_BUTTON_BACK), false},
  };
  int hud = 30;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form->Show();
    dialog->Pump();
    form->set_hud_trans_bar(++hud);
    EXPECT_TRUE(dialog->HandleEvent(c.event));
    EXPECT_FALSE(form->visible());
    EXPECT_FALSE(Shown());
    EXPECT_EQ(world->hud_alpha, hud);
    // Hidden, the window lets the others pass to the game.
    EXPECT_EQ(dialog->HandleEvent(c.event), c.the_windows_own);
    EXPECT_FALSE(form->visible());
  }
}

TEST_F(OptionsDialogTest, EscapeLeavesAFocusedKeyEditFirstAndRepeatsDoNothing) {
  form->Show();
  dialog->Pump();
  keys.Set(1, true);  // Escape is held as the reader sees it
  form->set_focused_key(3);
  EXPECT_TRUE(dialog->HandleEvent(KeyDown(dialog->window(), SDL_SCANCODE_ESCAPE)));
  EXPECT_EQ(form->focused_key(), kNoKeyEdit);
  EXPECT_EQ(form->key(3), 205) << "Escape is not captured";
  EXPECT_TRUE(form->visible());
  EXPECT_TRUE(dialog->HandleEvent(KeyDown(dialog->window(), SDL_SCANCODE_ESCAPE, true)));
  EXPECT_TRUE(form->visible()) << "a held Escape's repeats do not close";
  EXPECT_TRUE(dialog->HandleEvent(KeyDown(dialog->window(), SDL_SCANCODE_ESCAPE)));
  EXPECT_FALSE(form->visible());
}

// What the window draws for the close button, the key names and a clash.
TEST_F(OptionsDialogTest, TheCloseButtonAndTheClashMarksAreDrawn) {
  form->Show();
  int width = 0;
  std::vector<uint32_t> pixels = Frame(&width);
  ASSERT_EQ(width, 585);
  auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y * width + x)]; };
  auto count = [&](const layout::Box& b, auto pred) {
    int n = 0;
    for (int y = b.y; y < b.bottom(); ++y)
      for (int x = b.x; x < b.right(); ++x) n += pred(at(x, y)) ? 1 : 0;
    return n;
  };
  auto red = [](uint32_t p) { return (p >> 16) > 0xA0 && ((p >> 8) & 0xFF) < 0x80; };
  auto dark = [](uint32_t p) { return (p & 0xFF) < 0x60; };
  const layout::Box& button = layout::kCloseButton;
  EXPECT_EQ(at(button.x + 4, button.y + 4), 0xE1E1E1u) << "the button's face";
  EXPECT_GT(count(button, dark), 20) << "its caption";
  EXPECT_GT(count(layout::KeyName(0), dark), 10) << "the name beside the first key";
  EXPECT_EQ(count(layout::KeyClashMark(0), red), 0);
  EXPECT_EQ(count(layout::kClashMark, red), 0);
  EXPECT_EQ(count(layout::kClashLine, dark), 0);

  // Player 1's up on W, which player 2's up already holds.
  keys.Set(17, true);
  form->set_focused_key(0);
  form->KeyDownInKeyEdit();
  form->set_focused_key(kNoKeyEdit);
  ASSERT_EQ(form->key(0), 17);
  pixels = Frame(&width);
  EXPECT_GT(count(layout::KeyClashMark(0), red), 40);
  EXPECT_EQ(count(layout::KeyClashMark(1), red), 0);
  EXPECT_GT(count(layout::KeyEdit(0), red), 5) << "the code itself in red";
  EXPECT_GT(count(layout::kClashMark, red), 40);
  EXPECT_GT(count(layout::kClashLine, dark), 40) << "the line naming the clash";
}

TEST_F(OptionsDialogTest, TheMainWindowIsDisabledWhileShown) {
  EXPECT_FALSE(dialog->HandleEvent(KeyDown(main_window)));
  EXPECT_FALSE(dialog->HandleEvent(WindowEvent(main_window, SDL_WINDOWEVENT_CLOSE)));
  form->Show();
  dialog->Pump();
  EXPECT_TRUE(dialog->HandleEvent(KeyDown(main_window)));
  EXPECT_TRUE(dialog->HandleEvent(WindowEvent(main_window, SDL_WINDOWEVENT_CLOSE)));
  EXPECT_FALSE(dialog->HandleEvent(WindowEvent(main_window, SDL_WINDOWEVENT_EXPOSED)));
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  EXPECT_FALSE(dialog->HandleEvent(quit));
  dialog->HandleEvent(WindowEvent(dialog->window(), SDL_WINDOWEVENT_CLOSE));
  EXPECT_FALSE(dialog->HandleEvent(KeyDown(main_window)));
}

TEST_F(OptionsDialogTest, AKeyDownInTheWindowReachesTheFocusedKeyEdit) {
  form->Show();
  dialog->Pump();
  keys.Set(200, true);
  keys.Set(17, true);
  EXPECT_TRUE(dialog->HandleEvent(KeyDown(dialog->window())));  // no edit focused yet
  EXPECT_EQ(form->key(1), 208);
  form->set_focused_key(1);
  EXPECT_TRUE(dialog->HandleEvent(KeyDown(dialog->window())));
  EXPECT_EQ(form->key(1), 200);
}

TEST_F(OptionsDialogTest, AScreenshotIsAPngOfTheWindow) {
  form->Show();
  const std::string path = dir.path() + "/shot.png";
  bool called = false, ok = false;
  dialog->RequestScreenshot(path, [&](bool success, const std::string&) {
    called = true;
    ok = success;
  });
  for (int i = 0; i < 100 && !called; ++i) {
    dialog->Pump();
    SDL_Delay(5);
  }
  ASSERT_TRUE(called);
  ASSERT_TRUE(ok);
  std::ifstream in(path, std::ios::binary);
  const std::string png{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  auto be32 = [&](size_t at) {
    return (static_cast<uint8_t>(png[at]) << 24) | (static_cast<uint8_t>(png[at + 1]) << 16) |
           (static_cast<uint8_t>(png[at + 2]) << 8) | static_cast<uint8_t>(png[at + 3]);
  };
  EXPECT_EQ(be32(16), 585);
  EXPECT_EQ(be32(20), 428);
}

// Extra pages grow a column right of the classic controls; the classic area
// keeps every pixel, and a page draws in its own area's coordinates.
TEST_F(OptionsDialogTest, ExtraPagesGrowAColumnAndLeaveTheClassicWindowAsItWas) {
  EXPECT_EQ(dialog->width(), 585);
  form->Show();
  int classic_width = 0;
  const std::vector<uint32_t> classic = Frame(&classic_width);
  ASSERT_EQ(classic_width, 585);

  int first_drawn = 0, second_drawn = 0;
  dialog->AddPage({"Pierwsza", [&](PageCanvas& c) {
                     ++first_drawn;
                     c.Bevel(layout::Box{0, 0, 50, 2});
                     c.Text(layout::Box{0, 10, 100, 13}, "Tekst");
                   }});
  dialog->AddPage({"Druga", [&](PageCanvas&) { ++second_drawn; }});
  EXPECT_EQ(dialog->width(), 778);
  int w = 0, h = 0;
  SDL_GetWindowSize(dialog->window(), &w, &h);
  EXPECT_EQ(w, 778);
  EXPECT_EQ(h, 428);

  int width = 0;
  const std::vector<uint32_t> grown = Frame(&width);
  ASSERT_EQ(width, 778);
  ASSERT_EQ(grown.size(), 778u * 428u);
  int differ = 0;
  for (int y = 0; y < 428; ++y) {
    for (int x = 0; x < 585; ++x) differ += grown[y * 778 + x] != classic[y * 585 + x];
  }
  EXPECT_EQ(differ, 0);
  // Only the shown tab's page draws; its bevel sits at the page area's corner.
  EXPECT_GT(first_drawn, 0);
  EXPECT_EQ(second_drawn, 0);
  const layout::Box& area = layout::kExtraPageClient;
  auto at = [&](int x, int y) { return grown[static_cast<size_t>(y * 778 + x)]; };
  EXPECT_LT(at(area.x + 10, area.y) & 0xFF, 0xE0u);  // the bevel, grey on the page's white
  EXPECT_EQ(at(area.x + 60, area.y), 0xFFFFFFu);     // it is 50 wide
  EXPECT_EQ(at(area.x + 10, area.y + 3), 0xFFFFFFu);
}

// A guest's window: every classic control greyed out and deaf, the close
// button and the page marked usable as they were.
TEST_F(OptionsDialogTest, ReadOnlyGreysTheClassicControlsButNotTheCloseButtonOrTheUsablePage) {
  int other_drawn = 0, usable_drawn = 0;
  dialog->AddPage({"Inna", [&](PageCanvas&) { ++other_drawn; }});
  dialog->AddPage({"Sie\xE6", [&](PageCanvas&) { ++usable_drawn; }, true});
  form->Show();
  int width = 0;
  const std::vector<uint32_t> normal = Frame(&width);
  ASSERT_EQ(width, dialog->width());
  EXPECT_GT(other_drawn, 0);
  EXPECT_EQ(usable_drawn, 0);
  const ConfigBytes before = EncodeConfig(form->ControlsRecord());

  dialog->SetReadOnly(true);
  EXPECT_TRUE(dialog->read_only());
  EXPECT_TRUE(form->read_only());
  const std::vector<uint32_t> locked = Frame(&width);
  ASSERT_EQ(locked.size(), normal.size());
  EXPECT_GT(usable_drawn, 0) << "the usable page's tab comes forward";
  auto differ = [&](const layout::Box& b) {
    int n = 0;
    for (int y = b.y; y < b.bottom(); ++y)
      for (int x = b.x; x < b.right(); ++x) {
        const size_t at = static_cast<size_t>(y * width + x);
        n += normal[at] != locked[at];
      }
    return n;
  };
  EXPECT_GT(differ(layout::kGraphics), 200) << "greyed out";
  EXPECT_GT(differ(layout::kMultiplayer), 200);
  EXPECT_EQ(differ(layout::kCloseButton), 0);
  EXPECT_EQ(differ(layout::kStatusBar), 0);

  // Key capture and the controls change nothing, a close still closes.
  keys.Set(17, true);
  form->set_focused_key(0);
  EXPECT_TRUE(dialog->HandleEvent(KeyDown(dialog->window())));
  form->set_hud_trans_bar(25);
  EXPECT_EQ(EncodeConfig(form->ControlsRecord()), before);
  EXPECT_TRUE(dialog->HandleEvent(WindowEvent(dialog->window(), SDL_WINDOWEVENT_CLOSE)));
  EXPECT_FALSE(Shown());

  dialog->SetReadOnly(false);
  EXPECT_FALSE(dialog->read_only());
  form->set_hud_trans_bar(25);
  EXPECT_EQ(form->hud_trans_bar(), 25);
}

}  // namespace
}  // namespace bv::settings
