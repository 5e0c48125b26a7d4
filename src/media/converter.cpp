#include "media/converter.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "media/error_codes.h"

namespace bv::media {

namespace {
bool g_available = true;

// zlib counts in uInt; feed it in slices so any size_t length works.
constexpr size_t kSlice = std::numeric_limits<uInt>::max() / 2;

int32_t Inflate(const uint8_t* stored, size_t stored_len, uint8_t* dst, size_t capacity,
                size_t* decoded_len) {
  uint8_t spare = 0;  // zlib refuses a null output pointer even for zero bytes
  if (dst == nullptr) dst = &spare;
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return kErrRecordCorrupt;
  size_t in_left = stored_len;
  size_t out_left = capacity;
  z.next_in = const_cast<Bytef*>(stored);
  z.next_out = dst;
  int rc = Z_OK;
  while (rc == Z_OK) {
    if (z.avail_in == 0) {
      z.avail_in = static_cast<uInt>(std::min(in_left, kSlice));
      in_left -= z.avail_in;
    }
    if (z.avail_out == 0) {
      z.avail_out = static_cast<uInt>(std::min(out_left, kSlice));
      out_left -= z.avail_out;
    }
    uInt before_in = z.avail_in;
    uInt before_out = z.avail_out;
    rc = inflate(&z, Z_NO_FLUSH);
    // No progress possible: input exhausted or output full before the stream ended.
    if (rc == Z_BUF_ERROR || (rc == Z_OK && z.avail_in == before_in && z.avail_out == before_out))
      break;
  }
  size_t produced = static_cast<size_t>(z.total_out);
  inflateEnd(&z);
  if (rc != Z_STREAM_END) return kErrRecordCorrupt;
  *decoded_len = produced;
  return kOk;
}
}  // namespace

bool ConverterAvailable() {
  return g_available;
}
void SetConverterAvailable(bool available) {
  g_available = available;
}

int32_t PcDecodeBlock(const uint8_t* stored, size_t stored_len, uint8_t* dst, size_t capacity,
                      int32_t mode, size_t* decoded_len) {
  if (decoded_len == nullptr || (stored == nullptr && stored_len > 0) ||
      (dst == nullptr && capacity > 0))
    return kErrRecordCorrupt;
  switch (mode) {
    case kBlockStored:
      if (stored_len > capacity) return kErrRecordCorrupt;
      if (stored_len > 0) std::memcpy(dst, stored, stored_len);
      *decoded_len = stored_len;
      return kOk;
    case kBlockDeflate:
      return Inflate(stored, stored_len, dst, capacity, decoded_len);
    default:  // kBlockEnciphered among them: we hold no cipher
      return kErrRecordCorrupt;
  }
}

uint64_t PcMaxDecodedLength(int32_t mode, uint64_t stored_len) {
  switch (mode) {
    case kBlockStored:
      return stored_len;
    case kBlockDeflate:
      return stored_len * 1032 + 1024;
    default:
      return 0;
  }
}

int32_t PcEncodeBlock(const uint8_t* data, size_t len, int32_t mode, std::vector<uint8_t>* stored) {
  if (stored == nullptr || (data == nullptr && len > 0)) return kErrInvalidCall;
  if (mode == kBlockStored) {
    stored->assign(data, data + len);
    return kOk;
  }
  if (mode != kBlockDeflate || len > std::numeric_limits<uLong>::max() / 2) return kErrInvalidCall;
  uLongf out_len = compressBound(static_cast<uLong>(len));
  stored->resize(out_len);
  static const Bytef kNothing = 0;
  if (compress2(stored->data(), &out_len, len > 0 ? data : &kNothing, static_cast<uLong>(len),
                Z_BEST_COMPRESSION) != Z_OK) {
    stored->clear();
    return kErrInvalidCall;
  }
  stored->resize(out_len);
  return kOk;
}

uint32_t PcCrc32(const uint8_t* data, size_t len) {
  uLong crc = crc32(0L, Z_NULL, 0);
  while (len > 0) {
    uInt n = static_cast<uInt>(std::min(len, kSlice));
    crc = crc32(crc, data, n);
    data += n;
    len -= n;
  }
  return static_cast<uint32_t>(crc);
}

}  // namespace bv::media
