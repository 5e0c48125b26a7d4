#include "replay/records.h"

#include <cstring>
#include <string>

#include "game/settings_mirror.h"
#include "media/le_bytes.h"
#include "replay/format.h"

namespace bv::replay {

namespace {

// Live option flags.
constexpr uint8_t kFlagArenamode = 1;
constexpr uint8_t kFlagShowFps = 2;
constexpr uint8_t kFlagVisible = 4;
constexpr uint8_t kFlagCustom = 8;
constexpr uint8_t kKnownFlags = 15;

// difficulty i8, frag u8, point i32, period u16, flags u8, selected i16, count u16.
constexpr size_t kLiveFixedSize = 1 + 1 + 4 + 2 + 1 + 2 + 2;

[[noreturn]] void Bad(const std::string& what) {
  throw ReplayError("damaged options record (" + what + ")");
}

}  // namespace

ReplayOptions CaptureOptions(const game::World& world, const settings::LiveOptions& live) {
  ReplayOptions o;
  o.live = live;
  settings::ConfigRecord& r = o.settings;
  game::SaveMirroredSettings(world, r);
  for (int k = 0; k < settings::kConfigKeyCount; ++k) {
    r.keys[static_cast<size_t>(k)] = world.key_codes[static_cast<size_t>(game::KeyCodeSlot(k))];
  }
  // The live settings too, so the record reads as the settings at that moment.
  r.dif_level = static_cast<uint8_t>(live.difficulty());
  r.frag_limit = static_cast<uint8_t>(live.frag_limit());
  r.point_limit = live.point_limit();
  r.reitem_period = static_cast<uint16_t>(live.reitem_period());
  r.arenamode = live.arenamode() ? 1 : 0;
  r.showfps = live.show_fps() ? 1 : 0;
  r.anti = 0;
  r.dirt = 0;
  return o;
}

void ApplyOptions(const ReplayOptions& o, game::World& world, settings::LiveOptions& live) {
  game::MirrorSettings(o.settings, world);
  live = o.live;
}

std::vector<uint8_t> EncodeOptions(const ReplayOptions& o) {
  const settings::ConfigBytes record = settings::EncodeConfig(o.settings);
  std::vector<uint8_t> out(record.begin(), record.end());
  const settings::LiveOptions& l = o.live;
  out.push_back(static_cast<uint8_t>(static_cast<int8_t>(l.difficulty())));
  out.push_back(static_cast<uint8_t>(l.frag_limit()));
  media::AppendI32(out, l.point_limit());
  media::AppendU16(out, static_cast<uint16_t>(l.reitem_period()));
  uint8_t flags = 0;
  if (l.arenamode()) flags |= kFlagArenamode;
  if (l.show_fps()) flags |= kFlagShowFps;
  if (l.options_visible()) flags |= kFlagVisible;
  if (l.level_source() == settings::LevelSource::kCustom) flags |= kFlagCustom;
  out.push_back(flags);
  media::AppendU16(out, static_cast<uint16_t>(static_cast<int16_t>(l.selected())));
  const size_t count = std::min(l.level_list().size(), kMaxLevelListEntries);
  media::AppendU16(out, static_cast<uint16_t>(count));
  for (size_t i = 0; i < count; ++i) {
    const std::string& e = l.level_list()[i];
    const size_t n = std::min<size_t>(e.size(), 255);
    out.push_back(static_cast<uint8_t>(n));
    out.insert(out.end(), e.begin(), e.begin() + static_cast<std::ptrdiff_t>(n));
  }
  return out;
}

ReplayOptions DecodeOptions(const uint8_t* data, size_t size) {
  if (size < settings::kConfigRecordSize + kLiveFixedSize) {
    Bad(std::to_string(size) + " bytes, at least " +
        std::to_string(settings::kConfigRecordSize + kLiveFixedSize) + " needed");
  }
  ReplayOptions o;
  settings::ConfigBytes record;
  std::memcpy(record.data(), data, record.size());
  o.settings = settings::DecodeConfig(record);
  const uint8_t* p = data + settings::kConfigRecordSize;
  const int difficulty = static_cast<int8_t>(p[0]);
  if (difficulty < -1 || difficulty >= settings::LiveOptions::kDifficultyCount) {
    Bad("difficulty " + std::to_string(difficulty));
  }
  const int frag = p[1];
  const int32_t point = media::ReadI32(p + 2);
  const int period = media::ReadU16(p + 6);
  const uint8_t flags = p[8];
  const int selected = static_cast<int16_t>(media::ReadU16(p + 9));
  const size_t count = media::ReadU16(p + 11);
  if ((flags & ~kKnownFlags) != 0) Bad("unknown flags " + std::to_string(flags));
  if (count > kMaxLevelListEntries) Bad(std::to_string(count) + " level list entries");
  settings::LiveOptions& l = o.live;
  l.set_difficulty(difficulty);
  // Out-of-range limits are clamped, as the options window's bars would.
  l.set_frag_limit(frag);
  l.set_point_limit(point);
  l.set_reitem_period(period);
  l.set_arenamode((flags & kFlagArenamode) != 0);
  l.set_show_fps((flags & kFlagShowFps) != 0);
  l.set_options_visible((flags & kFlagVisible) != 0);
  l.set_level_source((flags & kFlagCustom) != 0 ? settings::LevelSource::kCustom
                                                : settings::LevelSource::kCampaign);
  ByteReader in(p + kLiveFixedSize, size - settings::kConfigRecordSize - kLiveFixedSize);
  std::vector<std::string> list;
  list.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const size_t n = in.U8();
    const uint8_t* text = in.Take(n);
    list.emplace_back(reinterpret_cast<const char*>(text), n);
  }
  if (!in.done()) Bad(std::to_string(size - in.pos()) + " bytes too many");
  l.set_level_list(std::move(list));
  if (selected < -1 || selected >= static_cast<int>(count)) {
    Bad("selected entry " + std::to_string(selected) + " of " + std::to_string(count));
  }
  l.set_selected(selected);
  return o;
}

