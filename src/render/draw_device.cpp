#include "render/draw_device.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "game/int32.h"
#include "media/error_codes.h"
#include "render/cpu_rasteriser.h"
#include "render/effect.h"
#include "render/frame_placement.h"
#include "render/line_raster.h"
#include "render/pattern_image.h"

namespace bv::render {

namespace {

using media::kErrCreateVertexBuffer;
using media::kErrDevice;
using media::kErrInitDevice;
using media::kErrInitDirect3D;
using media::kErrInvalidCall;
using media::kErrRenderParams;
using media::kErrVertexArray;
using media::kOk;

// Screen arithmetic in 64 bits, brought back into the 32-bit range, so
// extreme rectangles cannot overflow.
using game::Saturate;
int32_t SaturatedSum(int32_t a, int64_t b) {
  return Saturate(a + b);
}

// SDL's software renderer sizes temporary surfaces by a triangle's extent, so
// quads are cut at this margin around the target; nothing visible changes.
constexpr int32_t kCutMargin = 1024;

// Where an edge at `at` lands after the cut, and the texture coordinate that
// follows it along the edge from (a, ta) to (b, tb).
float CutCoordinate(int32_t at, int32_t lo, int32_t hi) {
  return static_cast<float>(std::clamp(at, lo, hi));
}
float FollowCut(float cut, int32_t a, int32_t b, float ta, float tb) {
  if (a == b) return ta;
  const double f = (static_cast<double>(cut) - a) / (static_cast<double>(b) - a);
  return static_cast<float>(ta + (tb - ta) * f);
}

// With blending off the alpha only reaches the target's alpha channel; keep
// it opaque there too.
SDL_Color ToSdl(Color c, int effect, SDL_BlendMode mode) {
  const uint8_t a = mode == SDL_BLENDMODE_NONE ? 255 : VertexAlpha(effect, AlphaOf(c));
  return SDL_Color{RedOf(c), GreenOf(c), BlueOf(c), a};
}

int DriverIndex(const char* name) {
  const int n = SDL_GetNumRenderDrivers();
  for (int i = 0; i < n; ++i) {
    SDL_RendererInfo info;
    if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::strcmp(info.name, name) == 0) return i;
  }
  return -1;
}

// A renderer refuses modes it cannot do when asked to use them; try one
// custom mode once and put the draw mode back.
bool ProbeCustomBlendModes(SDL_Renderer* renderer) {
  const BlendRow* row = FindBlendRow(kBlendMask);
  const bool ok = SDL_SetRenderDrawBlendMode(renderer, BlendModeFor(*row, true)) == 0;
  SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
  return ok;
}

}  // namespace

DrawDevice::DrawDevice() = default;

DrawDevice::~DrawDevice() {
  Shutdown();
  for (PatternImage* image : images_) image->Detach();
}

int32_t DrawDevice::Start() {
  if (started_) return kErrInvalidCall;
  const int n = SDL_GetNumRenderDrivers();
  if (n <= 0) return kErrInitDirect3D;
  for (int i = 0; i < n; ++i) {
    SDL_RendererInfo info;
    if (SDL_GetRenderDriverInfo(i, &info) != 0) return kErrDevice;
  }
  started_ = true;
  return kOk;
}

int32_t DrawDevice::CreateForWindow(SDL_Window* window, const char* driver, bool vsync) {
  if (window == nullptr || renderer_ != nullptr) return kErrInvalidCall;
  if (!started_) {
    const int32_t code = Start();
    if (code != kOk) return code;
  }
  // Naming a driver by index turns SDL's own command batching off unless asked for.
  SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
  // The software renderer's window shows its pixels straight through the
  // window system, not through an OpenGL texture of the whole window: where
  // OpenGL itself runs on the CPU (a virtual display) that texture cost more
  // than drawing the frame. SDL_FRAMEBUFFER_ACCELERATION in the environment
  // still decides.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  std::vector<const char*> choices;
  if (driver != nullptr) choices.push_back(driver);
  choices.push_back("opengl");
  choices.push_back("software");
  const Uint32 sync = vsync ? SDL_RENDERER_PRESENTVSYNC : 0;
  SDL_Renderer* renderer = nullptr;
  if (driver == nullptr) {
    // SDL's own choice honours SDL_RENDER_DRIVER; the accelerated one by default,
    // unless OpenGL turns out to be drawn on the CPU and nobody asked for it.
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | sync);
    const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    if (renderer != nullptr && (asked == nullptr || *asked == '\0') &&
        IsCpuRasteriser(OpenGlRendererName(renderer))) {
      SDL_DestroyRenderer(renderer);
      renderer = nullptr;
      choices.insert(choices.begin(), "software");
    }
  }
  for (const char* name : choices) {
    if (renderer != nullptr) break;
    const int index = DriverIndex(name);
    if (index < 0) continue;
    renderer = SDL_CreateRenderer(window, index, sync);
  }
  if (renderer == nullptr) return kErrInitDevice;
  return Finish(renderer);
}

