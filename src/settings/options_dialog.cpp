#include "settings/options_dialog.h"

#include <SDL.h>
#include <SDL_image.h>
#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>
#include <imgui_internal.h>

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "media/cp1250.h"
#include "media/sdl_error.h"
#include "settings/level_lists.h"
#include "settings/options_form.h"
#include "settings/options_layout.h"
#include "settings/options_texts.h"

namespace bv::settings {

namespace {

namespace L = layout;

constexpr float kFontSize = 12.0f;
constexpr Uint64 kFrameMs = 16;  // about 60 frames a second; the game loop runs faster

// Polish letters need Latin Extended-A beside Latin-1.
constexpr ImWchar kGlyphRanges[] = {0x0020, 0x00FF, 0x0100, 0x017F, 0};
constexpr const char* kFontFiles[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/TTF/DejaVuSans.ttf",
    "/usr/share/fonts/dejavu/DejaVuSans.ttf",
};

// Colours of the light desktop theme.
const ImU32 kText = IM_COL32(0, 0, 0, 255);
const ImU32 kWindowBg = IM_COL32(240, 240, 240, 255);
const ImU32 kGroupLine = IM_COL32(213, 213, 213, 255);
const ImU32 kBevelDark = IM_COL32(160, 160, 160, 255);
const ImU32 kBevelLight = IM_COL32(255, 255, 255, 255);
const ImU32 kFocusFill = IM_COL32(204, 232, 255, 255);
const ImU32 kFocusLine = IM_COL32(0, 120, 215, 255);
const ImU32 kClash = IM_COL32(196, 43, 28, 255);
const ImU32 kClashText = IM_COL32(255, 255, 255, 255);

ImVec2 P(int x, int y) {
  return ImVec2(static_cast<float>(x), static_cast<float>(y));
}
ImVec2 TopLeft(const L::Box& b) {
  return P(b.x, b.y);
}
ImVec2 Size(const L::Box& b) {
  return P(b.w, b.h);
}

// Makes the dialog's ImGui context current for a scope, then restores
// whatever was current before (the game may have its own).
class ContextScope {
 public:
  explicit ContextScope(ImGuiContext* ctx) : previous_(ImGui::GetCurrentContext()) {
    ImGui::SetCurrentContext(ctx);
  }
  ~ContextScope() { ImGui::SetCurrentContext(previous_); }

 private:
  ImGuiContext* previous_;
};

uint32_t EventWindowId(const SDL_Event& e) {
  switch (e.type) {
    case SDL_WINDOWEVENT:
      return e.window.windowID;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      return e.key.windowID;
    case SDL_TEXTEDITING:
      return e.edit.windowID;
    case SDL_TEXTINPUT:
      return e.text.windowID;
    case SDL_MOUSEMOTION:
      return e.motion.windowID;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      return e.button.windowID;
    case SDL_MOUSEWHEEL:
      return e.wheel.windowID;
    case SDL_DROPFILE:
    case SDL_DROPTEXT:
    case SDL_DROPBEGIN:
    case SDL_DROPCOMPLETE:
      return e.drop.windowID;
    default:
      return 0;
  }
}

bool IsInput(const SDL_Event& e) {
  switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_TEXTEDITING:
    case SDL_TEXTINPUT:
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEWHEEL:
    case SDL_DROPFILE:
    case SDL_DROPTEXT:
    case SDL_DROPBEGIN:
    case SDL_DROPCOMPLETE:
      return true;
    default:
      return false;
  }
}

void ApplyTheme(ImGuiStyle& s) {
  ImGui::StyleColorsLight(&s);
  s.WindowPadding = ImVec2(0, 0);
  s.WindowRounding = 0;
  s.WindowBorderSize = 0;
  s.ChildBorderSize = 0;
  s.PopupRounding = 2;
  s.PopupBorderSize = 1;
  s.FramePadding = ImVec2(4, 2);
  s.FrameRounding = 2;
  s.FrameBorderSize = 1;
  s.ItemSpacing = ImVec2(6, 6);
  s.ItemInnerSpacing = ImVec2(5, 4);
  s.GrabMinSize = 12;
  s.GrabRounding = 2;
  s.ScrollbarSize = 14;
  s.ScrollbarRounding = 2;
  s.TabRounding = 2;
  s.TabBorderSize = 1;
  s.DisabledAlpha = 0.45f;
  // Thin lines drawn from the font texture break up under the SDL renderer.
  s.AntiAliasedLinesUseTex = false;
  s.SelectableTextAlign = ImVec2(0, 0.5f);

  ImVec4* c = s.Colors;
  auto rgb = [](int r, int g, int b, float a = 1.0f) {
    return ImVec4(r / 255.0f, g / 255.0f, b / 255.0f, a);
  };
  c[ImGuiCol_Text] = rgb(0, 0, 0);
  c[ImGuiCol_TextDisabled] = rgb(109, 109, 109);
  c[ImGuiCol_WindowBg] = rgb(240, 240, 240);
  c[ImGuiCol_ChildBg] = rgb(240, 240, 240, 0);
  c[ImGuiCol_PopupBg] = rgb(255, 255, 255);
  c[ImGuiCol_Border] = rgb(173, 173, 173);
  c[ImGuiCol_BorderShadow] = rgb(0, 0, 0, 0);
  c[ImGuiCol_FrameBg] = rgb(255, 255, 255);
  c[ImGuiCol_FrameBgHovered] = rgb(255, 255, 255);
  c[ImGuiCol_FrameBgActive] = rgb(255, 255, 255);
  c[ImGuiCol_TitleBg] = rgb(255, 255, 255);
  c[ImGuiCol_TitleBgActive] = rgb(255, 255, 255);
  c[ImGuiCol_ScrollbarBg] = rgb(240, 240, 240);
  c[ImGuiCol_ScrollbarGrab] = rgb(205, 205, 205);
  c[ImGuiCol_ScrollbarGrabHovered] = rgb(166, 166, 166);
  c[ImGuiCol_ScrollbarGrabActive] = rgb(96, 96, 96);
  c[ImGuiCol_CheckMark] = rgb(0, 95, 184);
  c[ImGuiCol_SliderGrab] = rgb(0, 120, 215);
  c[ImGuiCol_SliderGrabActive] = rgb(0, 84, 153);
  c[ImGuiCol_Button] = rgb(225, 225, 225);
  c[ImGuiCol_ButtonHovered] = rgb(229, 241, 251);
  c[ImGuiCol_ButtonActive] = rgb(204, 228, 247);
  c[ImGuiCol_Header] = rgb(204, 232, 255);
  c[ImGuiCol_HeaderHovered] = rgb(229, 243, 255);
  c[ImGuiCol_HeaderActive] = rgb(204, 232, 255);
  c[ImGuiCol_Separator] = rgb(213, 213, 213);
  c[ImGuiCol_Tab] = rgb(240, 240, 240);
  c[ImGuiCol_TabHovered] = rgb(216, 234, 249);
  c[ImGuiCol_TabActive] = rgb(255, 255, 255);
  c[ImGuiCol_TabUnfocused] = c[ImGuiCol_Tab];
  c[ImGuiCol_TabUnfocusedActive] = c[ImGuiCol_TabActive];
  c[ImGuiCol_ModalWindowDimBg] = rgb(0, 0, 0, 0.12f);
  c[ImGuiCol_NavHighlight] = rgb(0, 120, 215);
}

uint32_t PackColor(const float rgb[3]) {
  uint32_t out = 0;
  for (int i = 0; i < 3; ++i) {
    const long v = std::lround(std::clamp(rgb[i], 0.0f, 1.0f) * 255.0f);
    out |= static_cast<uint32_t>(v) << (8 * i);
  }
  return out;
}

void UnpackColor(uint32_t color, float rgb[3]) {
  for (int i = 0; i < 3; ++i) rgb[i] = static_cast<float>((color >> (8 * i)) & 0xFF) / 255.0f;
}

ImU32 ToImColor(uint32_t color) {
  return IM_COL32(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF, 255);
}

}  // namespace

