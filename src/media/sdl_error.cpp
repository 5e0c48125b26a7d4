#include "media/sdl_error.h"

#include <SDL.h>

namespace bv::media {

std::string SdlErrorText(const char* fallback) {
  const char* e = SDL_GetError();
  return (e != nullptr && e[0] != '\0') ? std::string(e) : std::string(fallback);
}

}  // namespace bv::media
