#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "settings/options_page.h"

union SDL_Event;
struct SDL_Window;

namespace bv::settings {

class OptionsForm;

// The options window's face: a second SDL window with its own renderer,
// drawn with Dear ImGui over an OptionsForm. It never runs a loop of its
// own: the app passes every SDL event through HandleEvent and calls Pump
// once per pass of its frame loop, so the game keeps running while the
// window is shown. Visibility follows the form: OptionsForm::Show (the main
// window's answer to the menu's options cell) shows it, Close closes the
// form and hides it.
class OptionsDialog {
 public:
  explicit OptionsDialog(OptionsForm& form);
  ~OptionsDialog();
  OptionsDialog(const OptionsDialog&) = delete;
  OptionsDialog& operator=(const OptionsDialog&) = delete;

  // Creates the window hidden: caption "Brimvale - opcje gry", a fixed
  // 585 by 428 client area (wider with extra pages), always on top, a dialog of `main_window` when
  // one is given (centred over it when shown; otherwise on the screen).
  // SDL's video must be running. False, with the reason, when the window,
  // its renderer or the toolkit cannot be set up.
  bool Create(SDL_Window* main_window, std::string* error);
  // Before Create: the whole window, its font and layout, enlarged by this
  // whole number, to stay readable beside a scaled game window.
  void set_scale(int scale);
  SDL_Window* window() const { return window_; }

  // The window's close handler, for every way of closing it: the window
  // manager's close button, Escape, the "Zamknij" button and a pad's Start
  // or Back. The form's close (the settings mirror), then the window hides.
  void Close();

  // Every SDL event of the app passes here first. True when the app must
  // not act on it: the dialog's own events, the main window's input and
  // close requests while the dialog is shown (the main window is disabled
  // then), and a pad's Start or Back then. Escape leaves a focused key
  // edit or an open popup first, and otherwise closes the window.
  bool HandleEvent(const SDL_Event& event);

  // Once per pass of the app's loop: shows or hides the window to match the
  // form, and draws a frame when one is due (at most about 60 a second).
  void Pump();

  // Adds an extra page as the last tab of the pages' column (see
  // options_page.h); the window grows the column with the first page.
  void AddPage(OptionsPage page);
  // Read-only, for a guest of a network game: every classic control and
  // every page but those marked usable_read_only (the "Sieć" page) is shown
  // greyed out and changes nothing (OptionsForm::BeginReadOnly); the close
  // button still closes. SetReadOnly(true) keeps what the controls show;
  // to show the host's settings, call OptionsForm::BeginReadOnly with them
  // instead. SetReadOnly(false) brings the player's own settings back.
  void SetReadOnly(bool read_only);
  bool read_only() const;

  // Whether a page's text field holds the keyboard now.
  bool editing_text() const;

  // The client area's width: 585, or wider with extra pages.
  int width() const;

  // Writes the next frame drawn as a PNG file, then calls `done`.
  using ScreenshotDone = std::function<void(bool ok, const std::string& error)>;
  void RequestScreenshot(std::string path, ScreenshotDone done);

 private:
  struct Impl;
  OptionsForm& form_;
  SDL_Window* window_ = nullptr;
  std::unique_ptr<Impl> impl_;
};

}  // namespace bv::settings