int32_t DrawDevice::CreateForSurface(SDL_Surface* surface) {
  if (surface == nullptr || renderer_ != nullptr) return kErrInvalidCall;
  if (!started_) {
    const int32_t code = Start();
    if (code != kOk) return code;
  }
  SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
  if (renderer == nullptr) return kErrInitDevice;
  return Finish(renderer);
}

int32_t DrawDevice::Finish(SDL_Renderer* renderer) {
  try {
    VertexQueue queue(VertexQueue::kMaxCapacity);
    point_scratch_.reserve(VertexQueue::kMaxCapacity);
    queue_ = std::move(queue);
  } catch (const std::bad_alloc&) {
    SDL_DestroyRenderer(renderer);
    return kErrCreateVertexBuffer;
  }
  SDL_RendererInfo info;
  const bool have_info = SDL_GetRendererInfo(renderer, &info) == 0;
  driver_name_ = have_info ? info.name : "";
  vsync_ = have_info && (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
  renderer_ = renderer;
  if (SDL_GetRendererOutputSize(renderer, &target_width_, &target_height_) != 0) {
    target_width_ = target_height_ = 0;
  }
  custom_blend_modes_ = ProbeCustomBlendModes(renderer);
  SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
  blend_mode_ = SDL_BLENDMODE_NONE;
  state_set_ = false;
  in_scene_ = false;
  pending_reset_ = ResetKind::kNone;
  counters_ = FrameCounters{};
  // Images that outlived an earlier renderer get their textures back.
  for (PatternImage* image : images_) {
    if (image->loaded() && image->CreateTextures() == kOk) image->Upload();
  }
  return kOk;
}

int32_t DrawDevice::UseFrame(int width, int height) {
  if (!initialized()) return kErrInvalidCall;
  if (width <= 0 || height <= 0) return kErrInvalidCall;
  frame_width_ = width;
  frame_height_ = height;
  return MakeFrameTexture();
}

int32_t DrawDevice::MakeFrameTexture() {
  Flush();
  if (frame_ != nullptr) {
    SDL_SetRenderTarget(renderer_, nullptr);
    SDL_DestroyTexture(frame_);
    frame_ = nullptr;
  }
  SDL_Texture* t = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                     SDL_TEXTUREACCESS_TARGET, frame_width_, frame_height_);
  if (t == nullptr || SDL_SetRenderTarget(renderer_, t) != 0) {
    if (t != nullptr) SDL_DestroyTexture(t);
    SDL_SetRenderTarget(renderer_, nullptr);
    return kErrInitDevice;
  }
  // Enlarged pixels stay square and sharp; the frame covers what was there.
  SDL_SetTextureScaleMode(t, SDL_ScaleModeNearest);
  SDL_SetTextureBlendMode(t, SDL_BLENDMODE_NONE);
  frame_ = t;
  target_width_ = frame_width_;
  target_height_ = frame_height_;
  state_set_ = false;
  return kOk;
}

