#include "settings/options_form.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "game/key_source.h"
#include "game/world.h"
#include "settings/config_file.h"
#include "settings/polish.h"
#include "settings/unprivileged.h"
#include "support/temp_dir.h"

namespace bv::settings {
namespace {

using test::Pl;

// A program folder, the world and live options, and the window over them.
class OptionsFormTest : public ::testing::Test {
 protected:
  void WriteConfig(const ConfigBytes& bytes) { WriteRaw(std::string(bytes.begin(), bytes.end())); }
  void WriteRaw(const std::string& bytes) {
    std::ofstream(dir.File("config.dat"), std::ios::binary | std::ios::trunc) << bytes;
  }
  std::string ReadConfig() {
    std::ifstream in(dir.File("config.dat"), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  OptionsForm& Create() {
    form = std::make_unique<OptionsForm>(*world, live, game::PlacesOfProgram(dir.path()));
    form->set_key_source(&keys);
    form->set_fatal_report([this](int32_t code, const std::string& text) {
      reports.push_back({code, text});
      return true;
    });
    form->set_draw_switches([this](bool a, bool d) { switches.push_back({a, d}); });
    created = form->Create();
    return *form;
  }

  test::TempDir dir;
  std::unique_ptr<game::World> world = std::make_unique<game::World>();
  LiveOptions live;
  game::KeyTable keys;
  std::unique_ptr<OptionsForm> form;
  bool created = false;
  std::vector<std::pair<int32_t, std::string>> reports;
  std::vector<std::pair<bool, bool>> switches;
};

TEST_F(OptionsFormTest, StartWithoutFileOrLevelsShowsTheDefaults) {
  OptionsForm& f = Create();
  EXPECT_TRUE(created);
  EXPECT_TRUE(reports.empty());
  EXPECT_FALSE(f.visible());
  EXPECT_EQ(f.hud_trans_bar(), 102);
  EXPECT_EQ(f.map_trans_bar(), 153);
  EXPECT_EQ(f.hud_trans_lab(), "40 %");
  EXPECT_EQ(f.map_trans_lab(), "60 %");
  EXPECT_EQ(f.frag_lab(), "10 morderstw");
  EXPECT_EQ(f.point_lab(), Pl("5000 punktów"));
  EXPECT_EQ(f.color(Swatch::kPlayer1), 16744448u);
  EXPECT_EQ(f.color(Swatch::kPlayer2), 65280u);
  EXPECT_EQ(f.color(Swatch::kEnemy), 255u);
  EXPECT_EQ(f.dif_level(), 3);
  EXPECT_EQ(f.multi_tryb(), 0);
  EXPECT_EQ(f.reitem_bar(), 600);
  EXPECT_TRUE(f.arenamode());
  EXPECT_FALSE(f.anti() || f.dirt() || f.showfps());
  EXPECT_EQ(f.level_source(), LevelSource::kCampaign);
  EXPECT_TRUE(f.level_list().empty());
  EXPECT_EQ(f.selected_level(), -1);
  EXPECT_TRUE(f.level_choice_enabled());
  EXPECT_TRUE(f.difficulty_enabled());
  const char* key_texts[] = {"200", "208", "203", "205", "82", "28",
                             "17",  "31",  "30",  "32",  "16", "47"};
  for (int k = 0; k < kKeyEditCount; ++k) EXPECT_EQ(f.key_text(k), key_texts[k]) << k;
  // The closing at the end of creation mirrored the settings.
  EXPECT_EQ(switches, (std::vector<std::pair<bool, bool>>{{false, false}}));
}

TEST_F(OptionsFormTest, SaveAfterAStartWithoutAFile) {
  Create();
  ASSERT_TRUE(form->SaveSettings());
  const std::string expected{
      "\x66\x99\x00\x00"          // 102, 153, reserved
      "\x00\x80\xFF\x00"          // 16744448
      "\x00\xFF\x00\x00"          // 65280
      "\xFF\x00\x00\x00"          // 255
      "\x03\x00\x0A\x00"          // difficulty 3, mode 0, frags 10, reserved
      "\x88\x13\x00\x00"          // 5000
      "\x58\x02"                  // 600
      "\x01\x00\x00\x00"          // respawn on, antialias, dithering, fps off
      "\xC8\xD0\xCB\xCD\x52\x1C"  // 200 208 203 205 82 28
      "\x11\x1F\x1E\x20\x10\x2F"  // 17 31 30 32 16 47
      "\x00\x00",
      44};
  EXPECT_EQ(ReadConfig(), expected);
}

TEST_F(OptionsFormTest, AFileOfZeroBytesLoadsAsTheLowestValues) {
  WriteConfig(ConfigBytes{});
  OptionsForm& f = Create();
  EXPECT_EQ(f.hud_trans_bar(), 25);
  EXPECT_EQ(f.map_trans_bar(), 25);
  EXPECT_EQ(f.color(Swatch::kPlayer1), 0u);
  EXPECT_EQ(f.color(Swatch::kPlayer2), 0u);
  EXPECT_EQ(f.color(Swatch::kEnemy), 0u);
  EXPECT_EQ(f.dif_level(), 0);
  EXPECT_EQ(f.multi_tryb(), 0);
  EXPECT_EQ(f.frag_bar(), 5);
  EXPECT_EQ(f.point_bar(), 1000);
  EXPECT_EQ(f.reitem_bar(), 100);
  EXPECT_FALSE(f.arenamode() || f.anti() || f.dirt() || f.showfps());
  for (int k = 0; k < kKeyEditCount; ++k) EXPECT_EQ(f.key(k), 0) << k;
  // and reaches the world at once, through the closing at creation
  EXPECT_EQ(world->hud_alpha, 25);
  EXPECT_EQ(world->minimap_alpha, 25);
  EXPECT_EQ(world->players[0].color, 0u);
  EXPECT_EQ(world->enemy_color, 0u);
  for (uint8_t k : world->key_codes) EXPECT_EQ(k, 0);
  EXPECT_EQ(live.frag_limit(), 5);
}

TEST_F(OptionsFormTest, InRangeFilesRoundTripByteForByte) {
  ConfigRecord a;  // the defaults
  ConfigRecord b;
  b.hud_trans = 25;
  b.map_trans = 230;
  b.p1_color = 0x00123456;
  b.p2_color = 0x00FFFFFF;
  b.en_color = 0;
  b.dif_level = 6;
  b.multi_tryb = 2;
  b.frag_limit = 100;
  b.point_limit = 100000;
  b.reitem_period = 1000;
  b.arenamode = 0;
  b.anti = b.dirt = b.showfps = 1;
  b.keys = {0, 255, 1, 2, 3, 4, 5, 6, 7, 8, 9, 200};
  ConfigRecord c = b;
  c.multi_tryb = 1;
  c.dif_level = 0;
  c.frag_limit = 5;
  c.point_limit = 1000;
  c.reitem_period = 100;
  for (const ConfigRecord& r : {a, b, c}) {
    const ConfigBytes bytes = EncodeConfig(r);
    WriteConfig(bytes);
    Create();
    ASSERT_TRUE(form->SaveSettings());
    EXPECT_EQ(ReadConfig(), std::string(bytes.begin(), bytes.end()));
  }
}

TEST_F(OptionsFormTest, OutOfRangeValuesAreSavedClampedOrNormalised) {
  struct Case {
    uint8_t hud, map, frag;
    int32_t points;
    uint16_t reitem;
    uint8_t hud_saved, map_saved, frag_saved;
    int32_t points_saved;
    uint16_t reitem_saved;
  } cases[] = {
      {0, 255, 0, -5, 0, 25, 230, 5, 1000, 100},
      {24, 231, 101, 100001, 1001, 25, 230, 100, 100000, 1000},
      {255, 0, 255, 0x7FFFFFFF, 65535, 230, 25, 100, 100000, 1000},
  };
  for (const Case& c : cases) {
    ConfigBytes bytes = EncodeConfig(ConfigRecord{});
    bytes[0] = c.hud;
    bytes[1] = c.map;
    bytes[18] = c.frag;
    for (int i = 0; i < 4; ++i) bytes[20 + i] = static_cast<uint8_t>(c.points >> (8 * i));
    bytes[24] = static_cast<uint8_t>(c.reitem);
    bytes[25] = static_cast<uint8_t>(c.reitem >> 8);
    bytes[26] = bytes[27] = bytes[28] = bytes[29] = 7;  // boolean bytes of 7 read as checked
    bytes[2] = bytes[3] = bytes[19] = bytes[42] = bytes[43] = 0xAA;  // reserved: ignored
    WriteConfig(bytes);
    OptionsForm& f = Create();
    EXPECT_TRUE(f.arenamode() && f.anti() && f.dirt() && f.showfps());
    ASSERT_TRUE(f.SaveSettings());
    const ConfigRecord saved = DecodeConfig([&] {
      const std::string s = ReadConfig();
      ConfigBytes out{};
      std::copy(s.begin(), s.end(), out.begin());
      return out;
    }());
    const std::string raw = ReadConfig();
    EXPECT_EQ(saved.hud_trans, c.hud_saved);
    EXPECT_EQ(saved.map_trans, c.map_saved);
    EXPECT_EQ(saved.frag_limit, c.frag_saved);
    EXPECT_EQ(saved.point_limit, c.points_saved);
    EXPECT_EQ(saved.reitem_period, c.reitem_saved);
    for (int at : {26, 27, 28, 29}) EXPECT_EQ(raw[at], 1) << at;
    for (int at : {2, 3, 19, 42, 43}) EXPECT_EQ(raw[at], 0) << at;
  }
}

TEST_F(OptionsFormTest, ShortAndLongFiles) {
  // A short file: the missing bytes count as 0 and are clamped.
  WriteRaw(std::string("\xC8\x32", 2));
  OptionsForm& f = Create();
  EXPECT_TRUE(created);
  EXPECT_EQ(f.hud_trans_bar(), 200);
  EXPECT_EQ(f.map_trans_bar(), 50);
  EXPECT_EQ(f.color(Swatch::kPlayer1), 0u);
  EXPECT_EQ(f.frag_bar(), 5);
  EXPECT_EQ(f.point_bar(), 1000);
  EXPECT_EQ(f.key(0), 0);

  // A long file: bytes after the 44th are ignored.
  const ConfigBytes bytes = EncodeConfig(ConfigRecord{});
  WriteRaw(std::string(bytes.begin(), bytes.end()) + std::string(100, '\x7F'));
  Create();
  ASSERT_TRUE(form->SaveSettings());
  EXPECT_EQ(ReadConfig(), std::string(bytes.begin(), bytes.end()));
}

TEST_F(OptionsFormTest, ADifficultyOfNineLeavesNoSelection) {
  ConfigBytes bytes = EncodeConfig(ConfigRecord{});
  bytes[16] = 9;
  WriteConfig(bytes);
  OptionsForm& f = Create();
  EXPECT_EQ(f.dif_level(), -1);
  EXPECT_EQ(live.difficulty(), -1);
  // No selection is saved as its low byte and reads back as none.
  ASSERT_TRUE(f.SaveSettings());
  EXPECT_EQ(static_cast<uint8_t>(ReadConfig()[16]), 255);
  Create();
  EXPECT_EQ(form->dif_level(), -1);
}

TEST_F(OptionsFormTest, StoredModeAppliesTheModeRulesAtStart) {
  test::TempDir& d = dir;
  d.MakeDir("data/levels/campaign/one");
  std::ofstream(d.File("data/levels/custom/arena.dmp")) << "x";
  struct Case {
    uint8_t stored;
    int mode;
    bool enabled;
    LevelSource source;
  } cases[] = {{0, 0, true, LevelSource::kCampaign},
               {1, 1, false, LevelSource::kCustom},
               {2, 2, false, LevelSource::kCustom},
               // A mode beyond the list selects Cooperation.
               {3, 0, true, LevelSource::kCampaign},
               {255, 0, true, LevelSource::kCampaign}};
  for (const Case& c : cases) {
    ConfigBytes bytes = EncodeConfig(ConfigRecord{});
    bytes[17] = c.stored;
    WriteConfig(bytes);
    live = LiveOptions{};
    OptionsForm& f = Create();
    EXPECT_EQ(f.multi_tryb(), c.mode) << int(c.stored);
    EXPECT_EQ(world->game_mode, c.mode) << int(c.stored);
    EXPECT_EQ(f.level_choice_enabled(), c.enabled) << int(c.stored);
    EXPECT_EQ(f.difficulty_enabled(), c.enabled) << int(c.stored);
    EXPECT_EQ(f.level_source(), c.source) << int(c.stored);
    EXPECT_EQ(f.level_list(),
              std::vector<std::string>{c.source == LevelSource::kCampaign ? "one" : "arena"});
    EXPECT_EQ(f.selected_level(), 0);
    ASSERT_TRUE(f.SaveSettings());
    EXPECT_EQ(ReadConfig()[17], c.mode);
  }
}

TEST_F(OptionsFormTest, ModeRulesOnChange) {
  dir.MakeDir("data/levels/campaign/one");
  for (const char* n : {"a.dmp", "b.dmp"})
    std::ofstream(dir.File(std::string("data/levels/custom/") + n)) << "x";
  OptionsForm& f = Create();
  EXPECT_EQ(f.level_list(), (std::vector<std::string>{"one"}));

  f.set_multi_tryb(1);
  EXPECT_FALSE(f.level_choice_enabled());
  EXPECT_FALSE(f.difficulty_enabled());
  EXPECT_EQ(f.level_source(), LevelSource::kCustom);
  EXPECT_EQ(f.level_list(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(f.selected_level(), 0);

  // Between the two versus modes the custom choice stays as the user left it.
  f.set_selected_level(1);
  f.set_multi_tryb(2);
  EXPECT_EQ(f.selected_level(), 1);
  EXPECT_FALSE(f.level_choice_enabled());

  // Back to Cooperation: enabled again, still custom, list unchanged.
  f.set_multi_tryb(0);
  EXPECT_TRUE(f.level_choice_enabled());
  EXPECT_TRUE(f.difficulty_enabled());
  EXPECT_EQ(f.level_source(), LevelSource::kCustom);
  EXPECT_EQ(f.selected_level(), 1);

  // The limits are never disabled; the mode reaches the world only at close.
  EXPECT_EQ(world->game_mode, 0);
  f.set_multi_tryb(2);
  EXPECT_EQ(world->game_mode, 0);
  f.Close();
  EXPECT_EQ(world->game_mode, 2);
}

TEST_F(OptionsFormTest, RadioButtonsFillTheList) {
  dir.MakeDir("data/levels/campaign/zeta");
  dir.MakeDir("data/levels/campaign/alpha");
  std::ofstream(dir.File("data/levels/campaign/readme.txt")) << "x";
  std::ofstream(dir.File("data/levels/custom/arena.dmp")) << "x";
  OptionsForm& f = Create();
  EXPECT_EQ(f.level_list(), (std::vector<std::string>{"alpha", "zeta"}));
  f.set_selected_level(1);
  EXPECT_EQ(live.selected_text(), "zeta");
  f.ClickCustom();
  EXPECT_EQ(live.level_source(), LevelSource::kCustom);
  EXPECT_EQ(f.level_list(), (std::vector<std::string>{"arena"}));
  EXPECT_EQ(live.selected_text(), "arena");
  f.ClickCampaign();
  EXPECT_EQ(live.level_source(), LevelSource::kCampaign);
  EXPECT_EQ(live.selected_text(), "alpha");
}

TEST_F(OptionsFormTest, KeyCaptureStoresTheHighestCodeHeld) {
  OptionsForm& f = Create();
  f.Show();
  EXPECT_EQ(f.focused_key(), kNoKeyEdit);

  // No edit focused: nothing changes.
  keys.Set(17, true);
  f.KeyDownInKeyEdit();
  EXPECT_EQ(f.key(0), 200);
  EXPECT_EQ(f.key(6), 17);

  f.set_focused_key(2);  // player 1, left
  keys.Set(200, true);   // arrow up and W held
  f.KeyDownInKeyEdit();
  EXPECT_EQ(f.key(2), 200);
  EXPECT_EQ(f.key_text(2), "200");
  EXPECT_EQ(f.key(0), 200);  // only the focused edit changes
  EXPECT_EQ(f.key(3), 205);

  keys.Clear();
  f.KeyDownInKeyEdit();  // nothing held: the text stays
  EXPECT_EQ(f.key(2), 200);

  keys.Set(1, true);  // any key may be bound, clashes included
  f.set_focused_key(11);
  f.KeyDownInKeyEdit();
  EXPECT_EQ(f.key(11), 1);

  // Showing the window again leaves no key edit focused.
  f.Close();
  f.Show();
  EXPECT_EQ(f.focused_key(), kNoKeyEdit);
  f.set_focused_key(12);
  EXPECT_EQ(f.focused_key(), kNoKeyEdit);
}

TEST_F(OptionsFormTest, KeyCaptureWithoutAReaderFindsNoKey) {
  OptionsForm& f = Create();
  f.set_key_source(nullptr);
  f.set_focused_key(0);
  f.KeyDownInKeyEdit();
  EXPECT_EQ(f.key(0), 200);
}

TEST_F(OptionsFormTest, KeysReachTheWorldWithAttackBeforeChangeWeapon) {
  OptionsForm& f = Create();
  EXPECT_EQ(world->key_codes,
            (std::array<uint8_t, 12>{200, 208, 203, 205, 28, 82, 17, 31, 30, 32, 47, 16}));
  f.Show();
  for (int k = 0; k < kKeyEditCount; ++k) {
    keys.Clear();
    keys.Set(static_cast<uint8_t>(100 + k), true);
    f.set_focused_key(k);
    f.KeyDownInKeyEdit();
  }
  f.Close();
  EXPECT_EQ(world->key_codes,
            (std::array<uint8_t, 12>{100, 101, 102, 103, 105, 104, 106, 107, 108, 109, 111, 110}));
  ASSERT_TRUE(f.SaveSettings());
  const std::string raw = ReadConfig();
  for (int k = 0; k < kKeyEditCount; ++k) EXPECT_EQ(static_cast<uint8_t>(raw[30 + k]), 100 + k);
}

TEST_F(OptionsFormTest, OnlyClosingTheWindowReachesTheWorld) {
  OptionsForm& f = Create();
  f.Show();  // the main window's answer to the menu's options cell
  EXPECT_TRUE(f.visible());
  EXPECT_TRUE(live.options_visible());

  f.set_hud_trans_bar(230);
  f.set_map_trans_bar(300);  // clamped like a scroll bar
  f.set_color(Swatch::kPlayer2, 0x00112233);
  f.set_color(Swatch::kEnemy, 0x00445566);
  f.set_anti(true);
  EXPECT_EQ(f.hud_trans_lab(), "90 %");
  EXPECT_EQ(f.map_trans_bar(), 230);
  EXPECT_EQ(world->hud_alpha, 102);
  EXPECT_EQ(world->minimap_alpha, 153);
  EXPECT_EQ(world->players[1].color, 65280u);
  EXPECT_EQ(switches.size(), 1u);

  f.Close();
  EXPECT_FALSE(f.visible());
  EXPECT_FALSE(live.options_visible());
  EXPECT_EQ(world->hud_alpha, 230);
  EXPECT_EQ(world->minimap_alpha, 230);
  EXPECT_EQ(world->players[0].color, 16744448u);
  EXPECT_EQ(world->players[1].color, 0x00112233u);
  EXPECT_EQ(world->enemy_color, 0x00445566u);
  EXPECT_EQ(switches.back(), std::make_pair(true, false));
}

TEST_F(OptionsFormTest, LiveControlsAreReadAtOnce) {
  OptionsForm& f = Create();
  f.Show();
  f.set_dif_level(5);
  f.set_frag_bar(33);
  f.set_point_bar(12345);
  f.set_reitem_bar(250);
  f.set_arenamode(false);
  f.set_showfps(true);
  EXPECT_EQ(live.difficulty(), 5);
  EXPECT_EQ(live.frag_limit(), 33);
  EXPECT_EQ(f.frag_lab(), "33 morderstw");
  EXPECT_EQ(live.point_limit(), 12345);
  EXPECT_EQ(f.point_lab(), Pl("12345 punktów"));
  EXPECT_EQ(live.reitem_period(), 250);
  EXPECT_FALSE(live.arenamode());
  EXPECT_TRUE(live.show_fps());
}

TEST_F(OptionsFormTest, TheSaveTakesTheMirroredSettingsFromTheWorld) {
  OptionsForm& f = Create();
  f.Show();
  f.set_hud_trans_bar(200);
  f.set_multi_tryb(1);
  f.set_frag_bar(50);
  ASSERT_TRUE(f.SaveSettings());
  std::string raw = ReadConfig();
  EXPECT_EQ(static_cast<uint8_t>(raw[0]), 102);  // not mirrored yet
  EXPECT_EQ(raw[17], 0);
  EXPECT_EQ(raw[18], 50);  // a live control
  f.Close();
  ASSERT_TRUE(f.SaveSettings());
  raw = ReadConfig();
  EXPECT_EQ(static_cast<uint8_t>(raw[0]), 200);
  EXPECT_EQ(raw[17], 1);
}

TEST_F(OptionsFormTest, AnUnreadableFileIsReportedAndNothingApplied) {
  ASSERT_EQ(::mkfifo(dir.File("config.dat").c_str(), 0600), 0);
  OptionsForm& f = Create();
  EXPECT_FALSE(created);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].first, -1);
  EXPECT_EQ(reports[0].second, Pl("Wystąpił błąd podczas ładowania pliku konfiguracji !"));
  EXPECT_EQ(f.hud_trans_bar(), 102);
  EXPECT_EQ(f.key(0), 200);
}

TEST_F(OptionsFormTest, AnUnwritableFileIsReported) {
  OptionsForm& f = Create();
  dir.MakeDir("config.dat");  // a folder where the file should go
  EXPECT_FALSE(f.SaveSettings());
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].first, -1);
  EXPECT_EQ(reports[0].second, Pl("Wystąpił błąd podczas zapisywania pliku konfiguracji !"));
}

TEST_F(OptionsFormTest, AnUnwritableFolderIsReportedAndTheOldFileKept) {
  const ConfigBytes old = EncodeConfig(ConfigRecord{});
  WriteConfig(old);
  OptionsForm& f = Create();
  f.set_hud_trans_bar(30);
  f.Close();
  ::chmod(dir.File("config.dat").c_str(), 0666);
  ::chmod(dir.path().c_str(), 0555);
  EXPECT_TRUE(test::AsUnprivileged([&] { return !f.SaveSettings() && reports.size() == 1; }));
  ::chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(ReadConfig(), std::string(old.begin(), old.end()));
}

TEST_F(OptionsFormTest, AFileWithoutReadPermissionIsReported) {
  WriteConfig(EncodeConfig(ConfigRecord{}));
  ::chmod(dir.File("config.dat").c_str(), 0);
  ::chmod(dir.path().c_str(), 0755);
  EXPECT_TRUE(
      test::AsUnprivileged([&] { return !Create().visible() && !created && reports.size() == 1; }));
}

}  // namespace
}  // namespace bv::settings

