// The panel at the top of each view (tinted HUD image, health gauge, access
// cards) and the labelled text lines.

#include <cmath>
#include <limits>

#include "game/game_mode.h"
#include "render/frame_parts.h"

namespace bv::render {

namespace {

constexpr Color kTextColor = 0x0000FFFFu;     // yellow
constexpr Color kShadowColor = 0x00000000u;   // black
constexpr Color kMessageColor = 0x00AAFFAAu;  // pale green

// round(h / 2.55): the gauge's 100 pixels stand for 255 health.
int32_t GaugeUnits(int32_t health) {
  return RoundEven(static_cast<long double>(health) / 2.55L);
}

void DrawHealthGauge(DrawDevice& d, const FrameImages& images, const View& v, int32_t health) {
  const int over = health > 255 ? 1 : 0;
  const int32_t units = GaugeUnits(health);
  const int32_t frame_width = over ? units : 100;
  d.FrameRect(v.left + 100, 12, Saturate(int64_t{frame_width} + 4), 8, ColorRGB(255, 255, 255),
              ColorRGB(0, 0, 0), kOpaque);
  DrawImageIf(d, images.bar_image, v.left + 102, 14, 0, kOpaque);
  // Black over the lost part; above 255 the width is negative and the
  // rectangle reaches left from the bar's end, a green strip for the surplus.
  const int64_t x = int64_t{v.left} + 102 + units;
  d.FillRect(Saturate(x), 14, Saturate(int64_t{100} - units), 4, ColorRGB(6 * over, -2 * over, 0),
             kOpaque);
}

void DrawCards(DrawDevice& d, const FrameImages& images, const View& v,
               const std::array<uint8_t, game::kCardCount>& cards) {
  int32_t offset = 0;
  for (uint8_t card : cards) {
    if (card == game::kNoCard) continue;  // empty places take no room
    DrawTintedIf(d, ObjectImage(images, card), v.left + offset, 70, kOpaqueWhite, 0, kTranslucent);
    offset += 40;
  }
}

// Shadow one pixel right and down, then the text; the short form ignores alpha.
void ShadowedLine(BitmapFont& font, const std::string& text, int32_t x, int32_t y, Color color) {
  font.TextOut(text, x + 1, y + 1, kShadowColor);
  font.TextOut(text, x, y, color);
}

void BuildWeaponLine(std::string& s, const game::PlayerState& pl) {
  s.clear();
  if (pl.weapon >= game::kWeaponCount) return;  // no such slot: no line
  const game::WeaponSlot& slot = pl.weapons[pl.weapon];
  s.append(slot.name);
  s.append(" / ");
  AppendSigned(s, slot.ammo);
}

// In split-screen matches each view counts its own player's kills or points.
uint32_t MissionCount(const game::World& w, const game::PlayerState& pl, bool two_views) {
  if (two_views && w.game_mode == game::kDeathmatch) return pl.kills;
  if (two_views && w.game_mode == game::kPointmatch) return static_cast<uint32_t>(pl.points);
  return static_cast<uint32_t>(w.mission_progress);
}

int64_t ClockSeconds(double steps) {
  const long double s = std::floor(static_cast<long double>(steps) / 100);
  if (!(s > -1e15L)) return s == s ? -1000000000000000LL : 0;
  if (s > 1e15L) return 1000000000000000LL;
  return static_cast<int64_t>(s);
}

}  // namespace

void AppendSigned(std::string& s, int64_t v) {
  if (v < 0) {
    s.push_back('-');
    AppendUnsigned(s, 0 - static_cast<uint64_t>(v));
  } else {
    AppendUnsigned(s, static_cast<uint64_t>(v));
  }
}

void AppendUnsigned(std::string& s, uint64_t v) {
  char digits[20];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v != 0);
  while (n > 0) s.push_back(digits[--n]);
}

void FormatHudValues(const game::World& w, int player, bool two_views, HudStrings& s) {
  const game::PlayerState& pl = w.players[static_cast<size_t>(player)];
  BuildWeaponLine(s.weapon, pl);
  // Counts and goals print as unsigned 32-bit numbers.
  s.mission.clear();
  AppendUnsigned(s.mission, MissionCount(w, pl, two_views));
  s.mission.append(" / ");
  AppendUnsigned(s.mission, static_cast<uint32_t>(w.mission_goal));
  s.mission.push_back(' ');
  s.mission.append(w.mission_unit);
  s.points.clear();
  AppendUnsigned(s.points, static_cast<uint32_t>(pl.points));
  // Seconds are not padded: one minute and five seconds reads "1 : 5".
  s.time.clear();
  AppendUnsigned(s.time, static_cast<uint32_t>(w.clock_minutes));
  s.time.append(" : ");
  AppendSigned(s.time, ClockSeconds(w.clock_steps));
}

void DrawHudPanels(FrameContext& f) {
  DrawDevice& d = f.device;
  const game::World& w = f.world;
  for (int p = 0; p < f.values.view_count; ++p) {
    const View& v = f.values.views[p];
    const game::PlayerState& pl = w.players[p];
    // The panel takes the player's colour; the ambient colour does not reach it.
    DrawTintedIf(d, f.images.hud_image, v.left, 0, WithAlpha(w.hud_alpha, pl.color), 0,
                 kTranslucent);
    DrawHealthGauge(d, f.images, v, pl.health);
    DrawCards(d, f.images, v, pl.cards);
  }
}

void DrawHudTexts(FrameContext& f, HudStrings& s) {
  if (f.font == nullptr) return;
  BitmapFont& font = *f.font;
  const game::World& w = f.world;
  for (int p = 0; p < f.values.view_count; ++p) {
    const int32_t x = f.values.views[p].left;
    const game::PlayerState& pl = w.players[p];
    ShadowedLine(font, "Zdrowie:", x + 10, 10, kTextColor);
    ShadowedLine(font, "Bron:", x + 10, 20, kTextColor);
    ShadowedLine(font, "Cel misji:", x + 10, 30, kTextColor);
    ShadowedLine(font, "Punkty:", x + 10, 40, kTextColor);
    ShadowedLine(font, "Czas:", x + 10, 50, kTextColor);

    FormatHudValues(w, p, f.values.two_views(), s);
    ShadowedLine(font, s.weapon, x + 100, 20, kTextColor);
    ShadowedLine(font, s.mission, x + 100, 30, kTextColor);
    ShadowedLine(font, s.points, x + 100, 40, kTextColor);
    ShadowedLine(font, s.time, x + 100, 50, kTextColor);
    // Kept: a negative timer is not 0 either, so the message shows.
    if (pl.message_timer != 0) ShadowedLine(font, pl.message, x + 11, 460, kMessageColor);
  }
}

}  // namespace bv::render
