#include "replay/writer.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "media/le_bytes.h"
#include "sim/world_hash.h"

namespace bv::replay {

namespace {

void AppendU64(std::vector<uint8_t>& out, uint64_t v) {
  media::AppendU32(out, static_cast<uint32_t>(v));
  media::AppendU32(out, static_cast<uint32_t>(v >> 32));
}

}  // namespace

uint64_t LevelHash(const game::World& world) {
  return sim::HashBytes(world.level_raw.data(), world.level_raw.size());
}

void Writer::Put(const uint8_t* data, size_t size) {
  if (failed_) return;
  std::string why;
  if (!sink_.Append(data, size, &why)) {
    failed_ = true;
    error_ = why.empty() ? "cannot write the replay" : why;
    return;
  }
  bytes_written_ += size;
}

void Writer::Begin(const Header& header, const ReplayOptions& start, uint64_t start_hash) {
  if (begun_) return;
  begun_ = true;
  header_ = header;
  const auto head = EncodeHeader(header);
  Put(head.data(), head.size());
  Options(start);
  Hash(start_hash);
  Flush();
}

void Writer::Options(const ReplayOptions& options) {
  if (!Usable()) return;
  std::vector<uint8_t> bytes = EncodeOptions(options);
  if (bytes == last_options_) return;
  EndPass();
  records_.push_back(kOptions);
  media::AppendU16(records_, static_cast<uint16_t>(bytes.size()));
  records_.insert(records_.end(), bytes.begin(), bytes.end());
  last_options_ = std::move(bytes);
}

void Writer::Clock(double delta) {
  if (!Usable()) return;
  EndPass();
  pass_open_ = true;
  pass_has_clock_ = true;
  pass_steps_ = 0;
  pass_delta_ = delta;
  // A pass's delta is fps / rate for a whole rate; anything else goes as it is.
  const double rate = header_.fps / delta;
  pass_exact_ = !(rate >= 1.0 && rate <= std::numeric_limits<int32_t>::max());
  if (!pass_exact_) {
    pass_rate_ = static_cast<int64_t>(std::nearbyint(rate));
    pass_exact_ = static_cast<double>(header_.fps) / static_cast<double>(pass_rate_) != delta;
  }
}

void Writer::Step(const StepInput& input) {
  if (!Usable()) return;
  if (steps_ >= kMaxSteps) {
    failed_ = true;
    error_ = "the replay is full (" + std::to_string(kMaxSteps) + " steps)";
    return;
  }
  // A caller that never flushes still writes chunks a reader takes.
  if (unflushed_steps() >= kMaxChunkSteps) Flush();
  bool later_differ = false;
  for (int i = 1; i < kMaxReads; ++i) later_differ |= input.reads[i] != input.reads[0];
  if (input.reads[0] != keys_ || later_differ) {
    // A pass whose steps are still to come may keep its clock record after
    // the keys: the keys matter only to the steps.
    if (pass_steps_ > 0) EndPass();
    if (input.reads[0] != keys_) {
      keys_ = input.reads[0];
      records_.push_back(kKeys);
      media::AppendU16(records_, keys_);
    }
    for (int i = 1; i < kMaxReads; ++i) {
      if (input.reads[i] == input.reads[0]) continue;
      records_.push_back(kLaterRead);
      records_.push_back(static_cast<uint8_t>(i));
      media::AppendU16(records_, input.reads[i]);
    }
    // The later reads hold for one step only.
    if (later_differ) {
      if (!pass_open_) {
        pass_open_ = true;
        pass_has_clock_ = false;
        pass_steps_ = 0;
      }
      ++pass_steps_;
      ++steps_;
      EndPass();
      return;
    }
  }
  if (!pass_open_) {
    pass_open_ = true;
    pass_has_clock_ = false;
    pass_steps_ = 0;
  }
  ++pass_steps_;
  ++steps_;
}

void Writer::EndPass() {
  if (!pass_open_) return;
  pass_open_ = false;
  uint32_t steps = pass_steps_;
  if (pass_has_clock_) {
    if (pass_exact_) {
      records_.push_back(kClockExact);
      uint64_t bits;
      std::memcpy(&bits, &pass_delta_, sizeof bits);
      AppendU64(records_, bits);
    } else {
      const uint32_t in_pass = steps < kMaxPassSteps ? steps : kMaxPassSteps;
      if (pass_rate_ == last_rate_) {
        records_.push_back(static_cast<uint8_t>(kPassSameRate + in_pass));
      } else {
        records_.push_back(static_cast<uint8_t>(kPassNewRate + in_pass));
        AppendVarint(records_, ZigZag(pass_rate_ - last_rate_));
        last_rate_ = pass_rate_;
      }
      steps -= in_pass;
    }
  }
  if (steps > 0) {
    records_.push_back(kSteps);
    AppendVarint(records_, steps);
  }
}

void Writer::Level(uint64_t level_hash) {
  if (!Usable()) return;
  EndPass();
  records_.push_back(kLevel);
  AppendVarint(records_, steps_);
  AppendU64(records_, level_hash);
}

void Writer::Hash(uint64_t world_hash) {
  if (!Usable()) return;
  EndPass();
  records_.push_back(kHash);
  AppendVarint(records_, steps_);
  AppendU64(records_, world_hash);
}

void Writer::Flush() {
  if (!Usable()) return;
  EndPass();
  if (records_.empty()) return;
  const std::vector<uint8_t> chunk = EncodeChunk(chunk_index_, chunk_first_step_, records_);
  Put(chunk.data(), chunk.size());
  ++chunk_index_;
  chunk_first_step_ = steps_;
  records_.clear();
}

void Writer::Finish(uint64_t final_hash) {
  if (!Usable()) return;
  EndPass();
  records_.push_back(kEnd);
  AppendVarint(records_, steps_);
  AppendU64(records_, final_hash);
  Flush();
  finished_ = true;
}

}  // namespace bv::replay
