// Two game windows of one process playing a network game over the loopback
// address, driven as the options window's "Sieć" page drives them, on SDL's
// dummy video driver.

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <unistd.h>

#include "app/main_window.h"
#include "game/entity_table.h"
#include "game/paths.h"
#include "render/program_images.h"
#include "program_samples.h"
#include "settings/options_form.h"
#include "support/level_builder.h"
#include "support/temp_dir.h"

namespace bv::app {
namespace {

using Link = settings::NetPageState::Link;
using Request = settings::NetPageState::Request;

class QuietBoxes final : public MessageBoxes {
 public:
  void Warning(const std::string&) override {}
  void Error(const std::string&) override {}
};

// One side: its window and the options' controls (without their window).
struct Side {
  Side(const std::string& dir) : main(app, boxes, live, dir) {}
  void Create() {
    std::string error;
    ASSERT_TRUE(main.Create(&error)) << error;
    form = std::make_unique<settings::OptionsForm>(main.world(), live, main.places());
    form->Create();
    main.set_options_form(form.get());
    main.StartRecording();
  }
  Application app;
  QuietBoxes boxes;
  settings::LiveOptions live;
  MainWindow main;
  std::unique_ptr<settings::OptionsForm> form;
};

class NetWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    test::WriteProgramImages(dir_);
    ASSERT_TRUE(test::WriteProgramFont(dir_));
    test::WriteProgramSamples(dir_);
    // A menu and a campaign of one arena, the only one, so both choose it.
    test::LevelBuilder menu;
    menu.Entity(10, 10, game::kPlayer1Start);
    menu.Write(dir_.File("data/levels/campaign/0.dmp"));
    test::LevelBuilder arena;
    arena.Entity(20, 20, game::kPlayer1Start);
    arena.Entity(23, 20, game::kPlayer2Start);
    arena.Write(dir_.File("data/levels/campaign/Arena/1.dmp"));
    // Both windows over one folder: the same data, so the same data hash.
    host_ = std::make_unique<Side>(dir_.path());
    guest_ = std::make_unique<Side>(dir_.path());
    host_->Create();
    guest_->Create();
  }
  void TearDown() override {
    host_.reset();
    guest_.reset();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  // Passes of both windows, a step each, until `done` or the tries run out.
  template <typename Done>
  bool Run(Done done, int tries = 20000) {
    for (int i = 0; i < tries; ++i) {
      for (Side* s : {host_.get(), guest_.get()}) {
        s->main.PollNetwork();
        s->main.RenderProcess();
      }
      if (done()) return true;
      SDL_Delay(1);
    }
    return false;
  }
  settings::NetPageState& page(Side& s) { return s.main.net_page(); }

  test::TempDir dir_;
  std::unique_ptr<Side> host_;
  std::unique_ptr<Side> guest_;
};

TEST_F(NetWindowTest, TheNetworkPageStartsAGameAndTheGuestLeavingEndsItForBoth) {
  // A port of our own: another test may hold one.
  int port = 0;
  for (int attempt = 0; attempt < 5 && page(*host_).link != Link::kHosting; ++attempt) {
    port = 20000 + (getpid() * 7 + attempt * 1013) % 40000;
    page(*host_).port = port;
    page(*host_).request = Request::kHost;
    host_->main.PollNetwork();
  }
  ASSERT_EQ(page(*host_).link, Link::kHosting);
  EXPECT_EQ(page(*host_).status, "Czekam na drugiego gracza...");
  EXPECT_EQ(host_->main.overlay().notice, "");  // drawn from the next frame on

  page(*guest_).address = "127.0.0.1";
  page(*guest_).port = port;
  page(*guest_).request = Request::kJoin;
  ASSERT_TRUE(Run([&] {
    return page(*host_).link == Link::kConnectedHost && page(*guest_).link == Link::kConnectedGuest;
  }));
  // The guest's options show the host's settings and change nothing.
  EXPECT_TRUE(guest_->form->read_only());
  EXPECT_FALSE(host_->form->read_only());
  // Level 1 for two players opens on both, the same world on both sides.
  ASSERT_TRUE(Run([&] {
    return host_->main.shown_world().transition >= game::kPlayStart &&
           guest_->main.shown_world().transition >= game::kPlayStart;
  }));
  for (Side* s : {host_.get(), guest_.get()}) {
    EXPECT_EQ(s->main.shown_world().level_number, 1);
    EXPECT_EQ(s->main.shown_world().second_player, 1);
    EXPECT_EQ(s->main.world().level_number, 0);  // the window's own world waits
  }
  const std::string host_run = host_->main.recording().path();

  page(*guest_).request = Request::kLeave;
  ASSERT_TRUE(Run([&] {
    return page(*host_).link == Link::kOff && page(*guest_).link == Link::kOff &&
           host_->main.world().transition >= game::kPlayStart;
  }));
  EXPECT_EQ(page(*host_).status, "Drugi gracz opuscil gre");
  EXPECT_FALSE(guest_->form->read_only());
  for (Side* s : {host_.get(), guest_.get()}) {
    // Back on the menu level in the window's own world, recorded anew.
    EXPECT_EQ(&s->main.shown_world(), &s->main.world());
    EXPECT_EQ(s->main.world().level_number, 0);
    EXPECT_EQ(s->main.world().second_player, 0);
    EXPECT_TRUE(s->main.recording().recording());
    EXPECT_FALSE(s->main.net_replay_path().empty());
  }
  EXPECT_NE(host_->main.recording().path(), host_run);
  EXPECT_GT(host_->main.overlay().message_timer, 0);
  EXPECT_EQ(host_->main.overlay().message, "Drugi gracz opuscil gre");
}

}  // namespace
}  // namespace bv::app