struct OptionsDialog::Impl {
  OptionsForm& form;
  SDL_Window* window = nullptr;
  SDL_Window* main = nullptr;
  SDL_Renderer* renderer = nullptr;
  ImGuiContext* ctx = nullptr;
  bool platform_up = false;
  bool renderer_up = false;
  bool ready = false;  // Create finished: events and frames may be handled
  bool shown = false;
  bool just_shown = false;
  bool mouse_was_down = false;
  bool close_requested = false;  // the close button, acted on after the frame
  bool close_popups = false;     // Escape over an open popup
  Uint64 last_frame = 0;

  // The colour dialog: which swatch it edits and the colour being chosen.
  int color_target = -1;
  bool open_color_dialog = false;
  float color_edit[3] = {0, 0, 0};
  float color_original[3] = {0, 0, 0};

  std::string shot_path;
  ScreenshotDone shot_done;

  std::unordered_map<const char*, std::string> utf8_cache;
  std::vector<std::string> level_names;  // the list's entries as UTF-8

  std::vector<OptionsPage> pages;
  std::vector<std::string> page_titles;  // as UTF-8
  bool was_read_only = false;
  bool select_usable_page = false;  // read-only began: its usable page's tab comes forward

  explicit Impl(OptionsForm& f) : form(f) {}

  const char* U(const char* cp1250) {
    auto it = utf8_cache.find(cp1250);
    if (it == utf8_cache.end()) {
      it = utf8_cache.emplace(cp1250, media::Cp1250ToUtf8(cp1250)).first;
    }
    return it->second.c_str();
  }

  void SyncVisibility();
  // Escape in the window, or a pad's Start or Back: leaves a key edit or a
  // popup first; otherwise true (the window is to close).
  bool EscapeCloses();
  void Frame();
  void FixMouse();
  void Draw();
  void DrawGraphics();
  void DrawLevel();
  void DrawGame();
  void DrawMultiplayer();
  void DrawControls();
  void DrawStatusBar();
  void DrawCloseButton();
  void ClashMark(const L::Box& b);
  void DrawExtraPages();
  void DrawColorDialog();
  int Width() const { return pages.empty() ? L::kWidth : L::kWidthWithPages; }
  int scale = 1;  // of the whole window, font included, to match the game's
  void TakeScreenshot();

  // Widgets placed at fixed pixels.
  // Static texts are converted once; changing ones (labels, keys) each frame.
  void Text(const L::Box& b, const char* text, float align = 0.0f);
  void Text(const L::Box& b, const std::string& changing, float align = 0.0f);
  void Utf8Text(const L::Box& b, const char* utf8, float align);
  void GroupBox(const L::Box& b, const char* caption);
  void Bevel(const L::Box& b);
  bool Bar(const char* id, const L::Box& b, int* value, int min, int max, int small_step);
  // A bar over a setting's range.
  bool Bar(const char* id, const L::Box& b, int* value, Setting s, int small_step) {
    return Bar(id, b, value, static_cast<int>(MinOf(s)), static_cast<int>(MaxOf(s)), small_step);
  }
  bool Check(const L::Box& b, const char* label, bool* value);
  bool Radio(const L::Box& b, const char* label, bool active);
  bool DropDown(const char* id, const L::Box& b, const char* const* items, int count, int* index);
  bool TextField(const char* id, const L::Box& b, std::string* value, TextKind kind,
                 std::size_t max_length);
  bool PushButton(const L::Box& b, const char* caption);
  void Swatch(int which, const L::Box& b);
  // A tabbed page control: its frame, then a child window the tab bar goes in.
  void BeginPageControl(const L::Box& b, const char* id);
  void EndPageControl();
  bool key_edit_clicked = false;
  class Canvas;
};

// An extra page's widgets, placed relative to the page's area.
class OptionsDialog::Impl::Canvas final : public PageCanvas {
 public:
  Canvas(Impl& d, const L::Box& area) : d_(d), area_(area) {}

  void Text(const L::Box& b, const char* text, float align) override {
    d_.Text(At(b), text, align);
  }
  void Text(const L::Box& b, const std::string& changing, float align) override {
    d_.Text(At(b), changing, align);
  }
  void Bevel(const L::Box& b) override { d_.Bevel(At(b)); }
  bool Bar(const char* id, const L::Box& b, int* value, int min, int max, int small_step) override {
    return d_.Bar(id, At(b), value, min, max, small_step);
  }
  bool Check(const L::Box& b, const char* label, bool* value) override {
    return d_.Check(At(b), label, value);
  }
  bool Radio(const L::Box& b, const char* label, bool active) override {
    return d_.Radio(At(b), label, active);
  }
  bool DropDown(const char* id, const L::Box& b, const char* const* items, int count,
                int* index) override {
    return d_.DropDown(id, At(b), items, count, index);
  }
  bool TextField(const char* id, const L::Box& b, std::string* value, TextKind kind,
                 std::size_t max_length) override {
    return d_.TextField(id, At(b), value, kind, max_length);
  }
  bool Button(const L::Box& b, const char* caption) override {
    return d_.PushButton(At(b), caption);
  }
  void BeginDisabled(bool disabled) override { ImGui::BeginDisabled(disabled); }
  void EndDisabled() override { ImGui::EndDisabled(); }

