#include "tools/sim/scenario.h"

#include <filesystem>
#include <fstream>
#include <limits>
#include <set>
#include <sstream>

#include "game/settings_mirror.h"
#include "media/cp1250.h"

namespace bv::sim {

namespace {

using nlohmann::json;

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw ScenarioError(where + ": " + what);
}

std::string Child(const std::string& where, const std::string& key) {
  return where.empty() ? key : where + "." + key;
}

void AllowOnly(const json& obj, const std::string& where, const std::set<std::string>& known) {
  for (auto it = obj.begin(); it != obj.end(); ++it) {
    if (known.count(it.key()) == 0) Fail(Child(where, it.key()), "unknown field");
  }
}

const json& ObjectAt(const json& obj, const std::string& key, const std::string& where) {
  const json& v = obj.at(key);
  if (!v.is_object()) Fail(Child(where, key), "must be an object");
  return v;
}

int64_t IntegerValue(const json& v, const std::string& where, int64_t lo, int64_t hi) {
  if (!v.is_number_integer()) Fail(where, "must be an integer");
  int64_t n;
  if (v.is_number_unsigned()) {
    uint64_t u = v.get<uint64_t>();
    if (u > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) {
      Fail(where, "must be an integer from " + std::to_string(lo) + " to " + std::to_string(hi));
    }
    n = static_cast<int64_t>(u);
  } else {
    n = v.get<int64_t>();
  }
  if (n < lo || n > hi) {
    Fail(where, "must be an integer from " + std::to_string(lo) + " to " + std::to_string(hi));
  }
  return n;
}

// Reads obj[key] into `out` when present.
bool Integer(const json& obj, const std::string& key, const std::string& where, int64_t lo,
             int64_t hi, int64_t& out) {
  if (!obj.contains(key)) return false;
  out = IntegerValue(obj.at(key), Child(where, key), lo, hi);
  return true;
}

template <typename T>
void IntegerField(const json& obj, const std::string& key, const std::string& where, int64_t lo,
                  int64_t hi, T& out) {
  int64_t v;
  if (Integer(obj, key, where, lo, hi, v)) out = static_cast<T>(v);
}

// Reads obj[key] into `out` when present.
bool BoolField(const json& obj, const std::string& key, const std::string& where, bool& out) {
  if (!obj.contains(key)) return false;
  const json& v = obj.at(key);
  if (!v.is_boolean()) Fail(Child(where, key), "must be true or false");
  out = v.get<bool>();
  return true;
}

constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int64_t kUint32Max = std::numeric_limits<uint32_t>::max();
// Tick numbers stay 32-bit (about 276 days of play at 90 ticks a second).
constexpr int64_t kTickMax = kInt32Max;
// Every reported state holds the whole actor table; more than this many would
// be gigabytes of output.
constexpr int64_t kMaxStates = 100000;
constexpr uintmax_t kMaxScenarioBytes = 64u << 20;

void ParseOptions(const json& obj, settings::LiveOptions& o) {
  const std::string w = "options";
  AllowOnly(obj, w,
            {"difficulty", "frag_limit", "point_limit", "arenamode", "reitem_period", "show_fps",
             "level_source", "level_list", "selected"});
  int64_t n = 0;
  if (Integer(obj, "difficulty", w, -1, 6, n)) o.set_difficulty(static_cast<int>(n));
  // The limits and the period are clamped into their ranges, as the options
  // window's bars would.
  if (Integer(obj, "frag_limit", w, kInt32Min, kInt32Max, n)) o.set_frag_limit(static_cast<int>(n));
  if (Integer(obj, "point_limit", w, kInt32Min, kInt32Max, n)) {
    o.set_point_limit(static_cast<int>(n));
  }
  if (Integer(obj, "reitem_period", w, kInt32Min, kInt32Max, n)) {
    o.set_reitem_period(static_cast<int>(n));
  }
  bool on = false;
  if (BoolField(obj, "arenamode", w, on)) o.set_arenamode(on);
  if (BoolField(obj, "show_fps", w, on)) o.set_show_fps(on);
  if (obj.contains("level_source")) {
    const json& v = obj.at("level_source");
    if (v == "campaign") {
      o.set_level_source(settings::LevelSource::kCampaign);
    } else if (v == "custom") {
      o.set_level_source(settings::LevelSource::kCustom);
    } else {
      Fail(Child(w, "level_source"), "must be \"campaign\" or \"custom\"");
    }
  }
  if (obj.contains("level_list")) {
    const json& v = obj.at("level_list");
    if (!v.is_array()) Fail(Child(w, "level_list"), "must be an array of strings");
    std::vector<std::string> list;
    for (size_t i = 0; i < v.size(); ++i) {
      if (!v[i].is_string()) {
        Fail(Child(w, "level_list") + "[" + std::to_string(i) + "]", "must be a string");
      }
      // The game holds its texts as Windows-1250, as the options window's list would.
      list.push_back(media::Utf8ToCp1250(v[i].get<std::string>()));
    }
    o.set_level_list(std::move(list));  // selects the first entry
  }
  const int64_t last = static_cast<int64_t>(o.level_list().size()) - 1;
  if (obj.contains("selected")) {
    const json& v = obj.at("selected");
    if (!v.is_number_integer()) Fail(Child(w, "selected"), "must be an integer");
    if (v != -1) {
      if (last < 0) Fail(Child(w, "selected"), "must be -1 when the level list is empty");
      IntegerValue(v, Child(w, "selected"), 0, last);
    }
    o.set_selected(static_cast<int>(v.get<int64_t>()));
  }
}

// The scenario names the world's mirrors; they are kept as the settings
// that mirror into them.
void ParseSettings(const json& obj, settings::ConfigRecord& s) {
  const std::string w = "settings";
  AllowOnly(obj, w, {"game_mode", "key_codes", "colors", "hud_alpha", "minimap_alpha"});
  IntegerField(obj, "game_mode", w, game::kCooperation, game::kGameModeCount - 1, s.multi_tryb);
  IntegerField(obj, "hud_alpha", w, 0, 255, s.hud_trans);
  IntegerField(obj, "minimap_alpha", w, 0, 255, s.map_trans);
  if (obj.contains("key_codes")) {
    const json& v = obj.at("key_codes");
    if (!v.is_array() || v.size() != game::kKeyCount) {
      Fail(Child(w, "key_codes"), "must be an array of 12 key codes");
    }
    for (size_t i = 0; i < v.size(); ++i) {
      s.keys[static_cast<size_t>(game::ConfigKeyOfSlot(static_cast<int>(i)))] =
          static_cast<uint8_t>(
              IntegerValue(v[i], Child(w, "key_codes") + "[" + std::to_string(i) + "]", 0, 255));
    }
  }
  if (obj.contains("colors")) {
    const json& v = obj.at("colors");
    if (!v.is_array() || v.size() != 3) {
      Fail(Child(w, "colors"), "must be an array of 3 colours (player 1, player 2, enemy)");
    }
    uint32_t* const colors[3] = {&s.p1_color, &s.p2_color, &s.en_color};
    for (size_t i = 0; i < 3; ++i) {
      *colors[i] = static_cast<uint32_t>(
          IntegerValue(v[i], Child(w, "colors") + "[" + std::to_string(i) + "]", 0, kUint32Max));
    }
  }
}

void ParseInput(const json& v, const settings::ConfigRecord& settings,
                std::vector<InputWindow>& out) {
  const std::array<uint8_t, game::kKeyCount> key_codes = game::MirroredKeyCodes(settings);
  if (!v.is_array()) Fail("input", "must be an array");
  for (size_t i = 0; i < v.size(); ++i) {
    const std::string w = "input[" + std::to_string(i) + "]";
    const json& e = v[i];
    if (!e.is_object()) Fail(w, "must be an object");
    AllowOnly(e, w, {"from", "to", "keys"});
    InputWindow win;
    for (const char* key : {"from", "to", "keys"}) {
      if (!e.contains(key)) Fail(Child(w, key), "is missing");
    }
    win.from = IntegerValue(e.at("from"), Child(w, "from"), 0, kTickMax);
    win.to = IntegerValue(e.at("to"), Child(w, "to"), 0, kTickMax);
    const json& keys = e.at("keys");
    if (!keys.is_array()) Fail(Child(w, "keys"), "must be an array of key names");
    for (size_t k = 0; k < keys.size(); ++k) {
      const std::string kw = Child(w, "keys") + "[" + std::to_string(k) + "]";
      if (!keys[k].is_string()) Fail(kw, "must be a key name");
      try {
        win.keys.push_back(KeyCodeForName(keys[k].get<std::string>(), key_codes));
      } catch (const ScenarioError& err) {
        Fail(kw, err.what());
      }
    }
    out.push_back(std::move(win));
  }
}

void ParseReport(const json& obj, Scenario& sc) {
  const std::string w = "report";
  AllowOnly(obj, w, {"every", "cells"});
  IntegerField(obj, "every", w, 0, kTickMax, sc.report_every);
  if (!obj.contains("cells")) return;
  const json& v = obj.at("cells");
  if (!v.is_array()) Fail("report.cells", "must be an array of [x, y] cells");
  for (size_t i = 0; i < v.size(); ++i) {
    const std::string cw = "report.cells[" + std::to_string(i) + "]";
    if (!v[i].is_array() || v[i].size() != 2) Fail(cw, "must be an [x, y] pair");
    int x = static_cast<int>(IntegerValue(v[i][0], cw + "[0]", 0, game::kGridWidth - 1));
    int y = static_cast<int>(IntegerValue(v[i][1], cw + "[1]", 0, game::kGridHeight - 1));
    sc.report_cells.emplace_back(x, y);
  }
}

void ParseAutopilot(const json& obj, AutopilotPlan& plan) {
  const std::string w = "autopilot";
  AllowOnly(obj, w, {"from", "players", "goal"});
  plan.from = 0;
  IntegerField(obj, "from", w, 0, kTickMax, plan.from);
  IntegerField(obj, "players", w, 1, 2, plan.players);
  if (!obj.contains("goal")) return;
  const json& g = obj.at("goal");
  const std::string goal = g.is_string() ? g.get<std::string>() : "";
  if (goal == "mission") {
    plan.goal = AutopilotGoal::kMission;
  } else if (goal == "rival") {
    plan.goal = AutopilotGoal::kRival;
  } else if (goal == "score") {
    plan.goal = AutopilotGoal::kScore;
  } else {
    Fail("autopilot.goal", "must be \"mission\", \"rival\" or \"score\"");
  }
}

void ParseScreenshots(const json& v, Scenario& sc) {
  if (!v.is_array()) Fail("screenshots", "must be an array of {\"tick\", \"path\"}");
  for (size_t i = 0; i < v.size(); ++i) {
    const std::string w = "screenshots[" + std::to_string(i) + "]";
    const json& e = v[i];
    if (!e.is_object()) Fail(w, "must be an object");
    AllowOnly(e, w, {"tick", "path"});
    for (const char* key : {"tick", "path"}) {
      if (!e.contains(key)) Fail(Child(w, key), "is missing");
    }
    ScreenshotRequest shot;
    shot.tick = IntegerValue(e.at("tick"), Child(w, "tick"), 0, kTickMax);
    if (shot.tick >= sc.ticks) {
      Fail(Child(w, "tick"), "must be below ticks (" + std::to_string(sc.ticks) + ")");
    }
    const json& path = e.at("path");
    if (!path.is_string() || path.get<std::string>().empty()) {
      Fail(Child(w, "path"), "must be a file name");
    }
    shot.path = path.get<std::string>();
    sc.screenshots.push_back(std::move(shot));
  }
}

void ParseNet(const json& obj, Scenario& sc) {
  const std::string w = "net";
  AllowOnly(obj, w, {"role", "address", "port"});
  if (!obj.contains("role")) Fail("net.role", "is missing");
  if (!obj.contains("port")) Fail("net.port", "is missing");
  NetSetup net;
  const json& role = obj.at("role");
  if (role == "host") {
    net.host = true;
    if (obj.contains("address")) Fail("net.address", "goes with the role \"join\"");
  } else if (role == "join") {
    if (!obj.contains("address") || !obj.at("address").is_string() ||
        obj.at("address").get<std::string>().empty()) {
      Fail("net.address", "must be the host's address");
    }
    net.address = obj.at("address").get<std::string>();
  } else {
    Fail("net.role", "must be \"host\" or \"join\"");
  }
  net.port = static_cast<uint16_t>(IntegerValue(obj.at("port"), "net.port", 1, 65535));
  sc.net = net;
}

}  // namespace

