#pragma once

// A crafted program directory with every image start-up loads, in plain
// colours, and a font: for the resource loader and the screenshot runner.

#include <cstdint>
#include <string>
#include <vector>

#include "media/picture_bytes.h"
#include "render/font_archive.h"
#include "support/temp_dir.h"

namespace bv::test {

// Colours of the crafted files, 0xAARRGGBB.
struct ProgramColors {
  uint32_t texture = 0xFFFFFFFFu;  // every texture: white, to show the cell colour
  uint32_t object = 0xFF00FF00u;   // every object image
  uint32_t left_shutter = 0xFF0000C0u;
  uint32_t right_shutter = 0xFF00C000u;
  uint32_t sprite = 0xFFFFFFFFu;
  uint32_t bar = 0xFFFF8000u;
  uint32_t hud = 0xFFFFFFFFu;
  uint32_t logo_left = 0xFFC00000u;
  uint32_t logo_right = 0xFFC0C000u;
  uint32_t divider = 0xFFFF00FFu;
};

inline std::vector<uint8_t> PlainTga(int w, int h, uint32_t argb) {
  TgaHeader header;
  header.width = static_cast<uint16_t>(w);
  header.height = static_cast<uint16_t>(h);
  header.depth = 32;
  header.descriptor = 8;  // eight alpha bits
  return Tga(header, std::vector<uint32_t>(static_cast<size_t>(w) * h, argb));
}

// Two patterns side by side.
inline std::vector<uint8_t> PairTga(int pw, int h, uint32_t left, uint32_t right) {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < 2 * pw; ++x) pixels.push_back(x < pw ? left : right);
  }
  TgaHeader header;
  header.width = static_cast<uint16_t>(2 * pw);
  header.height = static_cast<uint16_t>(h);
  header.depth = 32;
  header.descriptor = 8;
  return Tga(header, pixels);
}

inline void WriteProgramImages(const TempDir& dir, const ProgramColors& c = {}) {
  const std::vector<uint8_t> texture = Bmp(50, 50, 24, std::vector<uint32_t>(50 * 50, c.texture));
  for (int n = 0; n < 256; ++n) {
    WriteBytes(dir.File("data/textures/" + std::to_string(n) + ".bmp"), texture);
  }
  const std::vector<uint8_t> object = PlainTga(50, 50, c.object);
  for (int n = 0; n < 49; ++n) {
    WriteBytes(dir.File("data/objects/" + std::to_string(n) + ".tga"), object);
  }
  WriteBytes(dir.File("data/load0.tga"), PlainTga(448, 480, c.left_shutter));
  WriteBytes(dir.File("data/load1.tga"), PlainTga(448, 480, c.right_shutter));
  WriteBytes(dir.File("data/anim.tga"), PlainTga(60, 60, c.sprite));
  WriteBytes(dir.File("data/bar.tga"), PlainTga(100, 4, c.bar));
  WriteBytes(dir.File("data/hud.tga"), PlainTga(310, 85, c.hud));
  WriteBytes(dir.File("data/logo.tga"), PairTga(320, 210, c.logo_left, c.logo_right));
  WriteBytes(dir.File("data/split.tga"), PlainTga(2, 480, c.divider));
}

// Glyphs of one white column, 6 pixels of advance, 10 high, for codes 32..127.
inline bool WriteProgramFont(const TempDir& dir) {
  FontSpec f;
  f.first_char = 32;
  f.widths.assign(96, 6);
  f.heights.assign(96, 10);
  return WriteFontArchive(dir.File("data/font.fnt"), f);
}

}  // namespace bv::test
