#include "settings/screen_page.h"

#include <array>

#include "settings/options_dialog.h"

namespace bv::settings {

namespace {

// Windows-1250, as every text of the options window.
// clang-format off
constexpr const char* kPageTitle = "Ekran";
constexpr const char* kWindowLabel = "Okno:";
constexpr const char* kWindowItems[] = {"Skalowane", "Klasyczne (640 x 480)"};
constexpr const char* kScalingLabel = "Skalowanie:";
constexpr const char* kScalingItems[] = {"Ca\xB3kowite (ostre piksele)", "Dopasowane do okna"};
constexpr const char* kFullscreen = "Pe\xB3ny ekran";
constexpr const char* kFullscreenKeys = "Alt+Enter lub F11 w grze";
constexpr const char* kPacingLabel = "Tempo klatek:";
constexpr const char* kPacingItems[] = {"Synchronizacja pionowa", "Limit klatek", "Bez limitu"};
constexpr const char* kCapLabel = "Limit klatek na sekund\xEA:";
constexpr const char* kCapItems[] = {"Jak od\x9Cwie\xBF" "anie ekranu", "30", "60", "75", "120", "144", "240"};
// clang-format on
constexpr std::array<int, 7> kCapValues{kFrameCapDisplay, 30, 60, 75, 120, 144, 240};

constexpr int kW = 161;  // the page's width

bool Choose(PageCanvas& c, const char* id, int y, const char* const* items, int count,
            ScreenSettings& screen, ScreenSetting s) {
  int index = screen.value(s);
  if (!c.DropDown(id, layout::Box{0, y, kW, 21}, items, count, &index)) return false;
  return screen.set(s, index);
}

}  // namespace

int FrameCapChoice(int frame_cap) {
  for (std::size_t i = 0; i < kCapValues.size(); ++i) {
    if (kCapValues[i] == frame_cap) return static_cast<int>(i);
  }
  return -1;
}

int FrameCapOfChoice(int choice) {
  if (choice < 0 || choice >= static_cast<int>(kCapValues.size())) return kFrameCapDisplay;
  return kCapValues[static_cast<std::size_t>(choice)];
}

void AddScreenPage(OptionsDialog& dialog, ScreenSettings& screen) {
  dialog.AddPage({kPageTitle, [&screen](PageCanvas& c) {
                    c.Text(layout::Box{0, 0, kW, 13}, kWindowLabel);
                    Choose(c, "##window", 16, kWindowItems, 2, screen, ScreenSetting::kWindow);
                    c.Text(layout::Box{0, 44, kW, 13}, kScalingLabel);
                    Choose(c, "##scaling", 60, kScalingItems, 2, screen, ScreenSetting::kScaling);
                    bool full = screen.fullscreen();
                    if (c.Check(layout::Box{0, 90, kW, 17}, kFullscreen, &full)) {
                      screen.set(ScreenSetting::kFullscreen, full ? 1 : 0);
                    }
                    c.Text(layout::Box{18, 108, kW - 18, 13}, kFullscreenKeys);
                    c.Bevel(layout::Box{0, 128, kW, 2});
                    c.Text(layout::Box{0, 136, kW, 13}, kPacingLabel);
                    Choose(c, "##pacing", 152, kPacingItems, 3, screen, ScreenSetting::kPacing);
                    c.Text(layout::Box{0, 180, kW, 13}, kCapLabel);
                    // Vsync caps the loop at the display's rate anyway.
                    c.BeginDisabled(screen.pacing() != Pacing::kCap);
                    int cap = FrameCapChoice(screen.frame_cap());
                    if (c.DropDown("##cap", layout::Box{0, 196, kW, 21}, kCapItems,
                                   static_cast<int>(kCapValues.size()), &cap)) {
                      screen.set(ScreenSetting::kFrameCap, FrameCapOfChoice(cap));
                    }
                    c.EndDisabled();
                  }});
}

}  // namespace bv::settings
