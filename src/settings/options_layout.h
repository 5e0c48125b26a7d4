#pragma once

// Where the options window's controls sit, in pixels of its 585 by 428
// client area (wider when extra pages exist, see options_page.h). Each group
// box's controls are placed relative to the box.
//
// The classic window was 585 by 412. The key page has grown to show each
// key's name and clashes: "Sterowanie" spans the two left columns and is
// 16 pixels taller, "Level" is as short as "Grafika / wyglad", and the
// close button sits under "Multiplayer", which gives up the space.

namespace bv::settings::layout {

struct Box {
  int x, y, w, h;
  constexpr Box At(int dx, int dy, int width, int height) const {
    return {x + dx, y + dy, width, height};
  }
  constexpr int right() const { return x + w; }
  constexpr int bottom() const { return y + h; }
};

inline constexpr int kWidth = 585;
inline constexpr int kHeight = 428;
// Where the group boxes end, 8 pixels above the status bar.
inline constexpr int kContentBottom = kHeight - 19 - 8;

inline constexpr Box kGraphics{8, 8, 185, 225};
inline constexpr Box kLevel{200, 8, 185, 225};
inline constexpr Box kGame{392, 8, 185, 65};
inline constexpr Box kMultiplayer{392, 80, 185, 290};
inline constexpr Box kControls{8, 240, 377, kContentBottom - 240};
inline constexpr Box kCloseButton{kMultiplayer.right() - 75, kContentBottom - 23, 75, 23};
inline constexpr Box kStatusBar{0, kHeight - 19, kWidth, 19};
inline constexpr int kStatusPanels[3] = {335, 150, 100};

// "Grafika / wygląd"
inline constexpr Box kHudTransLabel = kGraphics.At(8, 16, 169, 13);
inline constexpr Box kHudTransBar = kGraphics.At(8, 32, 121, 17);
inline constexpr Box kHudTransLab = kGraphics.At(150, 34, 26, 13);
inline constexpr Box kMapTransLabel = kGraphics.At(8, 56, 169, 13);
inline constexpr Box kMapTransBar = kGraphics.At(8, 72, 121, 17);
inline constexpr Box kMapTransLab = kGraphics.At(150, 74, 26, 13);
inline constexpr Box kSwatchLabels[3] = {kGraphics.At(8, 96, 80, 13), kGraphics.At(8, 120, 80, 13),
                                         kGraphics.At(8, 144, 80, 13)};
// Four pixels further right than the labels' old font needed, so that
// "Kolor gracza 1:" keeps clear of its swatch; the right edge stays.
inline constexpr Box kSwatches[3] = {kGraphics.At(92, 96, 85, 17), kGraphics.At(92, 120, 85, 17),
                                     kGraphics.At(92, 144, 85, 17)};
inline constexpr Box kAnti = kGraphics.At(8, 168, 169, 17);
inline constexpr Box kDirt = kGraphics.At(8, 185, 169, 17);
inline constexpr Box kShowFps = kGraphics.At(8, 202, 169, 17);

// "Level"
inline constexpr Box kCampaignRadio = kLevel.At(8, 16, 169, 17);
inline constexpr Box kCustomRadio = kLevel.At(8, 32, 169, 17);
inline constexpr Box kLevelList = kLevel.At(8, 56, 169, 161);

// "Gra"
inline constexpr Box kDifficultyLabel = kGame.At(8, 16, 169, 13);
inline constexpr Box kDifficultyList = kGame.At(8, 32, 169, 21);

// "Multiplayer"
inline constexpr Box kModeLabel = kMultiplayer.At(8, 16, 169, 13);
inline constexpr Box kModeList = kMultiplayer.At(8, 32, 169, 21);
inline constexpr Box kBevel1 = kMultiplayer.At(8, 64, 169, 2);
inline constexpr Box kDeathmatchLabel = kMultiplayer.At(8, 72, 169, 13);
inline constexpr Box kFragBar = kMultiplayer.At(8, 88, 169, 13);
inline constexpr Box kFragLab = kMultiplayer.At(7, 104, 170, 13);
inline constexpr Box kBevel2 = kMultiplayer.At(8, 120, 169, 2);
inline constexpr Box kPointmatchLabel = kMultiplayer.At(8, 128, 169, 13);
inline constexpr Box kPointBar = kMultiplayer.At(8, 144, 169, 13);
inline constexpr Box kPointLab = kMultiplayer.At(6, 160, 171, 13);
inline constexpr Box kBevel3 = kMultiplayer.At(8, 176, 169, 2);
inline constexpr Box kArenamode = kMultiplayer.At(8, 184, 169, 17);
inline constexpr Box kReitemLabel = kMultiplayer.At(8, 208, 169, 13);
inline constexpr Box kReitemBar = kMultiplayer.At(8, 224, 169, 13);
inline constexpr Box kReitemScale = kMultiplayer.At(7, 240, 170, 13);

// "Sterowanie": the two tab pages and their rows: a label, the key edit with
// the code, a clash mark, the key's name; under the pages the line that
// names a clash.
inline constexpr Box kKeyPages = kControls.At(8, 16, 361, 121);
inline constexpr int kTabHeight = 20;
inline constexpr Box kPageClient =
    kKeyPages.At(4, kTabHeight + 4, kKeyPages.w - 8, 121 - kTabHeight - 6);
constexpr Box KeyRowLabel(int row) {
  return kPageClient.At(0, 1 + 16 * row, 110, 13);
}
constexpr Box KeyEdit(int row) {
  return kPageClient.At(112, 16 * row, 49, 14);
}
constexpr Box KeyClashMark(int row) {
  return kPageClient.At(166, 1 + 16 * row, 13, 13);
}
constexpr Box KeyName(int row) {
  return kPageClient.At(184, 1 + 16 * row, kPageClient.w - 184, 13);
}
inline constexpr Box kClashMark = kControls.At(8, 142, 13, 13);
inline constexpr Box kClashLine = kControls.At(26, 142, 343, 13);

// Extra pages: a column right of the classic window, as tall as the group
// boxes, with a page control like the key pages'. It starts at the classic
// window's edge, so that none of the classic pixels changes.
inline constexpr Box kExtraPages{kWidth, 8, 185, kContentBottom - 8};
inline constexpr int kWidthWithPages = kExtraPages.right() + 8;
inline constexpr Box kExtraPageTabs = kExtraPages.At(8, 16, 169, kExtraPages.h - 24);
inline constexpr Box kExtraPageClient =
    kExtraPageTabs.At(4, kTabHeight + 4, 161, kExtraPageTabs.h - kTabHeight - 6);

}  // namespace bv::settings::layout
