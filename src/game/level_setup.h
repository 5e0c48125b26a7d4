#pragma once

#include <string>

#include "game/world.h"

namespace bv::settings {
class LiveOptions;
}

namespace bv::game {

class LevelStore;

enum class SetupStatus {
  kLoaded,        // the level is set up
  kCloseProgram,  // level -1: the caller closes the main window
  kFileError,     // the level file could not be opened or read; the world is unchanged
                  // but for the "choose a level" message of the file choice
};

struct SetupResult {
  SetupStatus status = SetupStatus::kLoaded;
  // The level file chosen, as a data path ("\data\levels\...\1.dmp").
  std::string file;
  // The level as the player chose it ("Kampania 5", a custom level's
  // name, "menu"), for messages.
  std::string level_name;
};

// Sets up level `level` from its file in `levels`, reading the live options
// now. The player count argument is the caller's; the setup reads
// two_players from the world. On kFileError the caller decides where to go
// (the tick falls back to the menu level with LevelLoadFailedMessage).
SetupResult SetupLevel(World& world, settings::LiveOptions& options, LevelStore& levels, int level,
                       int player_count);

// The centre message for a level file that could not be loaded.
// The centre message for a level that cannot be loaded, naming it as the
// player chose it; a long name is cut so the line fits the message band.
std::string LevelLoadFailedMessage(const std::string& level_name);

// Mission goal for N CDs: N less a tenth of N, the tenth rounded halves to even.
int MissionGoalForCds(int cds);

}  // namespace bv::game