 private:
  L::Box At(const L::Box& b) const { return area_.At(b.x, b.y, b.w, b.h); }

  Impl& d_;
  L::Box area_;
};

OptionsDialog::OptionsDialog(OptionsForm& form) : form_(form), impl_(new Impl(form)) {}

OptionsDialog::~OptionsDialog() {
  if (impl_->ctx != nullptr) {
    ContextScope scope(impl_->ctx);
    if (impl_->renderer_up) ImGui_ImplSDLRenderer_Shutdown();
    if (impl_->platform_up) ImGui_ImplSDL2_Shutdown();
  }
  if (impl_->ctx != nullptr) ImGui::DestroyContext(impl_->ctx);
  if (impl_->renderer != nullptr) SDL_DestroyRenderer(impl_->renderer);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
}

bool OptionsDialog::Create(SDL_Window* main_window, std::string* error) {
  auto fail = [&](const char* what) {
    if (error != nullptr) *error = std::string(what) + ": " + media::SdlErrorText();
    return false;
  };
  if (window_ != nullptr) {
    if (error != nullptr) *error = "the options window exists already";
    return false;
  }
  Impl& d = *impl_;
  d.main = main_window;
  window_ = SDL_CreateWindow(text::kCaption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             d.Width() * d.scale, L::kHeight * d.scale,
                             SDL_WINDOW_HIDDEN | SDL_WINDOW_ALWAYS_ON_TOP);
  if (window_ == nullptr) return fail("cannot create the options window");
  d.window = window_;
  // A dialog of the main window: the window manager keeps it above and
  // treats the main window as blocked while it is shown.
  if (main_window != nullptr) SDL_SetWindowModalFor(window_, main_window);

  d.renderer = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
  if (d.renderer == nullptr) d.renderer = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (d.renderer == nullptr) return fail("cannot create the options window's renderer");
  if (d.scale > 1) SDL_RenderSetScale(d.renderer, static_cast<float>(d.scale), static_cast<float>(d.scale));

  d.ctx = ImGui::CreateContext();
  ContextScope scope(d.ctx);
  ImGuiIO& io = ImGui::GetIO();
  io.IniFilename = nullptr;
  io.LogFilename = nullptr;
  d.platform_up = ImGui_ImplSDL2_InitForSDLRenderer(window_);
  d.renderer_up = d.platform_up && ImGui_ImplSDLRenderer_Init(d.renderer);
  if (!d.renderer_up) return fail("cannot set up the options window's toolkit");

  ImFont* font = nullptr;
  for (const char* path : kFontFiles) {
    if (SDL_RWops* probe = SDL_RWFromFile(path, "rb")) {
      SDL_RWclose(probe);
      // Rasterised at the window's scale and drawn shrunk back, so the
      // scaled window's letters stay sharp.
      font = io.Fonts->AddFontFromFileTTF(path, kFontSize * static_cast<float>(d.scale), nullptr,
                                          kGlyphRanges);
      if (font != nullptr) break;
    }
  }
  if (font == nullptr) {
    // Without DejaVu Sans the dialog still works; Polish letters show as '?'.
    SDL_Log("options window: DejaVu Sans not found, using the built-in font");
    ImFontConfig config;
    config.SizePixels = kFontSize;
    io.Fonts->AddFontDefault(&config);
  }
  if (font != nullptr) io.FontGlobalScale = 1.0f / static_cast<float>(d.scale);
  ApplyTheme(ImGui::GetStyle());
  d.ready = true;
  return true;
}

namespace {

bool IsEscapeDown(const SDL_Event& e) {
  return e.type == SDL_KEYDOWN && e.key.keysym.scancode == SDL_SCANCODE_ESCAPE;
}

bool IsPadEscape(const SDL_Event& e) {
  return e.type == SDL_CONTROLLERBUTTONDOWN && (e.cbutton.button == SDL_CONTROLLER_BUTTON_START ||
                                                e.cbutton.button == SDL_CONTROLLER_BUTTON_BACK);
}

}  // namespace

void OptionsDialog::Close() {
  if (!impl_->ready) return;
  form_.Close();
  impl_->SyncVisibility();
}

bool OptionsDialog::Impl::EscapeCloses() {
  if (form.focused_key() != kNoKeyEdit) {
    form.set_focused_key(kNoKeyEdit);
    return false;
  }
  // A text field being typed in is left, keeping what was typed.
  if (ctx->ActiveId != 0 && ctx->ActiveId == ctx->InputTextState.ID) {  // editing_text()
    ContextScope scope(ctx);
    ImGui::ClearActiveID();
    return false;
  }
  if (ctx->OpenPopupStack.Size > 0) {
    close_popups = true;
    return false;
  }
  return true;
}

bool OptionsDialog::HandleEvent(const SDL_Event& event) {
  if (!impl_->ready) return false;
  Impl& d = *impl_;
  const uint32_t id = EventWindowId(event);
  const bool ours = id != 0 && id == SDL_GetWindowID(window_);
  const bool main = d.main != nullptr && id != 0 && id == SDL_GetWindowID(d.main);
  // Escape closes the shown window, from the disabled main window too, and
  // so does a pad's Start or Back; a held key's repeats do nothing.
  if (form_.visible() && ((IsEscapeDown(event) && (ours || main)) || IsPadEscape(event))) {
    if (event.type == SDL_KEYDOWN && event.key.repeat != 0) return true;
    if (d.EscapeCloses()) Close();
    return true;
  }
  if (ours) {
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE) {
      Close();
      return true;
    }
    // A focused key edit takes every key press; the toolkit sees none of
    // them (releases still reach it, so it never thinks a key stuck).
    if (form_.focused_key() != kNoKeyEdit &&
        (event.type == SDL_KEYDOWN || event.type == SDL_TEXTINPUT)) {
      if (event.type == SDL_KEYDOWN) form_.KeyDownInKeyEdit();
      return true;
    }
    ContextScope scope(d.ctx);
    ImGui_ImplSDL2_ProcessEvent(&event);
    return true;
  }
  if (main && form_.visible()) {
    if (IsInput(event)) return true;
    if (event.type == SDL_WINDOWEVENT) {
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) return true;
      // The disabled main window passes the focus on to its dialog.
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) SDL_RaiseWindow(window_);
    }
  }
  return false;
}

