#include "replay/reader.h"

#include <zlib.h>

#include <limits>

#include "media/binary_file.h"
#include "media/le_bytes.h"
#include "sim/rules_version.h"

namespace bv::replay {

namespace {

std::string ChunkName(size_t i, size_t offset) {
  return "chunk " + std::to_string(i) + " (at byte " + std::to_string(offset) + ")";
}

}  // namespace

Record RecordDecoder::Next(ByteReader& in) {
  Record r;
  const uint8_t code = in.U8();
  if (code <= kPassSameRate + kMaxPassSteps ||
      (code >= kPassNewRate && code <= kPassNewRate + kMaxPassSteps)) {
    r.kind = Record::Kind::kClock;
    r.steps = code & 0x0F;
    if (code >= kPassNewRate) {
      const uint64_t coded = in.Varint();
      const int64_t change = UnZigZag(coded);
      // Both within 32 bits, so the sum cannot overflow.
      if (change < -(int64_t{1} << 32) || change > (int64_t{1} << 32)) {
        throw ReplayError("a pass's rate is out of range");
      }
      last_rate_ += change;
    }
    if (last_rate_ < 1 || last_rate_ > std::numeric_limits<int32_t>::max()) {
      throw ReplayError("a pass's rate is out of range (" + std::to_string(last_rate_) + ")");
    }
    r.delta = static_cast<double>(fps_) / static_cast<double>(last_rate_);
    return r;
  }
  switch (code) {
    case kClockExact:
      r.kind = Record::Kind::kClock;
      r.delta = in.F64();
      return r;
    case kSteps: {
      r.kind = Record::Kind::kSteps;
      const uint64_t n = in.Varint();
      if (n < 1 || n > kMaxSteps)
        throw ReplayError("a step run of " + std::to_string(n) + " steps");
      r.steps = static_cast<uint32_t>(n);
      return r;
    }
    case kKeys:
    case kLaterRead: {
      r.kind = code == kKeys ? Record::Kind::kKeys : Record::Kind::kLaterRead;
      if (code == kLaterRead) {
        r.read = in.U8();
        if (r.read < 1 || r.read >= kMaxReads) {
          throw ReplayError("a key read numbered " + std::to_string(r.read));
        }
      }
      const uint16_t frame = in.U16();
      if ((frame & ~sim::kInputFrameMask) != 0) {
        throw ReplayError("a key frame with unknown keys (" + std::to_string(frame) + ")");
      }
      r.frame = frame;
      return r;
    }
    case kOptions: {
      r.kind = Record::Kind::kOptions;
      const uint16_t size = in.U16();
      r.options = DecodeOptions(in.Take(size), size);
      return r;
    }
    case kHash:
    case kLevel:
    case kEnd: {
      r.kind = code == kHash    ? Record::Kind::kHash
               : code == kLevel ? Record::Kind::kLevel
                                : Record::Kind::kEnd;
      const uint64_t step = in.Varint();
      if (step > kMaxSteps) throw ReplayError("a hash after " + std::to_string(step) + " steps");
      r.step = static_cast<uint32_t>(step);
      r.hash = in.U64();
      return r;
    }
    default:
      throw ReplayError("unknown record code " + std::to_string(code) + " at record byte " +
                        std::to_string(in.pos() - 1));
  }
}

ReplayFile ReplayFile::Load(const std::string& path) {
  std::vector<uint8_t> bytes;
  switch (media::ReadWholeFile(path, kMaxFileSize, &bytes)) {
    case media::WholeFileStatus::kOk:
      break;
    case media::WholeFileStatus::kCannotOpen:
      throw ReplayError(path + ": cannot be opened");
    case media::WholeFileStatus::kReadError:
      throw ReplayError(path + ": cannot be read");
    case media::WholeFileStatus::kTooLarge:
      throw ReplayError(path + ": larger than a replay can be (" +
                        std::to_string(kMaxFileSize >> 20) + " MiB)");
  }
  try {
    return FromBytes(std::move(bytes));
  } catch (const ReplayError& e) {
    throw ReplayError(path + ": " + e.what());
  }
}

ReplayFile ReplayFile::FromBytes(std::vector<uint8_t> bytes) {
  if (bytes.size() > kMaxFileSize) throw ReplayError("larger than a replay can be");
  ReplayFile f;
  f.bytes_ = std::move(bytes);
  const std::vector<uint8_t>& b = f.bytes_;
  f.header_ = DecodeHeader(b.data(), b.size(), sim::kRulesVersion);

  size_t pos = kHeaderSize;
  uint32_t first_step = 0;
  while (pos < b.size()) {
    const size_t i = f.chunks_.size();
    const std::string name = ChunkName(i, pos);
    if (b.size() - pos < kChunkHeaderSize) {
      throw ReplayError("truncated: " + name + " needs a " + std::to_string(kChunkHeaderSize) +
                        "-byte header, the file ends " + std::to_string(b.size() - pos) +
                        " bytes on");
    }
    const uint8_t* h = &b[pos];
    if (media::ReadU32(h) != kChunkTag) throw ReplayError("damaged: " + name + " has no CHNK tag");
    Chunk c;
    c.offset = pos;
    c.raw_size = media::ReadU32(h + 12);
    c.stored_size = media::ReadU32(h + 16);
    if (b.size() - pos - kChunkHeaderSize < c.stored_size) {
      throw ReplayError("truncated: " + name + " needs " + std::to_string(c.stored_size) +
                        " packed bytes, the file holds " +
                        std::to_string(b.size() - pos - kChunkHeaderSize));
    }
    uint32_t crc = Crc32(h, kChunkHeaderSize - 4);
    crc = Crc32(h + kChunkHeaderSize, c.stored_size, crc);
    if (crc != media::ReadU32(h + 20)) throw ReplayError("damaged: " + name + " fails its CRC-32");
    if (media::ReadU32(h + 4) != i) {
      throw ReplayError("damaged: " + name + " says it is chunk " +
                        std::to_string(media::ReadU32(h + 4)));
    }
    if (media::ReadU32(h + 8) != first_step) {
      throw ReplayError("damaged: " + name + " starts at step " +
                        std::to_string(media::ReadU32(h + 8)) + ", not " +
                        std::to_string(first_step));
    }
    if (c.raw_size == 0 || c.raw_size > kMaxChunkRaw) {
      throw ReplayError("damaged: " + name + " unpacks to " + std::to_string(c.raw_size) +
                        " bytes");
    }
    f.chunks_.push_back(c);
    pos += kChunkHeaderSize + c.stored_size;
    // Steps are counted as the records are checked, chunk by chunk.
    f.CheckRecords();
    first_step = f.steps_;
  }
  if (f.chunks_.empty()) throw ReplayError("truncated: the replay holds no records");
  return f;
}

std::vector<uint8_t> ReplayFile::Unpack(size_t i) const {
  const Chunk& c = chunks_[i];
  std::vector<uint8_t> raw(c.raw_size);
  uLongf size = c.raw_size;
  const int rc = uncompress(raw.data(), &size, &bytes_[c.offset + kChunkHeaderSize], c.stored_size);
  if (rc != Z_OK || size != c.raw_size) {
    throw ReplayError("damaged: " + ChunkName(i, c.offset) + " does not unpack to its " +
                      std::to_string(c.raw_size) + " bytes");
  }
  return raw;
}

std::vector<uint8_t> ReplayFile::ChunkRecords(size_t i) const {
  return Unpack(i);
}

// Checks the newest chunk's records; the decoder and the step count carry
// over from the chunks before.
void ReplayFile::CheckRecords() {
  const size_t i = chunks_.size() - 1;
  const std::string name = ChunkName(i, chunks_[i].offset);
  if (finished_) throw ReplayError("damaged: " + name + " follows the end record");
  if (i == 0) decoder_state_ = RecordDecoder(header_.fps);
  const std::vector<uint8_t> raw = Unpack(i);
  ByteReader in(raw.data(), raw.size());
  bool first = true;
  const uint32_t chunk_first_step = steps_;
  try {
    while (!in.done()) {
      const Record r = decoder_state_.Next(in);
      if (i == 0 && first && r.kind != Record::Kind::kOptions) {
        throw ReplayError("the first record is not the start options");
      }
      first = false;
      if (finished_) throw ReplayError("records follow the end record");
      switch (r.kind) {
        case Record::Kind::kClock:
        case Record::Kind::kSteps:
          if (r.steps > kMaxSteps - steps_) throw ReplayError("more steps than a replay holds");
          steps_ += r.steps;
          if (steps_ - chunk_first_step > kMaxChunkSteps) {
            throw ReplayError("more than " + std::to_string(kMaxChunkSteps) + " steps in one chunk");
          }
          break;
        case Record::Kind::kHash:
        case Record::Kind::kLevel:
        case Record::Kind::kEnd:
          if (r.step != steps_) {
            throw ReplayError("a hash says " + std::to_string(r.step) + " steps, " +
                              std::to_string(steps_) + " were recorded");
          }
          if (r.kind != Record::Kind::kLevel) {
            last_hash_ = r.hash;
            last_hash_step_ = r.step;
          }
          if (r.kind == Record::Kind::kEnd) finished_ = true;
          break;
        default:
          break;
      }
    }
  } catch (const ReplayError& e) {
    throw ReplayError("damaged: " + name + ": " + e.what());
  }
}

}  // namespace bv::replay
