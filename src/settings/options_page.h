#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "settings/options_layout.h"
#include "settings/text_kind.h"

namespace bv::settings {

// Extra pages of the options window, for settings the classic window never
// had. Each page lives in a file of its own with one function that adds it
// to the window, for example
//
//   void AddScreenPage(OptionsDialog& dialog, ScreenSettings& screen) {
//     dialog.AddPage({"Ekran", [&screen](PageCanvas& c) {
//       c.Check(layout::Box{0, 0, 161, 17}, "Pe\xB3ny ekran", &screen.fullscreen);
//     }});
//   }
//
// and the app calls it when it builds the options window. (A page that
// registered itself through a static object in a library would be dropped
// by the linker, and could not reach the app's state.)
//
// Without pages the window is 585 by 428. With pages it grows a column to
// the right of the classic controls: a group box holding a tab bar with one
// tab per page, in the order added; the classic area stays exactly as it
// was. The game adds the "Pad" page (pad_page.h), the "Ekran" page
// (screen_page.h) and the "Sieć" page (net_page.h).

// The widgets a page draws with, in the window's own style. Boxes are in
// pixels of the page's area: (0, 0) is its top left corner, and the area is
// layout::kExtraPageClient's size. Texts are Windows-1250; ids are ImGui ids,
// unique within the page.
class PageCanvas {
 public:
  virtual ~PageCanvas() = default;
  // A text that never changes (a literal: it is converted once and kept).
  virtual void Text(const layout::Box& b, const char* text, float align = 0.0f) = 0;
  // A text that may change from frame to frame. align: 0 left, 0.5 centred, 1 right.
  virtual void Text(const layout::Box& b, const std::string& changing, float align = 0.0f) = 0;
  // A separator line, as between the Multiplayer box's groups.
  virtual void Bevel(const layout::Box& b) = 0;
  // The widgets below return true when the user changed the value.
  virtual bool Bar(const char* id, const layout::Box& b, int* value, int min, int max,
                   int small_step) = 0;
  virtual bool Check(const layout::Box& b, const char* label, bool* value) = 0;
  // True when clicked.
  virtual bool Radio(const layout::Box& b, const char* label, bool active) = 0;
  // items[0 .. count-1]; *index -1 shows no selection.
  virtual bool DropDown(const char* id, const layout::Box& b, const char* const* items, int count,
                        int* index) = 0;
  // An edit box for *value (Windows-1250): it takes only characters of
  // `kind`, at most max_length of them; what does not fit or is not of the
  // kind, typed or pasted, is dropped.
  virtual bool TextField(const char* id, const layout::Box& b, std::string* value, TextKind kind,
                         std::size_t max_length) = 0;
  // A push button in the style of the window's "Zamknij"; its caption (a
  // literal) must be unique within the page. True when clicked.
  virtual bool Button(const layout::Box& b, const char* caption) = 0;
  // Greys out and disables what is drawn until the matching EndDisabled.
  virtual void BeginDisabled(bool disabled) = 0;
  virtual void EndDisabled() = 0;
};

struct OptionsPage {
  std::string title;                      // the tab's caption, Windows-1250
  std::function<void(PageCanvas&)> draw;  // each frame while the page's tab is shown
  // Usable while the window is read-only (OptionsDialog::SetReadOnly); every
  // other page is then shown greyed out.
  bool usable_read_only = false;
};

}  // namespace bv::settings
