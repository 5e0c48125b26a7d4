#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "media/pad_keys.h"
#include "media/pad_slots.h"

union SDL_Event;
struct _SDL_GameController;

namespace bv::media {

// The pads through SDL's game controller API, whose mapping database knows
// the common pads by their USB identity; a file of further mappings in SDL's
// format may add others. Pads plugged in before Start and during play are
// opened; a pad pulled out is closed and its place freed.
class SdlPads final : public PadSource {
 public:
  // program_focused defaults to "one of the program's SDL windows has the
  // keyboard focus".
  explicit SdlPads(std::function<bool()> program_focused = {});
  ~SdlPads() override;
  SdlPads(const SdlPads&) = delete;
  SdlPads& operator=(const SdlPads&) = delete;

  // Starts SDL's game controller subsystem, adds the mappings in
  // mapping_file when that file exists, and opens every pad already plugged
  // in. False, with the reason, when the subsystem cannot start (the game
  // then runs without pads) or the mapping file cannot be read (the pads
  // still work with SDL's own mappings).
  bool Start(const std::string& mapping_file, std::string* error);
  // Closes every pad and the subsystem.
  void Stop();
  bool started() const { return started_; }

  // Every event of the loop: pads plugged in and pulled out.
  void HandleEvent(const SDL_Event& event);

  void Read(std::vector<PadReading>& out) override;
  const PadSlots& slots() const override { return slots_; }

 private:
  struct Open {
    int32_t id;
    _SDL_GameController* controller;
  };
  void OpenDevice(int device_index);
  void Close(int32_t id);

  std::function<bool()> program_focused_;
  bool started_ = false;
  std::vector<Open> open_;
  PadSlots slots_;
};

}  // namespace bv::media
