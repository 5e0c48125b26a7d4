#pragma once

#include <SDL.h>

#include <functional>
#include <memory>
#include <string>

#include "game/key_source.h"
#include "game/places.h"
#include "game/world.h"
#include "media/pad_keys.h"
#include "media/sdl_pads.h"

namespace bv::app {

// The main window's pads: SDL's game controllers beside the keyboard. Once
// started, the tick reads keys() instead of the keyboard alone, so a pad
// reads as its player's bound keys and the tick never knows it is there.
class GamePads {
 public:
  // program_focused: see media::SdlPads (tests stand in for the focus).
  explicit GamePads(std::function<bool()> program_focused = {}) : pads_(program_focused) {}

  // Starts the pads over the keyboard and the world's bindings; mappings
  // beyond SDL's own are read from gamecontrollerdb.txt in the settings
  // folder when it is there. A failure is written to stderr; the keyboard
  // works on.
  void Start(game::KeySource& keyboard, game::World& world, const game::Places& places);
  void Stop();

  // Every event of the loop: pads plugged in and pulled out.
  void HandleEvent(const SDL_Event& event) { pads_.HandleEvent(event); }

  // The keyboard and the pads together; null before Start.
  game::KeySource* keys() { return keys_.get(); }
  const media::PadSlots& slots() const { return pads_.slots(); }

 private:
  media::SdlPads pads_;
  std::unique_ptr<media::KeysWithPads> keys_;
};

// Where the extra pad mappings are looked for.
std::string PadMappingFile(const game::Places& places);

}  // namespace bv::app