namespace bv::settings {
namespace {

// A connected guest's window: the host's settings shown, nothing the player
// does changes them, and the guest's own come back untouched.
TEST_F(OptionsFormTest, ReadOnlyShowsTheHostsSettingsAndNoControlChangesThem) {
  dir.MakeDir("data/levels/campaign/alpha");
  std::ofstream(dir.File("data/levels/custom/arena.dmp")) << "x";
  OptionsForm& f = Create();
  f.set_hud_trans_bar(200);
  f.Close();  // the guest's own, mirrored
  const ConfigBytes own_controls = EncodeConfig(f.ControlsRecord());
  const ConfigBytes own_saved = EncodeConfig(f.RecordToSave());
  const uint8_t own_alpha = world->hud_alpha;

  ConfigRecord host;
  host.hud_trans = 50;
  host.multi_tryb = 1;
  host.frag_limit = 42;
  host.keys[0] = 57;
  LiveOptions host_live;
  host_live.set_level_source(LevelSource::kCustom);
  host_live.set_level_list({"hosts_arena"});
  host_live.set_options_visible(true);  // the host's window: not the guest's
  f.BeginReadOnly(host, host_live);
  ASSERT_TRUE(f.read_only());
  EXPECT_FALSE(f.visible());
  EXPECT_EQ(f.hud_trans_bar(), 50);
  EXPECT_EQ(f.multi_tryb(), 1);
  EXPECT_EQ(f.frag_bar(), 42);
  EXPECT_EQ(f.key(0), 57);
  EXPECT_EQ(f.level_source(), LevelSource::kCustom);
  EXPECT_EQ(f.level_list(), (std::vector<std::string>{"hosts_arena"}));
  EXPECT_EQ(f.selected_level(), 0);
  EXPECT_FALSE(f.level_choice_enabled());
  EXPECT_FALSE(f.difficulty_enabled());
  const ConfigBytes shown = EncodeConfig(f.ControlsRecord());

  f.Show();
  keys.Set(30, true);
  struct Poke {
    const char* what;
    std::function<void()> act;
  };
  const Poke pokes[] = {
      {"hud bar", [&] { f.set_hud_trans_bar(230); }},
      {"map bar", [&] { f.set_map_trans_bar(25); }},
      {"colour", [&] { f.set_color(Swatch::kEnemy, 0x123456); }},
      {"anti", [&] { f.set_anti(true); }},
      {"dirt", [&] { f.set_dirt(true); }},
      {"fps", [&] { f.set_showfps(true); }},
      {"difficulty", [&] { f.set_dif_level(6); }},
      {"mode", [&] { f.set_multi_tryb(0); }},
      {"frags", [&] { f.set_frag_bar(99); }},
      {"points", [&] { f.set_point_bar(99000); }},
      {"respawn", [&] { f.set_arenamode(false); }},
      {"period", [&] { f.set_reitem_bar(1000); }},
      {"campaign", [&] { f.ClickCampaign(); }},
      {"custom", [&] { f.ClickCustom(); }},
      {"level", [&] { f.set_selected_level(-1); }},
      {"key capture",
       [&] {
         f.set_focused_key(0);
         f.KeyDownInKeyEdit();
       }},
  };
  for (const Poke& p : pokes) {
    p.act();
    EXPECT_EQ(EncodeConfig(f.ControlsRecord()), shown) << p.what;
    EXPECT_EQ(f.level_list(), (std::vector<std::string>{"hosts_arena"})) << p.what;
    EXPECT_EQ(f.selected_level(), 0) << p.what;
    EXPECT_EQ(f.focused_key(), kNoKeyEdit) << p.what;
  }
  f.Close();
  EXPECT_EQ(world->hud_alpha, own_alpha) << "a read-only close mirrors nothing";
  EXPECT_FALSE(f.visible());
  ASSERT_TRUE(f.SaveSettings());
  const std::string raw = ReadConfig();
  EXPECT_EQ(std::string(own_saved.begin(), own_saved.end()), raw) << "the guest's own are saved";

  // The host's live options again: shown, the own ones still put aside.
  host.hud_trans = 60;
  f.BeginReadOnly(host, host_live);
  EXPECT_EQ(f.hud_trans_bar(), 60);

  f.EndReadOnly();
  EXPECT_FALSE(f.read_only());
  EXPECT_EQ(EncodeConfig(f.ControlsRecord()), own_controls);
  EXPECT_EQ(f.level_source(), LevelSource::kCampaign);
  EXPECT_EQ(f.level_list(), (std::vector<std::string>{"alpha"}));
  EXPECT_TRUE(f.level_choice_enabled());
  EXPECT_EQ(world->hud_alpha, 200);
  f.set_hud_trans_bar(210);
  EXPECT_EQ(f.hud_trans_bar(), 210) << "editable again";
  f.EndReadOnly();  // nothing to end
  EXPECT_EQ(f.hud_trans_bar(), 210);
}

TEST_F(OptionsFormTest, ReadOnlyWithoutARecordLocksWhatIsShown) {
  OptionsForm& f = Create();
  f.set_frag_bar(77);
  f.BeginReadOnly();
  f.set_frag_bar(20);
  EXPECT_EQ(f.frag_bar(), 77);
  EXPECT_EQ(live.frag_limit(), 77);
  f.EndReadOnly();
  EXPECT_EQ(f.frag_bar(), 77);
}

}  // namespace
}  // namespace bv::settings
