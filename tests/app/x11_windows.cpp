// x11-windows: the mapped top-level windows of the display, one a line:
// "ID WIDTHxHEIGHT+X+Y NAME", the id in decimal. Unlike xdotool it reads
// names stored as UTF-8 too (SDL's message boxes name their window so).

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <string>

namespace {

std::string WindowName(Display* display, Window window) {
  XTextProperty property{};
  if (XGetWMName(display, window, &property) == 0 || property.value == nullptr) return "";
  std::string name;
  char** list = nullptr;
  int count = 0;
  if (Xutf8TextPropertyToTextList(display, &property, &list, &count) >= Success && count > 0 &&
      list != nullptr) {
    name = list[0];
    XFreeStringList(list);
  } else {
    name.assign(reinterpret_cast<const char*>(property.value), property.nitems);
  }
  XFree(property.value);
  return name;
}

}  // namespace

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "x11-windows: cannot open the display\n");
    return 1;
  }
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) != 0) {
    for (unsigned int i = 0; i < count; ++i) {
      XWindowAttributes a{};
      if (XGetWindowAttributes(display, children[i], &a) == 0) continue;
      if (a.map_state != IsViewable) continue;
      std::printf("%lu %dx%d+%d+%d %s\n", children[i], a.width, a.height, a.x, a.y,
                  WindowName(display, children[i]).c_str());
    }
    if (children != nullptr) XFree(children);
  }
  XCloseDisplay(display);
  return 0;
}
