#include "settings/screen_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "settings/atomic_file.h"
#include "settings/config_file.h"
#include "settings/screen_settings_file.h"
#include "support/temp_dir.h"

namespace bv::settings {
namespace {

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ScreenSettings, DefaultsAreTheModernWindow) {
  const ScreenSettings s;
  EXPECT_EQ(s.window(), WindowChoice::kScaled);
  EXPECT_EQ(s.scaling(), Scaling::kInteger);
  EXPECT_FALSE(s.fullscreen());
  EXPECT_EQ(s.pacing(), Pacing::kVsync);
  EXPECT_EQ(s.frame_cap(), kFrameCapDisplay);
}

TEST(ScreenSettings, ValuesAreReadOffTheTable) {
  struct Case {
    ScreenSetting s;
    const char* text;
    bool ok;
    int value;
  };
  const Case cases[] = {
      {ScreenSetting::kWindow, "classic", true, 1},
      {ScreenSetting::kWindow, "Classic", true, 1},
      {ScreenSetting::kWindow, "scaledx", false, 0},
      {ScreenSetting::kWindow, "1", false, 0},  // no numbers for a choice
      {ScreenSetting::kScaling, "fit", true, 1},
      {ScreenSetting::kFullscreen, "yes", true, 1},
      {ScreenSetting::kFullscreen, "", false, 0},
      {ScreenSetting::kPacing, "unlimited", true, 2},
      {ScreenSetting::kFrameCap, "display", true, kFrameCapDisplay},
      {ScreenSetting::kFrameCap, "144", true, 144},
      {ScreenSetting::kFrameCap, "30", true, 30},
      {ScreenSetting::kFrameCap, "29", false, 0},
      {ScreenSetting::kFrameCap, "1001", false, 0},
      {ScreenSetting::kFrameCap, "0", false, 0},
      {ScreenSetting::kFrameCap, "-60", false, 0},
      {ScreenSetting::kFrameCap, "99999999999999", false, 0},
  };
  for (const Case& c : cases) {
    int v = -7;
    EXPECT_EQ(ParseScreenValue(c.s, c.text, &v), c.ok) << InfoOf(c.s).name << " " << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
    }
  }
  EXPECT_EQ(ScreenValueText(ScreenSetting::kFrameCap, 144), "144");
  EXPECT_EQ(ScreenValueText(ScreenSetting::kFrameCap, 0), "display");
  EXPECT_EQ(AllowedScreenValues(ScreenSetting::kFrameCap), "display | 30..1000");
  ScreenSettings s;
  EXPECT_FALSE(s.set(ScreenSetting::kPacing, 3));
  EXPECT_EQ(s.pacing(), Pacing::kVsync);
}

TEST(ScreenSettings, TheNetworkChoiceIsReadOffTheTables) {
  const ScreenSettings d;
  EXPECT_EQ(d.net_role(), NetRole::kHost);
  EXPECT_EQ(d.net_port(), kDefaultNetPort);
  EXPECT_EQ(d.net_address(), "");
  struct Case {
    const char* text;
    bool ok;
  };
  const Case ports[] = {{"1024", true},   {"65535", true}, {"28640", true}, {"1023", false},
                        {"65536", false}, {"0", false},    {"", false},     {"port", false}};
  for (const Case& c : ports) {
    int v = 0;
    EXPECT_EQ(ParseScreenValue(ScreenSetting::kNetPort, c.text, &v), c.ok) << c.text;
  }
  EXPECT_EQ(AllowedScreenValues(ScreenSetting::kNetPort), "1024..65535");
  EXPECT_EQ(AllowedScreenValues(ScreenSetting::kNetRole), "host | join");
  const Case addresses[] = {
      {"", true},           {"192.168.1.20", true}, {"my-host.example_1.org", true},
      {"two words", false}, {"host:5000", false},   {"g\xF3ra", false},
      {"a\n", false}};
  for (const Case& c : addresses) {
    ScreenSettings s;
    EXPECT_EQ(s.set_text(TextSetting::kNetAddress, c.text), c.ok) << c.text;
    EXPECT_EQ(s.net_address(), c.ok ? c.text : "") << c.text;
  }
  ScreenSettings s;
  EXPECT_TRUE(s.set_text(TextSetting::kNetAddress, std::string(kMaxNetAddressLength, 'a')));
  EXPECT_FALSE(s.set_text(TextSetting::kNetAddress, std::string(kMaxNetAddressLength + 1, 'a')));
  EXPECT_NE(s, ScreenSettings()) << "texts count in the comparison";
  for (const TextSettingInfo& info : kTextSettings) {
    EXPECT_TRUE(TextAllowed(info.kind, info.max_length, info.default_value)) << info.name;
  }
}

