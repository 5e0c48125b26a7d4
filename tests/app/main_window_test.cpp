// The main window's creation, close and destruction over a crafted program
// folder, on SDL's dummy video and audio drivers (software drawing).

#include "app/main_window.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/options_window.h"
#include "app/startup_texts.h"
#include "game/sound_slots.h"
#include "media/cp1250.h"
#include "render/program_images.h"
#include "program_samples.h"
#include "settings/live_options.h"
#include "support/temp_dir.h"

namespace bv::app {
namespace {

namespace fs = std::filesystem;

// Records the boxes instead of showing them.
class RecordedBoxes final : public MessageBoxes {
 public:
  void Warning(const std::string& cp1250_text) override { warnings.push_back(cp1250_text); }
  void Error(const std::string& utf8_text) override { errors.push_back(utf8_text); }
  std::vector<std::string> warnings;
  std::vector<std::string> errors;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    test::WriteProgramImages(dir_);
    ASSERT_TRUE(test::WriteProgramFont(dir_));
    test::WriteProgramSamples(dir_);
    main_ = std::make_unique<MainWindow>(app_, boxes_, live_, dir_.path());
  }
  void TearDown() override {
    options_.reset();
    main_.reset();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  // A new main window over the same folder.
  void Renew() {
    options_.reset();
    main_.reset();
    app_ = Application();
    main_ = std::make_unique<MainWindow>(app_, boxes_, live_, dir_.path());
  }
  void Create() {
    std::string error;
    ASSERT_TRUE(main_->Create(&error)) << error;
  }
  // The options window after the main one, as the program makes them.
  void CreateOptions() {
    options_ = std::make_unique<OptionsWindow>(*main_);
    std::string error;
    ASSERT_TRUE(options_->Create(&error)) << error;
    main_->set_options_form(&options_->form());
  }
  std::string ConfigPath() const { return dir_.path() + "/config.dat"; }
  game::World& world() { return main_->world(); }

  test::TempDir dir_;
  Application app_;
  RecordedBoxes boxes_;
  settings::LiveOptions live_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<OptionsWindow> options_;
};

TEST_F(MainWindowTest, TheWindowIsANormalResizableOneCaptionedWithTheTitle) {
  Create();
  SDL_Window* w = main_->window();
  ASSERT_NE(w, nullptr);
  int width = 0, height = 0;
  SDL_GetWindowSize(w, &width, &height);
  // The dummy display is 1024 by 768: room for scale 1 only.
  EXPECT_EQ(width, 640);
  EXPECT_EQ(height, 480);
  EXPECT_STREQ(SDL_GetWindowTitle(w), "Brimvale");
  const Uint32 flags = SDL_GetWindowFlags(w);
  EXPECT_FALSE(flags & SDL_WINDOW_BORDERLESS);
  EXPECT_FALSE(flags & SDL_WINDOW_ALWAYS_ON_TOP);
  EXPECT_TRUE(flags & SDL_WINDOW_RESIZABLE);
  // Shown only when the loop is about to run.
  EXPECT_TRUE(flags & SDL_WINDOW_HIDDEN);
  main_->Show();
  EXPECT_FALSE(SDL_GetWindowFlags(w) & SDL_WINDOW_HIDDEN);
  // Whatever the window, the game draws a 640 by 480 frame.
  EXPECT_TRUE(main_->device().has_frame());
  std::vector<render::Color> pixels;
  int fw = 0, fh = 0;
  ASSERT_EQ(main_->device().ReadPixels(pixels, fw, fh), 0);
  EXPECT_EQ(fw, 640);
  EXPECT_EQ(fh, 480);
}

TEST_F(MainWindowTest, TheClassicChoiceIsTheOldBorderlessWindowOnTop) {
  std::ofstream(dir_.File("brimvale.ini")) << "window = classic\n";
  Renew();
  Create();
  SDL_Window* w = main_->window();
  ASSERT_NE(w, nullptr);
  int width = 0, height = 0;
  SDL_GetWindowSize(w, &width, &height);
  EXPECT_EQ(width, 640);
  EXPECT_EQ(height, 480);
  const Uint32 flags = SDL_GetWindowFlags(w);
  EXPECT_TRUE(flags & SDL_WINDOW_BORDERLESS);
  EXPECT_TRUE(flags & SDL_WINDOW_ALWAYS_ON_TOP);
  EXPECT_FALSE(flags & SDL_WINDOW_RESIZABLE);
}

TEST_F(MainWindowTest, FullscreenKeysToggleAndNeverReachTheKeyTable) {
  Create();
  main_->Show();
  SDL_Window* w = main_->window();
  SDL_SetWindowInputFocus(w);
  SDL_PumpEvents();
  auto key = [&](SDL_Scancode code, Uint16 mod) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.windowID = SDL_GetWindowID(w);
    e.key.keysym.scancode = code;
    e.key.keysym.mod = mod;
    return main_->screen().HandleEvent(e);
  };
  EXPECT_FALSE(key(SDL_SCANCODE_RETURN, 0)) << "plain Enter is the game's";
  EXPECT_FALSE(main_->screen_settings().fullscreen());
  EXPECT_TRUE(key(SDL_SCANCODE_RETURN, KMOD_LALT));
  EXPECT_TRUE(main_->screen_settings().fullscreen());
  EXPECT_TRUE(key(SDL_SCANCODE_F11, 0));
  EXPECT_FALSE(main_->screen_settings().fullscreen());
  main_->Close();
  std::ifstream in(dir_.path() + "/brimvale.ini");
  const std::string ini{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_NE(ini.find("fullscreen = no"), std::string::npos) << ini;
}

TEST_F(MainWindowTest, CreationLoadsEverythingAndStartsTheIntro) {
  world().two_players = 1;
  world().level_number = 5;
  world().center_message = "x";
  Create();
  const game::World& w = world();
  EXPECT_TRUE(boxes_.warnings.empty());
  EXPECT_TRUE(boxes_.errors.empty());
  EXPECT_FALSE(app_.terminated());
  EXPECT_TRUE(main_->device().initialized());
  EXPECT_EQ(main_->program_dir(), dir_.path());
  EXPECT_EQ(main_->places().data_root, dir_.path());
  EXPECT_EQ(main_->places().settings_dir, dir_.path());
  EXPECT_EQ(w.two_players, 0);
  EXPECT_EQ(w.second_player, 0);
  EXPECT_EQ(w.level_number, 0);
  EXPECT_TRUE(w.center_message.empty());
  EXPECT_EQ(w.menu_sound_armed, 1);
  EXPECT_EQ(w.transition, -2070);
  EXPECT_TRUE(main_->resources_loaded());
  EXPECT_TRUE(main_->resources().font().loaded());
  for (const render::PatternImage* image : main_->resources().images().textures) {
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->loaded());
  }
  for (const render::PatternImage* image : main_->resources().images().object_images) {
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->loaded());
  }
  ASSERT_NE(main_->resources().images().split_image, nullptr);
  EXPECT_TRUE(main_->resources().images().split_image->loaded());
  EXPECT_EQ(main_->resources().images().logo_image->pattern_height(), 210);
  // The dummy audio driver opens, so every sample loads.
  for (int i = 0; i < game::kSampleCount; ++i) {
    EXPECT_NE(main_->sound_bank().samples()[static_cast<size_t>(i)], nullptr)
        << game::SampleFileName(i);
  }
}