bool DrawDevice::SetVsync(bool on) {
  if (!initialized()) return false;
  if (SDL_RenderSetVSync(renderer_, on ? 1 : 0) != 0) {
    SDL_RendererInfo info;
    vsync_ = SDL_GetRendererInfo(renderer_, &info) == 0 &&
             (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    return !on;
  }
  vsync_ = on;
  return true;
}

int32_t DrawDevice::PresentFrame() {
  Flush();
  // Switching targets forgets the clip; the frame's own is put back after.
  SDL_Rect clip{0, 0, 0, 0};
  const bool clipped = SDL_RenderIsClipEnabled(renderer_) == SDL_TRUE;
  SDL_RenderGetClipRect(renderer_, &clip);
  int32_t code = kOk;
  if (SDL_SetRenderTarget(renderer_, nullptr) != 0) code = kErrDevice;
  int out_w = 0, out_h = 0;
  if (SDL_GetRendererOutputSize(renderer_, &out_w, &out_h) != 0) code = kErrDevice;
  placement_ = PlaceFrame(out_w, out_h, frame_width_, frame_height_, whole_scales_);
  // Black bars only where the frame leaves any: at a whole scale that fills
  // the window the copy covers every pixel, and clearing them first would
  // cost as much again on a renderer that draws on the CPU.
  const bool bars = placement_.x > 0 || placement_.y > 0 || placement_.w < out_w ||
                    placement_.h < out_h;
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  if (bars) SDL_RenderClear(renderer_);
  if (SDL_RenderCopy(renderer_, frame_, nullptr, &placement_) != 0) code = kErrDevice;
  SDL_RenderPresent(renderer_);
  if (SDL_SetRenderTarget(renderer_, frame_) != 0) code = kErrDevice;
  if (clipped) SDL_RenderSetClipRect(renderer_, &clip);
  state_set_ = false;
  return code;
}

void DrawDevice::Shutdown() {
  if (frame_ != nullptr) {
    if (renderer_ != nullptr) SDL_SetRenderTarget(renderer_, nullptr);
    SDL_DestroyTexture(frame_);
    frame_ = nullptr;
  }
  for (PatternImage* image : images_) image->DestroyTextures();
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  renderer_ = nullptr;
  driver_name_.clear();
  queue_ = VertexQueue(0);
  point_scratch_ = std::vector<SDL_Point>();
  state_set_ = false;
  texture_ = nullptr;
  in_scene_ = false;
  started_ = false;
  pending_reset_ = ResetKind::kNone;
}

int32_t DrawDevice::Clear(Color color) {
  if (!initialized()) return kErrInvalidCall;
  if (SDL_SetRenderDrawColor(renderer_, RedOf(color), GreenOf(color), BlueOf(color),
                             AlphaOf(color)) != 0 ||
      SDL_RenderClear(renderer_) != 0) {
    return kErrDevice;
  }
  return kOk;
}

int32_t DrawDevice::BeginScene() {
  if (!initialized()) return kErrInvalidCall;
  if (!queue_.empty()) return kErrVertexArray;
  if (in_scene_) return kErrDevice;
  in_scene_ = true;
  counters_ = FrameCounters{};
  return kOk;
}

int32_t DrawDevice::EndScene() {
  if (!initialized()) return kErrInvalidCall;
  const int32_t code = Flush();
  if (!in_scene_) return kErrDevice;
  in_scene_ = false;
  return code;
}

int32_t DrawDevice::Present() {
  if (!initialized()) return kErrInvalidCall;
  int32_t code = kOk;
  if (frame_ != nullptr) {
    code = PresentFrame();
  } else {
    SDL_RenderPresent(renderer_);
  }
  if (pending_reset_ != ResetKind::kNone) return RestoreTextures();
  return code;
}

int32_t DrawDevice::SetClipRect(const Rect& rect) {
  if (!initialized()) return kErrInvalidCall;
  const int32_t code = Flush();
  // An inverted rectangle clips everything away.
  const SDL_Rect clip{rect.left, rect.top, std::max(0, rect.right - rect.left),
                      std::max(0, rect.bottom - rect.top)};
  if (SDL_RenderSetClipRect(renderer_, &clip) != 0) return kErrDevice;
  return code;
}

int32_t DrawDevice::Select(SDL_Texture* texture, int effect, PrimitiveKind kind, size_t vertices) {
  if (!state_set_ || texture != texture_ || effect != effect_ || kind != queue_.kind()) {
    const int32_t code = Flush();
    if (code != kOk) return code;
    texture_ = texture;
    effect_ = effect;
    queue_.set_kind(kind);
    state_set_ = true;
    // Blend values outside the table keep whatever mode was set before.
    if (const BlendRow* row = FindBlendRow(effect)) {
      blend_mode_ = BlendModeFor(*row, custom_blend_modes_);
    }
  }
  if (queue_.free_places() < vertices) return Flush();
  return kOk;
}

int32_t DrawDevice::Flush() {
  if (!initialized()) return kErrInvalidCall;
  if (queue_.empty()) return kOk;
  const int32_t vertices = static_cast<int32_t>(queue_.size());
  const int32_t primitives = static_cast<int32_t>(queue_.primitive_count());
  int result = 0;
  if (texture_ != nullptr) {
    result = SDL_SetTextureBlendMode(texture_, blend_mode_);
  } else {
    result = SDL_SetRenderDrawBlendMode(renderer_, blend_mode_);
  }
  if (result == 0) {
    switch (queue_.kind()) {
      case PrimitiveKind::kTriangles:
        result = SDL_RenderGeometry(renderer_, texture_, queue_.data(), vertices, nullptr, 0);
        break;
      case PrimitiveKind::kLines:
        result = SendLines();
        break;
      case PrimitiveKind::kPoints:
        result = SendPoints();
        break;
    }
  }
  queue_.Clear();
  if (result != 0) return kErrRenderParams;
  counters_.vertices += vertices;
  counters_.primitives += primitives;
  counters_.batches += 1;
  return kOk;
}

int32_t DrawDevice::SendLines() {
  for (size_t i = 0; i + 1 < queue_.size(); i += 2) {
    const SDL_Vertex& a = queue_[i];
    const SDL_Vertex& b = queue_[i + 1];
    const int x1 = static_cast<int>(a.position.x), y1 = static_cast<int>(a.position.y);
    const int x2 = static_cast<int>(b.position.x), y2 = static_cast<int>(b.position.y);
    if (std::memcmp(&a.color, &b.color, sizeof(SDL_Color)) == 0) {
      if (SDL_SetRenderDrawColor(renderer_, a.color.r, a.color.g, a.color.b, a.color.a) != 0 ||
          SDL_RenderDrawLine(renderer_, x1, y1, x2, y2) != 0) {
        return -1;
      }
      continue;
    }
    // Two colours: the same pixels SDL draws for a line, each in its own
    // colour, as the renderer has no shaded lines. Absurd lengths get one
    // colour rather than millions of calls.
    if (!ShortEnoughToShade(x1, y1, x2, y2)) {
      const SDL_Color m{
          Interpolate(a.color.r, b.color.r, 1, 2), Interpolate(a.color.g, b.color.g, 1, 2),
          Interpolate(a.color.b, b.color.b, 1, 2), Interpolate(a.color.a, b.color.a, 1, 2)};
      if (SDL_SetRenderDrawColor(renderer_, m.r, m.g, m.b, m.a) != 0 ||
          SDL_RenderDrawLine(renderer_, x1, y1, x2, y2) != 0) {
        return -1;
      }
      continue;
    }
    int failed = 0;
    RasterLine(x1, y1, x2, y2, a.color, b.color, [&](int x, int y, SDL_Color c) {
      if (SDL_SetRenderDrawColor(renderer_, c.r, c.g, c.b, c.a) != 0 ||
          SDL_RenderDrawPoint(renderer_, x, y) != 0) {
        failed = -1;
      }
    });
    if (failed != 0) return failed;
  }
  return 0;
}

int32_t DrawDevice::SendPoints() {
  // Runs of one colour (the mini map's marks) go out in one call.
  size_t i = 0;
  while (i < queue_.size()) {
    const SDL_Color c = queue_[i].color;
    point_scratch_.clear();
    while (i < queue_.size() && std::memcmp(&queue_[i].color, &c, sizeof(SDL_Color)) == 0) {
      point_scratch_.push_back(SDL_Point{static_cast<int>(queue_[i].position.x),
                                         static_cast<int>(queue_[i].position.y)});
      ++i;
    }
    if (SDL_SetRenderDrawColor(renderer_, c.r, c.g, c.b, c.a) != 0 ||
        SDL_RenderDrawPoints(renderer_, point_scratch_.data(),
                             static_cast<int>(point_scratch_.size())) != 0) {
      return -1;
    }
  }
  return 0;
}

int32_t DrawDevice::QueueQuad(SDL_Texture* texture, const Point corners[4], const Color colors[4],
                              const TexCoords* uv, int effect) {
  effect &= 63;
  // A quad wholly outside the target shows nothing. Skipping it also keeps
  // absurd coordinates (a damaged font's advances) away from the renderer,
  // whose software path sizes its work by the triangles' extent.
  int32_t min_x = corners[0].x, max_x = corners[0].x, min_y = corners[0].y, max_y = corners[0].y;
  for (int i = 1; i < 4; ++i) {
    min_x = std::min(min_x, corners[i].x);
    max_x = std::max(max_x, corners[i].x);
    min_y = std::min(min_y, corners[i].y);
    max_y = std::max(max_y, corners[i].y);
  }
  if (target_width_ > 0 &&
      (max_x <= 0 || min_x >= target_width_ || max_y <= 0 || min_y >= target_height_)) {
    return kOk;
  }
  const int32_t code = Select(texture, effect, PrimitiveKind::kTriangles, kQuadVertices);
  if (code != kOk) return code;
  // Corners at exact integers: (x, y) to (x + w, y + h) covers pixels x..x+w-1.
  SDL_Vertex v[4];
  TexCoords t = uv != nullptr ? *uv : TexCoords{};
  const int32_t lo_x = -kCutMargin, lo_y = -kCutMargin;
  const int32_t hi_x = target_width_ + kCutMargin, hi_y = target_height_ + kCutMargin;
  const bool rectangle = corners[0].y == corners[1].y && corners[2].y == corners[3].y &&
                         corners[0].x == corners[3].x && corners[1].x == corners[2].x;
  if (target_width_ > 0 && (min_x < lo_x || max_x > hi_x || min_y < lo_y || max_y > hi_y)) {
    // Far beyond the target (only absurd input gets here): a rectangle is cut
    // with its texture following, any other shape is squeezed. The renderer
    // may show neighbouring texels at such scales; the pixels are covered.
    const float x0 = CutCoordinate(corners[0].x, lo_x, hi_x);
    const float x1 = CutCoordinate(corners[1].x, lo_x, hi_x);
    const float y0 = CutCoordinate(corners[0].y, lo_y, hi_y);
    const float y1 = CutCoordinate(corners[3].y, lo_y, hi_y);
    if (rectangle) {
      const TexCoords f = t;
      t.u0 = FollowCut(x0, corners[0].x, corners[1].x, f.u0, f.u1);
      t.u1 = FollowCut(x1, corners[0].x, corners[1].x, f.u0, f.u1);
      t.v0 = FollowCut(y0, corners[0].y, corners[3].y, f.v0, f.v1);
      t.v1 = FollowCut(y1, corners[0].y, corners[3].y, f.v0, f.v1);
    }
    for (int i = 0; i < 4; ++i) {
      v[i].position = SDL_FPoint{CutCoordinate(corners[i].x, lo_x, hi_x),
                                 CutCoordinate(corners[i].y, lo_y, hi_y)};
    }
  } else {
    for (int i = 0; i < 4; ++i) {
      v[i].position =
          SDL_FPoint{static_cast<float>(corners[i].x), static_cast<float>(corners[i].y)};
    }
  }
  for (int i = 0; i < 4; ++i) v[i].color = ToSdl(colors[i], effect, blend_mode_);
  v[0].tex_coord = SDL_FPoint{t.u0, t.v0};
  v[1].tex_coord = SDL_FPoint{t.u1, t.v0};
  v[2].tex_coord = SDL_FPoint{t.u1, t.v1};
  v[3].tex_coord = SDL_FPoint{t.u0, t.v1};
  // Textured quads are split along the top-left to bottom-right diagonal:
  // SDL's software renderer maps texels exactly only for rectangles of one
  // colour in this order (others sample one texel off). Untextured quads take
  // the other diagonal, because that renderer fills a rectangle it recognises
  // with alpha blending whatever the blend mode.
  static constexpr int kTextured[6] = {0, 1, 2, 0, 2, 3};
  static constexpr int kUntextured[6] = {0, 1, 3, 3, 1, 2};
  for (int i : texture != nullptr ? kTextured : kUntextured) queue_.Push(v[i]);
  return kOk;
}

int32_t DrawDevice::FillRect(const Rect& rect, Color color, int effect) {
  if (!initialized()) return kErrInvalidCall;
  const Point corners[4] = {{rect.left, rect.top},
                            {rect.right, rect.top},
                            {rect.right, rect.bottom},
                            {rect.left, rect.bottom}};
  const Color colors[4] = {color, color, color, color};
  return QueueQuad(nullptr, corners, colors, nullptr, effect);
}

int32_t DrawDevice::FillRect(int32_t left, int32_t top, int32_t width, int32_t height, Color color,
                             int effect) {
  return FillRect(Rect{left, top, SaturatedSum(left, width), SaturatedSum(top, height)}, color,
                  effect);
}

int32_t DrawDevice::FrameRect(const Rect& rect, Color border, Color fill, int effect) {
  return FrameRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, border,
                   fill, effect);
}