TEST(TextKind, EachKindTakesItsCharacters) {
  struct Case {
    TextKind kind;
    const char* text;
    bool ok;
    const char* filtered;  // what a field keeps of it, at most 8 characters
  };
  const Case cases[] = {
      {TextKind::kDigits, "28640", true, "28640"},
      {TextKind::kDigits, "12a3 ", false, "123"},
      {TextKind::kDigits, "123456789", false, "12345678"},
      {TextKind::kAddress, "10.0.0.1", true, "10.0.0.1"},
      {TextKind::kAddress, "h\xF3st x", false, "hstx"},
      {TextKind::kText,
       "Gra \xB3\xB9"
       "cz",
       true,
       "Gra \xB3\xB9"
       "cz"},
      {TextKind::kText, "a\tb\x7F\x81", false, "ab"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextAllowed(c.kind, 8, c.text), c.ok) << c.text;
    EXPECT_EQ(FilterText(c.kind, 8, c.text), c.filtered) << c.text;
  }
  EXPECT_TRUE(TextAllowed(TextKind::kText, 0, ""));
}

TEST(ScreenSettingsFile, TheNetworkChoiceRoundTripsAndADamagedOneReadsAsDefaults) {
  test::TempDir dir;
  const std::string path = ScreenSettingsPath(dir.path());
  ScreenSettingsFile file(dir.path());
  // A fresh file holds every key, the empty address too.
  const std::string fresh = file.Text(ScreenSettings());
  EXPECT_NE(fresh.find("net_role = host\n"), std::string::npos) << fresh;
  EXPECT_NE(fresh.find("net_port = 28640\n"), std::string::npos) << fresh;
  EXPECT_NE(fresh.find("\nnet_address =\n"), std::string::npos) << fresh;
  EXPECT_TRUE(ScreenSettingsFile::Parse(path, fresh, nullptr).complaint.empty());

  WriteText(path, "mine = 1\nnet_address = old.host\nscaling = fit\n");
  ScreenSettings s = file.Load().settings;
  EXPECT_EQ(s.net_address(), "old.host");
  s.set(ScreenSetting::kNetRole, 1);
  s.set(ScreenSetting::kNetPort, 5000);
  s.set_text(TextSetting::kNetAddress, "192.168.0.7");
  ASSERT_TRUE(file.Save(s));
  const std::string text = ReadText(path);
  EXPECT_EQ(text.rfind("mine = 1\nnet_address = 192.168.0.7\nscaling = fit\n", 0), 0u) << text;
  const ScreenSettingsLoad load = ScreenSettingsFile(dir.path()).Load();
  EXPECT_TRUE(load.complaint.empty()) << load.complaint;
  EXPECT_EQ(load.settings, s);
  EXPECT_EQ(load.settings.net_role(), NetRole::kJoin);
  EXPECT_EQ(load.settings.net_port(), 5000);

  struct Case {
    const char* text;
    const char* says;
  };
  const Case damaged[] = {
      {"scaling = fit\nnet_port = 80\n", ":2: net_port = \"80\" is not one of 1024..65535"},
      {"net_address = two words\n", ":1: net_address = \"two words\" is not the host to join"},
      {"net_role = guest\n", ":1: net_role"},
  };
  for (const Case& c : damaged) {
    const ScreenSettingsLoad bad = ScreenSettingsFile::Parse(path, c.text, nullptr);
    EXPECT_EQ(bad.settings, ScreenSettings()) << c.text;
    EXPECT_NE(bad.complaint.find(c.says), std::string::npos) << bad.complaint;
  }
}

TEST(ScreenSettingsFile, MissingFileGivesDefaultsQuietly) {
  test::TempDir dir;
  ScreenSettingsFile file(dir.path());
  EXPECT_EQ(file.path(), dir.path() + "/brimvale.ini");
  const ScreenSettingsLoad load = file.Load();
  EXPECT_FALSE(load.found);
  EXPECT_TRUE(load.complaint.empty());
  EXPECT_EQ(load.settings, ScreenSettings());
}

TEST(ScreenSettingsFile, SavedSettingsReadBackAndConfigDatIsNotTouched) {
  test::TempDir dir;
  ScreenSettings s;
  s.set(ScreenSetting::kWindow, 1);
  s.set(ScreenSetting::kScaling, 1);
  s.set(ScreenSetting::kFullscreen, 1);
  s.set(ScreenSetting::kPacing, 1);
  s.set(ScreenSetting::kFrameCap, 75);
  ASSERT_TRUE(ScreenSettingsFile(dir.path()).Save(s));
  EXPECT_FALSE(std::filesystem::exists(ConfigPath(dir.path())));
  EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(ScreenSettingsPath(dir.path()))));
  const std::string text = ReadText(ScreenSettingsPath(dir.path()));
  EXPECT_NE(text.find("window = classic\n"), std::string::npos) << text;
  EXPECT_NE(text.find("frame_cap = 75\n"), std::string::npos) << text;
  ScreenSettingsFile again(dir.path());
  const ScreenSettingsLoad load = again.Load();
  EXPECT_TRUE(load.found);
  EXPECT_TRUE(load.complaint.empty()) << load.complaint;
  EXPECT_EQ(load.settings, s);
  // Written again unchanged, the text is the same.
  EXPECT_EQ(again.Text(s), text);
}

