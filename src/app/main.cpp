// brimvale: the game.

#include <SDL.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/startup_texts.h"
#include "media/sdl_error.h"

int main(int argc, char** argv) {
  const bv::app::CommandLine command =
      bv::app::ParseCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
  if (command.help) {
    std::fputs(bv::app::UsageText().c_str(), stdout);
    return 0;
  }
  if (!command.error.empty()) {
    std::fprintf(stderr, "brimvale: %s\n%s", command.error.c_str(), bv::app::UsageText().c_str());
    return 2;
  }
  bv::app::SdlMessageBoxes boxes = bv::app::MessageBoxesFromEnvironment();
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    const std::string text = "cannot start SDL: " + bv::media::SdlErrorText();
    boxes.Error(text);  // on stderr too
    return 1;
  }
  const int status = bv::app::RunProgram(bv::app::ProgramDirectory(), boxes, command);
  SDL_Quit();
  return status;
}
