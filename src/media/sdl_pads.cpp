#include "media/sdl_pads.h"

#include <SDL.h>

#include <algorithm>

#include "media/sdl_error.h"

namespace bv::media {

namespace {

// Our names for the controls follow SDL's numbering.
static_assert(static_cast<int>(PadButton::kSouth) == SDL_CONTROLLER_BUTTON_A);
static_assert(static_cast<int>(PadButton::kStart) == SDL_CONTROLLER_BUTTON_START);
static_assert(static_cast<int>(PadButton::kDpadRight) == SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
static_assert(kPadButtonCount <= SDL_CONTROLLER_BUTTON_MAX);
static_assert(static_cast<int>(PadAxis::kLeftY) == SDL_CONTROLLER_AXIS_LEFTY);
static_assert(static_cast<int>(PadAxis::kRightTrigger) == SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
static_assert(kPadAxisCount == SDL_CONTROLLER_AXIS_MAX);

}  // namespace

SdlPads::SdlPads(std::function<bool()> program_focused)
    : program_focused_(std::move(program_focused)) {
  if (!program_focused_) program_focused_ = [] { return SDL_GetKeyboardFocus() != nullptr; };
}

SdlPads::~SdlPads() {
  Stop();
}

bool SdlPads::Start(const std::string& mapping_file, std::string* error) {
  if (started_) return true;
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    if (error != nullptr) *error = "cannot start the game controllers: " + SdlErrorText();
    return false;
  }
  started_ = true;
  bool ok = true;
  if (!mapping_file.empty()) {
    if (SDL_RWops* probe = SDL_RWFromFile(mapping_file.c_str(), "rb")) {
      SDL_RWclose(probe);
      // A file in which no line is a mapping is as good as unreadable.
      if (SDL_GameControllerAddMappingsFromFile(mapping_file.c_str()) <= 0) {
        if (error != nullptr) {
          *error = "no pad mappings read from " + mapping_file + ": " +
                   SdlErrorText("no line is a mapping");
        }
        ok = false;
      }
    }
  }
  // SDL announces these pads with events too; opening twice is harmless.
  for (int i = 0; i < SDL_NumJoysticks(); ++i) OpenDevice(i);
  return ok;
}

void SdlPads::Stop() {
  if (!started_) return;
  while (!open_.empty()) Close(open_.front().id);
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  started_ = false;
}

void SdlPads::HandleEvent(const SDL_Event& event) {
  if (!started_) return;
  if (event.type == SDL_CONTROLLERDEVICEADDED) {
    OpenDevice(event.cdevice.which);
  } else if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
    Close(event.cdevice.which);
  }
}

void SdlPads::OpenDevice(int device_index) {
  // Joysticks that SDL's mappings do not know are left alone.
  if (!SDL_IsGameController(device_index)) return;
  const int32_t id = SDL_JoystickGetDeviceInstanceID(device_index);
  if (id < 0) return;
  for (const Open& o : open_) {
    if (o.id == id) return;
  }
  SDL_GameController* controller = SDL_GameControllerOpen(device_index);
  if (controller == nullptr) return;
  const char* name = SDL_GameControllerName(controller);
  open_.push_back(Open{id, controller});
  slots_.Attach(id, name != nullptr ? name : "");
}

void SdlPads::Close(int32_t id) {
  auto it = std::find_if(open_.begin(), open_.end(), [id](const Open& o) { return o.id == id; });
  if (it == open_.end()) return;
  SDL_GameControllerClose(it->controller);
  open_.erase(it);
  slots_.Detach(id);
}

void SdlPads::Read(std::vector<PadReading>& out) {
  out.clear();
  if (!started_ || !program_focused_()) return;
  for (const Open& o : open_) {
    // Pulled out, its removal not yet handled: its controls are released.
    if (!SDL_GameControllerGetAttached(o.controller)) continue;
    PadReading r{slots_.PlaceOf(o.id), PadState{}};
    for (int b = 0; b < kPadButtonCount; ++b) {
      r.state.buttons[static_cast<size_t>(b)] =
          SDL_GameControllerGetButton(o.controller, static_cast<SDL_GameControllerButton>(b)) != 0;
    }
    for (int a = 0; a < kPadAxisCount; ++a) {
      r.state.axes[static_cast<size_t>(a)] =
          SDL_GameControllerGetAxis(o.controller, static_cast<SDL_GameControllerAxis>(a));
    }
    out.push_back(r);
  }
}

}  // namespace bv::media
