#pragma once

#include <string>

namespace bv::media {

// The game keeps every text as Windows-1250 bytes; these convert at the edges
// (JSON output, message boxes, the options window's UTF-8 toolkit).
std::string Cp1250ToUtf8(const std::string& bytes);

// Characters with no Windows-1250 byte become '?'.
std::string Utf8ToCp1250(const std::string& utf8);

}  // namespace bv::media
