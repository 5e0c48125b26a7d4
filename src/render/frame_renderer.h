#pragma once

#include "game/world.h"
#include "render/hud_strings.h"
#include "settings/live_options.h"

namespace bv::render {

class BitmapFont;
class DrawDevice;

// Draws the game's picture of the world: the map around each player, the
// sprites and markers, the heads-up display, the split-screen divider, the
// level-change shutters, the intro logo, the centre message and the frame
// rate. It reads the world and writes only the mini map's scratch lists.
// Images come from world.resources (a null or unloaded image draws nothing);
// without a loaded font the texts are missing and the rest is drawn.
class FrameRenderer {
 public:
  FrameRenderer(DrawDevice& device, BitmapFont* font) : device_(device), font_(font) {}

  void set_font(BitmapFont* font) { font_ = font; }

  // The render event: one whole frame (Clear to Present) when
  // world.resources_loaded is 1, else nothing at all. True when it drew.
  // frame_rate is the frame timer's measured rate, shown when the live
  // option show_fps is on.
  bool Render(game::World& world, const settings::LiveOptions& options, int frame_rate);

  // The frame itself, whatever resources_loaded says.
  void DrawFrame(game::World& world, bool show_fps, int frame_rate);

 private:
  DrawDevice& device_;
  BitmapFont* font_;
  HudStrings strings_;
};

}  // namespace bv::render
