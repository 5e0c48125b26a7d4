#pragma once

#include <string>

struct SDL_Window;

namespace bv::app {

// Where the program's two kinds of message box go. Both block until the
// user confirms them.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // The fatal report's box: a warning with one OK button. Windows-1250 text.
  virtual void Warning(const std::string& cp1250_text) = 0;
  // The application's standard error box, for an error raised while
  // loading; the error's own text (UTF-8, as the readers write it).
  virtual void Error(const std::string& utf8_text) = 0;
  // The window the boxes belong to; none before the main window exists.
  virtual void SetParent(SDL_Window* /*window*/) {}
};

// SDL's message boxes over the main window; each text also goes to stderr
// ("brimvale: ..."), so a player without a display for the box still reads
// it. With `log` the boxes are
// written to stderr instead ("message-box warning: ...", one line, the
// carriage return written as " | "), so that a script can read them
// without a box waiting for a click; with `show` as well, they also appear.
class SdlMessageBoxes final : public MessageBoxes {
 public:
  SdlMessageBoxes(bool show, bool log) : show_(show), log_(log) {}
  void SetParent(SDL_Window* window) override { parent_ = window; }

  void Warning(const std::string& cp1250_text) override;
  void Error(const std::string& utf8_text) override;

 private:
  void Box(unsigned flags, const char* kind, const std::string& utf8);

  bool show_;
  bool log_;
  SDL_Window* parent_ = nullptr;
};

// The text as SDL shows it: a carriage return, alone or before a line
// feed, breaks the line.
std::string BoxLines(const std::string& utf8);

}  // namespace bv::app