TEST_F(MainWindowTest, TheTimerRunsTheGameAtNinetyStepsWithAllEventsOn) {
  const media::FrameTimer& t = main_->timer();
  EXPECT_EQ(t.fps(), 90);
  EXPECT_TRUE(t.may_process());
  EXPECT_TRUE(t.may_render());
  EXPECT_TRUE(t.may_real_time());
}

TEST_F(MainWindowTest, NothingIsDrawnBeforeTheResourcesAreLoaded) {
  main_->RenderRender();
  EXPECT_EQ(main_->frames_drawn(), 0);
  Create();
  int after = 0;
  main_->set_after_frame([&] { ++after; });
  main_->RenderRender();
  EXPECT_EQ(main_->frames_drawn(), 1);
  EXPECT_EQ(after, 1);
  main_->FormDestroy();  // released again: nothing left to draw with
  EXPECT_FALSE(main_->resources_loaded());
  main_->RenderRender();
  EXPECT_EQ(main_->frames_drawn(), 1);
}

// The game runs on without text, and one line on stderr says which file.
TEST_F(MainWindowTest, ADamagedFontIsNamedOnceOnStandardError) {
  fs::resize_file(dir_.File("data/font.fnt"), 30);
  ::testing::internal::CaptureStderr();
  Create();
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_FALSE(main_->resources().font().loaded());
  EXPECT_TRUE(main_->resources_loaded());
  EXPECT_NE(err.find("font.fnt: "), std::string::npos) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_TRUE(boxes_.errors.empty() && boxes_.warnings.empty());
}

