#pragma once

// Writes expectations readably: Pl("błąd") gives the Windows-1250 bytes the
// game holds. Knows ASCII and the eighteen Polish letters, plus the few
// other characters the options window shows.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace bv::test {

inline std::string Pl(const std::string& utf8) {
  struct Pair {
    uint32_t cp;
    char byte;
  };
  static constexpr Pair kTable[] = {
      {0x105, '\xB9'}, {0x107, '\xE6'}, {0x119, '\xEA'}, {0x142, '\xB3'}, {0x144, '\xF1'},
      {0x0F3, '\xF3'}, {0x15B, '\x9C'}, {0x17A, '\x9F'}, {0x17C, '\xBF'}, {0x104, '\xA5'},
      {0x106, '\xC6'}, {0x118, '\xCA'}, {0x141, '\xA3'}, {0x143, '\xD1'}, {0x0D3, '\xD3'},
      {0x15A, '\x8C'}, {0x179, '\x8F'}, {0x17B, '\xAF'}, {0x0A9, '\xA9'}};
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      ++i;
      continue;
    }
    if ((c & 0xE0) != 0xC0 || i + 1 >= utf8.size()) throw std::invalid_argument(utf8);
    const uint32_t cp = (c & 0x1Fu) << 6 | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
    bool found = false;
    for (const Pair& p : kTable) {
      if (p.cp == cp) {
        out.push_back(p.byte);
        found = true;
      }
    }
    if (!found) throw std::invalid_argument(utf8);
    i += 2;
  }
  return out;
}

}  // namespace bv::test
