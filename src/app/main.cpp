// brimvale: the game.

#include <SDL.h>

#include <cstdio>

#include "app/main_window.h"
#include "app/program.h"
#include "app/startup_texts.h"
#include "media/sdl_error.h"

int main(int, char**) {
  bv::app::SdlMessageBoxes boxes = bv::app::MessageBoxesFromEnvironment();
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    const std::string text = "cannot start SDL: " + bv::media::SdlErrorText();
    boxes.Error(text);  // on stderr too
    return 1;
  }
  const int status = bv::app::RunProgram(bv::app::ProgramDirectory(), boxes);
  SDL_Quit();
  return status;
}