TEST_F(MainWindowTest, AMissingObjectImageShowsTheFileErrorAndThenTheProgramEnds) {
  fs::remove(dir_.File("data/objects/48.tga"));
  Create();
  const game::World& w = world();
  ASSERT_EQ(boxes_.errors.size(), 1u);
  EXPECT_NE(boxes_.errors[0].find("Cannot open file"), std::string::npos) << boxes_.errors[0];
  EXPECT_NE(boxes_.errors[0].find("48.tga"), std::string::npos) << boxes_.errors[0];
  EXPECT_TRUE(boxes_.warnings.empty());
  // Mended: the program ends (exit code 1) rather than keep a black window.
  EXPECT_TRUE(app_.terminated());
  EXPECT_TRUE(main_->fatal_reported());
  EXPECT_FALSE(main_->device().initialized());
  // Textures and objects 0..47 are in; nothing after the failing image.
  EXPECT_TRUE(main_->resources().images().textures[255]->loaded());
  EXPECT_TRUE(main_->resources().images().object_images[47]->loaded());
  ASSERT_NE(main_->resources().images().object_images[48], nullptr);
  EXPECT_FALSE(main_->resources().images().object_images[48]->loaded());
  EXPECT_EQ(main_->resources().images().load_images[0], nullptr);
  EXPECT_EQ(main_->resources().images().split_image, nullptr);
  // No sound was loaded, the intro was not set, nothing is drawn.
  for (const sound::Sample* s : main_->sound_bank().samples()) EXPECT_EQ(s, nullptr);
  EXPECT_EQ(w.transition, 0);
  EXPECT_FALSE(main_->resources_loaded());
  main_->RenderRender();
  EXPECT_EQ(main_->frames_drawn(), 0);
}

TEST_F(MainWindowTest, ALoaderCodeIsAFatalReportWithTheImagesTag) {
  CreateOptions();  // so that a close would have settings to save
  test::WriteBytes(dir_.File("data/textures/0.bmp"),
                   test::Bmp(10, 10, 24, std::vector<uint32_t>(100, 0xFFFFFFFFu)));
  Create();
  ASSERT_EQ(boxes_.warnings.size(), 1u);
  EXPECT_EQ(boxes_.warnings[0], GraphicsLoadFailedText("(txs)", -1));
  EXPECT_EQ(media::Cp1250ToUtf8(boxes_.warnings[0]),
            "Wystąpił błąd podczas ładowania zasobów graficznych (txs) !\r"
            "The method was called with invalid parameters or in inapropriate situation");
  EXPECT_TRUE(boxes_.errors.empty());
  EXPECT_TRUE(app_.terminated());
  EXPECT_TRUE(main_->fatal_reported());
  EXPECT_FALSE(main_->device().initialized());
  EXPECT_FALSE(main_->resources_loaded());
  EXPECT_EQ(main_->resources().images().textures[1], nullptr);
  // After a fatal report the close saves nothing.
  main_->Close();
  EXPECT_FALSE(fs::exists(ConfigPath()));
}

TEST_F(MainWindowTest, ReportFatalWithCodeZeroDoesNothing) {
  Create();
  EXPECT_FALSE(main_->ReportFatal(0, "nic"));
  EXPECT_TRUE(boxes_.warnings.empty());
  EXPECT_FALSE(app_.terminated());
  EXPECT_TRUE(main_->device().initialized());
  EXPECT_TRUE(main_->ReportFatal(-5, "tekst"));
  EXPECT_EQ(boxes_.warnings, std::vector<std::string>{"tekst"});
  EXPECT_TRUE(app_.terminated());
  EXPECT_FALSE(main_->device().initialized());
}

TEST_F(MainWindowTest, TheOptionsWindowMirrorsTheSettingsIntoTheWorldAndTheDevice) {
  Create();
  // The device starts with both switches on; the settings' defaults are off.
  EXPECT_TRUE(main_->device().antialias());
  EXPECT_TRUE(main_->device().dithering());
  std::vector<uint8_t> record(44, 0);
  record[0] = 200;  // hud_trans
  record[1] = 100;  // map_trans
  record[27] = 1;   // anti
  record[30] = 17;  // c1_up
  test::WriteBytes(ConfigPath(), record);
  CreateOptions();
  EXPECT_EQ(world().hud_alpha, 200);
  EXPECT_EQ(world().minimap_alpha, 100);
  EXPECT_EQ(world().key_codes[0], 17);
  EXPECT_TRUE(main_->device().antialias());
  EXPECT_FALSE(main_->device().dithering());
  EXPECT_FALSE(live_.options_visible());
  EXPECT_EQ(live_.difficulty(), 0);
}

