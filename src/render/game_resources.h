#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/places.h"
#include "game/world.h"
#include "render/bitmap_font.h"
#include "render/frame_images.h"
#include "render/pattern_image.h"

namespace bv::render {

class DrawDevice;

// Where loading the game's images stopped.
struct ImageLoadResult {
  enum class Status {
    kLoaded,     // every image is loaded
    kCode,       // the image loader returned `code` (the game reports it with `tag`)
    kFileError,  // the file is missing or unreadable, or the reader refused it: `file_error`
  };
  Status status = Status::kLoaded;
  int32_t code = 0;
  // The failing image's group: "(txs)", "(obj)", "(load)", "(anim)", "(bar)",
  // "(hud)", "(logo)" or "(split)".
  std::string tag;
  std::string file_error;
  std::string path;  // the failing file, as the platform names it

  bool ok() const { return status == Status::kLoaded; }
};

// One image the game loads at start-up and the handle it fills.
struct ImageEntry {
  std::string relative;  // "\data\textures\0.bmp"
  int32_t pattern_width;
  int32_t pattern_height;
  int32_t texture_width;
  int32_t texture_height;
  const char* tag;
  PatternImage** handle;
};

// The 256 textures, 49 object images, two loading screens, then the sprite
// sheet, gauge bar, HUD panel, logo and divider, in the order they load.
std::vector<ImageEntry> StartupImages(FrameImages& handles);

// Owns the font and the images that start-up loads for the drawing device,
// with the handles a frame draws them by. The device must outlive it.
class GameResources {
 public:
  explicit GameResources(DrawDevice& device) : device_(device), font_(&device) {}
  GameResources(const GameResources&) = delete;
  GameResources& operator=(const GameResources&) = delete;

  // "\data\font.fnt" under the data root; the code of BitmapFont::LoadFont.
  // The game goes on without text when it fails.
  int32_t LoadFont(const game::Places& places);

  // Loads every image in start-up order. Each image is made and stored in
  // its handle before it loads, and loading stops at the first failure: the
  // failing image stays in its handle unloaded (it draws nothing) and the
  // handles after it stay null. Any images held before are dropped first.
  ImageLoadResult LoadImages(const game::Places& places);

  // Clears the image handles, unloads the font and releases the images in
  // load order.
  void Release();

  BitmapFont& font() { return font_; }
  const FrameImages& images() const { return handles_; }
  // Images made so far, loaded or not.
  size_t image_count() const { return images_.size(); }

 private:
  DrawDevice& device_;
  BitmapFont font_;
  FrameImages handles_;
  std::vector<std::unique_ptr<PatternImage>> images_;
};

}  // namespace bv::render
