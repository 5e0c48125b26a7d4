#include "render/game_resources.h"

#include "game/paths.h"
#include "media/bitmap.h"
#include "media/pixel_format.h"

namespace bv::render {

std::vector<ImageEntry> StartupImages(FrameImages& h) {
  std::vector<ImageEntry> list;
  for (int n = 0; n < game::kTextureCount; ++n) {
    list.push_back({"\\data\\textures\\" + std::to_string(n) + ".bmp", 50, 50, 64, 64, "(txs)",
                    &h.textures[static_cast<size_t>(n)]});
  }
  for (int n = 0; n < game::kObjectImageCount; ++n) {
    list.push_back({"\\data\\objects\\" + std::to_string(n) + ".tga", 50, 50, 64, 64, "(obj)",
                    &h.object_images[static_cast<size_t>(n)]});
  }
  for (int n = 0; n < 2; ++n) {
    list.push_back({"\\data\\load" + std::to_string(n) + ".tga", 448, 480, 512, 512, "(load)",
                    &h.load_images[static_cast<size_t>(n)]});
  }
  list.push_back({"\\data\\anim.tga", 60, 60, 64, 64, "(anim)", &h.anim_image});
  list.push_back({"\\data\\bar.tga", 100, 4, 128, 4, "(bar)", &h.bar_image});
  list.push_back({"\\data\\hud.tga", 310, 85, 512, 128, "(hud)", &h.hud_image});
  list.push_back(
      {"\\data\\logo.tga", 320, game::kLogoPatternHeight, 512, 256, "(logo)", &h.logo_image});
  list.push_back({"\\data\\split.tga", 2, 480, 2, 512, "(split)", &h.split_image});
  return list;
}

int32_t GameResources::LoadFont(const game::Places& places) {
  font_.UnloadFont();
  return font_.LoadFont(game::DataPath(places.data_root, "\\data\\font.fnt"),
                        media::kFormatA8R8G8B8);
}

ImageLoadResult GameResources::LoadImages(const game::Places& places) {
  const std::vector<ImageEntry> entries = StartupImages(handles_);
  for (const ImageEntry& e : entries) *e.handle = nullptr;
  images_.clear();
  ImageLoadResult result;
  for (const ImageEntry& e : entries) {
    images_.push_back(std::make_unique<PatternImage>(device_));
    PatternImage& image = *images_.back();
    *e.handle = &image;
    const std::string path = game::DataPath(places.data_root, e.relative);
    int32_t code = 0;
    try {
      code = image.LoadFromFile(path, e.pattern_width, e.pattern_height, e.texture_width,
                                e.texture_height, media::kFormatA8R8G8B8);
    } catch (const media::ImageReadError& error) {
      result.status = ImageLoadResult::Status::kFileError;
      result.file_error = error.what();
      result.tag = e.tag;
      result.path = path;
      return result;
    }
    if (code != 0) {
      result.status = ImageLoadResult::Status::kCode;
      result.code = code;
      result.tag = e.tag;
      result.path = path;
      return result;
    }
  }
  return result;
}

void GameResources::Release() {
  for (const ImageEntry& e : StartupImages(handles_)) *e.handle = nullptr;
  font_.UnloadFont();
  for (auto& image : images_) image->Release();
  images_.clear();
}

}  // namespace bv::render
