#include "app/program.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/application.h"
#include "app/main_window.h"
#include "app/options_window.h"
#include "app/probe.h"
#include "media/sdl_app_focus.h"
#include "media/sdl_error.h"
#include "settings/live_options.h"

namespace bv::app {

void RunLoop(Application& app, MainWindow& main, OptionsWindow& options, Probe* probe) {
  media::SdlAppFocus focus(main.timer());
  while (!app.terminated()) {
    SDL_Event event;
    while (!app.terminated() && SDL_PollEvent(&event)) {
      focus.Observe(event);
      main.device().HandleEvent(event);
      if (main.screen().HandleEvent(event)) continue;
      if (options.HandleEvent(event)) continue;
      main.HandleEvent(event);
    }
    focus.Settle();
    if (app.terminated()) break;
    options.Pump();
    main.PollNetwork();
    main.timer().Pass();
    if (probe != nullptr) probe->Poll();
    main.screen().Update();
    // Sleeps out the rest of the pass's slot, unless pacing is unlimited.
    main.pacer().Wait();
  }
}

int RunProgram(const std::string& program_dir, MessageBoxes& boxes, const CommandLine& command) {
  Application app;
  settings::LiveOptions live;
  auto main = std::make_unique<MainWindow>(app, boxes, live, program_dir);

  std::string error;
  if (!main->Create(&error)) {
    boxes.Error(error);
    return 1;
  }
  boxes.SetParent(main->window());

  // Created even after a fatal start-up report, as the program always did.
  auto options = std::make_unique<OptionsWindow>(*main);
  if (!options->Create(&error)) {
    boxes.Error(error);
    app.Terminate();
  }
  main->set_options_form(&options->form());
  main->StartRecording();
  if (command.net && !app.terminated()) {
    main->set_keep_hosting(true);
    std::string why;
    if (!main->StartNetGame(*command.net, &why)) {
      std::fprintf(stderr, "brimvale: no network game: %s\n", why.c_str());
    }
  }

  std::unique_ptr<Probe> probe = Probe::FromEnvironment(*main);
  if (!app.terminated()) {
    main->Show();
    RunLoop(app, *main, *options, probe.get());
  }
  const int status = main->fatal_reported() ? 1 : 0;

  probe.reset();
  options->FormDestroy();
  main->set_options_form(nullptr);
  options.reset();
  main->FormDestroy();
  main.reset();
  boxes.SetParent(nullptr);
  return status;
}

SdlMessageBoxes MessageBoxesFromEnvironment() {
  const char* mode = std::getenv("BRIMVALE_MESSAGE_BOXES");
  if (mode != nullptr && std::strcmp(mode, "log") == 0) return SdlMessageBoxes(false, true);
  if (mode != nullptr && std::strcmp(mode, "both") == 0) return SdlMessageBoxes(true, true);
  return SdlMessageBoxes(true, false);
}

}  // namespace bv::app
