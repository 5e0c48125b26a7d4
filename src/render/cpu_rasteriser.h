#pragma once

#include <SDL.h>

namespace bv::render {

// Whether an OpenGL renderer string names a rasteriser that runs on the CPU
// (Mesa's llvmpipe, softpipe or swrast: a virtual display, a machine without
// a GPU driver). There SDL's own software renderer draws the same frame for
// a fraction of the work.
bool IsCpuRasteriser(const char* gl_renderer);

// The GL_RENDERER string of an OpenGL SDL renderer's context, made current
// by its creation; null for other renderers or when it cannot be read.
const char* OpenGlRendererName(SDL_Renderer* renderer);

}  // namespace bv::render
