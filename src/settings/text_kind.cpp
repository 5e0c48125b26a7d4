#include "settings/text_kind.h"

namespace bv::settings {

bool TextKindAllows(TextKind kind, unsigned char c) {
  const bool digit = c >= '0' && c <= '9';
  switch (kind) {
    case TextKind::kDigits:
      return digit;
    case TextKind::kAddress:
      return digit || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.' || c == '-' ||
             c == '_';
    case TextKind::kText:
      // Control bytes, and the bytes Windows-1250 leaves without a character.
      if (c < 0x20 || c == 0x7F) return false;
      return !(c == 0x81 || c == 0x83 || c == 0x88 || c == 0x90 || c == 0x98);
  }
  return false;
}

bool TextAllowed(TextKind kind, std::size_t max_length, const std::string& text) {
  if (text.size() > max_length) return false;
  for (char c : text) {
    if (!TextKindAllows(kind, static_cast<unsigned char>(c))) return false;
  }
  return true;
}

std::string FilterText(TextKind kind, std::size_t max_length, const std::string& text) {
  std::string out;
  for (char c : text) {
    if (out.size() >= max_length) break;
    if (TextKindAllows(kind, static_cast<unsigned char>(c))) out += c;
  }
  return out;
}

}  // namespace bv::settings
