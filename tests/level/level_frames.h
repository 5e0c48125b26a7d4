#pragma once

// The shipped levels drawn by the game's frame renderer on SDL's software
// renderer with the generated data, as brimvale-sim draws its screenshots,
// and the figures a player's eye relies on, measured from those frames.

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/level_setup.h"
#include "game/level_store.h"
#include "game/world.h"
#include "render/color.h"
#include "render/draw_device.h"
#include "render/frame_renderer.h"
#include "render/game_resources.h"
#include "render/screenshot.h"
#include "settings/live_options.h"
#include "shipped_levels.h"

namespace bv::level {

// Rec. 601 luma, 0..255.
inline double Luma(render::Color c) {
  return 0.299 * render::RedOf(c) + 0.587 * render::GreenOf(c) + 0.114 * render::BlueOf(c);
}

// Relative luminance of an sRGB colour, 0..1, as contrast ratios use it.
inline double RelativeLuminance(render::Color c) {
  auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(render::RedOf(c)) + 0.7152 * linear(render::GreenOf(c)) +
         0.0722 * linear(render::BlueOf(c));
}

inline double ContrastRatio(double a, double b) {
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

inline double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  const size_t mid = v.size() / 2;
  std::nth_element(v.begin(), v.begin() + static_cast<long>(mid), v.end());
  double m = v[mid];
  if (v.size() % 2 == 0)
    m = (m + *std::max_element(v.begin(), v.begin() + static_cast<long>(mid))) / 2;
  return m;
}

// Invisible objects (sound triggers) leave a floor looking empty.
inline bool LooksEmpty(uint8_t object) {
  switch (object) {
    case 0:
    case 13:
    case 14:
    case 19:
    case 20:
    case 22:
    case 23:
      return true;
    default:
      return false;
  }
}

// What a cell shows a player: floor they may step on, a wall, or neither
// (items, doors, liquids and moving machinery, undrawn cells).
enum class Look { kFloor, kWall, kOther };

inline Look LookOf(const game::MapCell& c) {
  if (c.texture == 0 || c.overlay != 0) return Look::kOther;
  if (c.object == 1) return c.animated ? Look::kOther : Look::kWall;
  return LooksEmpty(c.object) ? Look::kFloor : Look::kOther;
}

// A rectangle of the screen, right and bottom exclusive.
struct Area {
  int left, top, right, bottom;
};

// The whole view, and where the texts over the map sit: the HUD's lines at
// the top of the view and the player's message line at the bottom, right of
// the mini map.
constexpr Area kWholeView{0, 0, 640, 480};
constexpr Area kUpperView{0, 0, 640, 120};
constexpr Area kMessageLine{110, 450, 640, 480};

// Message colours (0xRRGGBB as seen): the HUD's yellow and the pale green of
// the player's message line.
constexpr render::Color kHudYellow = render::ColorRGB(255, 255, 0);
constexpr render::Color kMessageGreen = render::ColorRGB(170, 255, 170);

struct FrameFigures {
  int floor_cells = 0, wall_cells = 0;
  double floor_luma = 0, wall_luma = 0;  // medians of the cells' mean luma
  // Median relative luminance of the floor's pixels in an area; -1 with
  // too few floor pixels there to judge.
  double upper_floor = -1, message_floor = -1;

  double difference() const { return std::abs(floor_luma - wall_luma); }
};

// One shipped level set up by the game's level setup and drawn around any
// cell: map layer only (transition 0), so nothing covers the cells.
class LevelFrames {
 public:
  bool Open(std::string* why) {
    surface_ = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888);
    if (surface_ == nullptr || device_.CreateForSurface(surface_) != 0) {
      *why = "no software renderer";
      return false;
    }
    world_ = std::make_unique<game::World>();
    resources_ = std::make_unique<render::GameResources>(device_);
    const render::ImageLoadResult loaded =
        resources_->LoadImages(game::PlacesOfProgram(BuildDir()));
    if (!loaded.ok()) {
      *why = "the images do not load from the build's data: " + loaded.path;
      return false;
    }
    renderer_ = std::make_unique<render::FrameRenderer>(device_, nullptr, resources_->images());
    return true;
  }

  ~LevelFrames() {
    renderer_.reset();
    if (resources_ != nullptr) resources_->Release();
    resources_.reset();
    device_.Shutdown();
    if (surface_ != nullptr) SDL_FreeSurface(surface_);
  }

  // Sets the level up as the game would for one player.
  bool Load(const ShippedLevel& s) {
    game::World& w = *world_;
    w.two_players = 0;
    w.game_mode = game::kCooperation;
    settings::LiveOptions options;
    int number = 0;
    if (s.role == Role::kCampaign) {
      options.set_level_source(settings::LevelSource::kCampaign);
      options.set_level_list({s.list_entry});
      number = s.number;
    } else if (s.role != Role::kMenu) {
      options.set_level_source(settings::LevelSource::kCustom);
      options.set_level_list({s.list_entry});
      number = 1;
    }
    game::FileLevelStore levels(BuildDir());  // the shipped files themselves
    return game::SetupLevel(w, options, levels, number, 0).status == game::SetupStatus::kLoaded;
  }

  game::World& world() { return *world_; }

