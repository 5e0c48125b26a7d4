#include "app/main_window.h"

#include <chrono>
#include <cstdio>
#include <cstdio>

#include "app/startup_texts.h"
#include "game/paths.h"
#include "game/phases.h"
#include "media/error_codes.h"
#include "media/sdl_error.h"
#include "media/sdl_keyboard.h"
#include "replay/records.h"
#include "replay/stepper.h"
#include "settings/options_form.h"
#include "sim/input_frame.h"
#include "sim/play_clock.h"
#include "sim/rules_version.h"
#include "sim/tick.h"

namespace bv::app {

using render::ImageLoadResult;

namespace {

const char* const kNetStartFailedText = "Nie mozna rozpoczac gry sieciowej";
constexpr int16_t kOverlayMessageTicks = 1020;

}  // namespace

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
  frame_->set_overlay(&overlay_);

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
  // The other side hears we left before the link goes.
  if (net_ != nullptr) {
    net_->game().Leave();
    net_->game().Poll();
  }
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
  net_.reset();
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

const game::World& MainWindow::shown_world() const {
  if (NetGameShown()) {
    if (const game::World* w = net_->game().world()) return *w;
  }
  return *world_;
}

bool MainWindow::NetGameShown() const {
  if (net_ == nullptr || net_over_) return false;
  const net::NetGame::State s = net_->game().state();
  return s == net::NetGame::State::kPlaying || s == net::NetGame::State::kClosing;
}

void MainWindow::RenderRender() {
  overlay_.notice.clear();
  if (net_ != nullptr && !net_over_) {
    const net::NetGame& g = net_->game();
    if (g.state() == net::NetGame::State::kConnecting) {
      overlay_.notice = g.role() == net::Role::kHost ? net::kWaitingText : net::kConnectingText;
    } else if (g.waiting()) {
      overlay_.notice = net::kWaitingText;
    }
  }
  if (!frame_->Render(shown_world(), resources_loaded_, live_, timer_.frame_rate())) return;
  ++frames_;
  if (after_frame_) after_frame_();
}

void MainWindow::RenderRealTime(double delta) {
  // A network game's clock moves one step a step, the same on both sides.
  if (NetGameShown()) return;
  recording_.RealTime(delta);
  sim::AdvancePlayClock(*world_, delta);
}

void MainWindow::RenderProcess() {
  // After a close (level -1 in an earlier step of this pass) no tick runs.
  if (closing_ || app_.terminated()) return;
  if (NetGameShown()) {
    NetStep();
    return;
  }
  game::KeySource& keys = pads_.keys() != nullptr ? *pads_.keys()
                          : kb_ != nullptr        ? static_cast<game::KeySource&>(*kb_)
                                                  : no_keys_;
  sim::RunTick(*world_,
               sim::TickServices{recording_.BeforeStep(keys), sounds_, live_, *this, levels_});
  recording_.AfterStep();
  ++ticks_;
  // Our message after a network game gives way to any the game sets.
  if (overlay_.message_timer > 0) {
    overlay_.message_timer = world_->center_message_timer > 0 ? 0 : overlay_.message_timer - 1;
  }
  if (close_requested_) Close();
}

void MainWindow::NetStep() {
  game::KeySource& keys = pads_.keys() != nullptr ? *pads_.keys()
                          : kb_ != nullptr        ? static_cast<game::KeySource&>(*kb_)
                                                  : no_keys_;
  keys.Update();
  // Read under this side's own key bindings.
  if (net_->game().Step(sim::ReadInputFrame(keys, world_->key_codes))) ++ticks_;
  if (net_->game().state() == net::NetGame::State::kOver) NetGameOver();
}

bool MainWindow::StartNetGame(const NetStart& start, std::string* error) {
  if (net_ != nullptr && !net_over_) {
    *error = "a network game is already running";
    return false;
  }
  net_.reset();
  net_began_ = net_over_ = false;
  net_start_ = start;
  const NetPlay::Services services{places_, levels_, sounds_, ReplaysFolder(places_.replays_dir)};
  if (start.role == NetStart::Role::kJoin) {
    net_ = NetPlay::Join(start.address, start.port, services, error);
  } else {
    net::Welcome offer;
    offer.seed = ClockSeed();
    offer.level_number = 1;
    offer.two_players = 1;
    // The shutters are closed at the start; they open on level 1.
    offer.transition = game::kSetupPoint;
    offer.options = replay::CaptureOptions(*world_, live_);
    if (start.mode) offer.options.settings.multi_tryb = *start.mode;
    if (!start.level.empty()) {
      const std::optional<std::string> name = game::GameName(start.level);
      const std::string path = !name                ? std::string()
                               : start.custom_level ? game::CustomLevelPath(*name)
                                                    : game::CampaignLevelPath(*name, 1);
      if (path.empty() || !levels_.Exists(path)) {
        *error = std::string(start.custom_level ? "no custom level " : "no campaign ") +
                 start.level;
        return false;
      }
      settings::LiveOptions& live = offer.options.live;
      live.set_level_source(start.custom_level ? settings::LevelSource::kCustom
                                               : settings::LevelSource::kCampaign);
      live.set_level_list({*name});
    }
    net_ = NetPlay::Host(start.port, offer, services, error);
  }
  if (net_ == nullptr) {
    overlay_.message = kNetStartFailedText;
    overlay_.message_timer = kOverlayMessageTicks;
  }
  return net_ != nullptr;
}

void MainWindow::LeaveNetGame() {
  if (net_ != nullptr && !net_over_) net_->game().Leave();
}

void MainWindow::PollNetwork() {
  TakeNetPageRequest();
  if (net_ != nullptr) {
    net::NetGame& g = net_->game();
    g.Poll();
    if (!net_began_ && NetGameShown()) NetGameBegan();
    if (!net_over_ && g.state() == net::NetGame::State::kOver) NetGameOver();
    if (net_over_ && g.done()) {
      net_.reset();
      if (keep_hosting_ && net_start_ && net_start_->role == NetStart::Role::kHost && !closing_) {
        const NetStart again = *net_start_;
        std::string why;
        if (!StartNetGame(again, &why)) {
          std::fprintf(stderr, "brimvale: cannot host again: %s\n", why.c_str());
        }
      }
    }
  }
  ShowNetLink();
}

void MainWindow::TakeNetPageRequest() {
  using Request = settings::NetPageState::Request;
  const Request r = net_page_.TakeRequest();
  if (r == Request::kNone) return;
  if (r == Request::kLeave) {
    keep_hosting_ = false;
    if (net_ != nullptr && !net_over_) {
      LeaveNetGame();
    } else {
      net_.reset();  // a link still closing after a game
    }
    return;
  }
  NetStart start;
  start.role = r == Request::kHost ? NetStart::Role::kHost : NetStart::Role::kJoin;
  start.address = net_page_.address;
  start.port = static_cast<uint16_t>(net_page_.port);
  // The page asks again for each game.
  keep_hosting_ = false;
  if (net_ != nullptr && net_over_) net_.reset();
  std::string why;
  if (!StartNetGame(start, &why)) {
    std::fprintf(stderr, "brimvale: no network game: %s\n", why.c_str());
    net_page_.status = start.role == NetStart::Role::kHost
                           ? "Nie mozna otworzyc portu " + std::to_string(start.port)
                           : "Nie mozna polaczyc z " + start.address;
  } else {
    net_page_.status.clear();
  }
}

void MainWindow::ShowNetLink() {
  using Link = settings::NetPageState::Link;
  if (net_ == nullptr || net_over_) {
    net_page_.link = Link::kOff;
    return;
  }
  const net::NetGame& g = net_->game();
  const bool host = g.role() == net::Role::kHost;
  if (g.state() == net::NetGame::State::kConnecting) {
    net_page_.link = host ? Link::kHosting : Link::kJoining;
    net_page_.status = host ? net::kWaitingText : net::kConnectingText;
  } else {
    net_page_.link = host ? Link::kConnectedHost : Link::kConnectedGuest;
    net_page_.status = g.waiting() ? net::kWaitingText : "";
  }
}

void MainWindow::NetGameBegan() {
  // This run's own replay ends here; the network game has its own.
  net_began_ = true;
  recording_.Finish();
  overlay_.message_timer = 0;
  // A guest plays by the host's settings and level: the options window
  // shows them, and changes nothing, until the game is over.
  if (options_form_ != nullptr && net_->game().role() == net::Role::kGuest) {
    const net::Welcome& host = net_->game().session().start();
    options_form_->BeginReadOnly(host.options.settings, host.options.live);
  }
}

void MainWindow::NetGameOver() {
  net_over_ = true;
  const net::NetGame& g = net_->game();
  const net::NetEnding& e = *g.ending();
  if (!net_->replay_path().empty()) net_replay_path_ = net_->replay_path();
  if (g.session().end_reason() == net::EndReason::kDesync) {
    const std::string dump = net_->WriteDesyncDump();
    std::fprintf(stderr, "brimvale: the network game went out of step; replay %s, dump %s\n",
                 net_->replay_path().c_str(), dump.c_str());
  } else if (!e.message.empty() && e.reason != net::EndReason::kDone) {
    std::fprintf(stderr, "brimvale: network game: %s\n", e.message.c_str());
  }
  // The player's own settings back before the world starts over with them.
  if (options_form_ != nullptr) options_form_->EndReadOnly();
  if (e.played) StartOverOnTheMenu();
  net_page_.status = !e.message.empty() ? e.message : e.played ? "Gra zakonczona" : "";
  overlay_.message = e.message;
  overlay_.message_timer = e.message_timer;
}

void MainWindow::StartOverOnTheMenu() {
  recording_.Finish();
  const replay::ReplayOptions options = replay::CaptureOptions(*world_, live_);
  replay::Header h;
  h.rules_version = sim::kRulesVersion;
  h.seed = seed_ = ClockSeed();
  h.level_number = 0;
  h.transition = game::kSetupPoint;
  h.two_players = 0;
  replay::Stepper(*world_, live_, sounds_, *this, levels_).Start(h, options);
  StartRecording();
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
