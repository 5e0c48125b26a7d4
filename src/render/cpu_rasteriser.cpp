#include "render/cpu_rasteriser.h"

#include <cstring>
#include <initializer_list>

namespace bv::render {

bool IsCpuRasteriser(const char* gl_renderer) {
  if (gl_renderer == nullptr) return false;
  for (const char* name : {"llvmpipe", "softpipe", "Software Rasterizer", "swrast"}) {
    if (std::strstr(gl_renderer, name) != nullptr) return true;
  }
  return false;
}

const char* OpenGlRendererName(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (renderer == nullptr || SDL_GetRendererInfo(renderer, &info) != 0 ||
      std::strncmp(info.name, "opengl", 6) != 0 || SDL_GL_GetCurrentContext() == nullptr) {
    return nullptr;
  }
  using GetString = const unsigned char* (*)(unsigned int);
  constexpr unsigned int kGlRenderer = 0x1F01;
  auto get = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  if (get == nullptr) return nullptr;
  return reinterpret_cast<const char*>(get(kGlRenderer));
}

}  // namespace bv::render
