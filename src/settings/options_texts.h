#pragma once

// The options window's texts, as Windows-1250 bytes (the drawing converts
// them to UTF-8). A hex escape is closed off with "" before a letter that
// would otherwise extend it.

namespace bv::settings::text {

// clang-format off

inline constexpr const char* kCaption = "Brimvale - opcje gry";

inline constexpr const char* kGroupGraphics = "Grafika / wygl\xB9" "d";
inline constexpr const char* kGroupLevel = "Level";
inline constexpr const char* kGroupGame = "Gra";
inline constexpr const char* kGroupMultiplayer = "Multiplayer";
inline constexpr const char* kGroupControls = "Sterowanie";
inline constexpr const char* kGroupMore = "Wi\xEA" "cej";  // the extra pages' box

inline constexpr const char* kHudTrans = "Poziom wype\xB3nienia panelu:";
inline constexpr const char* kMapTrans = "Poziom wype\xB3nienia mini mapy:";
inline constexpr const char* kP1Color = "Kolor gracza 1:";
inline constexpr const char* kP2Color = "Kolor gracza 2:";
inline constexpr const char* kEnColor = "Kolor wrog\xF3w:";
inline constexpr const char* kAnti = "Antialiasing";
inline constexpr const char* kDirt = "Dirthering";
inline constexpr const char* kShowFps = "Pokazuj FPS";

inline constexpr const char* kCampaign = "Kampania";
inline constexpr const char* kCustom = "Dowolny poziom";

inline constexpr const char* kDifficulty = "Poziom trudno\x9C" "ci:";
inline constexpr const char* kDifficultyItems[7] = {
    "Dziecinny", "Bardzo \xB3" "atwy", "\xA3" "atwy", "Normalny",
    "Trudny",    "Bardzo trudny",     "Ekstremalny"};

inline constexpr const char* kMode = "Tryb gry:";
inline constexpr const char* kModeItems[3] = {"Cooperation", "Deathmatch", "Pointmatch"};
inline constexpr const char* kDeathmatchOptions = "Opcje deathmatch:";
inline constexpr const char* kPointmatchOptions = "Opcje pointmatch:";
inline constexpr const char* kArenamode = "Odnawianie przedmiot\xF3w";
inline constexpr const char* kReitem = "Cz\xEAstotliwo\x9C\xE6:";
// The two words stand under the two ends of the respawn bar.
inline constexpr const char* kReitemScale =
    "Du\xBF" "a                                      Ma\xB3" "a";
inline constexpr const char* kReitemScaleHigh = "Du\xBF" "a";
inline constexpr const char* kReitemScaleLow = "Ma\xB3" "a";

inline constexpr const char* kPlayerTabs[2] = {"Gracz 1", "Gracz 2"};
// Rows in the file's order: up, down, left, right, change weapon, attack.
inline constexpr const char* kKeyRows[6] = {"G\xF3ra:", "D\xF3\xB3:", "Lewo:",
                                            "Prawo:",  "Zmiana broni:", "Atak:"};

// The same actions without their colons, for the line that names a clash.
inline constexpr const char* kKeyActions[6] = {"G\xF3ra", "D\xF3\xB3", "Lewo",
                                               "Prawo",   "Zmiana broni", "Atak"};
// A key edit holding Escape's code shares it with the game's own use of it.
inline constexpr const char* kEscapeUse = "wyj\x9C" "cie do menu";
inline constexpr const char* kUnnamedKey = "Klawisz ";  // before the code of a key without a name
inline constexpr const char* kCloseButton = "Zamknij";

// The "Pad" page.
inline constexpr const char* kPadPage = "Pad";
inline constexpr const char* kPadPlayer[2] = {"Gracz 1:", "Gracz 2:"};
inline constexpr const char* kNoPad = "brak pada";
inline constexpr const char* kPadsWaiting = "Czekaj\xB9" "ce pady: ";
inline constexpr const char* kPadOnePlayer[2] = {"W grze jednoosobowej ka\xBF" "dy",
                                                 "pad steruje graczem 1."};
inline constexpr const char* kPadControls[5] = {
    "Sterowanie padem:", "Krzy\xBF" "ak, lewa ga\xB3ka: ruch", "A, prawy spust: atak",
    "X, LB, RB: zmiana broni", "Start, Back: Escape"};

inline constexpr const char* kFragSuffix = " morderstw";
inline constexpr const char* kPointSuffix = " punkt\xF3w";
inline constexpr const char* kPercentSuffix = " %";

inline constexpr const char* kStatusCredit = "\xA9 Zesp\xF3\xB3 Brimvale";
inline constexpr const char* kStatusWeb = "www.brimvale.example";
inline constexpr const char* kStatusVersion = "1.2.0";

inline constexpr const char* kColorDialogTitle = "Kolor";
inline constexpr const char* kColorDialogOk = "OK";
inline constexpr const char* kColorDialogCancel = "Anuluj";

// clang-format on

}  // namespace bv::settings::text
