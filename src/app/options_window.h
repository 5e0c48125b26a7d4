#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "media/input_reader.h"
#include "settings/options_dialog.h"
#include "settings/options_form.h"

namespace bv::app {

class MainWindow;

// The options window: its controls (the form), its face (the dialog) and
// its own keyboard reader for key capture. Created hidden right after the
// main window; it lives, hidden or shown, until the program ends.
class OptionsWindow {
 public:
  explicit OptionsWindow(MainWindow& main);
  ~OptionsWindow();
  OptionsWindow(const OptionsWindow&) = delete;
  OptionsWindow& operator=(const OptionsWindow&) = delete;

  // Makes the window and runs its creation: the settings load (errors go to
  // the main window's fatal report), the lists, the mode rules and the first
  // close, which mirrors the settings into the world. False, with the
  // reason, when the window itself cannot be made.
  bool Create(std::string* error);
  // Shuts the keyboard reader down.
  void FormDestroy();

  // Every event of the loop passes here first; true when it was the
  // options window's (or the disabled main window's input).
  bool HandleEvent(const SDL_Event& event) { return dialog_.HandleEvent(event); }
  // Once per pass: shows, hides and draws the window.
  void Pump() { dialog_.Pump(); }

  settings::OptionsForm& form() { return form_; }
  settings::OptionsDialog& dialog() { return dialog_; }

 private:
  MainWindow& main_;
  settings::OptionsForm form_;
  settings::OptionsDialog dialog_;
  std::unique_ptr<media::InputReader> con_;
};

}  // namespace bv::app
