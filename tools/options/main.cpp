// brimvale-options: the options window on its own, over a stand-in main
// window, for developers and for the end-to-end test. It starts like the
// game does (main window, then the options window, which loads config.dat
// and mirrors it into the world), opens the options window at once, and
// saves config.dat when the main window closes.
//
// It reports on stdout, one line each: "created", "shown", "closed", the
// world's mirrored settings after each close ("mirror ..."), "saved". SIGUSR1
// writes a screenshot of the options window (--screenshot FILE), SIGUSR2
// prints the controls and the world's panel alpha ("state ..."). Like the
// game's, the window has the "Pad" page, listing the pads plugged in, and
// the "Sieć" page, whose choice brimvale.ini keeps. It has no network: a
// button there prints its request ("net-request ...") and the page shows the
// link as waiting (a host) or connecting (a guest) until "Rozłącz".
// --read-only shows the window as a connected guest sees it.

#include <SDL.h>
#include <signal.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "game/world.h"
#include "media/cp1250.h"
#include "media/sdl_keyboard.h"
#include "media/sdl_pads.h"
#include "settings/live_options.h"
#include "settings/net_choice.h"
#include "settings/net_page.h"
#include "settings/options_dialog.h"
#include "settings/options_form.h"
#include "settings/options_layout.h"
#include "settings/pad_page.h"
#include "settings/screen_settings_file.h"

namespace {

using bv::settings::OptionsForm;
namespace L = bv::settings::layout;

std::atomic<bool> g_screenshot{false};
std::atomic<bool> g_state{false};
std::atomic<bool> g_quit{false};

struct Args {
  std::string dir;
  std::string screenshot;
  bool once = false;
  bool hidden = false;
  bool message_box = true;
  bool read_only = false;
  int scale = 1;  // the options window enlarged, as beside a scaled game window
};

void Usage(FILE* to = stderr) {
  std::fprintf(to,
               "usage: brimvale-options [--dir PROGRAM_DIR] [--screenshot FILE] [--once]\n"
               "                        [--hidden] [--no-message-box] [--scale N] [--read-only]\n"
               "  --dir             the folder holding config.dat and data/ (default: this\n"
               "                    program's folder)\n"
               "  --screenshot FILE where SIGUSR1 writes the options window as PNG\n"
               "  --once            end (saving config.dat) when the options window closes\n"
               "  --hidden          start with the options window closed (O opens it)\n"
               "  --no-message-box  report errors on stderr only\n"
               "  --scale N         the options window enlarged N times\n"
               "  --read-only       the window as a network game's guest sees it\n"
               "  --help            this text\n");
}

bool ParseArgs(int argc, char** argv, Args* args) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&](std::string* out) {
      if (i + 1 >= argc) return false;
      *out = argv[++i];
      return true;
    };
    if (a == "--dir") {
      if (!value(&args->dir)) return false;
    } else if (a == "--screenshot") {
      if (!value(&args->screenshot)) return false;
    } else if (a == "--scale") {
      std::string n;
      if (!value(&n)) return false;
      args->scale = std::atoi(n.c_str());
    } else if (a == "--once") {
      args->once = true;
    } else if (a == "--hidden") {
      args->hidden = true;
    } else if (a == "--no-message-box") {
      args->message_box = false;
    } else if (a == "--read-only") {
      args->read_only = true;
    } else {
      return false;
    }
  }
  return true;
}

