#pragma once

#include "game/level_setup.h"

namespace bv::sim {

// What the tick needs from the program around it: the app closes its window,
// a headless runner stops and records the event.
class Host {
 public:
  virtual ~Host() = default;
  // Level -1 reached the level setup: the program ends. The tick still runs
  // to its end; the host stops calling it afterwards.
  virtual void CloseProgram() = 0;
  // The menu level's options cell asks for the options window. The app shows
  // it (its close hides it again); a headless runner marks the options
  // visible for a while. Until it is hidden the live options say so.
  virtual void OpenOptions() = 0;
  // Called after every level setup the tick makes (also a failed one and the
  // menu fallback that follows it). For observers; the default ignores it.
  virtual void LevelSetUp(int /*level*/, const game::SetupResult& /*result*/) {}
};

}  // namespace bv::sim
