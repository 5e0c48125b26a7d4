#pragma once

#include <cstdint>

namespace bv::media {

// The printed name of a key code of the 105-key PC keyboard ("Up", "Keypad
// Enter", "Q"); an empty text for codes no such key produces.
const char* KeyName(uint8_t code);

}  // namespace bv::media
