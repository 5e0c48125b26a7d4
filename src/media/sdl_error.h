#pragma once

#include <string>

namespace bv::media {

// SDL's last error text, or a fallback when SDL left none.
std::string SdlErrorText(const char* fallback = "unknown SDL error");

}  // namespace bv::media
