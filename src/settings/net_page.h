#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "settings/net_choice.h"
#include "settings/options_page.h"
#include "settings/screen_settings.h"

namespace bv::settings {

class OptionsDialog;

// The "Sieć" page: host a game on a port, or join a host's address and port;
// a button that starts it and one that ends it ("Rozłącz"), and the link's
// state with the app's last status. The choice and the fields edit `choice`
// (brimvale.ini keeps them); a button press that passes the checks writes a
// request into `state` (net_choice.h). It stays usable while the window is
// read-only, so a guest can leave. Both must outlive the page.
OptionsPage NetPage(NetPageState& state, ScreenSettings& choice);
void AddNetPage(OptionsDialog& dialog, NetPageState& state, ScreenSettings& choice);

// Where the page's controls stand in its area (layout::kExtraPageClient).
namespace net_layout {
inline constexpr layout::Box kHostRadio{0, 0, 161, 17};
inline constexpr layout::Box kJoinRadio{0, 18, 161, 17};
inline constexpr layout::Box kAddressLabel{0, 42, 161, 13};
inline constexpr layout::Box kAddress{0, 58, 161, 21};
inline constexpr layout::Box kPortLabel{0, 86, 161, 13};
inline constexpr layout::Box kPort{0, 102, 60, 21};
inline constexpr layout::Box kStart{0, 132, 78, 23};
inline constexpr layout::Box kLeave{83, 132, 78, 23};
inline constexpr int kMessagesTop = 164;  // the checks' message, the link and the status
}  // namespace net_layout

// Windows-1250 text broken into lines of at most `width` characters: at
// spaces and at its own line breaks, a longer word cut; at most max_lines
// of them, and a text that does not fit ends its last line with "...".
std::vector<std::string> WrapText(const std::string& text, std::size_t width,
                                  std::size_t max_lines);

// A port field's text as a port; -1 unless it is kMinNetPort..kMaxNetPort.
int ParsePort(const std::string& digits);

}  // namespace bv::settings
