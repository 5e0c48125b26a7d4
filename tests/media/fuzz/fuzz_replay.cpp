// libFuzzer target: a replay file (.bvr). An input that does not start with
// the file's signature is taken as the records of one chunk and wrapped in a
// good header and chunk frame, so the fuzzer reaches the records past the
// CRC-32s. A file that loads was checked whole, so playing it (at most a few
// thousand steps, over no level files) must never throw, and never run more
// steps than the file says it holds.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "game/level_store.h"
#include "game/sound_slots.h"
#include "game/world.h"
#include "replay/format.h"
#include "replay/player.h"
#include "replay/reader.h"
#include "replay/stepper.h"
#include "settings/live_options.h"
#include "sim/host.h"
#include "sim/rules_version.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

class QuietHost final : public bv::sim::Host {
 public:
  void CloseProgram() override {}
  void OpenOptions() override {}
};

constexpr uint32_t kMaxPlayed = 3000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> bytes(data, data + size);
  const bool whole = size >= 4 && std::equal(bv::replay::kMagic.begin(), bv::replay::kMagic.end(), data);
  if (!whole) {
    bv::replay::Header header;
    header.rules_version = bv::sim::kRulesVersion;
    const auto head = bv::replay::EncodeHeader(header);
    bytes.assign(head.begin(), head.end());
    if (size > 0 && size <= bv::replay::kMaxChunkRaw) {
      const std::vector<uint8_t> chunk =
          bv::replay::EncodeChunk(0, 0, std::vector<uint8_t>(data, data + size));
      bytes.insert(bytes.end(), chunk.begin(), chunk.end());
    }
  }
  std::optional<bv::replay::ReplayFile> file;
  try {
    file.emplace(bv::replay::ReplayFile::FromBytes(std::move(bytes)));
  } catch (const bv::replay::ReplayError&) {
    return 0;
  }
  Check(file->last_hash_step() <= file->steps());
  auto world = std::make_unique<bv::game::World>();
  bv::settings::LiveOptions options;
  bv::game::SilentSoundPlayer sounds;
  QuietHost host;
  bv::game::MemoryLevelStore levels;
  bv::replay::Stepper stepper(*world, options, sounds, host, levels);
  bv::replay::Player player(*file, stepper);
  player.Start();
  while (player.steps_run() < kMaxPlayed && player.Step()) {
  }
  Check(player.steps_run() <= file->steps());
  Check(player.steps_run() == std::min(file->steps(), kMaxPlayed));
  return 0;
}