void OptionsDialog::Pump() {
  if (!impl_->ready) return;
  Impl& d = *impl_;
  d.SyncVisibility();
  if (!d.shown) return;
  const Uint64 now = SDL_GetTicks64();
  if (d.last_frame != 0 && now - d.last_frame < kFrameMs) return;
  d.last_frame = now;
  d.Frame();
  if (d.close_requested) {
    d.close_requested = false;
    Close();
  }
}

void OptionsDialog::AddPage(OptionsPage page) {
  Impl& d = *impl_;
  d.page_titles.push_back(media::Cp1250ToUtf8(page.title));
  d.pages.push_back(std::move(page));
  if (window_ != nullptr) SDL_SetWindowSize(window_, d.Width() * d.scale, L::kHeight * d.scale);
}

void OptionsDialog::set_scale(int scale) {
  if (window_ == nullptr && scale >= 1 && scale <= 8) impl_->scale = scale;
}

void OptionsDialog::SetReadOnly(bool read_only) {
  if (read_only) {
    if (!form_.read_only()) form_.BeginReadOnly();
  } else {
    form_.EndReadOnly();
  }
}

bool OptionsDialog::read_only() const {
  return form_.read_only();
}

bool OptionsDialog::editing_text() const {
  const ImGuiContext* ctx = impl_->ctx;
  return ctx != nullptr && ctx->ActiveId != 0 && ctx->ActiveId == ctx->InputTextState.ID;
}

int OptionsDialog::width() const {
  return impl_->Width();
}

void OptionsDialog::RequestScreenshot(std::string path, ScreenshotDone done) {
  impl_->shot_path = std::move(path);
  impl_->shot_done = std::move(done);
}

void OptionsDialog::Impl::SyncVisibility() {
  if (form.visible() == shown) return;
  shown = form.visible();
  if (shown) {
    if (main != nullptr) {
      int mx = 0, my = 0, mw = 0, mh = 0;
      SDL_GetWindowPosition(main, &mx, &my);
      SDL_GetWindowSize(main, &mw, &mh);
      SDL_SetWindowPosition(window, mx + (mw - Width() * scale) / 2,
                            my + (mh - L::kHeight * scale) / 2);
    } else {
      SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
    just_shown = true;
    last_frame = 0;
  } else {
    SDL_HideWindow(window);
    if (main != nullptr) SDL_RaiseWindow(main);
  }
}

void OptionsDialog::Impl::FixMouse() {
  ImGuiIO& io = ImGui::GetIO();
  if (SDL_GetMouseFocus() == window) {
    // The backend's global position lags behind without a window manager.
    int x = 0, y = 0;
    SDL_GetMouseState(&x, &y);
    io.MousePos = ImVec2(static_cast<float>(x) / scale, static_cast<float>(y) / scale);
  } else if (!mouse_was_down) {
    // The backend reads the buttons globally; a press that starts in
    // another window is not ours (a drag that leaves this one still is).
    for (bool& down : io.MouseDown) down = false;
  }
  mouse_was_down = io.MouseDown[0] || io.MouseDown[1] || io.MouseDown[2];
}

void OptionsDialog::Impl::Frame() {
  ContextScope scope(ctx);
  ImGui_ImplSDLRenderer_NewFrame();
  ImGui_ImplSDL2_NewFrame();
  // The layout stays in the classic window's pixels; the renderer scales it.
  ImGui::GetIO().DisplaySize = P(Width(), L::kHeight);
  ImGui::GetIO().DisplayFramebufferScale = ImVec2(1, 1);
  FixMouse();
  ImGui::NewFrame();
  if (just_shown) {
    // Whatever was open when the window last closed is gone, the colour
    // dialog included (as if cancelled).
    ImGui::ClosePopupsOverWindow(nullptr, false);
    color_target = -1;
    open_color_dialog = false;
    just_shown = false;
    close_popups = false;
    close_requested = false;
  }
  if (close_popups) {
    // As the colour dialog's cancel: nothing changes.
    ImGui::ClosePopupsOverWindow(nullptr, false);
    color_target = -1;
    close_popups = false;
  }
  Draw();
  ImGui::Render();
  SDL_SetRenderDrawColor(renderer, 240, 240, 240, 255);
  SDL_RenderClear(renderer);
  ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
  if (!shot_path.empty()) TakeScreenshot();
  SDL_RenderPresent(renderer);
}

void OptionsDialog::Impl::TakeScreenshot() {
  std::string path = std::move(shot_path);
  shot_path.clear();
  ScreenshotDone done = std::move(shot_done);
  shot_done = nullptr;
  int w = 0, h = 0;
  std::string error;
  bool ok = SDL_GetRendererOutputSize(renderer, &w, &h) == 0;
  SDL_Surface* surface =
      ok ? SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888) : nullptr;
  ok = surface != nullptr &&
       SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, surface->pixels,
                            surface->pitch) == 0 &&
       IMG_SavePNG(surface, path.c_str()) == 0;
  if (!ok) error = media::SdlErrorText("cannot write the screenshot");
  if (surface != nullptr) SDL_FreeSurface(surface);
  if (done) done(ok, error);
}

void OptionsDialog::Impl::Draw() {
  ImGui::SetNextWindowPos(ImVec2(0, 0));
  ImGui::SetNextWindowSize(P(Width(), L::kHeight));
  ImGui::Begin("##options", nullptr,
               ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove |
                   ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoBringToFrontOnFocus |
                   ImGuiWindowFlags_NoScrollWithMouse);
  key_edit_clicked = false;
  // Read-only, every classic control shows its value greyed out.
  const bool read_only = form.read_only();
  if (read_only && !was_read_only) select_usable_page = true;
  was_read_only = read_only;
  ImGui::BeginDisabled(read_only);
  DrawGraphics();
  DrawLevel();
  DrawGame();
  DrawMultiplayer();
  ImGui::EndDisabled();
  DrawControls();  // its tabs stay usable: the other player's keys can be looked at
  DrawStatusBar();
  DrawCloseButton();
  DrawExtraPages();
  // A click anywhere but a key edit takes the focus from the key edits.
  if (ImGui::IsMouseClicked(ImGuiMouseButton_Left) && !key_edit_clicked &&
      ImGui::IsWindowHovered(ImGuiHoveredFlags_AllowWhenBlockedByPopup |
                             ImGuiHoveredFlags_ChildWindows)) {
    form.set_focused_key(kNoKeyEdit);
  }
  DrawColorDialog();
  ImGui::End();
}