  // The frame with the view centred on cell (x, y) under the ambient colour.
  void Draw(int x, int y, uint32_t ambient) {
    game::World& w = *world_;
    w.players[0].x = static_cast<float>(x * game::kCellSize + 25);
    w.players[0].y = static_cast<float>(y * game::kCellSize + 25);
    w.second_player = 0;
    w.transition = 0;
    w.center_message_timer = 0;
    w.ambient_color = ambient;
    renderer_->DrawFrame(w, false, 0);
    int width = 0, height = 0;
    device_.ReadPixels(pixels_, width, height);
    cx_ = x;
    cy_ = y;
  }

  // Writes the last frame as a PNG.
  bool Save(const std::string& path) { return render::SavePng(device_, path) == 0; }

  render::Color At(int x, int y) const {
    return pixels_[static_cast<size_t>(y) * 640 + static_cast<size_t>(x)] & 0xFFFFFFu;
  }

  // Cells of the last frame with at least 40% of them on screen.
  FrameFigures Measure() const {
    FrameFigures f;
    std::vector<double> floors, walls, upper, message;
    for (int h = cx_ - 7; h <= cx_ + 7; ++h) {
      for (int j = cy_ - 5; j <= cy_ + 5; ++j) {
        const Look look = LookOf(world_->cell(h, j));
        if (look == Look::kOther) continue;
        const Area cell{50 * (h - cx_) + 295, 50 * (j - cy_) + 215, 0, 0};
        const Area on{std::max(cell.left, 0), std::max(cell.top, 0), std::min(cell.left + 50, 640),
                      std::min(cell.top + 50, 480)};
        if (on.right <= on.left || on.bottom <= on.top) continue;
        const int count = (on.right - on.left) * (on.bottom - on.top);
        double sum = 0;
        for (int y = on.top; y < on.bottom; ++y) {
          for (int x = on.left; x < on.right; ++x) {
            const render::Color c = At(x, y);
            sum += Luma(c);
            if (look != Look::kFloor) continue;
            if (Inside(kUpperView, x, y)) upper.push_back(RelativeLuminance(c));
            if (Inside(kMessageLine, x, y)) message.push_back(RelativeLuminance(c));
          }
        }
        if (count < 1000) continue;
        (look == Look::kFloor ? floors : walls).push_back(sum / count);
      }
    }
    f.floor_cells = static_cast<int>(floors.size());
    f.wall_cells = static_cast<int>(walls.size());
    f.floor_luma = Median(floors);
    f.wall_luma = Median(walls);
    // A quarter of the band's width in floor pixels, or the band is mostly wall.
    if (upper.size() >= 640 * 120 / 4) f.upper_floor = Median(upper);
    if (message.size() >= 530 * 30 / 4) f.message_floor = Median(message);
    return f;
  }

 private:
  static bool Inside(const Area& a, int x, int y) {
    return x >= a.left && x < a.right && y >= a.top && y < a.bottom;
  }

  SDL_Surface* surface_ = nullptr;
  render::DrawDevice device_;
  std::unique_ptr<game::World> world_;
  std::unique_ptr<render::GameResources> resources_;
  std::unique_ptr<render::FrameRenderer> renderer_;
  std::vector<render::Color> pixels_;
  int cx_ = 0, cy_ = 0;
};

// Where a player stands: the starts, then one walkable floor cell in each
// block of 10 by 10 cells (the one nearest the block's middle).
inline std::vector<std::pair<int, int>> Viewpoints(const game::World& w) {
  std::vector<std::pair<int, int>> out;
  for (int x = game::kLevelLeft; x < game::kLevelLeft + game::kLevelSize; ++x) {
    for (int y = game::kLevelTop; y < game::kLevelTop + game::kLevelSize; ++y) {
      const uint8_t e = w.cell(x, y).entity;
      if (e == 1 || e == 2) out.emplace_back(x, y);
    }
  }
  constexpr int kBlock = 10;
  for (int bx = 0; bx < game::kLevelSize; bx += kBlock) {
    for (int by = 0; by < game::kLevelSize; by += kBlock) {
      const int mx = game::kLevelLeft + bx + kBlock / 2, my = game::kLevelTop + by + kBlock / 2;
      int best = -1, best_x = 0, best_y = 0;
      for (int x = mx - kBlock / 2; x < mx + kBlock / 2; ++x) {
        for (int y = my - kBlock / 2; y < my + kBlock / 2; ++y) {
          if (LookOf(w.cell(x, y)) != Look::kFloor) continue;
          const int d = (x - mx) * (x - mx) + (y - my) * (y - my);
          if (best < 0 || d < best) best = d, best_x = x, best_y = y;
        }
      }
      if (best >= 0) out.emplace_back(best_x, best_y);
    }
  }
  return out;
}

// Whether stepping on a switch can turn the power off.
inline bool HasPowerSwitch(const game::World& w) {
  for (int x = game::kLevelLeft; x < game::kLevelLeft + game::kLevelSize; ++x) {
    for (int y = game::kLevelTop; y < game::kLevelTop + game::kLevelSize; ++y) {
      if (w.cell(x, y).object == 25) return true;
    }
  }
  return false;
}

}  // namespace bv::level