void AppendVarint(std::vector<uint8_t>& out, uint64_t v) {
  while (v >= 0x80) {
    out.push_back(static_cast<uint8_t>(v | 0x80));
    v >>= 7;
  }
  out.push_back(static_cast<uint8_t>(v));
}

void ByteReader::Short(const char* what) const {
  throw ReplayError(std::string("a record ends early (") + what + " at record byte " +
                    std::to_string(pos_) + ")");
}

uint8_t ByteReader::U8() {
  if (size_ - pos_ < 1) Short("a byte");
  return data_[pos_++];
}

uint16_t ByteReader::U16() {
  if (size_ - pos_ < 2) Short("a 16-bit field");
  const uint16_t v = media::ReadU16(data_ + pos_);
  pos_ += 2;
  return v;
}

uint64_t ByteReader::U64() {
  if (size_ - pos_ < 8) Short("a 64-bit field");
  const uint64_t v = media::ReadU32(data_ + pos_) |
                     (static_cast<uint64_t>(media::ReadU32(data_ + pos_ + 4)) << 32);
  pos_ += 8;
  return v;
}

double ByteReader::F64() {
  const uint64_t bits = U64();
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

uint64_t ByteReader::Varint() {
  uint64_t v = 0;
  for (int shift = 0; shift < 64; shift += 7) {
    const uint8_t b = U8();
    v |= static_cast<uint64_t>(b & 0x7F) << shift;
    if ((b & 0x80) == 0) return v;
  }
  throw ReplayError("a number in a record runs past 64 bits (record byte " + std::to_string(pos_) +
                    ")");
}

const uint8_t* ByteReader::Take(size_t n) {
  if (size_ - pos_ < n) Short("a text");
  const uint8_t* p = data_ + pos_;
  pos_ += n;
  return p;
}

}  // namespace bv::replay