int32_t DrawDevice::FrameRect(int32_t x, int32_t y, int32_t w, int32_t h, Color border, Color fill,
                              int effect) {
  if (!initialized()) return kErrInvalidCall;
  // The four edges do not overlap, so translucent borders stay even.
  const int64_t X = x, Y = y, W = w, H = h;
  int32_t code = FillRect(x, y, Saturate(W - 1), 1, border, effect);
  if (code == kOk) code = FillRect(Saturate(X + W - 1), y, 1, Saturate(H - 1), border, effect);
  if (code == kOk) {
    code = FillRect(Saturate(X + 1), Saturate(Y + H - 1), Saturate(W - 1), 1, border, effect);
  }
  if (code == kOk) code = FillRect(x, Saturate(Y + 1), 1, Saturate(H - 1), border, effect);
  if (code != kOk) return code;
  if (w > 2 && h > 2) {
    return FillRect(Saturate(X + 1), Saturate(Y + 1), Saturate(W - 2), Saturate(H - 2), fill,
                    effect);
  }
  return kOk;
}

int32_t DrawDevice::DrawLine(Point p1, Point p2, Color c1, Color c2, int effect) {
  if (!initialized()) return kErrInvalidCall;
  effect = (effect & 63) | kLineMark;
  const int32_t code = Select(nullptr, effect, PrimitiveKind::kLines, kLineVertices);
  if (code != kOk) return code;
  SDL_Vertex v{};
  v.position = SDL_FPoint{static_cast<float>(p1.x), static_cast<float>(p1.y)};
  v.color = ToSdl(c1, effect, blend_mode_);
  queue_.Push(v);
  v.position = SDL_FPoint{static_cast<float>(p2.x), static_cast<float>(p2.y)};
  v.color = ToSdl(c2, effect, blend_mode_);
  queue_.Push(v);
  return kOk;
}