TEST(ScreenSettingsFile, UnknownKeysCommentsAndSpellingSurviveASave) {
  test::TempDir dir;
  const std::string path = ScreenSettingsPath(dir.path());
  WriteText(path,
            "; mine\r\n"
            "[net]\n"
            "  Scaling=FIT   \n"
            "netplay.port = 7777\n"
            "\n"
            "# the end\n");
  ScreenSettingsFile file(dir.path());
  const ScreenSettingsLoad load = file.Load();
  ASSERT_TRUE(load.complaint.empty()) << load.complaint;
  // Keys are spelled exactly; "Scaling" is someone else's.
  EXPECT_EQ(load.settings.scaling(), Scaling::kInteger);
  ScreenSettings s = load.settings;
  s.set(ScreenSetting::kPacing, 2);
  ASSERT_TRUE(file.Save(s));
  const std::string text = ReadText(path);
  EXPECT_EQ(text.rfind("; mine\n[net]\n  Scaling=FIT   \nnetplay.port = 7777\n\n# the end\n", 0),
            0u)
      << text;
  EXPECT_NE(text.find("pacing = unlimited\n"), std::string::npos);
  EXPECT_EQ(ScreenSettingsFile(dir.path()).Load().settings, s);
}

TEST(ScreenSettingsFile, KnownKeysAreRewrittenWhereTheyStand) {
  test::TempDir dir;
  const std::string path = ScreenSettingsPath(dir.path());
  WriteText(path, "other = 1\nscaling = fit\nmore = 2\n");
  ScreenSettingsFile file(dir.path());
  ScreenSettings s = file.Load().settings;
  EXPECT_EQ(s.scaling(), Scaling::kFit);
  s.set(ScreenSetting::kScaling, 0);
  const std::string text = file.Text(s);
  EXPECT_EQ(text.rfind("other = 1\nscaling = integer\nmore = 2\n", 0), 0u) << text;
  EXPECT_EQ(text.find("scaling", text.find("integer")), std::string::npos) << "written once";
}

TEST(ScreenSettingsFile, DamagedFilesReadAsDefaultsWithOneLine) {
  struct Case {
    const char* name;
    std::string text;
    const char* says;  // in the complaint
  };
  const Case cases[] = {
      {"bad word", "window = classic\nscaling = stretch\n", ":2: scaling = \"stretch\" is not one of integer | fit"},
      {"number out of range", "frame_cap = 5\n", ":1: frame_cap = \"5\""},
      {"not key = value", "window = classic\nthis is not a setting\n", ":2: \"this is not a setting\""},
      {"empty key", " = classic\n", ":1:"},
      {"binary", std::string("window = classic\n\0\x01\x02", 20), "not a text file"},
      {"too large", "window = classic\n" + std::string(70000, '#'), "larger than 64 KiB"},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    const std::string path = ScreenSettingsPath(dir.path());
    WriteText(path, c.text);
    const ScreenSettingsLoad load = ScreenSettingsFile(dir.path()).Load();
    EXPECT_TRUE(load.found) << c.name;
    EXPECT_EQ(load.settings, ScreenSettings()) << c.name << ": the defaults, also for good lines";
    EXPECT_EQ(load.complaint.rfind(path, 0), 0u) << c.name << ": " << load.complaint;
    EXPECT_NE(load.complaint.find(c.says), std::string::npos) << c.name << ": " << load.complaint;
    EXPECT_NE(load.complaint.find("using the default screen settings"), std::string::npos);
    EXPECT_EQ(load.complaint.find('\n'), std::string::npos) << "one line";
  }
}

TEST(ScreenSettingsFile, ADamagedFileIsMendedByTheNextSaveWithoutLosingLines) {
  test::TempDir dir;
  const std::string path = ScreenSettingsPath(dir.path());
  WriteText(path, "my notes\nwindow = huge\nfriend = yes\n");
  ScreenSettingsFile file(dir.path());
  ASSERT_FALSE(file.Load().complaint.empty());
  ASSERT_TRUE(file.Save(ScreenSettings()));
  const std::string text = ReadText(path);
  EXPECT_EQ(text.rfind("# my notes\nwindow = scaled\nfriend = yes\n", 0), 0u) << text;
  const ScreenSettingsLoad again = ScreenSettingsFile(dir.path()).Load();
  EXPECT_TRUE(again.complaint.empty()) << again.complaint;
}

TEST(ScreenSettingsFile, AFolderInItsPlaceIsReportedAndASaveFailsCleanly) {
  test::TempDir dir;
  std::filesystem::create_directories(ScreenSettingsPath(dir.path()));
  ScreenSettingsFile file(dir.path());
  const ScreenSettingsLoad load = file.Load();
  EXPECT_NE(load.complaint.find("not a file"), std::string::npos);
  EXPECT_FALSE(file.Save(ScreenSettings()));
  EXPECT_TRUE(std::filesystem::is_directory(ScreenSettingsPath(dir.path())));
}

TEST(ScreenSettingsFile, ALeftTemporaryIsClearedAtLoad) {
  test::TempDir dir;
  const std::string tmp = TemporaryPathFor(ScreenSettingsPath(dir.path()));
  WriteText(tmp, "window = cla");
  ScreenSettingsFile(dir.path()).Load();
  EXPECT_FALSE(std::filesystem::exists(tmp));
}

}  // namespace
}  // namespace bv::settings
