// The mini map in each view's lower left corner: one pixel per level cell,
// plotting only the 11 by 11 cells around the view's player.

#include "game/entity_table.h"
#include "render/frame_parts.h"

namespace bv::render {

namespace {

constexpr ScreenPoint kNoPoint{-1, -1};  // off the screen: leaves no mark
constexpr int kRadius = 5;

// Grid cell (h, j) is the pixel (V + h - 2, j + 370): level cells 7..106 by
// 5..104 land exactly inside the box at (V + 4, 374).
void FillScratchLists(MinimapLists& lists, const game::World& w, const View& v) {
  int k = 0;
  for (int dc = -kRadius; dc <= kRadius; ++dc) {
    const uint8_t h = static_cast<uint8_t>(v.cx + dc);
    for (int dr = -kRadius; dr <= kRadius; ++dr, ++k) {
      const uint8_t j = static_cast<uint8_t>(v.cy + dr);
      const game::MapCell& c = w.cell(h, j);
      const ScreenPoint at{v.left + h - 2, j + 370};
      // The margin is solid but has no texture, so it never shows as wall.
      lists.walls[k] = (c.object == game::obj::kSolid && c.texture != 0) ? at : kNoPoint;
      lists.cds[k] = c.object == game::obj::kCd ? at : kNoPoint;
      // Kept: entity stays where the level placed an actor, so the mark stays
      // after the actor moved or died.
      lists.actors[k] = c.entity >= game::kFirstActorKind ? at : kNoPoint;
    }
  }
}

void PlotAll(DrawDevice& d, const std::array<ScreenPoint, kMinimapPoints>& points, Color color) {
  for (const ScreenPoint& p : points) d.PutPixel(p.x, p.y, color, kTranslucent);
}

void DrawPlayerDot(DrawDevice& d, const View& map_view, const View& player_view, uint32_t color) {
  d.FillRect(map_view.left + player_view.cx - 3, player_view.cy + 369, 3, 3, color | 0xFF000000u,
             kOpaque);
}

}  // namespace

void DrawMinimaps(FrameContext& f) {
  DrawDevice& d = f.device;
  const game::World& w = f.world;
  MinimapLists& lists = f.minimap;
  const int a = w.minimap_alpha;
  for (int p = 0; p < f.values.view_count; ++p) {
    const View& v = f.values.views[p];
    d.FrameRect(v.left + 4, 374, 102, 102, ColorARGB(a, 255, 255, 255), ColorARGB(a, 0, 0, 0),
                kTranslucent);
    FillScratchLists(lists, w, v);
    PlotAll(d, lists.walls, ColorARGB(a, 255, 255, 255));
    PlotAll(d, lists.cds, ColorARGB(a, 0, 255, 0));
    PlotAll(d, lists.actors, ColorARGB(a, 255, 0, 0));
    DrawPlayerDot(d, v, v, w.players[p].color);
    if (f.values.two_views()) {
      const int o = 1 - p;
      DrawPlayerDot(d, v, f.values.views[o], w.players[o].color);
    }
  }
}

}  // namespace bv::render
