#include "file_writers.h"

#include <cstdio>
#include <stdexcept>

#include "media/le_bytes.h"

namespace bv::assets {

namespace {

void Put16(Bytes& b, uint32_t v) {
  media::AppendU16(b, static_cast<uint16_t>(v));
}
void Put32(Bytes& b, uint32_t v) {
  media::AppendU32(b, v);
}
void PutTag(Bytes& b, const char* t) {
  b.insert(b.end(), t, t + 4);
}

}  // namespace

Bytes EncodeBmp(const Image& img, bool with_alpha) {
  const int w = img.width(), h = img.height();
  const int bpp = with_alpha ? 4 : 3;
  const int stride = (w * bpp + 3) & ~3;
  const uint32_t data_size = static_cast<uint32_t>(stride) * h;
  Bytes b;
  b.reserve(54 + data_size);
  b.push_back('B');
  b.push_back('M');
  Put32(b, 54 + data_size);  // file size
  Put32(b, 0);               // reserved
  Put32(b, 54);              // pixel data offset
  Put32(b, 40);              // BITMAPINFOHEADER
  Put32(b, w);
  Put32(b, h);  // positive: bottom-up
  Put16(b, 1);
  Put16(b, bpp * 8);
  Put32(b, 0);  // BI_RGB
  Put32(b, data_size);
  Put32(b, 2835);  // 72 dpi
  Put32(b, 2835);
  Put32(b, 0);
  Put32(b, 0);
  for (int y = h - 1; y >= 0; --y) {
    size_t start = b.size();
    for (int x = 0; x < w; ++x) {
      const Rgba& p = img.at(x, y);
      b.push_back(ToByte(p.b));
      b.push_back(ToByte(p.g));
      b.push_back(ToByte(p.r));
      if (with_alpha) b.push_back(ToByte(p.a));
    }
    while (b.size() - start < static_cast<size_t>(stride)) b.push_back(0);
  }
  return b;
}

Bytes EncodeTga(const Image& img, bool rle) {
  const int w = img.width(), h = img.height();
  Bytes b;
  b.push_back(0);             // no identification field
  b.push_back(0);             // no colour map
  b.push_back(rle ? 10 : 2);  // true colour
  for (int i = 0; i < 5; ++i) b.push_back(0);
  Put16(b, 0);
  Put16(b, 0);
  Put16(b, w);
  Put16(b, h);
  b.push_back(32);
  b.push_back(0x28);  // top row first, 8 alpha bits
  auto pixel = [&](int x, int y) {
    const Rgba& p = img.at(x, y);
    // Fully transparent pixels are stored as zero so runs compress well.
    uint8_t a = ToByte(p.a);
    if (a == 0) return uint32_t{0};
    return static_cast<uint32_t>(ToByte(p.b)) | ToByte(p.g) << 8 | ToByte(p.r) << 16 |
           static_cast<uint32_t>(a) << 24;
  };
  auto put_px = [&](uint32_t v) { Put32(b, v); };
  for (int y = 0; y < h; ++y) {
    if (!rle) {
      for (int x = 0; x < w; ++x) put_px(pixel(x, y));
      continue;
    }
    // Packets stay within a row.
    int x = 0;
    while (x < w) {
      uint32_t v = pixel(x, y);
      int run = 1;
      while (x + run < w && run < 128 && pixel(x + run, y) == v) ++run;
      if (run >= 2) {
        b.push_back(static_cast<uint8_t>(0x80 | (run - 1)));
        put_px(v);
        x += run;
        continue;
      }
      int lit = 1;
      while (x + lit < w && lit < 128) {
        if (x + lit + 1 < w && pixel(x + lit, y) == pixel(x + lit + 1, y)) break;
        ++lit;
      }
      b.push_back(static_cast<uint8_t>(lit - 1));
      for (int i = 0; i < lit; ++i) put_px(pixel(x + i, y));
      x += lit;
    }
  }
  return b;
}

Bytes EncodeWav(const std::vector<int16_t>& samples, int rate) {
  Bytes b;
  const uint32_t data = static_cast<uint32_t>(samples.size() * 2);
  PutTag(b, "RIFF");
  Put32(b, 36 + data);
  PutTag(b, "WAVE");
  PutTag(b, "fmt ");
  Put32(b, 16);
  Put16(b, 1);  // PCM
  Put16(b, 1);  // mono
  Put32(b, rate);
  Put32(b, rate * 2);
  Put16(b, 2);
  Put16(b, 16);
  PutTag(b, "data");
  Put32(b, data);
  for (int16_t s : samples) Put16(b, static_cast<uint16_t>(s));
  return b;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot create " + path);
  size_t n = std::fwrite(bytes.data(), 1, bytes.size(), f);
  bool ok = n == bytes.size();
  ok = std::fclose(f) == 0 && ok;
  if (!ok) throw std::runtime_error("cannot write " + path);
}

}  // namespace bv::assets
