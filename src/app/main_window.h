#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/application.h"
#include "app/command_line.h"
#include "app/game_screen.h"
#include "app/game_pads.h"
#include "app/message_boxes.h"
#include "app/net_play.h"
#include "app/replay_recording.h"
#include "app/sound_counter.h"
#include "game/key_source.h"
#include "game/level_store.h"
#include "game/places.h"
#include "game/world.h"
#include "media/frame_pacer.h"
#include "media/frame_timer.h"
#include "media/input_reader.h"
#include "media/sdl_clock.h"
#include "render/draw_device.h"
#include "render/frame_renderer.h"
#include "render/game_resources.h"
#include "settings/live_options.h"
#include "settings/net_choice.h"
#include "settings/screen_settings_file.h"
#include "sim/host.h"
#include "sound/sound_bank.h"

namespace bv::settings {
class OptionsForm;
}
namespace bv::media {
class SdlKeyboard;
}

namespace bv::app {

// The game's window and everything it owns for the whole run: the world,
// the drawing device, the keyboard reader and the pads, the sound bank, the
// font and images, and the frame timer that drives the game. Create runs the
// creation handler; the program's loop then feeds it events and passes.
class MainWindow final : public sim::Host {
 public:
  static constexpr int kWidth = game::kScreenWidth;
  static constexpr int kHeight = game::kScreenHeight;
  static constexpr int kFps = 90;

  MainWindow(Application& app, MessageBoxes& boxes, settings::LiveOptions& live,
             std::string program_dir);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Makes the window as the screen settings ask (still hidden) and runs
  // FormCreate. False, with the reason, when SDL cannot
  // make a window at all; FormCreate's own failures are reported by it.
  bool Create(std::string* error);
  // Shows the window: the application's loop is about to start.
  void Show();

  // Creation, in its fixed order: drawing device, keyboard, sound, start
  // values, seed, font, images, samples, intro, loaded. The program folder
  // and the places under it are known from construction.
  void FormCreate();
  // code 0: false and nothing else. Otherwise the text in a warning box,
  // the drawing device shut down, the application asked to end: true.
  bool ReportFatal(int32_t code, const std::string& text);
  // Closing the window: the settings are saved (FormClose), then the
  // application ends. Once only, and never after a fatal report, so that a
  // settings file that could not be read is not overwritten.
  void Close();
  // Destruction: device, font, images, samples and the sound output, in
  // that order (nothing is drawn afterwards); then the application is asked
  // to end.
  void FormDestroy();

  // The run's replay, from the world as it stands: called once the options
  // window's first close has mirrored the settings. Without a writable
  // folder the game runs unrecorded (a line on stderr).
  void StartRecording();
  const ReplayRecording& recording() const { return recording_; }

  // The options window whose controls the close saves.
  void set_options_form(settings::OptionsForm* form) { options_form_ = form; }

  // An event of the loop that the options window did not take: the window
  // manager's close request (the only way to close a borderless window
  // from outside) and the application's quit close the window; pads
  // plugged in or pulled out reach the pads.
  void HandleEvent(const SDL_Event& event);

  // The window's handlers of the frame timer's three events: a frame, the
  // play clock, one tick.
  void RenderRender();
  void RenderRealTime(double delta);
  void RenderProcess();

  // sim::Host: level -1 closes the program after the tick.
  void CloseProgram() override { close_requested_ = true; }
  // sim::Host: the menu's options cell shows the options window; without
  // one the options are only marked visible.
  void OpenOptions() override;

  // Network play. Host: listens and, once a guest joins, plays level 1 for
  // two players under this side's settings and level choice (or the ones
  // asked for); join: plays the host's game as player 2. False, with the
  // reason (also shown in the centre band), when it cannot start; a game
  // already running is left first.
  bool StartNetGame(const NetStart& start, std::string* error);
  // This side leaves the network game (both return to the menu level).
  void LeaveNetGame();
  // A host that, after each network game, waits for the next guest.
  void set_keep_hosting(bool on) { keep_hosting_ = on; }
  // What the options window's "Sieć" page asks for and shows: its requests
  // are carried out at the next pass, the link and a status line written back.
  settings::NetPageState& net_page() { return net_page_; }
  // Once every pass, before the frame timer: the network and what it leads to.
  void PollNetwork();
  // Null without network play.
  const NetPlay* net() const { return net_.get(); }
  // The last network game's replay file; empty before one started.
  const std::string& net_replay_path() const { return net_replay_path_; }
  // The world drawn: the network game's while one runs, else the window's own.
  const game::World& shown_world() const;

