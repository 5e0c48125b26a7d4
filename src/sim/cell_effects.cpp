#include "sim/cell_effects.h"

#include <algorithm>

#include "game/object_codes.h"
#include "sim/level_change.h"

namespace bv::sim {

namespace {

using game::SoundSlot;
namespace obj = game::obj;

// Pickups that only add to the player's record (tests 10 to 23 but cards).
enum class Gain { kWeapon, kUpgrade, kAmmo };

struct Pickup {
  uint8_t object;
  Gain gain;
  int slot;
  int32_t amount;
  int32_t points;
  const char* message;
};

// In test order.
constexpr Pickup kPickups[] = {
    {obj::kEagle, Gain::kWeapon, 1, 0, 30, "Nowa bron: Desert Eagle..."},
    {obj::kMp5, Gain::kWeapon, 2, 0, 100, "Nowa bron: MP 5..."},
    {obj::kBlaster, Gain::kWeapon, 3, 0, 300, "Nowa bron: Blaster..."},
    {obj::kMinigun, Gain::kWeapon, 4, 0, 500, "Nowa bron: Minigun..."},
    {obj::kUpgrade, Gain::kUpgrade, 0, 0, 100, "Aktualizacja uzbrojenia..."},
    {obj::kEagleAmmo, Gain::kAmmo, 1, 50, 10, "Amunicja do Desert Eagle..."},
    {obj::kMp5Ammo, Gain::kAmmo, 2, 25, 30, "Amunicja do MP 5..."},
    {obj::kBlasterAmmo, Gain::kAmmo, 3, 5, 50, "Amunicja do Blaster..."},
    {obj::kMinigunAmmo, Gain::kAmmo, 4, 100, 100, "Amunicja do Minigun..."},
    {obj::kEagleAmmoBig, Gain::kAmmo, 1, 100, 20, "Amunicja do Desert Eagle..."},
    {obj::kMp5AmmoBig, Gain::kAmmo, 2, 50, 60, "Amunicja do MP 5..."},
    {obj::kBlasterAmmoBig, Gain::kAmmo, 3, 10, 100, "Amunicja do Blaster..."},
    {obj::kMinigunAmmoBig, Gain::kAmmo, 4, 200, 200, "Amunicja do Minigun..."},
};

// Objects that only play a sound and vanish (tests 4, 5, 7, 8, 9).
struct SoundCell {
  uint8_t object;
  SoundSlot sound;
};

class Effects {
 public:
  Effects(Tick& t, int player) : t_(t), w_(t.w), p_(t.w.players[player]), cells_(t.cells[player]) {}

  void Run() {
    if (Object() == obj::kMedkit && p_.health < 255) {
      Take(10, "Znalazles apteczke...");
      p_.health = std::min(Wrap32(int64_t{p_.health} + w_.medkit_heal), 255);
    }
    if (Object() == obj::kSteroids && p_.health < 448) {
      Take(50, "Znalazles sterydy...");
      p_.health = 448;
    }
    if (Object() == obj::kCd) {
      Take(50, "Zdobyles CD...");
      ++w_.mission_progress;
      if (w_.mission_progress == w_.mission_goal &&
          (!t_.TwoPlayers() || w_.game_mode == game::kCooperation)) {
        ChooseNextLevel(t_);
      }
    }
    SoundOnce(obj::kAlert, SoundSlot::kAlert);
    SoundOnce(obj::kLevelSound, SoundSlot::kLvlSnd);
    if (Object() == obj::kMenuSound) {
      if (w_.menu_sound_armed == 1) t_.Play(SoundSlot::kMenuSnd);
      w_.menu_sound_armed = 0;
      Set(obj::kFloor);
    }
    SoundOnce(obj::kAlertLong, SoundSlot::kAlertLong);
    SoundOnce(obj::kRoar1, SoundSlot::kAtack1);
    SoundOnce(obj::kRoar2, SoundSlot::kAtack2);
    for (const Pickup& k : kPickups) RunPickup(k);
    const uint8_t card = Object();
    if (game::IsCard(card) && p_.cards[game::CardSlot(card)] == game::kNoCard) {
      Take(350, "Zdobyles karte dostepu...");
      p_.cards[game::CardSlot(card)] = card;
    }
    Doors();
    MovingFloor();
    if (Object() == obj::kTrap && p_.health > 5) {
      t_.Play(SoundSlot::kDeatch);
      p_.health = 5;
    }
    if (Object() == obj::kPowerOn && w_.ambient_color == game::kPowerOff) {
      t_.Play(SoundSlot::kLightOn);
      w_.ambient_color = game::kPowerOn;
      Message("Wznowienie zasilania...");
    }
    if (Object() == obj::kPowerOff && w_.ambient_color == game::kPowerOn) {
      t_.Play(SoundSlot::kLightOff);
      w_.ambient_color = game::kPowerOff;
      Message("Brak zasilania...");
    }
    MenuCells();
  }

