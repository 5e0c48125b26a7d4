#include "level/check.h"

#include <cmath>
#include <deque>

#include "game/entity_table.h"
#include "game/level_setup.h"
#include "game/object_codes.h"

namespace bv::level {

namespace {

using game::IsBlockingObject;
using game::IsCard;
using game::IsDoor;
using game::IsRespawnable;
using game::PushDirection;

constexpr int kDirs[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
// How many cells one warning lists before it only counts.
constexpr int kListed = 3;

size_t Index(int x, int y) {
  return static_cast<size_t>(x * kMapSize + y);
}

// Walking over the level. A cell is entered unless it blocks (walls, pulsing
// and animated walls, doors not yet opened). A moving floor pushes 3.2 pixels
// a tick, more than a walking step (3): it is never entered or left against
// its push. It is left sideways only by walking diagonally against the push,
// which needs the cell behind it open too.
class Walk {
 public:
  explicit Walk(const LevelImage& image) : image_(image), opened_(kMapSize * kMapSize, false) {}

  void Open(int x, int y) { opened_[Index(x, y)] = true; }
  bool Opened(int x, int y) const { return opened_[Index(x, y)]; }

  bool Enterable(int x, int y) const {
    if (!LevelImage::InMap(x, y)) return false;
    return !IsBlockingObject(image_.at(x, y).object) || opened_[Index(x, y)];
  }

  bool Step(int x, int y, int dx, int dy) const {
    if (!Enterable(x + dx, y + dy)) return false;
    int px, py;
    if (!opened_[Index(x, y)] && PushDirection(image_.at(x, y).object, px, py) &&
        (px != dx || py != dy)) {
      if (px == -dx && py == -dy) return false;
      if (!Enterable(x - px, y - py)) return false;
    }
    if (!opened_[Index(x + dx, y + dy)] &&
        PushDirection(image_.at(x + dx, y + dy).object, px, py) && px == -dx && py == -dy) {
      return false;
    }
    return true;
  }

  // Cells reachable from (sx, sy); `backwards` gives the cells from which
  // (sx, sy) can be reached instead.
  std::vector<bool> Flood(int sx, int sy, bool backwards = false) const {
    std::vector<bool> seen(kMapSize * kMapSize, false);
    if (!Enterable(sx, sy)) return seen;
    std::deque<MapPos> queue{{sx, sy}};
    seen[Index(sx, sy)] = true;
    while (!queue.empty()) {
      MapPos p = queue.front();
      queue.pop_front();
      for (const auto& d : kDirs) {
        int nx = p.x + d[0], ny = p.y + d[1];
        if (!LevelImage::InMap(nx, ny) || seen[Index(nx, ny)]) continue;
        bool ok = backwards ? Step(nx, ny, -d[0], -d[1]) : Step(p.x, p.y, d[0], d[1]);
        if (!ok) continue;
        seen[Index(nx, ny)] = true;
        queue.push_back({nx, ny});
      }
    }
    return seen;
  }

 private:
  const LevelImage& image_;
  std::vector<bool> opened_;
};

class Checker {
 public:
  Checker(const LevelImage& image, Role role, const CellLocator& where)
      : image_(image), where_(where) {
    report_.role = role;
  }

  CheckReport Run() {
    Survey();
    Reach();
    RoleRules();
    Hazards();
    return std::move(report_);
  }

 private:
  std::string At(int x, int y) const {
    std::string s = "x " + std::to_string(x) + " y " + std::to_string(y);
    if (where_) {
      std::string w = where_(x, y);
      if (!w.empty()) s += " (" + w + ")";
    }
    return s;
  }
  std::string At(const MapPos& p) const { return At(p.x, p.y); }

  void Problem(const std::string& s) { report_.problems.push_back(s); }
  void Warning(const std::string& s) { report_.warnings.push_back(s); }

  // Lists the first few places and counts the rest.
  std::string Places(const std::vector<MapPos>& cells) const {
    std::string s;
    for (size_t i = 0; i < cells.size() && i < static_cast<size_t>(kListed); ++i) {
      s += (i == 0 ? "" : "; ") + At(cells[i]);
    }
    if (cells.size() > static_cast<size_t>(kListed)) {
      s += " and " + std::to_string(cells.size() - kListed) + " more";
    }
    return s;
  }

  // Counts everything the report lists.
  void Survey() {
    std::vector<MapPos> unknown_objects, unknown_entities, black;
    for (int x = 0; x < kMapSize; ++x) {
      for (int y = 0; y < kMapSize; ++y) {
        const Cell& c = image_.at(x, y);
        ++report_.object_counts[c.object];
        ++report_.entity_counts[c.entity];
        if (c.entity == 1 || c.entity == 2) report_.starts[c.entity - 1].push_back({x, y});
        if (c.object == obj::kCd) ++report_.cds;
        if (game::StatsForKind(c.entity) != nullptr) ++report_.actors[c.entity];
        if (IsCard(c.object)) report_.colours[game::CardSlot(c.object)].cards.push_back({x, y});
        if (IsDoor(c.object)) report_.colours[c.object - obj::kDoor0].doors.push_back({x, y});
        if (!IsBlockingObject(c.object) || IsDoor(c.object)) ++report_.walkable_cells;
        if (c.object > game::kLastObjectCode) unknown_objects.push_back({x, y});
        if (c.entity > game::kLastActorKind) unknown_entities.push_back({x, y});
        if (c.texture == 0 && (!IsBlockingObject(c.object) || IsDoor(c.object))) {
          black.push_back({x, y});
        }
      }
    }
    report_.mission_goal = game::MissionGoalForCds(report_.cds);
    if (!unknown_objects.empty()) {
      Warning("object codes above 48 are read as empty floor: " + Places(unknown_objects));
    }
    if (!unknown_entities.empty()) {
      Warning("entity codes above 39 do nothing: " + Places(unknown_entities));
    }
    if (!black.empty()) Warning("walkable cells without a texture show black: " + Places(black));
    for (int p = 0; p < 2; ++p) {
      if (report_.starts[p].size() > 1) {
        Warning(std::to_string(report_.starts[p].size()) + " start" + std::to_string(p + 1) +
                " cells; the last in column order is used: " + At(report_.starts[p].back()));
      }
    }
  }

  // The walk from start 1, opening doors as their cards come within reach.
  void Reach() {
    report_.reachable.assign(kMapSize * kMapSize, false);
    if (report_.starts[0].empty()) return;
    const MapPos s = report_.starts[0].back();
    if (IsBlockingObject(image_.at(s.x, s.y).object)) {
      Problem("start 1 stands in a wall: " + At(s));
      return;
    }
    std::array<int, 5> used{};
    std::vector<bool> region;
    for (;;) {
      region = walk_.Flood(s.x, s.y);
      std::array<int, 5> cards{};
      for (int k = 0; k < 5; ++k) {
        for (const MapPos& c : report_.colours[k].cards) cards[k] += region[Index(c.x, c.y)];
      }
      bool opened = false;
      for (int k = 0; k < 5 && !opened; ++k) {
        for (const MapPos& d : report_.colours[k].doors) {
          if (used[k] >= cards[k]) break;
          if (walk_.Opened(d.x, d.y) || !Touches(region, d)) continue;
          walk_.Open(d.x, d.y);
          ++used[k];
          opened = true;
          break;
        }
      }
      if (!opened) break;
    }
    report_.reachable = region;
    for (int x = 0; x < kMapSize; ++x) {
      for (int y = 0; y < kMapSize; ++y) {
        if (!region[Index(x, y)]) continue;
        ++report_.reachable_cells;
        if (image_.at(x, y).object == obj::kCd) ++report_.cds_reachable;
      }
    }
    for (int k = 0; k < 5; ++k) {
      Colour& col = report_.colours[k];
      for (const MapPos& c : col.cards) col.cards_reachable += region[Index(c.x, c.y)];
      for (const MapPos& d : col.doors) col.doors_opened += walk_.Opened(d.x, d.y);
    }

    // Places the player can walk into but never out of again.
    std::vector<bool> back = walk_.Flood(s.x, s.y, true);
    std::vector<MapPos> stuck;
    for (int x = 0; x < kMapSize; ++x) {
      for (int y = 0; y < kMapSize; ++y) {
        if (region[Index(x, y)] && !back[Index(x, y)]) stuck.push_back({x, y});
      }
    }
    if (!stuck.empty()) {
      Warning(std::to_string(stuck.size()) +
              " reachable cells have no way back to start 1: " + Places(stuck));
    }
  }

  bool Touches(const std::vector<bool>& region, const MapPos& p) const {
    for (const auto& d : kDirs) {
      int nx = p.x + d[0], ny = p.y + d[1];
      if (LevelImage::InMap(nx, ny) && region[Index(nx, ny)]) return true;
    }
    return false;
  }

  using Colour = CheckReport::Colour;

  void RoleRules() {
    const Role role = report_.role;
    const bool has1 = !report_.starts[0].empty(), has2 = !report_.starts[1].empty();
    if (!has1) Problem("no start 1 (entity start1)");

    const bool single = role == Role::kCampaign || role == Role::kCustom;
    if (single) {
      if (report_.cds == 0) {
        Problem("no CDs: the mission can never be completed");
      } else if (has1 && report_.cds_reachable < report_.mission_goal) {
        Problem("only " + std::to_string(report_.cds_reachable) + " of " +
                std::to_string(report_.cds) + " CDs can be reached from start 1; the mission " +
                "needs " + std::to_string(report_.mission_goal) +
                "; out of reach: " + Places(UnreachableCds()));
      }
      if (!has2)
        Warning("no start 2: a two-player game puts player 2 where the last level left it");
    }
    if (role == Role::kArena) {
      if (!has2) Problem("no start 2: an arena needs both starts");
      if (!HasRespawnable()) Warning("no items that come back in Deathmatch and Pointmatch");
      bool targets = false;
      for (int k = 18; k <= 27; ++k) targets = targets || report_.actors.count(k) != 0;
      if (!targets) Warning("no still targets (target18..target27) to score on in Pointmatch");
    }
    if (has1 && has2 && !report_.reachable.empty()) {
      const MapPos s2 = report_.starts[1].back();
      if (!report_.IsReachable(s2.x, s2.y)) {
        std::string text = "start 2 cannot be reached from start 1: " + At(s2);
        if (role == Role::kArena) {
          Problem(text);
        } else {
          Warning(text);
        }
      }
    }

    if (role == Role::kMenu) {
      const char* names[] = {"menu_one", "menu_two", "menu_options", "menu_exit"};
      for (int code = obj::kMenuOne; code <= obj::kMenuExit; ++code) {
        std::string name = names[code - obj::kMenuOne];
        if (report_.object_counts[code] == 0) {
          Problem("no " + name + " cell (object " + std::to_string(code) + ")");
        } else if (!AnyReachable(code)) {
          Problem("no " + name + " cell can be reached from start 1");
        }
      }
      if (!AnyReachable(obj::kMenuSound)) Warning("no menu_sound cell on the way from start 1");
      for (const auto& [kind, count] : report_.actors) {
        if (kind <= 17 || kind >= 28) {
          Warning("attackers on the menu level, where the player cannot fight back: " +
                  EntityName(kind));
          break;
        }
      }
    } else {
      std::vector<MapPos> menu_cells;
      for (int x = 0; x < kMapSize; ++x) {
        for (int y = 0; y < kMapSize; ++y) {
          int o = image_.at(x, y).object;
          if (game::IsMenuCell(o)) menu_cells.push_back({x, y});
        }
      }
      if (!menu_cells.empty()) {
        Warning("menu cells outside the menu level start games or end the program: " +
                Places(menu_cells));
      }
    }

    for (int k = 0; k < 5; ++k) {
      const Colour& col = report_.colours[k];
      std::vector<MapPos> shut;
      for (const MapPos& d : col.doors) {
        if (!walk_.Opened(d.x, d.y)) shut.push_back(d);
      }
      if (!shut.empty() && has1) {
        Warning("door" + std::to_string(k) + " stays shut, no card" + std::to_string(k) +
                " is reachable before it: " + Places(shut));
      }
      if (single && !col.cards.empty() && col.doors.empty()) {
        Warning("card" + std::to_string(k) + " opens no door on this level");
      }
    }

    if (has1 && AnyReachable(obj::kPowerOff) && !AnyReachable(obj::kPowerOn)) {
      Warning("the power can be switched off but no power_on switch can be reached");
    }
  }

  std::vector<MapPos> UnreachableCds() const {
    std::vector<MapPos> out;
    for (int x = 0; x < kMapSize; ++x) {
      for (int y = 0; y < kMapSize; ++y) {
        if (image_.at(x, y).object == obj::kCd && !report_.IsReachable(x, y)) out.push_back({x, y});
      }
    }
    return out;
  }

  bool HasRespawnable() const {
    for (int code = 0; code <= game::kLastObjectCode; ++code) {
      if (IsRespawnable(code) && report_.object_counts[code] != 0) return true;
    }
    return false;
  }

  bool AnyReachable(int object) const {
    for (int x = 0; x < kMapSize; ++x) {
      for (int y = 0; y < kMapSize; ++y) {
        if (image_.at(x, y).object == object && report_.IsReachable(x, y)) return true;
      }
    }
    return false;
  }

  // Ambushes at the starts and floors that push into walls.
  void Hazards() {
    for (int p = 0; p < 2; ++p) {
      if (report_.starts[p].empty()) continue;
      const MapPos s = report_.starts[p].back();
      for (int x = 0; x < kMapSize; ++x) {
        for (int y = 0; y < kMapSize; ++y) {
          int kind = image_.at(x, y).entity;
          const int dx = std::abs(x - s.x), dy = std::abs(y - s.y);
          // Moving enemies chase within 5 cells; still attackers hit from 200 pixels.
          bool chases = kind >= 3 && kind <= 17 && dx <= 5 && dy <= 5;
          bool shoots = kind >= 28 && kind <= 39 && dx * dx + dy * dy <= 16;
          if (chases || shoots) {
            Warning(EntityName(kind) + " at " + At(x, y) + " can attack start " +
                    std::to_string(p + 1) + " at once");
          }
        }
      }
    }
    std::vector<MapPos> into_walls;
    for (int x = 0; x < kMapSize; ++x) {
      for (int y = 0; y < kMapSize; ++y) {
        int dx, dy;
        if (!PushDirection(image_.at(x, y).object, dx, dy)) continue;
        int nx = x + dx, ny = y + dy;
        bool wall = !LevelImage::InMap(nx, ny) || (IsBlockingObject(image_.at(nx, ny).object) &&
                                                   !IsDoor(image_.at(nx, ny).object));
        if (wall) into_walls.push_back({x, y});
      }
    }
    if (!into_walls.empty()) Warning("moving floors push into a wall: " + Places(into_walls));
  }

  const LevelImage& image_;
  const CellLocator& where_;
  Walk walk_{image_};
  CheckReport report_;
};

std::string KindClass(int kind) {
  if (kind <= 17) return "moving";
  if (kind <= 27) return "still target";
  return "still attacker";
}

}  // namespace

CheckReport CheckLevel(const LevelImage& image, Role role, const CellLocator& where) {
  return Checker(image, role, where).Run();
}

std::string FormatReport(const CheckReport& r, const std::string& title, bool quiet) {
  if (quiet && r.warnings.empty() && r.problems.empty()) return {};
  std::string out = title + ": " + RoleName(r.role) + " level\n";
  auto pos = [](const MapPos& p) {
    return "x " + std::to_string(p.x) + " y " + std::to_string(p.y);
  };
  if (!quiet) {
    for (int p = 0; p < 2; ++p) {
      out += "  start " + std::to_string(p + 1) + ": ";
      out += r.starts[p].empty() ? std::string("none") : pos(r.starts[p].back());
      out += "\n";
    }
    out += "  CDs: " + std::to_string(r.cds) + ", mission goal " + std::to_string(r.mission_goal) +
           ", reachable " + std::to_string(r.cds_reachable) + "\n";
    int total = 0;
    for (const auto& [kind, count] : r.actors) total += count;
    out += "  actors: " + std::to_string(total) + "\n";
    for (const auto& [kind, count] : r.actors) {
      const game::EntityStats* s = game::StatsForKind(kind);
      out += "    " + EntityName(kind) + " x" + std::to_string(count) + "  (" + KindClass(kind) +
             ", " + std::to_string(s->max_hp) + " hp, damage " + std::to_string(s->damage) + ")\n";
    }
    bool any = false;
    for (int k = 0; k < 5; ++k) {
      const CheckReport::Colour& c = r.colours[k];
      if (c.cards.empty() && c.doors.empty()) continue;
      if (!any) out += "  cards and doors:\n";
      any = true;
      out += "    card" + std::to_string(k) + " x" + std::to_string(c.cards.size()) + " (" +
             std::to_string(c.cards_reachable) + " reachable), door" + std::to_string(k) + " x" +
             std::to_string(c.doors.size()) + " (" + std::to_string(c.doors_opened) + " opened)\n";
    }
    if (!any) out += "  cards and doors: none\n";
    out += "  walkable cells: " + std::to_string(r.walkable_cells) +
           ", reachable from start 1: " + std::to_string(r.reachable_cells) + "\n";
  }
  for (const std::string& w : r.warnings) out += "  warning: " + w + "\n";
  for (const std::string& p : r.problems) out += "  problem: " + p + "\n";
  if (!quiet || !r.ok()) {
    const bool single = r.role == Role::kCampaign || r.role == Role::kCustom;
    out += std::string("  result: ") +
           (r.ok() ? (single ? "winnable" : "playable")
                   : "FAILS as a " + std::string(RoleName(r.role)) + " level") +
           "\n";
  }
  return out;
}

}  // namespace bv::level