int32_t DrawDevice::PutPixel(int32_t x, int32_t y, Color color, int effect) {
  if (!initialized()) return kErrInvalidCall;
  effect = (effect & 63) | kPointMark;
  const int32_t code = Select(nullptr, effect, PrimitiveKind::kPoints, kPointVertices);
  if (code != kOk) return code;
  SDL_Vertex v{};
  v.position = SDL_FPoint{static_cast<float>(x), static_cast<float>(y)};
  v.color = ToSdl(color, effect, blend_mode_);
  queue_.Push(v);
  return kOk;
}

int32_t DrawDevice::DrawQuad(const PatternImage& image, const Point corners[4],
                             const Color colors[4], const PatternSelection& selection, int effect) {
  if (!initialized() || image.device() != this || !image.loaded()) return kErrInvalidCall;
  const TexCoords uv = PatternTexCoords(image.layout(), selection);
  SDL_Texture* texture = image.texture(uv.texture);
  if (texture == nullptr) return kErrInvalidCall;
  return QueueQuad(texture, corners, colors, &uv, effect);
}

int32_t DrawDevice::DrawImage(const PatternImage& image, int32_t x, int32_t y, int32_t pattern,
                              int effect) {
  return DrawImageTinted(image, x, y, kOpaqueWhite, pattern, effect);
}

