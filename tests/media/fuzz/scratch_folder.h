#pragma once

// The fuzz targets' scratch files live in one fresh folder a process, in
// memory (/dev/shm) where the machine has it: the saves flush to disk, and
// on a real disk those flushes, not the code, would set the pace. Removed
// when the program ends normally.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace bv::fuzz {

inline const std::string& ScratchFolder() {
  // Never destroyed: the removal at exit still needs the name.
  static const std::string* folder = [] {
    const char* base = ::access("/dev/shm", W_OK | X_OK) == 0 ? "/dev/shm" : "/tmp";
    auto* made = new std::string(std::string(base) + "/brimvale-fuzz-XXXXXX");
    if (::mkdtemp(made->data()) == nullptr) std::abort();
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(ScratchFolder(), ec);
    });
    return made;
  }();
  return *folder;
}

}  // namespace bv::fuzz