void OptionsDialog::Impl::Text(const L::Box& b, const char* text, float align) {
  Utf8Text(b, U(text), align);
}

void OptionsDialog::Impl::Text(const L::Box& b, const std::string& changing, float align) {
  Utf8Text(b, media::Cp1250ToUtf8(changing).c_str(), align);
}

void OptionsDialog::Impl::Utf8Text(const L::Box& b, const char* t, float align) {
  float x = static_cast<float>(b.x);
  if (align > 0.0f) x += (static_cast<float>(b.w) - ImGui::CalcTextSize(t).x) * align;
  ImGui::GetWindowDrawList()->AddText(ImVec2(std::floor(x), static_cast<float>(b.y)), kText, t);
}

void OptionsDialog::Impl::GroupBox(const L::Box& b, const char* caption) {
  ImDrawList* dl = ImGui::GetWindowDrawList();
  const char* t = U(caption);
  const float line_y = static_cast<float>(b.y) + std::floor(ImGui::GetFontSize() / 2) + 0.5f;
  const float left = static_cast<float>(b.x) + 0.5f;
  const float right = static_cast<float>(b.right()) - 0.5f;
  const float bottom = static_cast<float>(b.bottom()) - 0.5f;
  dl->AddRect(ImVec2(left, line_y), ImVec2(right, bottom), kGroupLine, 3.0f);
  const float text_w = ImGui::CalcTextSize(t).x;
  const float tx = static_cast<float>(b.x + 8);
  dl->AddRectFilled(ImVec2(tx - 3, line_y - 2), ImVec2(tx + text_w + 3, line_y + 2), kWindowBg);
  dl->AddText(ImVec2(tx, static_cast<float>(b.y)), kText, t);
}

void OptionsDialog::Impl::Bevel(const L::Box& b) {
  ImDrawList* dl = ImGui::GetWindowDrawList();
  const float y = static_cast<float>(b.y) + 0.5f;
  dl->AddLine(ImVec2(static_cast<float>(b.x), y), ImVec2(static_cast<float>(b.right()), y),
              kBevelDark);
  dl->AddLine(ImVec2(static_cast<float>(b.x), y + 1), ImVec2(static_cast<float>(b.right()), y + 1),
              kBevelLight);
}

bool OptionsDialog::Impl::Bar(const char* id, const L::Box& b, int* value, int min, int max,
                              int small_step) {
  ImGui::SetCursorScreenPos(TopLeft(b));
  const float pad_y = std::max(0.0f, (static_cast<float>(b.h) - ImGui::GetFontSize()) / 2);
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(2, pad_y));
  ImGui::SetNextItemWidth(static_cast<float>(b.w));
  bool changed = ImGui::SliderInt(id, value, min, max, "", ImGuiSliderFlags_AlwaysClamp);
  ImGui::PopStyleVar();
  // The wheel moves the bar by its small step, as on a scroll bar.
  const float wheel = ImGui::GetIO().MouseWheel;
  if (ImGui::IsItemHovered() && wheel != 0.0f) {
    *value = std::clamp(*value + (wheel > 0 ? small_step : -small_step), min, max);
    changed = true;
  }
  return changed;
}

bool OptionsDialog::Impl::Check(const L::Box& b, const char* label, bool* value) {
  const float box = ImGui::GetFontSize();
  ImGui::SetCursorScreenPos(ImVec2(static_cast<float>(b.x), b.y + (b.h - box) / 2));
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(2, 0));
  const bool changed = ImGui::Checkbox(U(label), value);
  ImGui::PopStyleVar();
  return changed;
}

bool OptionsDialog::Impl::Radio(const L::Box& b, const char* label, bool active) {
  const float box = ImGui::GetFontSize();
  ImGui::SetCursorScreenPos(ImVec2(static_cast<float>(b.x), b.y + (b.h - box) / 2));
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(2, 0));
  const bool clicked = ImGui::RadioButton(U(label), active);
  ImGui::PopStyleVar();
  return clicked;
}

bool OptionsDialog::Impl::DropDown(const char* id, const L::Box& b, const char* const* items,
                                   int count, int* index) {
  ImGui::SetCursorScreenPos(TopLeft(b));
  const float pad_y = std::max(0.0f, (static_cast<float>(b.h) - ImGui::GetFontSize()) / 2);
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(4, pad_y));
  ImGui::SetNextItemWidth(static_cast<float>(b.w));
  const char* preview = (*index >= 0 && *index < count) ? U(items[*index]) : "";
  bool changed = false;
  if (ImGui::BeginCombo(id, preview, ImGuiComboFlags_HeightLargest)) {
    ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(6, 0));
    for (int i = 0; i < count; ++i) {
      const bool selected = i == *index;
      if (ImGui::Selectable(U(items[i]), selected, 0, ImVec2(0, 18))) {
        changed = *index != i;
        *index = i;
      }
      if (selected) ImGui::SetItemDefaultFocus();
    }
    ImGui::PopStyleVar();
    ImGui::EndCombo();
  }
  ImGui::PopStyleVar();
  return changed;
}

