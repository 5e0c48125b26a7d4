#pragma once

#include <string>
#include <vector>

#include "media/pad_slots.h"

namespace bv::settings {

class OptionsDialog;

// The lines of the options window's "Pad" page, Windows-1250: which pad
// drives which player (as plugged in now), how many wait, and how a pad
// plays. Long pad names are cut to fit the page.
std::vector<std::string> PadPageLines(const media::PadSlots& slots);

// Adds the "Pad" page; it reads `slots` each time it is drawn, so `slots`
// must outlive the dialog.
void AddPadPage(OptionsDialog& dialog, const media::PadSlots& slots);

}  // namespace bv::settings
