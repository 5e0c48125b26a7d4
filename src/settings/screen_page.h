#pragma once

#include "settings/screen_settings.h"

namespace bv::settings {

class OptionsDialog;

// The index in the page's frame cap list of a cap value (0 for the
// display's rate), -1 when the list does not hold it; and back.
int FrameCapChoice(int frame_cap);
int FrameCapOfChoice(int choice);

// Adds the "Ekran" page: the window choice, scaling, fullscreen and frame
// pacing. It edits `screen` as the player clicks; the game window applies
// the changes at its next pass. `screen` must outlive the dialog.
void AddScreenPage(OptionsDialog& dialog, ScreenSettings& screen);

}  // namespace bv::settings
