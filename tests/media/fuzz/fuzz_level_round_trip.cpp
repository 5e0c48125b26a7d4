// libFuzzer target: any level file (zeros after a short one) decompiled to
// a source and compiled back must give the same 60000 bytes.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "game/level_file.h"
#include "level/decompile.h"
#include "level/level_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > static_cast<size_t>(bv::game::kLevelFileSize)) return 0;
  std::vector<uint8_t> bytes(data, data + size);
  bytes.resize(bv::game::kLevelFileSize, 0);
  const bv::level::LevelImage image = bv::level::LevelImage::FromBytes(bytes);
  const std::string text = bv::level::Decompile(image, "fuzz.dmp");
  const bv::level::ParseResult parsed = bv::level::ParseSourceText(
      text, "fuzz.lvl", [](const std::string&, std::string&) { return false; });
  if (!parsed.ok() || parsed.source.image.ToBytes() != bytes) std::abort();
  return 0;
}
