#pragma once

#include <cstdint>
#include <string>

namespace bv::app {

// The program's title: the main window's caption and every message box's.
inline constexpr const char* kTitle = "Brimvale";

// The start-up reports, in Windows-1250 (split where a letter follows a
// hex escape).
// clang-format off
inline constexpr const char* kDrawingStartFailed =
    "Wyst\xB9pi\xB3 b\xB3\xB9" "d podczas inicjalizacji DirectX !";
inline constexpr const char* kGraphicsLoadFailedHead =
    "Wyst\xB9pi\xB3 b\xB3\xB9" "d podczas \xB3" "adowania zasob\xF3w graficznych ";
// clang-format on

// "<message>", a carriage return, then the code's text.
std::string WithCodeText(const std::string& message, int32_t code);
// The drawing device could not start or be created.
std::string DrawingStartFailedText(int32_t code);
// An image returned a code; tag names its group ("(txs)", "(obj)", ...).
std::string GraphicsLoadFailedText(const std::string& tag, int32_t code);

}  // namespace bv::app
