#include <cstring>

#include "media/converter.h"
#include "media/error_codes.h"
#include "media/pixel_format.h"

namespace bv::media {

namespace {

// Widening a channel repeats its top bits, so full scale stays full scale.
uint32_t Widen(uint32_t v, int bits) {
  switch (bits) {
    case 1:
      return v ? 255u : 0u;
    case 2:
      return v * 85u;
    case 3:
      return (v << 5) | (v << 2) | (v >> 1);
    case 4:
      return v * 17u;
    case 5:
      return (v << 3) | (v >> 2);
    case 6:
      return (v << 2) | (v >> 4);
    default:
      return v;
  }
}

uint32_t Argb(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
  return (a << 24) | (r << 16) | (g << 8) | b;
}

uint32_t Unpack(const uint8_t* p, int32_t format) {
  uint32_t v = 0;
  switch (BytesPerPixel(format)) {
    case 4:
      v = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
      break;
    case 2:
      v = p[0] | (p[1] << 8);
      break;
    case 1:
      v = p[0];
      break;
  }
  switch (format) {
    case kFormatA8R8G8B8:
      return v;
    case kFormatX8R8G8B8:
      return v | 0xFF000000u;
    case kFormatR5G6B5:
      return Argb(255, Widen(v >> 11 & 31, 5), Widen(v >> 5 & 63, 6), Widen(v & 31, 5));
    case kFormatX1R5G5B5:
    case kFormatA1R5G5B5:
      return Argb(format == kFormatX1R5G5B5 ? 255 : Widen(v >> 15 & 1, 1), Widen(v >> 10 & 31, 5),
                  Widen(v >> 5 & 31, 5), Widen(v & 31, 5));
    case kFormatA4R4G4B4:
    case kFormatX4R4G4B4:
      return Argb(format == kFormatX4R4G4B4 ? 255 : Widen(v >> 12 & 15, 4), Widen(v >> 8 & 15, 4),
                  Widen(v >> 4 & 15, 4), Widen(v & 15, 4));
    case kFormatR3G3B2:
    case kFormatA8R3G3B2:
      return Argb(format == kFormatR3G3B2 ? 255 : v >> 8 & 255, Widen(v >> 5 & 7, 3),
                  Widen(v >> 2 & 7, 3), Widen(v & 3, 2));
  }
  return 0;
}

// Narrowing keeps the top bits of each channel; unused (X) bits are written as ones.
void Pack(uint32_t argb, uint8_t* p, int32_t format) {
  uint32_t a = argb >> 24, r = argb >> 16 & 255, g = argb >> 8 & 255, b = argb & 255;
  uint32_t v = 0;
  switch (format) {
    case kFormatA8R8G8B8:
      v = argb;
      break;
    case kFormatX8R8G8B8:
      v = argb | 0xFF000000u;
      break;
    case kFormatR5G6B5:
      v = (r >> 3) << 11 | (g >> 2) << 5 | b >> 3;
      break;
    case kFormatX1R5G5B5:
    case kFormatA1R5G5B5:
      v = (format == kFormatX1R5G5B5 ? 1u : a >> 7) << 15 | (r >> 3) << 10 | (g >> 3) << 5 | b >> 3;
      break;
    case kFormatA4R4G4B4:
    case kFormatX4R4G4B4:
      v = (format == kFormatX4R4G4B4 ? 15u : a >> 4) << 12 | (r >> 4) << 8 | (g >> 4) << 4 | b >> 4;
      break;
    case kFormatR3G3B2:
      v = (r >> 5) << 5 | (g >> 5) << 2 | b >> 6;
      break;
    case kFormatA8R3G3B2:
      v = a << 8 | (r >> 5) << 5 | (g >> 5) << 2 | b >> 6;
      break;
  }
  for (int i = 0; i < BytesPerPixel(format); ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

bool IsAcceptedFormat(int32_t format) {
  return BytesPerPixel(format) != 0;
}

int BytesPerPixel(int32_t format) {
  switch (format) {
    case kFormatA8R8G8B8:
    case kFormatX8R8G8B8:
      return 4;
    case kFormatR5G6B5:
    case kFormatX1R5G5B5:
    case kFormatA1R5G5B5:
    case kFormatA4R4G4B4:
    case kFormatA8R3G3B2:
    case kFormatX4R4G4B4:
      return 2;
    case kFormatR3G3B2:
      return 1;
    default:
      return 0;
  }
}

int32_t PcLineConv(const void* src, void* dst, int32_t count, int32_t src_format,
                   int32_t dst_format) {
  if (!IsAcceptedFormat(src_format) || !IsAcceptedFormat(dst_format)) return kErrFormat;
  if (count < 0 || (count > 0 && (src == nullptr || dst == nullptr))) return kErrInvalidCall;
  const auto* s = static_cast<const uint8_t*>(src);
  auto* d = static_cast<uint8_t*>(dst);
  const int sb = BytesPerPixel(src_format);
  const int db = BytesPerPixel(dst_format);
  if (src_format == dst_format) {
    std::memmove(d, s, static_cast<size_t>(count) * sb);
    return kOk;
  }
  for (int32_t i = 0; i < count; ++i) {
    const size_t k = static_cast<size_t>(i);
    Pack(Unpack(s + k * sb, src_format), d + k * db, dst_format);
  }
  return kOk;
}

}  // namespace bv::media