namespace {

// Where a typed character stands in Windows-1250; 0 when it has no place.
unsigned char Cp1250Of(ImWchar c) {
  if (c == 0) return 0;
  if (c < 0x80) return static_cast<unsigned char>(c);
  char utf8[4] = {0, 0, 0, 0};
  if (c < 0x800) {
    utf8[0] = static_cast<char>(0xC0 | (c >> 6));
    utf8[1] = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    utf8[0] = static_cast<char>(0xE0 | (c >> 12));
    utf8[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    utf8[2] = static_cast<char>(0x80 | (c & 0x3F));
  }
  const std::string b = media::Utf8ToCp1250(utf8);
  if (b.size() != 1 || b[0] == '?') return 0;
  return static_cast<unsigned char>(b[0]);
}

struct FieldRule {
  TextKind kind;
  std::size_t max_length;
};

int FieldCallback(ImGuiInputTextCallbackData* data) {
  const FieldRule& rule = *static_cast<const FieldRule*>(data->UserData);
  if (data->EventFlag == ImGuiInputTextFlags_CallbackCharFilter) {
    const unsigned char c = Cp1250Of(data->EventChar);
    return c != 0 && TextKindAllows(rule.kind, c) ? 0 : 1;  // 1 drops the character
  }
  if (data->EventFlag == ImGuiInputTextFlags_CallbackEdit) {
    // Characters, not UTF-8 bytes, count: cut what was just typed beyond the bound.
    auto count = [&] {
      std::size_t n = 0;
      for (int i = 0; i < data->BufTextLen; ++i) n += (data->Buf[i] & 0xC0) != 0x80;
      return n;
    };
    while (count() > rule.max_length && data->CursorPos > 0) {
      int start = data->CursorPos - 1;
      while (start > 0 && (data->Buf[start] & 0xC0) == 0x80) --start;
      data->DeleteChars(start, data->CursorPos - start);
    }
  }
  return 0;
}

}  // namespace

bool OptionsDialog::Impl::TextField(const char* id, const L::Box& b, std::string* value,
                                    TextKind kind, std::size_t max_length) {
  ImGui::SetCursorScreenPos(TopLeft(b));
  const float pad_y = std::max(0.0f, (static_cast<float>(b.h) - ImGui::GetFontSize()) / 2);
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(4, pad_y));
  ImGui::SetNextItemWidth(static_cast<float>(b.w));
  // A Windows-1250 character takes at most three UTF-8 bytes.
  const std::string utf8 = media::Cp1250ToUtf8(FilterText(kind, max_length, *value));
  std::vector<char> buffer(max_length * 3 + 1, '\0');
  std::copy(utf8.begin(),
            utf8.begin() + static_cast<std::ptrdiff_t>(std::min(utf8.size(), buffer.size() - 1)),
            buffer.begin());
  FieldRule rule{kind, max_length};
  const bool edited =
      ImGui::InputText(id, buffer.data(), buffer.size(),
                       ImGuiInputTextFlags_CallbackCharFilter | ImGuiInputTextFlags_CallbackEdit |
                           ImGuiInputTextFlags_NoUndoRedo,
                       FieldCallback, &rule);
  ImGui::PopStyleVar();
  if (!edited) return false;
  std::string text = FilterText(kind, max_length, media::Utf8ToCp1250(buffer.data()));
  if (text == *value) return false;
  *value = std::move(text);
  return true;
}

bool OptionsDialog::Impl::PushButton(const L::Box& b, const char* caption) {
  ImGui::SetCursorScreenPos(TopLeft(b));
  return ImGui::Button(U(caption), Size(b));
}

void OptionsDialog::Impl::Swatch(int which, const L::Box& b) {
  ImGui::SetCursorScreenPos(TopLeft(b));
  ImGui::PushID(which);
  const bool clicked = ImGui::InvisibleButton("##swatch", Size(b));
  ImGui::PopID();
  if (ImGui::IsItemHovered()) ImGui::SetMouseCursor(ImGuiMouseCursor_Hand);
  ImDrawList* dl = ImGui::GetWindowDrawList();
  const ImVec2 a = TopLeft(b);
  const ImVec2 z = P(b.right(), b.bottom());
  // A lowered panel: dark edges above and left, light below and right.
  dl->AddRectFilled(a, z, ToImColor(form.color(static_cast<settings::Swatch>(which))));
  dl->AddLine(ImVec2(a.x, a.y + 0.5f), ImVec2(z.x, a.y + 0.5f), kBevelDark);
  dl->AddLine(ImVec2(a.x + 0.5f, a.y), ImVec2(a.x + 0.5f, z.y), kBevelDark);
  dl->AddLine(ImVec2(a.x, z.y - 0.5f), ImVec2(z.x, z.y - 0.5f), kBevelLight);
  dl->AddLine(ImVec2(z.x - 0.5f, a.y), ImVec2(z.x - 0.5f, z.y), kBevelLight);
  if (clicked && !form.read_only()) {
    color_target = which;
    UnpackColor(form.color(static_cast<settings::Swatch>(which)), color_edit);
    std::copy(color_edit, color_edit + 3, color_original);
    open_color_dialog = true;
  }
}

void OptionsDialog::Impl::DrawGraphics() {
  GroupBox(L::kGraphics, text::kGroupGraphics);
  Text(L::kHudTransLabel, text::kHudTrans);
  int hud = form.hud_trans_bar();
  if (Bar("##hud_trans_bar", L::kHudTransBar, &hud, Setting::kHudTrans, 1)) {
    form.set_hud_trans_bar(hud);
  }
  Text(L::kHudTransLab, form.hud_trans_lab(), 1.0f);
  Text(L::kMapTransLabel, text::kMapTrans);
  int map = form.map_trans_bar();
  if (Bar("##map_trans_bar", L::kMapTransBar, &map, Setting::kMapTrans, 1)) {
    form.set_map_trans_bar(map);
  }
  Text(L::kMapTransLab, form.map_trans_lab(), 1.0f);

  const char* swatch_labels[3] = {text::kP1Color, text::kP2Color, text::kEnColor};
  for (int i = 0; i < 3; ++i) {
    L::Box label = L::kSwatchLabels[i];
    label.y += 2;  // centred on the swatch beside it
    Text(label, swatch_labels[i]);
    Swatch(i, L::kSwatches[i]);
  }
  bool anti = form.anti();
  if (Check(L::kAnti, text::kAnti, &anti)) form.set_anti(anti);
  bool dirt = form.dirt();
  if (Check(L::kDirt, text::kDirt, &dirt)) form.set_dirt(dirt);
  bool fps = form.showfps();
  if (Check(L::kShowFps, text::kShowFps, &fps)) form.set_showfps(fps);
}