int32_t DrawDevice::DrawImageTinted(const PatternImage& image, int32_t x, int32_t y, Color color,
                                    int32_t pattern, int effect) {
  const int32_t w = image.pattern_width();
  const int32_t h = image.pattern_height();
  const Point corners[4] = {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
  const Color colors[4] = {color, color, color, color};
  PatternSelection selection;
  selection.index = pattern;
  return DrawQuad(image, corners, colors, selection, effect);
}

void DrawDevice::SetAntialias(bool on) {
  const bool changed = on != antialias_;
  antialias_ = on;
  if (!initialized()) return;
  Flush();
  if (!changed) return;
  for (PatternImage* image : images_) {
    for (SDL_Texture* t : image->textures_) SDL_SetTextureScaleMode(t, scale_mode());
  }
}

void DrawDevice::SetDithering(bool on) {
  dithering_ = on;
  if (initialized()) Flush();
}

bool DrawDevice::HandleEvent(const SDL_Event& event) {
  if (event.type != SDL_RENDER_TARGETS_RESET && event.type != SDL_RENDER_DEVICE_RESET) {
    return false;
  }
  if (!initialized()) return true;
  if (event.type == SDL_RENDER_DEVICE_RESET || pending_reset_ == ResetKind::kDevice) {
    pending_reset_ = ResetKind::kDevice;
  } else {
    pending_reset_ = ResetKind::kTargets;
  }
  // Whatever was queued belongs to a frame that is lost anyway.
  queue_.Clear();
  state_set_ = false;
  RestoreTextures();
  return true;
}

int32_t DrawDevice::RestoreTextures() {
  const bool recreate = pending_reset_ == ResetKind::kDevice;
  bool ok = true;
  if (recreate && frame_ != nullptr && MakeFrameTexture() != kOk) ok = false;
  for (PatternImage* image : images_) {
    if (!image->loaded()) continue;
    if (recreate) {
      image->DestroyTextures();
      if (image->CreateTextures() != kOk) {
        ok = false;
        continue;
      }
    }
    if (image->Upload() != kOk) ok = false;
  }
  state_set_ = false;
  if (ok) {
    pending_reset_ = ResetKind::kNone;
    return kOk;
  }
  if (on_device_lost) on_device_lost();
  return kErrDevice;
}

int32_t DrawDevice::ReadPixels(std::vector<Color>& pixels, int& width, int& height) {
  if (!initialized()) return kErrInvalidCall;
  Flush();
  if (frame_ != nullptr) {
    width = frame_width_;
    height = frame_height_;
  } else if (SDL_GetRendererOutputSize(renderer_, &width, &height) != 0) {
    return kErrDevice;
  }
  pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  // ABGR8888 as a 32-bit value has red in the low byte, as the game's colours do.
  // Reading ignores the clip rectangle only when it is off, so lift it meanwhile.
  SDL_Rect clip;
  const bool clipped = SDL_RenderIsClipEnabled(renderer_) == SDL_TRUE;
  SDL_RenderGetClipRect(renderer_, &clip);
  if (clipped) SDL_RenderSetClipRect(renderer_, nullptr);
  const int result =
      SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ABGR8888, pixels.data(), width * 4);
  if (clipped) SDL_RenderSetClipRect(renderer_, &clip);
  return result == 0 ? kOk : kErrDevice;
}

void DrawDevice::ForgetTextures(const std::vector<SDL_Texture*>& textures) {
  if (texture_ == nullptr ||
      std::find(textures.begin(), textures.end(), texture_) == textures.end()) {
    return;
  }
  Flush();
  texture_ = nullptr;
  state_set_ = false;
}

void DrawDevice::AddImage(PatternImage* image) {
  images_.push_back(image);
}

void DrawDevice::RemoveImage(PatternImage* image) {
  images_.erase(std::remove(images_.begin(), images_.end(), image), images_.end());
}

}  // namespace bv::render
