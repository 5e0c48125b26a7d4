#pragma once

// The pixel and block converter: row conversion between texture formats,
// record payload coding and the record checksum. It is our own code and
// always present; the availability switch exists so that the "converter
// missing" path (-12) stays reachable, as start-up reports it.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace bv::media {

// Payload coding modes of archive records.
enum BlockMode : int32_t {
  kBlockStored = 0,      // bytes kept as they are
  kBlockDeflate = 1,     // zlib stream (deflate), what every archive we write uses
  kBlockEnciphered = 3,  // enciphered records: not supported, refused
};

bool ConverterAvailable();
// Tests use this to take the converter away; nothing in the game calls it.
void SetConverterAvailable(bool available);

// Converts `count` pixels from one accepted format to another (pixel_format.h).
// A8R8G8B8 is copied unchanged; X8R8G8B8 becomes A8R8G8B8 with alpha 255.
// Returns 0, -11 for a format that is not accepted, -1 for bad arguments.
int32_t PcLineConv(const void* src, void* dst, int32_t count, int32_t src_format,
                   int32_t dst_format);

// Decodes a stored payload into dst (capacity bytes) by mode and reports the
// decoded length. Never writes past dst + capacity. Returns 0, or -23 for an
// unknown or refused mode (3 included) and for a payload that does not decode
// or does not fit.
int32_t PcDecodeBlock(const uint8_t* stored, size_t stored_len, uint8_t* dst, size_t capacity,
                      int32_t mode, size_t* decoded_len);

// The most bytes a payload of stored_len bytes can decode to in a mode
// (deflate never packs more than 1032 bytes into one); 0 for refused modes.
// Lets a reader refuse an absurd decoded size before allocating for it.
uint64_t PcMaxDecodedLength(int32_t mode, uint64_t stored_len);

// The writer's side of PcDecodeBlock: modes 0 and 1. Returns 0, or -1 for any
// other mode or a failure of the coder.
int32_t PcEncodeBlock(const uint8_t* data, size_t len, int32_t mode, std::vector<uint8_t>* stored);

// CRC-32 as zlib computes it (reflected polynomial 0xEDB88320, "123456789" -> 0xCBF43926).
uint32_t PcCrc32(const uint8_t* data, size_t len);

}  // namespace bv::media
