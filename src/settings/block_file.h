#pragma once

#include <sys/types.h>
#include <cstddef>
#include <cstdint>
#include <string>

namespace bv::settings {

// Raw block storage of the settings file. Neither call throws; every failure
// is a false result.

// Reads up to `count` bytes from the start of an existing regular file into
// `dst`. A shorter file is fine: only its bytes are copied and the rest of
// `dst` keeps what it held.
bool LoadBlock(const std::string& path, uint8_t* dst, std::size_t count);

// Replaces the file with exactly `count` bytes. The bytes go to a temporary
// file in the same folder, which is flushed to disk and then renamed over the
// target, so a crash, a kill or a full disk never leaves a truncated file: on
// failure the old file stays as it was.
bool SaveBlock(const std::string& path, const uint8_t* src, std::size_t count);

namespace detail {
// The write call SaveBlock uses; tests swap it to simulate a full disk or a
// process killed halfway through.
using WriteFn = ssize_t (*)(int fd, const void* buf, std::size_t n);
bool SaveBlockWith(const std::string& path, const uint8_t* src, std::size_t count,
                   WriteFn write_fn);
}  // namespace detail

}  // namespace bv::settings