void OptionsDialog::Impl::DrawLevel() {
  GroupBox(L::kLevel, text::kGroupLevel);
  ImGui::BeginDisabled(!form.level_choice_enabled());
  if (Radio(L::kCampaignRadio, text::kCampaign, form.level_source() == LevelSource::kCampaign)) {
    form.ClickCampaign();
  }
  if (Radio(L::kCustomRadio, text::kCustom, form.level_source() == LevelSource::kCustom)) {
    form.ClickCustom();
  }
  ImGui::EndDisabled();

  const std::vector<std::string>& list = form.level_list();
  level_names.resize(list.size());
  for (size_t i = 0; i < list.size(); ++i) level_names[i] = LevelDisplayName(list[i]);
  ImGui::SetCursorScreenPos(TopLeft(L::kLevelList));
  ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(2, 2));
  ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(0, 0));
  if (ImGui::BeginListBox("##custom_list", Size(L::kLevelList))) {
    for (size_t i = 0; i < level_names.size(); ++i) {
      ImGui::PushID(static_cast<int>(i));
      const bool selected = static_cast<int>(i) == form.selected_level();
      if (ImGui::Selectable(level_names[i].c_str(), selected, 0, ImVec2(0, 16))) {
        form.set_selected_level(static_cast<int>(i));
      }
      ImGui::PopID();
    }
    ImGui::EndListBox();
  }
  ImGui::PopStyleVar(2);
}

void OptionsDialog::Impl::DrawGame() {
  GroupBox(L::kGame, text::kGroupGame);
  Text(L::kDifficultyLabel, text::kDifficulty);
  ImGui::BeginDisabled(!form.difficulty_enabled());
  int dif = form.dif_level();
  if (DropDown("##dif_level", L::kDifficultyList, text::kDifficultyItems,
               LiveOptions::kDifficultyCount, &dif)) {
    form.set_dif_level(dif);
  }
  ImGui::EndDisabled();
}

void OptionsDialog::Impl::DrawMultiplayer() {
  GroupBox(L::kMultiplayer, text::kGroupMultiplayer);
  Text(L::kModeLabel, text::kMode);
  int mode = form.multi_tryb();
  if (DropDown("##multi_tryb", L::kModeList, text::kModeItems, OptionsForm::kModeCount, &mode)) {
    form.set_multi_tryb(mode);
  }
  Bevel(L::kBevel1);
  Text(L::kDeathmatchLabel, text::kDeathmatchOptions);
  int frags = form.frag_bar();
  if (Bar("##frag_bar", L::kFragBar, &frags, Setting::kFragLimit, 1)) {
    form.set_frag_bar(frags);
  }
  Text(L::kFragLab, form.frag_lab(), 0.5f);
  Bevel(L::kBevel2);
  Text(L::kPointmatchLabel, text::kPointmatchOptions);
  int points = form.point_bar();
  if (Bar("##point_bar", L::kPointBar, &points, Setting::kPointLimit, 100)) {
    form.set_point_bar(points);
  }
  Text(L::kPointLab, form.point_lab(), 0.5f);
  Bevel(L::kBevel3);
  bool arena = form.arenamode();
  if (Check(L::kArenamode, text::kArenamode, &arena)) form.set_arenamode(arena);
  Text(L::kReitemLabel, text::kReitem);
  int reitem = form.reitem_bar();
  if (Bar("##reitem_bar", L::kReitemBar, &reitem, Setting::kReitemPeriod, 50)) {
    form.set_reitem_bar(reitem);
  }
  // The scale's two words under the two ends of the bar.
  Text(L::kReitemBar.At(0, 16, 0, 13), text::kReitemScaleHigh);
  Text(L::kReitemBar.At(0, 16, L::kReitemBar.w, 13), text::kReitemScaleLow, 1.0f);
}

void OptionsDialog::Impl::BeginPageControl(const L::Box& pages, const char* id) {
  ImDrawList* dl = ImGui::GetWindowDrawList();
  // The page's frame below the tabs.
  dl->AddRect(P(pages.x, pages.y + L::kTabHeight), P(pages.right(), pages.bottom()),
              ImGui::GetColorU32(ImGuiCol_Border));
  dl->AddRectFilled(P(pages.x + 1, pages.y + L::kTabHeight + 1),
                    P(pages.right() - 1, pages.bottom() - 1), IM_COL32(255, 255, 255, 255));

  ImGui::SetCursorScreenPos(TopLeft(pages));
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding,
                      ImVec2(8, (L::kTabHeight - ImGui::GetFontSize()) / 2));
  ImGui::PushStyleVar(ImGuiStyleVar_ItemInnerSpacing, ImVec2(2, 0));
  ImGui::BeginChild(id, Size(pages), false,
                    ImGuiWindowFlags_NoScrollbar | ImGuiWindowFlags_NoScrollWithMouse);
}

void OptionsDialog::Impl::EndPageControl() {
  ImGui::EndChild();
  ImGui::PopStyleVar(2);
}

void OptionsDialog::Impl::ClashMark(const L::Box& b) {
  ImDrawList* dl = ImGui::GetWindowDrawList();
  const ImVec2 centre(static_cast<float>(b.x) + b.w / 2.0f, static_cast<float>(b.y) + b.h / 2.0f);
  dl->AddCircleFilled(centre, b.w / 2.0f, kClash, 16);
  const ImVec2 size = ImGui::CalcTextSize("!");
  dl->AddText(ImVec2(std::floor(centre.x - size.x / 2), std::floor(centre.y - size.y / 2)),
              kClashText, "!");
}

void OptionsDialog::Impl::DrawControls() {
  GroupBox(L::kControls, text::kGroupControls);
  const KeyClashes clashes = form.key_clashes();
  BeginPageControl(L::kKeyPages, "##pages");
  if (ImGui::BeginTabBar("##players", ImGuiTabBarFlags_NoTooltip)) {
    for (int player = 0; player < 2; ++player) {
      if (!ImGui::BeginTabItem(U(text::kPlayerTabs[player]))) continue;
      ImGui::BeginDisabled(form.read_only());
      ImDrawList* page = ImGui::GetWindowDrawList();
      for (int row = 0; row < kConfigKeysPerPlayer; ++row) {
        const int edit = player * kConfigKeysPerPlayer + row;
        Text(L::KeyRowLabel(row), text::kKeyRows[row]);
        const L::Box e = L::KeyEdit(row);
        ImGui::SetCursorScreenPos(TopLeft(e));
        ImGui::PushID(edit);
        if (ImGui::InvisibleButton("##key", Size(e))) {
          form.set_focused_key(edit);
          key_edit_clicked = true;
        }
        ImGui::PopID();
        if (ImGui::IsItemHovered()) ImGui::SetMouseCursor(ImGuiMouseCursor_TextInput);
        if (form.focused_key() == edit) {
          page->AddRectFilled(TopLeft(e), P(e.right(), e.bottom()), kFocusFill);
          page->AddRect(TopLeft(e), P(e.right(), e.bottom()), kFocusLine);
        }
        const bool clash = clashes.marked[static_cast<size_t>(edit)];
        const std::string key = form.key_text(edit);
        page->AddText(P(e.x + 3, e.y), clash ? kClash : kText, key.c_str());
        if (clash) ClashMark(L::KeyClashMark(row));
        Text(L::KeyName(row), form.key_name(edit));
      }
      ImGui::EndDisabled();
      ImGui::EndTabItem();
    }
    ImGui::EndTabBar();
  }
  EndPageControl();
  if (!clashes.line.empty()) {
    ClashMark(L::kClashMark);
    const L::Box& b = L::kClashLine;
    ImGui::PushClipRect(TopLeft(b), P(b.right(), b.bottom()), true);
    Text(b, clashes.line);
    ImGui::PopClipRect();
  }
}

