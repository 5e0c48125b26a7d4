#include "generator.h"

#include <filesystem>

#include "font_file.h"
#include "game/sound_slots.h"
#include "objects.h"
#include "sounds.h"
#include "sprites.h"
#include "text.h"
#include "texture_kit.h"
#include "texture_table.h"

namespace bv::assets {

std::vector<DataFile> GenerateData(const std::string& font_dir) {
  Fonts fonts(font_dir);
  TextureFontsScope fonts_scope(&fonts);
  std::vector<DataFile> out;
  for (int n = 0; n < kTextureCount; ++n)
    out.push_back({"textures/" + std::to_string(n) + ".bmp", EncodeBmp(MakeTexture(n), false)});
  for (int n = 0; n < kObjectCount; ++n)
    out.push_back({"objects/" + std::to_string(n) + ".tga", EncodeTga(MakeObject(n, fonts), true)});
  out.push_back({"load0.tga", EncodeTga(MakeShutter(0, fonts), true)});
  out.push_back({"load1.tga", EncodeTga(MakeShutter(1, fonts), true)});
  out.push_back({"anim.tga", EncodeTga(MakeActorSprite(), true)});
  out.push_back({"bar.tga", EncodeTga(MakeHealthBar(), false)});
  out.push_back({"hud.tga", EncodeTga(MakeHudPanel(), true)});
  out.push_back({"logo.tga", EncodeTga(MakeLogo(fonts), true)});
  out.push_back({"split.tga", EncodeTga(MakeSplit(), false)});
  out.push_back({"font.fnt", MakeFontFile(fonts)});
  for (int i = 0; i < game::kSampleCount; ++i) {
    std::string name = game::SampleFileName(i);
    out.push_back({"sound/" + name + ".wav", EncodeWav(MakeSound(name), kSampleRate)});
  }
  return out;
}

void WriteData(const std::vector<DataFile>& files, const std::string& data_dir) {
  namespace fs = std::filesystem;
  for (const DataFile& f : files) {
    fs::path p = fs::path(data_dir) / f.path;
    fs::create_directories(p.parent_path());
    WriteFile(p.string(), f.bytes);
  }
}

}  // namespace bv::assets
