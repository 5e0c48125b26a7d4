#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "render/color.h"
#include "render/geometry.h"
#include "render/pattern_coords.h"
#include "render/vertex_queue.h"

namespace bv::render {

class PatternImage;

// The game's drawing layer on an SDL renderer: textured and coloured quads,
// lines and points in screen pixels with the blend effects of effect.h,
// queued and sent in batches of one texture and one effect. Every call
// returns 0 or a negative error code (media/error_codes.h); -1 when the
// device is not initialised.
class DrawDevice {
 public:
  DrawDevice();
  ~DrawDevice();
  DrawDevice(const DrawDevice&) = delete;
  DrawDevice& operator=(const DrawDevice&) = delete;

  // Makes sure SDL has a render driver to offer: -2 when there is none, -5
  // when one cannot be described, -1 when already started. The Create calls
  // start the device themselves when this was not called.
  int32_t Start();

  // A renderer for the game's window: the named driver, else "opengl", else
  // SDL's software renderer; presenting waits for the retrace only with
  // vsync. -3 when no renderer can be made, -6 when the vertex queue cannot
  // be allocated, -1 for a null window or a second device.
  int32_t CreateForWindow(SDL_Window* window, const char* driver = nullptr, bool vsync = false);
  // SDL's software renderer drawing into a surface (tests, screenshots).
  int32_t CreateForSurface(SDL_Surface* surface);

  // Releases the images' textures, the renderer and the queue. Images stay
  // usable objects (Release them as usual). Always succeeds; may be repeated.
  void Shutdown();

  bool initialized() const { return renderer_ != nullptr; }
  SDL_Renderer* renderer() const { return renderer_; }
  // The driver SDL chose ("opengl", "software", ...); empty before creation.
  const std::string& driver_name() const { return driver_name_; }
  bool custom_blend_modes() const { return custom_blend_modes_; }

  int32_t Clear(Color color);
  int32_t BeginScene();
  int32_t EndScene();
  int32_t Present();
  int32_t SetClipRect(const Rect& rect);

  int32_t FillRect(const Rect& rect, Color color, int effect);
  int32_t FillRect(int32_t left, int32_t top, int32_t width, int32_t height, Color color,
                   int effect);
  int32_t FrameRect(const Rect& rect, Color border, Color fill, int effect);
  int32_t FrameRect(int32_t left, int32_t top, int32_t width, int32_t height, Color border,
                    Color fill, int effect);
  int32_t DrawLine(Point p1, Point p2, Color c1, Color c2, int effect);
  int32_t PutPixel(int32_t x, int32_t y, Color color, int effect);

  // Corners and colours run top-left, top-right, bottom-right, bottom-left.
  int32_t DrawQuad(const PatternImage& image, const Point corners[4], const Color colors[4],
                   const PatternSelection& selection, int effect);
  int32_t DrawImage(const PatternImage& image, int32_t x, int32_t y, int32_t pattern, int effect);
  int32_t DrawImageTinted(const PatternImage& image, int32_t x, int32_t y, Color color,
                          int32_t pattern, int effect);

  // A window's renderer draws into a frame of its own of this size (the
  // game's 640 by 480), which Present shows scaled into the window, centred
  // on black: nearest-neighbour, by whole numbers or filling the window
  // (set_whole_scales). Reading pixels reads the frame. Without it (or when
  // the renderer cannot draw into textures: -3) drawing goes straight to
  // the window.
  int32_t UseFrame(int width, int height);
  bool has_frame() const { return frame_ != nullptr; }
  void set_whole_scales(bool on) { whole_scales_ = on; }
  bool whole_scales() const { return whole_scales_; }
  // Where the last Present put the frame, in the window's pixels.
  const SDL_Rect& frame_placement() const { return placement_; }

  // Presenting waits for the display's retrace; false when the renderer cannot.
  bool SetVsync(bool on);
  // Whether presenting waits for the retrace now.
  bool vsync() const { return vsync_; }

  // Linear (on) or nearest (off) texture filtering.
  void SetAntialias(bool on);
  bool antialias() const { return antialias_; }
  // Stored only: SDL's renderers have no dithering state to set.
  void SetDithering(bool on);
  bool dithering() const { return dithering_; }

  // Counts of what was sent since the last BeginScene.
  const FrameCounters& counters() const { return counters_; }
  size_t queued_vertices() const { return queue_.size(); }

  // Lost-device handling: the app passes every SDL event here (or just the
  // SDL_RENDER_TARGETS_RESET and SDL_RENDER_DEVICE_RESET ones). After a
  // targets reset every image is uploaded again from its pages, after a
  // device reset its textures are made anew. Returns true for those two
  // events. A restore that fails is retried by Present, which returns -5
  // until it succeeds.
  bool HandleEvent(const SDL_Event& event);
  // Called when restoring the textures after a reset fails.
  std::function<void()> on_device_lost;

  // The pixels of the target in the game's colour layout (red in the low
  // byte), row by row; sends the queue first.
  int32_t ReadPixels(std::vector<Color>& pixels, int& width, int& height);

  // Sends the queued primitives now. Normally EndScene and SetClipRect do it.
  int32_t Flush();

 private:
  friend class PatternImage;
  enum class ResetKind { kNone, kTargets, kDevice };

  int32_t Finish(SDL_Renderer* renderer);
  int32_t Select(SDL_Texture* texture, int effect, PrimitiveKind kind, size_t vertices);
  int32_t QueueQuad(SDL_Texture* texture, const Point corners[4], const Color colors[4],
                    const TexCoords* uv, int effect);
  int32_t SendLines();
  int32_t SendPoints();
  int32_t RestoreTextures();
  void AddImage(PatternImage* image);
  void RemoveImage(PatternImage* image);
  // Sends the queue if its batch uses one of these textures, which are about to go.
  void ForgetTextures(const std::vector<SDL_Texture*>& textures);
  SDL_ScaleMode scale_mode() const {
    return antialias_ ? SDL_ScaleModeLinear : SDL_ScaleModeNearest;
  }

  int32_t MakeFrameTexture();
  int32_t PresentFrame();

  bool started_ = false;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* frame_ = nullptr;  // the frame drawn into, when the window's is scaled
  int frame_width_ = 0;
  int frame_height_ = 0;
  bool whole_scales_ = true;
  bool vsync_ = false;
  SDL_Rect placement_{0, 0, 0, 0};
  std::string driver_name_;
  bool custom_blend_modes_ = false;
  // The render target's size in pixels, read when the renderer is made.
  int target_width_ = 0;
  int target_height_ = 0;

  VertexQueue queue_{0};
  std::vector<SDL_Point> point_scratch_;

  // The state of the queued batch; unset after creation and after a reset.
  bool state_set_ = false;
  SDL_Texture* texture_ = nullptr;
  int effect_ = 0;
  SDL_BlendMode blend_mode_ = SDL_BLENDMODE_NONE;

  bool in_scene_ = false;
  bool antialias_ = true;
  bool dithering_ = true;
  FrameCounters counters_;
  ResetKind pending_reset_ = ResetKind::kNone;
  std::vector<PatternImage*> images_;
};

}  // namespace bv::render
