// Sprites of the players and the enemies, target markers with their health
// gauges, and in Deathmatch the rival's marker and the pointer lines.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "game/entity_table.h"
#include "game/game_mode.h"
#include "render/frame_parts.h"

namespace bv::render {

namespace {

constexpr Color kMarkerBorder = 0x660000FFu;
constexpr Color kMarkerFill = 0x330000FFu;
constexpr Color kGaugeBorder = 0x00FFFFFFu;
constexpr Color kGaugeFill = 0x00000000u;
constexpr Color kGaugeBar = 0x000000FFu;

int Distance(int a, int b) {
  return std::abs(a - b);
}

Color SpriteColor(const FrameContext& f, uint32_t rgb) {
  return WithAlpha(f.values.glow_alpha, rgb & f.world.ambient_color);
}

void DrawSprite(FrameContext& f, int32_t x, int32_t y, Color color) {
  DrawTintedIf(f.device, f.images.anim_image, x, y, color, 0, kTranslucent);
}

// The translucent square over a target with the gauge under it.
void DrawMarker(FrameContext& f, int32_t left, int32_t top, int32_t bar_width) {
  DrawDevice& d = f.device;
  d.FrameRect(left, top, 60, 60, kMarkerBorder, kMarkerFill, kTranslucent);
  d.FrameRect(left, Saturate(int64_t{top} + 65), 60, 8, kGaugeBorder, kGaugeFill, kOpaque);
  d.FillRect(Saturate(int64_t{left} + 2), Saturate(int64_t{top} + 67), bar_width, 4, kGaugeBar,
             kOpaque);
}

// The other player's offset from this view's player, rounded as one difference.
int32_t RoundedDifference(float other, float own) {
  return RoundEven(static_cast<long double>(other) - static_cast<long double>(own));
}

void DrawPlayers(FrameContext& f) {
  DrawDevice& d = f.device;
  const game::World& w = f.world;
  if (!f.values.two_views()) {
    DrawSprite(f, 290, 210, SpriteColor(f, w.players[0].color));
    return;
  }
  for (int p = 0; p < 2; ++p) {
    const View& v = f.values.views[p];
    const View& ov = f.values.views[1 - p];
    const game::PlayerState& own = w.players[p];
    const game::PlayerState& other = w.players[1 - p];
    d.SetClipRect(v.clip);
    DrawSprite(f, v.centre_x - kSpriteHalf, 210, SpriteColor(f, own.color));
    if (Distance(ov.cx, v.cx) <= game::kSplitViewColumns && Distance(ov.cy, v.cy) <= kViewRows) {
      const int64_t x = int64_t{RoundedDifference(other.x, own.x)} + v.centre_x - kSpriteHalf;
      const int64_t y = int64_t{RoundedDifference(other.y, own.y)} + 210;
      DrawSprite(f, Saturate(x), Saturate(y), SpriteColor(f, other.color));
    }
  }
}

// Killed actors have a negated kind; installations (18 and up) are never sprites.
bool HasSprite(const game::Actor& a) {
  return game::IsMovingKind(a.kind);
}

void DrawEnemies(FrameContext& f) {
  DrawDevice& d = f.device;
  const game::World& w = f.world;
  const Color color = SpriteColor(f, w.enemy_color);
  const int32_t count = std::clamp(w.actor_count, 0, game::kMaxActors);
  // View by view rather than actor by actor: the two clips do not overlap,
  // so the picture is the same and the clip changes only twice.
  for (int p = 0; p < f.values.view_count; ++p) {
    const View& v = f.values.views[p];
    if (f.values.two_views()) d.SetClipRect(v.clip);
    for (int32_t i = 0; i < count; ++i) {
      const game::Actor& a = w.actors[static_cast<size_t>(i)];
      if (!HasSprite(a)) continue;
      if (Distance(ActorCell(a.x), v.cx) > v.columns) continue;
      if (Distance(ActorCell(a.y), v.cy) > kViewRows) continue;
      const int64_t x = int64_t{a.x} - v.round_x + v.centre_x - kSpriteHalf;
      const int64_t y = int64_t{a.y} - v.round_y + kViewCentreY - kSpriteHalf;
      DrawSprite(f, Saturate(x), Saturate(y), color);
    }
  }
}

// round(hp * 56 / max_hp); an actor without hit points to measure by gets no bar.
int32_t ActorBarWidth(const game::Actor& a) {
  if (a.max_hp == 0) return 0;
  return RoundEven(static_cast<long double>(a.hp) * 56 / a.max_hp);
}

void DrawTargetMarkers(FrameContext& f) {
  DrawDevice& d = f.device;
  const game::World& w = f.world;
  for (int p = 0; p < f.values.view_count; ++p) {
    const View& v = f.values.views[p];
    const int32_t t = w.players[p].target_actor;
    if (t < 0 || t >= game::kMaxActors) continue;
    if (f.values.two_views()) d.SetClipRect(v.clip);
    const game::Actor& a = w.actors[static_cast<size_t>(t)];
    const int64_t left = int64_t{a.x} - v.round_x + v.centre_x - kSpriteHalf;
    const int64_t top = int64_t{a.y} - v.round_y + kViewCentreY - kSpriteHalf;
    DrawMarker(f, Saturate(left), Saturate(top), ActorBarWidth(a));
  }
}

bool Deathmatch(const FrameContext& f) {
  return f.world.game_mode == game::kDeathmatch && f.values.two_views();
}

void DrawRivalMarkers(FrameContext& f) {
  DrawDevice& d = f.device;
  const game::World& w = f.world;
  for (int p = 0; p < 2; ++p) {
    const View& v = f.values.views[p];
    if (w.players[p].target_player == -1) continue;
    const game::PlayerState& own = w.players[p];
    const game::PlayerState& other = w.players[1 - p];
    d.SetClipRect(v.clip);
    const int64_t left = int64_t{RoundedDifference(other.x, own.x)} + v.centre_x - kSpriteHalf;
    const int64_t top = int64_t{RoundedDifference(other.y, own.y)} + 210;
    const int32_t bar = RoundEven(static_cast<long double>(other.health) * 56 / 255);
    DrawMarker(f, Saturate(left), Saturate(top), bar);
  }
}

// A 20-pixel line 35 to 55 pixels from the view centre towards the rival,
// once the rival is three or more cells away on either axis.
void DrawPointerLines(FrameContext& f) {
  const game::World& w = f.world;
  for (int p = 0; p < 2; ++p) {
    const View& v = f.values.views[p];
    const View& ov = f.values.views[1 - p];
    const int cx = v.cx, cy = v.cy, ox = ov.cx, oy = ov.cy;
    if (!(ox > cx + 2 || ox < cx - 2 || oy > cy + 2 || oy < cy - 2)) continue;
    const game::PlayerState& own = w.players[p];
    const game::PlayerState& other = w.players[1 - p];
    const float dx = own.x - other.x;
    const float dy = own.y - other.y;
    const float dist = std::sqrt(dx * dx + dy * dy);
    if (!(dist > 0) || std::isinf(dist)) continue;  // no direction to point in
    const float ux = dx / dist;
    const float uy = dy / dist;
    const long double cx_ = v.centre_x, cy_ = kViewCentreY;
    const Point from{RoundEven(cx_ - 35.0L * ux), RoundEven(cy_ - 35.0L * uy)};
    const Point to{RoundEven(cx_ - 55.0L * ux), RoundEven(cy_ - 55.0L * uy)};
    f.device.DrawLine(from, to, other.color, other.color, kOpaque);
  }
}

}  // namespace

void DrawActorLayer(FrameContext& f) {
  DrawDevice& d = f.device;
  d.SetClipRect(kWholeScreen);
  DrawPlayers(f);
  d.SetClipRect(kWholeScreen);
  DrawEnemies(f);
  d.SetClipRect(kWholeScreen);
  DrawTargetMarkers(f);
  if (Deathmatch(f)) DrawRivalMarkers(f);
  d.SetClipRect(kWholeScreen);
  if (Deathmatch(f)) DrawPointerLines(f);
}

}  // namespace bv::render