void OptionsDialog::Impl::DrawCloseButton() {
  ImGui::SetCursorScreenPos(TopLeft(L::kCloseButton));
  if (ImGui::Button(U(text::kCloseButton), Size(L::kCloseButton))) close_requested = true;
}

void OptionsDialog::Impl::DrawExtraPages() {
  if (pages.empty()) return;
  GroupBox(L::kExtraPages, text::kGroupMore);
  BeginPageControl(L::kExtraPageTabs, "##extra_pages");
  if (ImGui::BeginTabBar("##extra", ImGuiTabBarFlags_NoTooltip)) {
    const bool read_only = form.read_only();
    bool selected_one = false;
    for (size_t i = 0; i < pages.size(); ++i) {
      ImGui::PushID(static_cast<int>(i));
      ImGuiTabItemFlags flags = 0;
      if (select_usable_page && !selected_one && pages[i].usable_read_only) {
        flags |= ImGuiTabItemFlags_SetSelected;
        selected_one = true;
      }
      if (ImGui::BeginTabItem(page_titles[i].c_str(), nullptr, flags)) {
        if (pages[i].draw) {
          Canvas canvas(*this, L::kExtraPageClient);
          ImGui::BeginDisabled(read_only && !pages[i].usable_read_only);
          pages[i].draw(canvas);
          ImGui::EndDisabled();
        }
        ImGui::EndTabItem();
      }
      ImGui::PopID();
    }
    select_usable_page = false;
    ImGui::EndTabBar();
  }
  EndPageControl();
}

void OptionsDialog::Impl::DrawStatusBar() {
  ImDrawList* dl = ImGui::GetWindowDrawList();
  const L::Box& bar = L::kStatusBar;
  dl->AddLine(P(bar.x, bar.y), P(bar.right(), bar.y), kGroupLine);
  // Across the pages' column too, as a line of its own so that the classic
  // part stays as it was.
  if (Width() > bar.right()) dl->AddLine(P(bar.right() + 1, bar.y), P(Width(), bar.y), kGroupLine);
  const char* texts[3] = {text::kStatusCredit, text::kStatusWeb, text::kStatusVersion};
  const float align[3] = {0.0f, 0.5f, 0.5f};
  int x = bar.x;
  for (int i = 0; i < 3; ++i) {
    const int w = L::kStatusPanels[i];
    if (i > 0) dl->AddLine(P(x, bar.y + 3), P(x, bar.bottom() - 3), kGroupLine);
    Text(L::Box{x + 6, bar.y + 3, w - 12, 13}, texts[i], align[i]);
    x += w;
  }
}

void OptionsDialog::Impl::DrawColorDialog() {
  const char* title = U(text::kColorDialogTitle);
  const std::string id = std::string(title) + "###color_dlg";
  if (open_color_dialog) {
    ImGui::OpenPopup(id.c_str());
    open_color_dialog = false;
  }
  ImGui::SetNextWindowPos(P(L::kWidth / 2, L::kHeight / 2), ImGuiCond_Appearing,
                          ImVec2(0.5f, 0.5f));
  ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(12, 10));
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(4, 3));
  if (ImGui::BeginPopupModal(id.c_str(), nullptr,
                             ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoMove |
                                 ImGuiWindowFlags_NoSavedSettings)) {
    ImGui::SetNextItemWidth(220);
    ImGui::ColorPicker3("##picker", color_edit,
                        ImGuiColorEditFlags_NoSidePreview | ImGuiColorEditFlags_NoSmallPreview |
                            ImGuiColorEditFlags_NoOptions | ImGuiColorEditFlags_NoTooltip |
                            ImGuiColorEditFlags_PickerHueBar | ImGuiColorEditFlags_DisplayRGB |
                            ImGuiColorEditFlags_InputRGB);
    // Old and new colour side by side.
    const ImVec2 at = ImGui::GetCursorScreenPos();
    ImDrawList* dl = ImGui::GetWindowDrawList();
    const float half = 110.0f;
    dl->AddRectFilled(
        at, ImVec2(at.x + half, at.y + 22),
        ImGui::GetColorU32(ImVec4(color_original[0], color_original[1], color_original[2], 1)));
    dl->AddRectFilled(ImVec2(at.x + half, at.y), ImVec2(at.x + 2 * half, at.y + 22),
                      ImGui::GetColorU32(ImVec4(color_edit[0], color_edit[1], color_edit[2], 1)));
    dl->AddRect(at, ImVec2(at.x + 2 * half, at.y + 22), kBevelDark);
    ImGui::Dummy(ImVec2(2 * half, 22));
    ImGui::Spacing();
    const float button_w = 75.0f;
    ImGui::SetCursorPosX(ImGui::GetCursorPosX() + 2 * half - 2 * button_w - 6);
    if (ImGui::Button(U(text::kColorDialogOk), ImVec2(button_w, 23))) {
      if (color_target >= 0)
        form.set_color(static_cast<settings::Swatch>(color_target), PackColor(color_edit));
      color_target = -1;
      ImGui::CloseCurrentPopup();
    }
    ImGui::SameLine();
    if (ImGui::Button(U(text::kColorDialogCancel), ImVec2(button_w, 23))) {
      color_target = -1;
      ImGui::CloseCurrentPopup();
    }
    ImGui::EndPopup();
  }
  ImGui::PopStyleVar(2);
}

}  // namespace bv::settings
