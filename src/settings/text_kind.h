#pragma once

#include <cstddef>
#include <string>

namespace bv::settings {

// What a text setting or an options window text field may hold. Texts are
// Windows-1250 bytes, as every text of the game.
enum class TextKind {
  kText,     // any printable Windows-1250 character, spaces included
  kAddress,  // a host name or an IPv4 address: ASCII letters, digits, '.', '-', '_'
  kDigits,   // 0-9 only, as a port
};

// Whether one Windows-1250 byte may stand in a text of this kind.
bool TextKindAllows(TextKind kind, unsigned char c);

// Whether the whole text is of this kind and at most max_length long.
bool TextAllowed(TextKind kind, std::size_t max_length, const std::string& text);

// The text with every character the kind does not allow left out, cut to
// max_length: what a field keeps of pasted or typed input.
std::string FilterText(TextKind kind, std::size_t max_length, const std::string& text);

}  // namespace bv::settings
