#pragma once

// The fingerprint of a data tree two peers compare before they play: the
// same levels, pictures and sounds give the same number.

#include <cstdint>
#include <optional>
#include <string>

namespace bv::net {

// FNV-1a 64 over every regular file under `root`/data, in byte order of
// their paths: each path relative to it, its size and its bytes. Hidden
// entries are left out. nullopt, with the reason, when the tree cannot be
// read.
std::optional<uint64_t> DataTreeHash(const std::string& root, std::string* error);

}  // namespace bv::net
