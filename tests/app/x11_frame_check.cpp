// x11-frame-check: is a window showing a 640 by 480 frame scaled?
//
//   x11-frame-check WINDOW_ID FRAME.png SCALE
//
// Reads the window's pixels from the X server and compares them with the
// frame, scaled by SCALE and centred. Prints one line:
//   "window WxH at X,Y blocks N differ D mixed M bars B"
// D: frame pixels whose SCALE by SCALE block in the window is not their
// colour; M: blocks not of one colour (a scale that is not clean);
// B: pixels outside the frame that are not black. Exit 0 when it could look.

#include <SDL.h>
#include <SDL_image.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

namespace {

int Shift(unsigned long mask) {
  int s = 0;
  while (mask != 0 && (mask & 1) == 0) {
    mask >>= 1;
    ++s;
  }
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: x11-frame-check WINDOW_ID FRAME.png SCALE\n");
    return 2;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  const int scale = std::atoi(argv[3]);
  SDL_Surface* raw = IMG_Load(argv[2]);
  if (raw == nullptr || scale < 1) {
    std::fprintf(stderr, "x11-frame-check: cannot read %s\n", argv[2]);
    return 1;
  }
  SDL_Surface* frame = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(raw);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr || frame == nullptr) return 1;
  XWindowAttributes a{};
  if (XGetWindowAttributes(display, window, &a) == 0) return 1;
  XImage* image = XGetImage(display, window, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
  if (image == nullptr) return 1;
  const int rs = Shift(image->red_mask), gs = Shift(image->green_mask),
            bs = Shift(image->blue_mask);
  auto rgb = [&](int x, int y) {
    const unsigned long p = XGetPixel(image, x, y);
    return (((p & image->red_mask) >> rs) & 0xFF) << 16 |
           (((p & image->green_mask) >> gs) & 0xFF) << 8 | (((p & image->blue_mask) >> bs) & 0xFF);
  };
  const int fw = frame->w * scale, fh = frame->h * scale;
  const int ox = (a.width - fw) / 2, oy = (a.height - fh) / 2;
  long differ = 0, mixed = 0, bars = 0, blocks = 0;
  for (int fy = 0; fy < frame->h; ++fy) {
    for (int fx = 0; fx < frame->w; ++fx) {
      const uint8_t* p = static_cast<const uint8_t*>(frame->pixels) + fy * frame->pitch + fx * 4;
      const unsigned long want = static_cast<unsigned long>(p[0]) << 16 | p[1] << 8 | p[2];
      const int x0 = ox + fx * scale, y0 = oy + fy * scale;
      if (x0 < 0 || y0 < 0 || x0 + scale > a.width || y0 + scale > a.height) {
        ++differ;
        continue;
      }
      ++blocks;
      const unsigned long first = rgb(x0, y0);
      bool one = true;
      for (int dy = 0; dy < scale && one; ++dy) {
        for (int dx = 0; dx < scale; ++dx) {
          if (rgb(x0 + dx, y0 + dy) != first) {
            one = false;
            break;
          }
        }
      }
      if (!one) ++mixed;
      if (first != want) ++differ;
    }
  }
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      const bool inside = x >= ox && x < ox + fw && y >= oy && y < oy + fh;
      if (!inside && rgb(x, y) != 0) ++bars;
    }
  }
  std::printf("window %dx%d at %d,%d blocks %ld differ %ld mixed %ld bars %ld\n", a.width,
              a.height, ox, oy, blocks, differ, mixed, bars);
  XDestroyImage(image);
  XCloseDisplay(display);
  SDL_FreeSurface(frame);
  return 0;
}
