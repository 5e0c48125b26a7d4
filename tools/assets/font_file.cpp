#include "font_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include <unistd.h>

#include "media/bitmap.h"
#include "media/cp1250.h"
#include "media/pattern_pages.h"
#include "media/pixel_format.h"
#include "media/raw_image.h"
#include "media/record_archive.h"

namespace bv::assets {

namespace {

constexpr int kTexture = 256;
constexpr int kAcross = 16;

}  // namespace

GameFont BuildGameFont(const Fonts& fonts) {
  GameFont out;
  int top = 0, bottom = 0;
  for (int i = 0; i < kFontGlyphCount; ++i) {
    int code = kFontFirstChar + i;
    std::u32string u = DecodeUtf8(media::Cp1250ToUtf8(std::string(1, static_cast<char>(code))));
    bool present = false;
    Glyph g;
    // Codes without a character (and DEL) stay empty and take no room.
    if (u.size() == 1 && u[0] != 0xFFFD && u[0] != 0x7F) g = fonts.Render(kFontFace, u[0], kFontPixels, &present);
    if (!present) g = Glyph{};
    g.left = std::max(0, g.left);
    top = std::max(top, g.top);
    bottom = std::max(bottom, g.h - g.top);
    out.cell_w = std::max(out.cell_w, g.left + g.w);
    out.glyphs.push_back(g);
    out.advances.push_back(present ? g.advance : 0);
  }
  out.baseline = top;
  out.cell_h = top + bottom;
  out.cell_w = std::max(out.cell_w, 1);
  return out;
}

namespace {

Bytes ReadAll(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

void Check(int32_t code, const char* what) {
  if (code != 0) throw std::runtime_error(std::string("font: ") + what + " failed with " + std::to_string(code));
}

}  // namespace

void WriteFontFile(const Fonts& fonts, const std::string& path) {
  GameFont fg = BuildGameFont(fonts);
  const int down = (kFontGlyphCount + kAcross - 1) / kAcross;
  // The glyphs as one picture, glyph g at column g % 16, row g / 16, cut by the loader.
  media::Bitmap picture;
  picture.width = kAcross * fg.cell_w;
  picture.height = down * fg.cell_h;
  picture.has_alpha = true;
  picture.pixels.assign(static_cast<size_t>(picture.width) * picture.height, 0x00FFFFFFu);
  for (int i = 0; i < kFontGlyphCount; ++i) {
    const Glyph& g = fg.glyphs[i];
    int ox = (i % kAcross) * fg.cell_w + g.left, oy = (i / kAcross) * fg.cell_h + fg.baseline - g.top;
    for (int y = 0; y < g.h; ++y)
      for (int x = 0; x < g.w; ++x) {
        uint32_t a = g.a[static_cast<size_t>(y) * g.w + x];
        picture.pixels[static_cast<size_t>(oy + y) * picture.width + ox + x] = (a << 24) | 0x00FFFFFFu;
      }
  }
  media::PatternPages pages;
  Check(pages.LoadFromBitmap(picture, fg.cell_w, fg.cell_h, kTexture, kTexture, media::kFormatA8R8G8B8),
        "packing the glyphs");
  std::vector<uint8_t> image;
  Check(media::BuildRawImage(pages, &image), "building the glyph image");

  std::vector<uint8_t> sizes;
  auto put = [&](int32_t v) {
    for (int k = 0; k < 4; ++k) sizes.push_back(static_cast<uint8_t>((static_cast<uint32_t>(v) >> (8 * k)) & 255));
  };
  put(kFontGlyphCount);
  put(kFontFirstChar);
  put(fg.baseline);  // kept by the reader, not used for drawing
  for (int i = 0; i < kFontGlyphCount; ++i) {
    put(fg.advances[i]);
    put(fg.cell_h);
  }

  std::filesystem::remove(path);
  media::RecordArchive archive;
  archive.set_file_name(path);
  archive.set_open_mode(media::OpenMode::kOverwrite);
  archive.set_signature(kFontSignature);
  Check(archive.Open(), "creating the archive");
  Check(archive.WriteRecord("font", media::kRecordTypeRawImage, image), "writing the glyph image");
  Check(archive.WriteRecord("sizedata", 0, sizes), "writing the glyph sizes");
}

Bytes MakeFontFile(const Fonts& fonts) {
  namespace fs = std::filesystem;
  // The archive writer works on files; a name of our own keeps parallel runs apart.
  static int counter = 0;
  fs::path tmp = fs::temp_directory_path() /
                 ("brimvale-font-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".fnt");
  WriteFontFile(fonts, tmp.string());
  Bytes bytes = ReadAll(tmp.string());
  fs::remove(tmp);
  if (bytes.empty()) throw std::runtime_error("font: the archive came out empty");
  return bytes;
}

}  // namespace bv::assets