TEST_F(MainWindowTest, ClosingSavesTheSettingsOnceAndEndsTheApplication) {
  Create();
  CreateOptions();
  main_->Close();
  EXPECT_TRUE(app_.terminated());
  EXPECT_TRUE(main_->closed());
  ASSERT_TRUE(fs::exists(ConfigPath()));
  const std::vector<uint8_t> saved = test::ReadBytes(ConfigPath());
  ASSERT_EQ(saved.size(), 44u);
  EXPECT_EQ(saved[0], 102);
  EXPECT_EQ(saved[16], 3);
  EXPECT_EQ(saved[30], 200);
  fs::remove(ConfigPath());
  main_->Close();
  EXPECT_FALSE(fs::exists(ConfigPath()));
}

TEST_F(MainWindowTest, TheWindowManagersCloseAndTheQuitEventClose) {
  struct Case {
    const char* name;
    bool quit;          // SDL_QUIT rather than a window event
    bool other_window;  // a close request for some other window
    bool closes;
  };
  for (const Case c : {Case{"close request", false, false, true}, Case{"quit", true, false, true},
                       Case{"another window", false, true, false}}) {
    SCOPED_TRACE(c.name);
    Renew();
    Create();
    CreateOptions();
    SDL_Event e{};
    if (c.quit) {
      e.type = SDL_QUIT;
    } else {
      e.type = SDL_WINDOWEVENT;
      e.window.event = SDL_WINDOWEVENT_CLOSE;
      e.window.windowID = SDL_GetWindowID(main_->window()) + (c.other_window ? 1000 : 0);
    }
    main_->HandleEvent(e);
    EXPECT_EQ(app_.terminated(), c.closes);
    EXPECT_EQ(fs::exists(ConfigPath()), c.closes);
    fs::remove(ConfigPath());
  }
}

TEST_F(MainWindowTest, ASettingsFileThatCannotBeWrittenIsAFatalReport) {
  Create();
  CreateOptions();
  fs::create_directory(ConfigPath());  // cannot be created as a file
  main_->Close();
  ASSERT_EQ(boxes_.warnings.size(), 1u);
  EXPECT_EQ(media::Cp1250ToUtf8(boxes_.warnings[0]),
            "Wystąpił błąd podczas zapisywania pliku konfiguracji !");
  EXPECT_TRUE(app_.terminated());
  EXPECT_FALSE(main_->device().initialized());
}

TEST_F(MainWindowTest, LevelMinusOneClosesTheProgramThroughTheClosePath) {
  Create();
  CreateOptions();
  world().level_number = -1;
  world().transition = 448;  // the midpoint of a level change: the setup runs now
  main_->RenderProcess();
  EXPECT_TRUE(app_.terminated());
  EXPECT_TRUE(main_->closed());
  EXPECT_TRUE(fs::exists(ConfigPath()));
  EXPECT_EQ(main_->ticks_run(), 1);
  // The rest of the pass runs no tick.
  main_->RenderProcess();
  EXPECT_EQ(main_->ticks_run(), 1);
}

// The menu level's options cell reaches the host: the options window shows,
// and without one (before it exists, after it is gone) the options are only
// marked visible.
TEST_F(MainWindowTest, TheOptionsCellShowsTheOptionsWindowThroughTheHost) {
  Create();
  main_->OpenOptions();
  EXPECT_TRUE(live_.options_visible());
  live_.set_options_visible(false);
  CreateOptions();
  main_->OpenOptions();
  EXPECT_TRUE(options_->form().visible());
  options_->form().Close();
  EXPECT_FALSE(live_.options_visible());
  main_->set_options_form(nullptr);
  options_.reset();
  main_->OpenOptions();
  EXPECT_TRUE(live_.options_visible());
}

TEST_F(MainWindowTest, DestructionReleasesEverything) {
  Create();
  CreateOptions();
  main_->FormDestroy();
  EXPECT_TRUE(app_.terminated());
  EXPECT_FALSE(main_->resources_loaded());
  EXPECT_FALSE(main_->device().initialized());
  EXPECT_FALSE(main_->resources().font().loaded());
  EXPECT_EQ(main_->resources().image_count(), 0u);
  EXPECT_EQ(main_->resources().images().textures[0], nullptr);
  EXPECT_EQ(main_->resources().images().split_image, nullptr);
  for (const sound::Sample* s : main_->sound_bank().samples()) EXPECT_EQ(s, nullptr);
  EXPECT_FALSE(main_->sound_bank().is_open());
  // Destruction does not save: that is the close's work.
  EXPECT_FALSE(fs::exists(ConfigPath()));
}

}  // namespace
}  // namespace bv::app
