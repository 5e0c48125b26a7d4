#include "generator.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "font_file.h"
#include "game/sound_slots.h"
#include "objects.h"
#include "sounds.h"
#include "sprites.h"
#include "text.h"
#include "texture_kit.h"
#include "texture_table.h"

namespace bv::assets {

namespace {

// Set BV_ASSETS_TIMING=1 to see where generation spends its time.
class Timer {
 public:
  Timer() : on_(std::getenv("BV_ASSETS_TIMING") != nullptr), t_(std::chrono::steady_clock::now()) {}
  void Lap(const char* what) {
    auto now = std::chrono::steady_clock::now();
    if (on_) std::fprintf(stderr, "%-10s %.2f s\n", what, std::chrono::duration<double>(now - t_).count());
    t_ = now;
  }

 private:
  bool on_;
  std::chrono::steady_clock::time_point t_;
};

}  // namespace

std::vector<DataFile> GenerateData(const std::string& font_dir) {
  Timer timer;
  Fonts fonts(font_dir);
  TextureFontsScope fonts_scope(&fonts);
  std::vector<DataFile> out;
  // Textures are independent: paint them on every core, keep them in number order.
  std::vector<Bytes> textures(kTextureCount);
  std::atomic<int> next{0};
  auto worker = [&] {
    for (int n = next++; n < kTextureCount; n = next++) textures[n] = EncodeBmp(MakeTexture(n), false);
  };
  unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
  std::vector<std::thread> pool;
  for (unsigned i = 1; i < threads; ++i) pool.emplace_back(worker);
  worker();
  for (std::thread& t : pool) t.join();
  for (int n = 0; n < kTextureCount; ++n)
    out.push_back({"textures/" + std::to_string(n) + ".bmp", std::move(textures[n])});
  timer.Lap("textures");
  for (int n = 0; n < kObjectCount; ++n)
    out.push_back({"objects/" + std::to_string(n) + ".tga", EncodeTga(MakeObject(n, fonts), true)});
  timer.Lap("objects");
  out.push_back({"load0.tga", EncodeTga(MakeShutter(0, fonts), true)});
  out.push_back({"load1.tga", EncodeTga(MakeShutter(1, fonts), true)});
  out.push_back({"anim.tga", EncodeTga(MakeActorSprite(), true)});
  out.push_back({"bar.tga", EncodeTga(MakeHealthBar(), false)});
  out.push_back({"hud.tga", EncodeTga(MakeHudPanel(), true)});
  out.push_back({"logo.tga", EncodeTga(MakeLogo(fonts), true)});
  out.push_back({"split.tga", EncodeTga(MakeSplit(), false)});
  timer.Lap("pictures");
  out.push_back({"font.fnt", MakeFontFile(fonts)});
  timer.Lap("font");
  for (int i = 0; i < game::kSampleCount; ++i) {
    std::string name = game::SampleFileName(i);
    out.push_back({"sound/" + name + ".wav", EncodeWav(MakeSound(name), kSampleRate)});
  }
  timer.Lap("sounds");
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