uint8_t KeyCodeForName(const std::string& name,
                       const std::array<uint8_t, game::kKeyCount>& key_codes) {
  static const char* const kActions[] = {"up", "down", "left", "right", "attack", "change"};
  if (name == "esc") return game::kKeyEscape;
  if (name.rfind("key:", 0) == 0) {
    const std::string digits = name.substr(4);
    if (!digits.empty() && digits.size() <= 3 &&
        digits.find_first_not_of("0123456789") == std::string::npos) {
      int code = std::stoi(digits);
      if (code <= 255) return static_cast<uint8_t>(code);
    }
    throw ScenarioError("key code of \"" + name + "\" must be 0 to 255");
  }
  for (int p = 0; p < 2; ++p) {
    for (int a = 0; a < 6; ++a) {
      if (name == "p" + std::to_string(p + 1) + "." + kActions[a]) return key_codes[p * 6 + a];
    }
  }
  throw ScenarioError("unknown key name \"" + name + "\"");
}

Scenario ParseScenario(const json& doc) {
  if (!doc.is_object()) throw ScenarioError("the scenario must be a JSON object");
  AllowOnly(doc, "",
            {"program_dir", "seed", "options", "settings", "world", "input", "options_open_ticks",
             "ticks", "report", "screenshots", "net", "autopilot"});
  Scenario sc;
  if (!doc.contains("program_dir")) Fail("program_dir", "is missing");
  if (!doc.at("program_dir").is_string()) Fail("program_dir", "must be a string");
  sc.program_dir = doc.at("program_dir").get<std::string>();
  if (!doc.contains("ticks")) Fail("ticks", "is missing");
  sc.ticks = IntegerValue(doc.at("ticks"), "ticks", 0, kTickMax);
  IntegerField(doc, "seed", "", 0, kUint32Max, sc.seed);
  if (doc.contains("options")) ParseOptions(ObjectAt(doc, "options", ""), sc.options);
  if (doc.contains("settings")) {
    ParseSettings(ObjectAt(doc, "settings", ""), sc.settings);
  }
  if (doc.contains("world")) {
    const json& w = ObjectAt(doc, "world", "");
    AllowOnly(w, "world", {"level_number", "two_players", "transition"});
    IntegerField(w, "level_number", "world", kInt32Min, kInt32Max, sc.level_number);
    IntegerField(w, "two_players", "world", 0, 1, sc.two_players);
    IntegerField(w, "transition", "world", kInt32Min, kInt32Max, sc.transition);
  }
  if (doc.contains("input")) ParseInput(doc.at("input"), sc.settings, sc.input);
  IntegerField(doc, "options_open_ticks", "", 0, kTickMax, sc.options_open_ticks);
  if (doc.contains("report")) ParseReport(ObjectAt(doc, "report", ""), sc);
  if (doc.contains("screenshots")) ParseScreenshots(doc.at("screenshots"), sc);
  if (doc.contains("autopilot")) ParseAutopilot(ObjectAt(doc, "autopilot", ""), sc.autopilot);
  if (doc.contains("net")) {
    ParseNet(ObjectAt(doc, "net", ""), sc);
    if (sc.autopilot.from >= 0) Fail("net", "does not go with an autopilot");
    if (!sc.screenshots.empty()) Fail("net", "does not go with screenshots");
  }
  if (sc.report_every > 0 && sc.ticks / sc.report_every > kMaxStates) {
    Fail("report.every",
         "would report more than " + std::to_string(kMaxStates) + " states; report less often");
  }
  return sc;
}

Scenario LoadScenarioFile(const std::string& path) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) throw ScenarioError(path + ": cannot be read");
  if (size > kMaxScenarioBytes) throw ScenarioError(path + ": too large for a scenario");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ScenarioError(path + ": cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw ScenarioError(path + ": cannot be read");
  json doc = json::parse(text.str(), nullptr, false);
  if (doc.is_discarded()) throw ScenarioError(path + ": not valid JSON");
  try {
    return ParseScenario(doc);
  } catch (const ScenarioError& e) {
    throw ScenarioError(path + ": " + e.what());
  }
}

}  // namespace bv::sim
