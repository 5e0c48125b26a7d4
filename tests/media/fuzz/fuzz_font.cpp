// libFuzzer target: the font file through the bitmap font's load, drawing
// texts with random characters and colour tags, and measuring them. With
// bit 0 of the first byte the rest is the font file itself; otherwise it
// holds the "sizedata" and "font" records (each after a 16-bit length),
// written into a well-formed archive so the checksums pass, then the scale,
// style and spacing bytes, then texts separated by newlines.

#include <unistd.h>

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "media/pixel_format.h"
#include "media/record_archive.h"
#include "render/bitmap_font.h"
#include "render/draw_device.h"
#include "scratch_folder.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

bv::render::DrawDevice& Device() {
  static bv::render::DrawDevice* device = [] {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888);
    auto* d = new bv::render::DrawDevice();
    if (surface == nullptr || d->CreateForSurface(surface) != 0) std::abort();
    return d;
  }();
  return *device;
}

std::string FontPath() {
  return bv::fuzz::ScratchFolder() + "/font.fnt";
}

struct Reader {
  const uint8_t* p;
  size_t left;
  std::vector<uint8_t> Take(size_t n) {
    n = std::min(n, left);
    std::vector<uint8_t> out(p, p + n);
    p += n;
    left -= n;
    return out;
  }
  size_t Length() {
    const std::vector<uint8_t> b = Take(2);
    return b.size() < 2 ? 0 : static_cast<size_t>(b[0] | b[1] << 8);
  }
  uint8_t Byte() {
    const std::vector<uint8_t> b = Take(1);
    return b.empty() ? 0 : b[0];
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::string path = FontPath();
  Reader in{data + 1, size - 1};
  if (data[0] & 1) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return 0;
    if (in.left > 0) std::fwrite(in.p, 1, in.left, f);
    std::fclose(f);
    in.left = 0;
  } else {
    const std::vector<uint8_t> sizes = in.Take(in.Length());
    const std::vector<uint8_t> glyphs = in.Take(in.Length());
    bv::media::RecordArchive archive;
    archive.set_file_name(path);
    archive.set_signature(bv::render::BitmapFont::kSignature);
    archive.set_open_mode(bv::media::OpenMode::kOverwrite);
    if (archive.Open() != 0 || archive.WriteRecord("font", 1, glyphs) != 0 ||
        archive.WriteRecord("sizedata", 0, sizes) != 0) {
      std::remove(path.c_str());
      return 0;
    }
  }

  bv::render::BitmapFont font(&Device());
  const int32_t rc = font.LoadFont(path, bv::media::kFormatA8R8G8B8);
  std::remove(path.c_str());
  Check((rc == 0) == font.loaded());
  font.set_scale(in.Byte() * 4);
  font.set_style(in.Byte() & 3);
  font.set_spacing(static_cast<int8_t>(in.Byte()));
  std::vector<std::string> texts(1);
  for (uint8_t c : in.Take(in.left)) {
    if (c == '\n') {
      texts.emplace_back();
    } else {
      texts.back().push_back(static_cast<char>(c));
    }
  }
  texts.push_back("#$FF00FF00tag " + texts.front() + "#$00112233");
  Device().BeginScene();
  for (const std::string& text : texts) {
    const int32_t drawn = font.TextOut(text, 10, 20, 0xFFFFFFFFu, 5);
    Check(drawn == (font.loaded() ? 0 : -1));
    const int32_t width = font.TextWidth(text);
    const int32_t height = font.TextHeight(text);
    if (!font.loaded() || text.empty()) Check(width == 0 && height == 0);
    Check(height >= 0);
  }
  Device().EndScene();
  Device().Flush();
  Check(font.UnloadFont() == 0 && !font.loaded());
  return 0;
}