 private:
  uint8_t Object() const { return w_.cell(cells_.cx, cells_.cy).object; }
  // Only cells inside the grid hold anything but the solid object.
  void Set(uint8_t object) {
    if (game::MapCell* c = w_.cell_ptr(cells_.cx, cells_.cy)) c->object = object;
  }
  void Message(const char* text) {
    p_.message = text;
    p_.message_timer = kPlayerMessageTicks;
  }
  void Take(int32_t points, const char* message) {
    t_.Play(SoundSlot::kGet);
    Set(obj::kFloor);
    p_.points = Wrap32(int64_t{p_.points} + points);
    Message(message);
  }
  void SoundOnce(uint8_t object, SoundSlot sound) {
    if (Object() != object) return;
    t_.Play(sound);
    Set(obj::kFloor);
  }

  void RunPickup(const Pickup& k) {
    if (Object() != k.object) return;
    switch (k.gain) {
      case Gain::kWeapon:
        if (p_.weapons[k.slot].owned) return;
        Take(k.points, k.message);
        p_.weapons[k.slot].owned = 1;
        break;
      case Gain::kUpgrade:
        Take(k.points, k.message);
        for (int s = 1; s < game::kWeaponCount; ++s) ++p_.weapons[s].upgrades;
        break;
      case Gain::kAmmo:
        Take(k.points, k.message);
        p_.weapons[k.slot].ammo = Wrap32(int64_t{p_.weapons[k.slot].ammo} + k.amount);
        break;
    }
  }

  // A matching card opens the door and is used up.
  // Kept: only the first probe cell with an overlay is tried, so a second door
  // beside the player waits.
  void Doors() {
    const int probes[4][2] = {{cells_.cx, cells_.up},
                              {cells_.cx, cells_.down},
                              {cells_.left, cells_.cy},
                              {cells_.right, cells_.cy}};
    for (const auto& probe : probes) {
      game::MapCell* door = w_.cell_ptr(probe[0], probe[1]);
      if (door == nullptr || door->overlay == game::kNoOverlay) continue;
      for (int k = 0; k < game::kCardCount; ++k) {
        if (game::DoorForCard(p_.cards[k]) == door->overlay) {
          t_.Play(SoundSlot::kOpenDoor);
          p_.cards[k] = game::kNoCard;
          door->overlay = game::kNoOverlay;
          door->object = obj::kFloor;
          door->texture = 0;
          return;
        }
      }
      return;
    }
  }

  // Kept: the push is not tested against walls.
  void MovingFloor() {
    switch (Object()) {
      case obj::kPushUp:
        p_.y = static_cast<float>(p_.y - 3.2);
        break;
      case obj::kPushDown:
        p_.y = static_cast<float>(p_.y + 3.2);
        break;
      case obj::kPushLeft:
        p_.x = static_cast<float>(p_.x - 3.2);
        break;
      case obj::kPushRight:
        p_.x = static_cast<float>(p_.x + 3.2);
        break;
      default:
        break;
    }
  }

  // Kept: the menu cells act on player 0's centre cell, also in player 1's pass.
  void MenuCells() {
    const PlayerCells& c0 = t_.cells[0];
    game::MapCell* cell = w_.cell_ptr(c0.cx, c0.cy);
    if (cell == nullptr) return;
    auto start = [&](uint8_t two_players) {
      t_.Play(SoundSlot::kGet);
      cell->object = obj::kFloor;
      w_.two_players = two_players;
      w_.level_number = 1;
      w_.transition = game::kLevelChangeStart;
    };
    if (cell->object == obj::kMenuOne) start(0);
    if (cell->object == obj::kMenuTwo) start(1);
    if (cell->object == obj::kMenuOptions) {
      t_.Play(SoundSlot::kGet);
      w_.players[0].x = w_.players[0].spawn_x;
      w_.players[0].y = w_.players[0].spawn_y;
      t_.s.host.OpenOptions();
    }
    if (cell->object == obj::kMenuExit) {
      t_.Play(SoundSlot::kGet);
      cell->object = obj::kFloor;
      w_.level_number = -1;
      w_.transition = game::kLevelChangeStart;
    }
  }

  Tick& t_;
  game::World& w_;
  game::PlayerState& p_;
  const PlayerCells& cells_;
};

}  // namespace

void CellEffects(Tick& t, int player) {
  Effects(t, player).Run();
}

void ItemRespawn(Tick& t) {
  game::World& w = t.w;
  if (w.respawn_timer > 0) {
    --w.respawn_timer;
    return;
  }
  // An empty queue has nothing to put back; the timer stays run out.
  const int count = std::min<int>(w.respawn_count, game::kMaxRespawns);
  if (count == 0) return;
  const game::RespawnEntry* entry = &w.respawn_queue[w.random.Uniform(0, count - 1)];
  for (int retry = 0; retry < 3 && w.cell(entry->x, entry->y).object != game::obj::kFloor;
       ++retry) {
    entry = &w.respawn_queue[w.random.Uniform(0, count - 1)];
  }
  if (game::MapCell* c = w.cell_ptr(entry->x, entry->y)) c->object = entry->object;
  w.respawn_timer = static_cast<int16_t>(w.random.Uniform(0, 500) + t.s.options.reitem_period());
}

}  // namespace bv::sim