  // Called after every frame drawn (screenshots).
  void set_after_frame(std::function<void()> f) { after_frame_ = std::move(f); }

  SDL_Window* window() const { return window_; }
  game::World& world() { return *world_; }
  const game::World& world() const { return *world_; }
  settings::LiveOptions& live() { return live_; }
  render::DrawDevice& device() { return device_; }
  media::FrameTimer& timer() { return timer_; }
  // The window's size, scaling and fullscreen, and the loop's pace, from
  // brimvale.ini (read at construction, written at the close).
  settings::ScreenSettings& screen_settings() { return screen_settings_; }
  GameScreen& screen() { return screen_; }
  media::FramePacer& pacer() { return pacer_; }
  sound::SoundBank& sound_bank() { return sound_; }
  GamePads& pads() { return pads_; }
  const SoundCounter& sounds() const { return sounds_; }
  render::GameResources& resources() { return *resources_; }
  // True once creation has loaded every resource; nothing is drawn before.
  bool resources_loaded() const { return resources_loaded_; }
  // The program's folder, and where data and settings are read from.
  const std::string& program_dir() const { return program_dir_; }
  const game::Places& places() const { return places_; }
  bool fatal_reported() const { return fatal_; }
  bool closed() const { return closing_; }
  long frames_drawn() const { return frames_; }
  long ticks_run() const { return ticks_; }
  const render::FrameOverlay& overlay() const { return overlay_; }

 private:
  bool NetGameShown() const;
  void TakeNetPageRequest();
  void ShowNetLink();
  void NetGameBegan();
  void NetStep();
  void NetGameOver();
  // A fresh world on the menu level, as a run's start, recorded anew.
  void StartOverOnTheMenu();

  Application& app_;
  MessageBoxes& boxes_;
  settings::LiveOptions& live_;
  const std::string program_dir_;
  const game::Places places_;
  game::FileLevelStore levels_{places_};  // the level files under the data root and the player's
  std::unique_ptr<game::World> world_;

  SDL_Window* window_ = nullptr;
  render::DrawDevice device_;
  std::unique_ptr<render::GameResources> resources_;
  std::unique_ptr<render::FrameRenderer> frame_;
  std::unique_ptr<media::InputReader> kb_;
  GamePads pads_;           // read with the keyboard once started
  game::KeyTable no_keys_;  // read while the keyboard reader does not exist
  sound::SoundBank sound_;
  SoundCounter sounds_{sound_};
  media::SdlClock clock_;
  media::FrameTimer timer_{clock_};
  media::ThreadSleeper sleeper_;
  media::FramePacer pacer_{clock_, sleeper_};
  settings::ScreenSettingsFile screen_file_{places_.settings_dir};
  settings::ScreenSettings screen_settings_;
  GameScreen screen_{screen_settings_, pacer_};
  media::SdlKeyboard* keyboard_ = nullptr;  // kb_'s device
  settings::OptionsForm* options_form_ = nullptr;
  uint32_t seed_ = 0;  // the random source's, for the replay
  ReplayRecording recording_{*world_, live_};
  std::unique_ptr<NetPlay> net_;
  bool net_began_ = false;
  bool net_over_ = false;
  bool keep_hosting_ = false;
  std::optional<NetStart> net_start_;  // the last one asked for
  std::string net_replay_path_;
  settings::NetPageState net_page_;
  render::FrameOverlay overlay_;  // over every frame; empty draws nothing

  std::function<void()> after_frame_;
  bool resources_loaded_ = false;
  bool fatal_ = false;
  bool closing_ = false;
  bool close_requested_ = false;
  long frames_ = 0;
  long ticks_ = 0;
};

// The directory of the running program, without a trailing separator.
std::string ProgramDirectory();

// A seed for the game's random source, from the clock.
uint32_t ClockSeed();

}  // namespace bv::app
