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

// Windows-1250 text broken at spaces into lines of at most `width`
// characters (a longer word is cut), at most max_lines of them; a text that
// does not fit ends its last line with "...".
std::vector<std::string> WrapText(const std::string& text, std::size_t width,
                                  std::size_t max_lines);

// A port field's text as a port; -1 unless it is kMinNetPort..kMaxNetPort.
int ParsePort(const std::string& digits);

}  // namespace bv::settings
