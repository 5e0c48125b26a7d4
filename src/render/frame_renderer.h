#pragma once

#include <cstdint>
#include <string>

#include "game/world.h"
#include "render/frame_images.h"
#include "render/hud_strings.h"
#include "render/minimap_lists.h"
#include "settings/live_options.h"

namespace bv::render {

class BitmapFont;
class DrawDevice;

// What the program lays over the game's frame, drawn last; without it the
// frame is the game's own. A message shows exactly as the world's centre
// message would (its band, fading with its timer); a notice stays at full
// strength in a band just below the centre, clear of the centre message.
struct FrameOverlay {
  std::string message;
  int16_t message_timer = 0;
  std::string notice;
};

// Draws the game's picture of the world: the map around each player, the
// sprites and markers, the heads-up display, the split-screen divider, the
// level-change shutters, the intro logo, the centre message and the frame
// rate. It only reads the world; its own scratch lists (the mini map's) are
// kept here. Images come from `images`, which must outlive the renderer (a
// null or unloaded image draws nothing); without a loaded font the texts
// are missing and the rest is drawn.
class FrameRenderer {
 public:
  FrameRenderer(DrawDevice& device, BitmapFont* font, const FrameImages& images)
      : device_(device), font_(font), images_(images) {}

  void set_font(BitmapFont* font) { font_ = font; }
  // Drawn over every frame while set; must outlive its use.
  void set_overlay(const FrameOverlay* overlay) { overlay_ = overlay; }

  // The render event: one whole frame (Clear to Present) once start-up has
  // loaded every resource, else nothing at all. True when it drew.
  // frame_rate is the frame timer's measured rate, shown when the live
  // option show_fps is on.
  bool Render(const game::World& world, bool resources_loaded, const settings::LiveOptions& options,
              int frame_rate);

  // The frame itself, loaded or not.
  void DrawFrame(const game::World& world, bool show_fps, int frame_rate);

  // The mini map's lists as the last view of the last frame left them.
  const MinimapLists& minimap() const { return minimap_; }

 private:
  DrawDevice& device_;
  BitmapFont* font_;
  const FrameImages& images_;
  const FrameOverlay* overlay_ = nullptr;
  HudStrings strings_;
  MinimapLists minimap_;
};

}  // namespace bv::render
