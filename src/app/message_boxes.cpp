#include "app/message_boxes.h"

#include <SDL.h>

#include <cstdio>

#include "app/startup_texts.h"
#include "media/cp1250.h"

namespace bv::app {

std::string BoxLines(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r') {
      out.push_back('\n');
      if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
    } else {
      out.push_back(utf8[i]);
    }
  }
  return out;
}

void SdlMessageBoxes::Warning(const std::string& cp1250_text) {
  Box(SDL_MESSAGEBOX_WARNING, "warning", media::Cp1250ToUtf8(cp1250_text));
}

void SdlMessageBoxes::Error(const std::string& utf8_text) {
  Box(SDL_MESSAGEBOX_ERROR, "error", utf8_text);
}

void SdlMessageBoxes::Box(unsigned flags, const char* kind, const std::string& utf8) {
  const std::string text = BoxLines(utf8);
  if (log_) {
    std::string line = text;
    for (size_t at = line.find('\n'); at != std::string::npos; at = line.find('\n', at)) {
      line.replace(at, 1, " | ");
    }
    std::fprintf(stderr, "message-box %s: %s\n", kind, line.c_str());
    std::fflush(stderr);
  } else {
    // Every start-up error reaches standard error too, box or no box.
    std::fprintf(stderr, "brimvale: %s\n", text.c_str());
    std::fflush(stderr);
  }
  if (!show_) return;
  SDL_ShowSimpleMessageBox(flags, kTitle, text.c_str(), parent_);
}

}  // namespace bv::app
