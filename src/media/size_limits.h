#pragma once

// The one bound on what a file may make us allocate, and overflow-safe sizes.

#include <cstdint>

namespace bv::media {

// No picture, texture set or archive record of this game comes near this;
// a file asking for more is refused before anything is allocated.
constexpr uint64_t kMaxDecodedBytes = 64ull << 20;

// a * b * c when every factor is non-negative and the product stays within
// kMaxDecodedBytes; false otherwise (including on overflow).
inline bool BoundedProduct(int64_t a, int64_t b, int64_t c, uint64_t* out) {
  if (a < 0 || b < 0 || c < 0) return false;
  uint64_t p = 0;
  if (__builtin_mul_overflow(static_cast<uint64_t>(a), static_cast<uint64_t>(b), &p)) return false;
  if (__builtin_mul_overflow(p, static_cast<uint64_t>(c), &p)) return false;
  if (p > kMaxDecodedBytes) return false;
  *out = p;
  return true;
}

}  // namespace bv::media
