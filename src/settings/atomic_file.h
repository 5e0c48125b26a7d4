#pragma once

#include <sys/types.h>
#include <cstddef>
#include <cstdint>
#include <string>

namespace bv::settings {

// Whole-file replacement for every file the game writes in one go (the
// settings record, the settings text file). The bytes go to one fixed
// temporary beside the target, `TemporaryPathFor(path)`, which is flushed to
// disk and then renamed over the target: a crash, a kill or a full disk
// leaves the old file whole. A save killed halfway leaves only that one
// temporary, which the next save reuses and `RemoveStaleTemporary` deletes
// at the next start. Two savers of the same file take turns through a lock
// on the temporary. Never throws; every failure is a false result and leaves
// the target untouched.
bool WriteFileAtomically(const std::string& path, const uint8_t* src, std::size_t count);
bool WriteFileAtomically(const std::string& path, const std::string& text);

// "<path>.tmp": the one temporary name a save of `path` uses.
std::string TemporaryPathFor(const std::string& path);

// Removes what an interrupted save of `path` left behind: the fixed
// temporary unless a save holds it right now, and the per-process
// temporaries ("<path>.tmp<pid>-<n>") of older builds whose process is gone.
// Call it once at start-up, before reading `path`.
void RemoveStaleTemporary(const std::string& path);

namespace detail {
// The write call the save uses; tests swap it to simulate a full disk or a
// process killed halfway through.
using WriteFn = ssize_t (*)(int fd, const void* buf, std::size_t n);
bool WriteFileAtomicallyWith(const std::string& path, const uint8_t* src, std::size_t count,
                             WriteFn write_fn);
}  // namespace detail

}  // namespace bv::settings
