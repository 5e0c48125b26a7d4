#pragma once

#include <SDL.h>

namespace bv::render {

// Where a frame of frame_w by frame_h goes in a window of out_w by out_h:
// centred, its aspect kept, black bars around it. With whole_scales the
// frame is enlarged only by whole numbers (crisp pixels), down to 1; a
// window smaller than the frame gets it shrunk to fit either way.
SDL_Rect PlaceFrame(int out_w, int out_h, int frame_w, int frame_h, bool whole_scales);

// The largest whole number the frame can be enlarged by within the area, at least 1.
int WholeScaleWithin(int area_w, int area_h, int frame_w, int frame_h);

}  // namespace bv::render
