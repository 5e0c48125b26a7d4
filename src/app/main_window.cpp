#include "app/main_window.h"

#include <chrono>
#include <cstdio>
#include <cstdio>

#include "app/startup_texts.h"
#include "game/paths.h"
#include "media/error_codes.h"
#include "media/sdl_error.h"
#include "media/sdl_keyboard.h"
#include "settings/options_form.h"
#include "sim/play_clock.h"
#include "sim/tick.h"

namespace bv::app {

using render::ImageLoadResult;

MainWindow::MainWindow(Application& app, MessageBoxes& boxes, settings::LiveOptions& live,
                       std::string program_dir)
    : app_(app),
      boxes_(boxes),
      live_(live),
      program_dir_(std::move(program_dir)),
      places_(game::FindPlaces(program_dir_, game::PlacesEnvironment::OfProcess())),
      world_(std::make_unique<game::World>()),
      resources_(std::make_unique<render::GameResources>(device_)),
      frame_(std::make_unique<render::FrameRenderer>(device_, &resources_->font(),
                                                     resources_->images())) {
  // The timer as the window stores it: 90 logic steps a second, all three
  // events on.
  timer_.set_fps(kFps);
  timer_.set_on_render([this] { RenderRender(); });
  timer_.set_on_real_time([this](double delta) { RenderRealTime(delta); });
  timer_.set_on_process([this] { RenderProcess(); });
  timer_.set_may_process(true);
  timer_.set_may_render(true);
  timer_.set_may_real_time(true);

  // The screen settings are ours alone: a damaged file costs only them, with a line why.
  const settings::ScreenSettingsLoad screen = screen_file_.Load();
  if (!screen.complaint.empty()) std::fprintf(stderr, "brimvale: %s\n", screen.complaint.c_str());
  screen_settings_ = screen.settings;
}

MainWindow::~MainWindow() {
  // Normally FormDestroy ran already; this only makes sure nothing leaks.
  device_.Shutdown();
  resources_->Release();
  sound_.Close();
  pads_.Stop();
  if (kb_ != nullptr) kb_->Finalize();
  if (window_ != nullptr) SDL_DestroyWindow(window_);
}

bool MainWindow::Create(std::string* error) {
  window_ = screen_.MakeWindow(kTitle);
  if (window_ == nullptr) {
    if (error != nullptr) *error = "cannot create the game window: " + media::SdlErrorText();
    return false;
  }
  FormCreate();
  return true;
}

void MainWindow::Show() {
  if (window_ == nullptr) return;
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
  // A program shown at its start takes the keyboard, window manager or not.
  SDL_SetWindowInputFocus(window_);
}

void MainWindow::FormCreate() {
  game::World& w = *world_;
  resources_loaded_ = false;

  int32_t code = device_.Start();
  if (ReportFatal(code, DrawingStartFailedText(code))) return;
  code = device_.CreateForWindow(window_, nullptr,
                                 screen_settings_.pacing() == settings::Pacing::kVsync);
  if (ReportFatal(code, DrawingStartFailedText(code))) return;
  // The device as the window stores it: antialiasing and dithering on (the
  // options window's first close sets them from the settings).
  device_.SetAntialias(true);
  device_.SetDithering(true);

  auto keyboard = std::make_unique<media::SdlKeyboard>(window_);
  keyboard_ = keyboard.get();
  kb_ = std::make_unique<media::InputReader>(std::move(keyboard));
  kb_->Initialize();
  screen_.Attach(window_, &device_, keyboard_);
  pads_.Start(*kb_, w, places_);

  sound_.Open();

  // The start values; the intro itself starts only once the images are in.
  const int32_t transition = w.transition;
  game::SetStartValues(w);
  w.transition = transition;

  seed_ = ClockSeed();
  w.random.Seed(seed_);

  // The game runs on without text, but says why once.
  if (const int32_t font = resources_->LoadFont(places_); font != 0) {
    std::fprintf(stderr, "brimvale: %s: %s; no text will be shown\n",
                 game::DataPath(places_.data_root, "\\data\\font.fnt").c_str(),
                 media::ErrorText(font).c_str());
  }

  const ImageLoadResult images = resources_->LoadImages(places_);
  if (images.status == ImageLoadResult::Status::kFileError) {
    // A raised error: the application's error box, and creation ends here.
    // Mended: the program then ends as after a fatal report (exit code 1)
    // instead of running on with a black window nothing can close.
    boxes_.Error(images.file_error);
    device_.Shutdown();
    fatal_ = true;
    app_.Terminate();
    return;
  }
  if (images.status == ImageLoadResult::Status::kCode &&
      ReportFatal(images.code, GraphicsLoadFailedText(images.tag, images.code))) {
    return;
  }

  sound_.LoadSamples(places_);

  w.transition = game::IntroStartFor(resources_->images().logo_image->pattern_height());
  resources_loaded_ = true;
}

bool MainWindow::ReportFatal(int32_t code, const std::string& text) {
  if (code == 0) return false;
  boxes_.Warning(text);
  device_.Shutdown();
  fatal_ = true;
  app_.Terminate();
  return true;
}

void MainWindow::StartRecording() {
  if (!resources_loaded_ || fatal_) return;
  const std::string dir = ReplaysFolder(places_.replays_dir);
  std::string error;
  if (!recording_.Start(dir, seed_, &error)) {
    std::fprintf(stderr, "brimvale: this run is not recorded: %s\n", error.c_str());
  }
}

void MainWindow::Close() {
  if (closing_ || fatal_) return;
  closing_ = true;
  recording_.Finish();
  // FormClose: a save that fails is reported fatally, which ends the program too.
  if (options_form_ != nullptr) options_form_->SaveSettings();
  if (!fatal_ && !screen_file_.Save(screen_settings_)) {
    std::fprintf(stderr, "brimvale: cannot write %s; the screen settings are not kept\n",
                 screen_file_.path().c_str());
  }
  app_.Terminate();
}

void MainWindow::FormDestroy() {
  recording_.Finish();
  device_.Shutdown();
  resources_->Release();
  resources_loaded_ = false;  // nothing is left to draw with
  sound_.Close();
  pads_.Stop();
  app_.Terminate();
}

void MainWindow::OpenOptions() {
  if (options_form_ != nullptr) {
    options_form_->Show();
  } else {
    live_.set_options_visible(true);
  }
}

void MainWindow::HandleEvent(const SDL_Event& event) {
  pads_.HandleEvent(event);
  if (event.type == SDL_QUIT) {
    Close();
  } else if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE &&
             window_ != nullptr && event.window.windowID == SDL_GetWindowID(window_)) {
    Close();
  }
}

void MainWindow::RenderRender() {
  if (!frame_->Render(*world_, resources_loaded_, live_, timer_.frame_rate())) return;
  ++frames_;
  if (after_frame_) after_frame_();
}

void MainWindow::RenderRealTime(double delta) {
  recording_.RealTime(delta);
  sim::AdvancePlayClock(*world_, delta);
}

void MainWindow::RenderProcess() {
  // After a close (level -1 in an earlier step of this pass) no tick runs.
  if (closing_ || app_.terminated()) return;
  game::KeySource& keys = pads_.keys() != nullptr ? *pads_.keys()
                          : kb_ != nullptr        ? static_cast<game::KeySource&>(*kb_)
                                                  : no_keys_;
  sim::RunTick(*world_,
               sim::TickServices{recording_.BeforeStep(keys), sounds_, live_, *this, levels_});
  recording_.AfterStep();
  ++ticks_;
  if (close_requested_) Close();
}

std::string ProgramDirectory() {
  char* base = SDL_GetBasePath();
  std::string dir = base != nullptr ? base : ".";
  SDL_free(base);
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

uint32_t ClockSeed() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const uint64_t ns =
      static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
  return static_cast<uint32_t>(ns ^ (ns >> 32));
}

}  // namespace bv::app
