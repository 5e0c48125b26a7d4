#pragma once

#include <sys/types.h>
#include <cstddef>
#include <cstdint>
#include <string>

#include "settings/atomic_file.h"

namespace bv::settings {

// Raw block storage of the settings file. Neither call throws; every failure
// is a false result.

// Reads up to `count` bytes from the start of an existing regular file into
// `dst`. A shorter file is fine: only its bytes are copied and the rest of
// `dst` keeps what it held.
bool LoadBlock(const std::string& path, uint8_t* dst, std::size_t count);

// Replaces the file with exactly `count` bytes through WriteFileAtomically:
// on failure the old file stays as it was.
bool SaveBlock(const std::string& path, const uint8_t* src, std::size_t count);

namespace detail {
bool SaveBlockWith(const std::string& path, const uint8_t* src, std::size_t count,
                   WriteFn write_fn);
}  // namespace detail

}  // namespace bv::settings