std::string ProgramDir() {
  char* base = SDL_GetBasePath();
  std::string dir = base != nullptr ? base : ".";
  SDL_free(base);
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

void PrintMirror(const bv::game::World& w, bool anti, bool dirt) {
  std::printf(
      "mirror hud_alpha=%d minimap_alpha=%d p1_color=%u p2_color=%u enemy_color=%u "
      "game_mode=%d anti=%d dirt=%d key_codes=",
      w.hud_alpha, w.minimap_alpha, w.players[0].color, w.players[1].color, w.enemy_color,
      w.game_mode, anti, dirt);
  for (size_t i = 0; i < w.key_codes.size(); ++i) {
    std::printf("%s%d", i ? "," : "", w.key_codes[i]);
  }
  std::printf("\n");
}

void PrintState(const OptionsForm& f, const bv::settings::OptionsDialog& d,
                const bv::game::World& w, const bv::settings::ScreenSettings& ini) {
  std::printf(
      "state visible=%d hud_alpha=%d hud_trans_bar=%d map_trans_bar=%d anti=%d dirt=%d showfps=%d "
      "dif_level=%d multi_tryb=%d frag_bar=%d point_bar=%d arenamode=%d reitem_bar=%d "
      "level_source=%s selected=%d focused_key=%d keys=",
      f.visible(), w.hud_alpha, f.hud_trans_bar(), f.map_trans_bar(), f.anti(), f.dirt(),
      f.showfps(), f.dif_level(), f.multi_tryb(), f.frag_bar(), f.point_bar(), f.arenamode(),
      f.reitem_bar(),
      f.level_source() == bv::settings::LevelSource::kCampaign ? "campaign" : "custom",
      f.selected_level(), f.focused_key());
  for (int k = 0; k < bv::settings::kKeyEditCount; ++k) {
    std::printf("%s%d", k ? "," : "", f.key(k));
  }
  std::printf(" read_only=%d editing_text=%d net_role=%s net_port=%d net_address=%s\n",
              f.read_only(), d.editing_text(),
              ini.net_role() == bv::settings::NetRole::kJoin ? "join" : "host", ini.net_port(),
              ini.net_address().c_str());
}

void PrintLayout() {
  auto line = [](const char* name, const L::Box& b) {
    std::printf("layout %s %d %d %d %d\n", name, b.x, b.y, b.w, b.h);
  };
  line("window", L::Box{0, 0, L::kWidth, L::kHeight});
  line("hud_trans_bar", L::kHudTransBar);
  line("map_trans_bar", L::kMapTransBar);
  line("anti", L::kAnti);
  line("mode_list", L::kModeList);
  line("c1_up", L::KeyEdit(0));
  line("close_button", L::kCloseButton);
  // The "Sieć" page's controls, where the page stands when its tab is shown.
  namespace N = bv::settings::net_layout;
  auto page = [&](const char* name, const L::Box& b) {
    line(name, L::kExtraPageClient.At(b.x, b.y, b.w, b.h));
  };
  page("net_host", N::kHostRadio);
  page("net_join", N::kJoinRadio);
  page("net_address", N::kAddress);
  page("net_port", N::kPort);
  page("net_start", N::kStart);
  page("net_leave", N::kLeave);
}

// The stand-in main window shows the mirrored colours at the panel's alpha,
// so a developer sees a close take effect.
void DrawMain(SDL_Renderer* r, const bv::game::World& w) {
  SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_BLEND);
  SDL_SetRenderDrawColor(r, 40, 40, 48, 255);
  SDL_RenderClear(r);
  const uint32_t colors[3] = {w.players[0].color, w.players[1].color, w.enemy_color};
  for (int i = 0; i < 3; ++i) {
    const uint32_t c = colors[i];
    SDL_SetRenderDrawColor(r, c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF, w.hud_alpha);
    const SDL_Rect rect{80 + i * 170, 180, 140, 120};
    SDL_RenderFillRect(r, &rect);
  }
  SDL_RenderPresent(r);
}

}  // namespace

