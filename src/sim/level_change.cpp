#include "sim/level_change.h"

#include <string>

#include "game/paths.h"

namespace bv::sim {

void ChooseNextLevel(Tick& t) {
  game::World& w = t.w;
  const int next = w.level_number + 1;
  const std::string path = game::CampaignLevelPath(t.s.options.selected_text(), next);
  if (t.s.levels.Exists(path)) {
    w.center_message = "Level " + std::to_string(next);
    w.center_message_timer = kCenterMessageTicks;
    w.level_number = next;
  } else {
    t.Play(game::SoundSlot::kWin);
    w.center_message = "Wygrana";
    w.center_message_timer = kCenterMessageTicks;
    w.level_number = 0;
  }
  w.transition = game::kLevelChangeStart;
}

void SetupAtMidpoint(Tick& t) {
  game::World& w = t.w;
  game::SetupResult result =
      game::SetupLevel(w, t.s.options, t.s.levels, w.level_number, w.two_players);
  t.s.host.LevelSetUp(w.level_number, result);
  if (result.status == game::SetupStatus::kCloseProgram) {
    t.s.host.CloseProgram();
    return;
  }
  if (result.status != game::SetupStatus::kFileError) return;

  w.center_message = game::LevelLoadFailedMessage(result.level_name);
  w.center_message_timer = kCenterMessageTicks;
  if (result.file == game::MenuLevelPath()) return;
  w.level_number = 0;
  result = game::SetupLevel(w, t.s.options, t.s.levels, 0, w.two_players);
  t.s.host.LevelSetUp(0, result);
  if (result.status == game::SetupStatus::kFileError) {
    w.center_message = game::LevelLoadFailedMessage(result.level_name);
    w.center_message_timer = kCenterMessageTicks;
  }
}

}  // namespace bv::sim