int Run(const Args& args) {
  const std::string dir = args.dir.empty() ? ProgramDir() : args.dir;

  SDL_Window* main_window =
      SDL_CreateWindow("Brimvale", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 640, 480, 0);
  SDL_Renderer* main_renderer =
      main_window != nullptr ? SDL_CreateRenderer(main_window, -1, 0) : nullptr;
  if (main_renderer == nullptr) {
    std::fprintf(stderr, "brimvale-options: cannot create the main window: %s\n", SDL_GetError());
    return 1;
  }

  auto world = std::make_unique<bv::game::World>();
  bv::settings::LiveOptions live;
  // Without --dir, the places the game itself would use.
  const bv::game::Places places =
      args.dir.empty() ? bv::game::FindPlaces(dir, bv::game::PlacesEnvironment::OfProcess())
                       : bv::game::PlacesOfProgram(dir);
  OptionsForm form(*world, live, places);
  bool anti = false, dirt = false;
  bool quit = false;
  bool fatal = false;
  form.set_draw_switches([&](bool a, bool d) {
    anti = a;
    dirt = d;
  });
  form.set_fatal_report([&](int32_t code, const std::string& text) {
    const std::string utf8 = bv::media::Cp1250ToUtf8(text);
    std::printf("fatal %d %s\n", code, utf8.c_str());
    std::fprintf(stderr, "brimvale-options: %s\n", utf8.c_str());
    if (args.message_box) {
      SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, "Brimvale", utf8.c_str(), main_window);
    }
    quit = fatal = true;
    return true;
  });

  bv::settings::OptionsDialog dialog(form);
  bv::media::SdlPads pads;
  std::string pad_error;
  if (!pads.Start(places.settings_dir + "/gamecontrollerdb.txt", &pad_error)) {
    std::fprintf(stderr, "brimvale-options: %s\n", pad_error.c_str());
  }
  bv::settings::AddPadPage(dialog, pads.slots());
  bv::settings::ScreenSettingsFile ini(places.settings_dir);
  const bv::settings::ScreenSettingsLoad ini_load = ini.Load();
  if (!ini_load.complaint.empty()) {
    std::fprintf(stderr, "brimvale-options: %s\n", ini_load.complaint.c_str());
  }
  bv::settings::ScreenSettings ini_settings = ini_load.settings;
  bv::settings::NetPageState net;
  bv::settings::AddNetPage(dialog, net, ini_settings);
  dialog.set_scale(args.scale);
  std::string error;
  if (!dialog.Create(main_window, &error)) {
    std::fprintf(stderr, "brimvale-options: %s\n", error.c_str());
    return 1;
  }
  // The options window's own keyboard reader, for key capture (its result is
  // ignored: a reader that cannot start finds no key down).
  std::unique_ptr<bv::media::InputReader> keys = bv::media::MakeSdlInputReader(dialog.window());
  keys->Initialize();
  form.set_key_source(keys.get());

  PrintLayout();
  form.Create();
  std::printf("created\n");
  PrintMirror(*world, anti, dirt);
  if (args.read_only) dialog.SetReadOnly(true);
  if (!args.hidden && !quit) form.Show();

  bool was_visible = false;
  Uint64 last_main_frame = 0;
  while (!quit && !g_quit) {
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, 5)) {
      do {
        pads.HandleEvent(e);
        if (dialog.HandleEvent(e)) continue;
        if (e.type == SDL_QUIT) quit = true;
        if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE) quit = true;
        if (e.type == SDL_KEYDOWN && e.key.keysym.scancode == SDL_SCANCODE_ESCAPE) quit = true;
        if (e.type == SDL_KEYDOWN && e.key.keysym.scancode == SDL_SCANCODE_O) {
          form.Show();  // the menu level's options cell
        }
      } while (SDL_PollEvent(&e));
    }
    dialog.Pump();
    switch (net.TakeRequest()) {
      case bv::settings::NetPageState::Request::kNone:
        break;
      case bv::settings::NetPageState::Request::kHost:
        std::printf("net-request host %d\n", net.port);
        net.link = bv::settings::NetPageState::Link::kHosting;
        break;
      case bv::settings::NetPageState::Request::kJoin:
        std::printf("net-request join %s %d\n", net.address.c_str(), net.port);
        net.link = bv::settings::NetPageState::Link::kJoining;
        break;
      case bv::settings::NetPageState::Request::kLeave:
        std::printf("net-request leave\n");
        net.link = bv::settings::NetPageState::Link::kOff;
        net.status =
            "brimvale-options nie ma sieci: to tylko podgl\xB9"
            "d strony.";
        break;
    }

    if (form.visible() != was_visible) {
      was_visible = form.visible();
      if (was_visible) {
        std::printf("shown\n");
      } else {
        std::printf("closed\n");
        PrintMirror(*world, anti, dirt);
        if (args.once) quit = true;
      }
    }
    if (g_screenshot.exchange(false)) {
      if (args.screenshot.empty()) {
        std::printf("screenshot-failed no --screenshot file given\n");
      } else {
        const std::string path = args.screenshot;
        dialog.RequestScreenshot(path, [path](bool ok, const std::string& why) {
          if (ok) {
            std::printf("screenshot %s\n", path.c_str());
          } else {
            std::printf("screenshot-failed %s\n", why.c_str());
          }
        });
      }
    }
    if (g_state.exchange(false)) PrintState(form, dialog, *world, ini_settings);
    const Uint64 now = SDL_GetTicks64();
    if (now - last_main_frame >= 33) {
      last_main_frame = now;
      DrawMain(main_renderer, *world);
    }
  }

  // The main window's close writes the settings; a fatal report ends the
  // program without it, so an unreadable file is never overwritten.
  int status = fatal ? 1 : 0;
  if (!fatal) {
    if (form.SaveSettings()) {
      std::printf("saved\n");
    } else {
      status = 1;
    }
    if (!ini.Save(ini_settings)) {
      std::fprintf(stderr, "brimvale-options: cannot write %s\n", ini.path().c_str());
      status = 1;
    }
  }
  keys->Finalize();
  SDL_DestroyRenderer(main_renderer);
  SDL_DestroyWindow(main_window);
  return status;
}

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    Usage(stdout);
    return 0;
  }
  Args args;
  if (!ParseArgs(argc, argv, &args)) {
    Usage();
    return 2;
  }
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  signal(SIGUSR1, [](int) { g_screenshot = true; });
  signal(SIGUSR2, [](int) { g_state = true; });
  signal(SIGTERM, [](int) { g_quit = true; });
  signal(SIGINT, [](int) { g_quit = true; });
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "brimvale-options: cannot start SDL: %s\n", SDL_GetError());
    return 1;
  }
  const int status = Run(args);
  SDL_Quit();
  return status;
}
