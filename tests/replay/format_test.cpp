// The .bvr layout: the header, the records, and what a reader makes of a
// damaged, truncated or foreign file.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "media/le_bytes.h"
#include "replay/reader.h"
#include "replay/writer.h"
#include "sim/rules_version.h"

namespace bv::replay {
namespace {

Header TestHeader() {
  Header h;
  h.rules_version = sim::kRulesVersion;
  h.started = 1767225600;
  h.seed = 0xDEADBEEF;
  h.level_number = 3;
  h.transition = -2070;
  h.two_players = 1;
  h.recorder = "brimvale-sim";
  return h;
}

ReplayOptions TestOptions() {
  ReplayOptions o;
  o.settings.hud_trans = 77;
  o.settings.keys[0] = 17;
  o.live.set_level_list({"Kampania", "Inna"});
  o.live.set_selected(1);
  return o;
}

// A small finished replay of `steps` steps: options, a pass a step, a key
// change every 7 steps, a hash every 30.
std::vector<uint8_t> SmallReplay(int steps = 100) {
  MemorySink sink;
  Writer w(sink);
  w.Begin(TestHeader(), TestOptions(), 111);
  for (int i = 0; i < steps; ++i) {
    w.Clock(1.5);
    w.Step(StepInput::Of(static_cast<sim::InputFrame>(i / 7)));
    if (i % 30 == 29) {
      w.Hash(1000 + static_cast<uint64_t>(i));
      w.Flush();
    }
  }
  w.Finish(999);
  return sink.bytes;
}

std::vector<Record> AllRecords(const ReplayFile& f) {
  std::vector<Record> out;
  RecordDecoder d(f.header().fps);
  for (size_t i = 0; i < f.chunk_count(); ++i) {
    const std::vector<uint8_t> raw = f.ChunkRecords(i);
    ByteReader in(raw.data(), raw.size());
    while (!in.done()) out.push_back(d.Next(in));
  }
  return out;
}

TEST(ReplayFormat, HeaderKeepsEveryField) {
  const Header h = TestHeader();
  const auto bytes = EncodeHeader(h);
  ASSERT_EQ(bytes.size(), 64u);
  EXPECT_EQ(std::memcmp(bytes.data(), "BVR\x1a", 4), 0);
  const Header back = DecodeHeader(bytes.data(), bytes.size(), sim::kRulesVersion);
  EXPECT_EQ(back.started, h.started);
  EXPECT_EQ(back.seed, h.seed);
  EXPECT_EQ(back.level_number, 3);
  EXPECT_EQ(back.transition, -2070);
  EXPECT_EQ(back.two_players, 1);
  EXPECT_EQ(back.fps, 90);
  EXPECT_EQ(back.recorder, "brimvale-sim");
  EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>("123456789"), 9), 0xCBF43926u);
}

TEST(ReplayFormat, ForeignAndDamagedHeadersAreNamed) {
  const auto good = EncodeHeader(TestHeader());
  struct Case {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> damage;
    const char* message;
  };
  const Case cases[] = {
      {"a PNG", [](std::vector<uint8_t>& b) { b[0] = 0x89; }, "not a Brimvale replay"},
      {"too short", [](std::vector<uint8_t>& b) { b.resize(20); },
       "truncated: the header needs 64"},
      {"newer format", [](std::vector<uint8_t>& b) { b[4] = 9; },
       "replay format version 9 is not one this build reads (it reads version 1)"},
      {"one bit flipped", [](std::vector<uint8_t>& b) { b[25] ^= 4; }, "damaged header (CRC-32"},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> b(good.begin(), good.end());
    c.damage(b);
    try {
      DecodeHeader(b.data(), b.size(), sim::kRulesVersion);
      ADD_FAILURE() << c.what << " was accepted";
    } catch (const ReplayError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
          << c.what << ": " << e.what();
    }
  }
}

TEST(ReplayFormat, AnotherRulesVersionIsRefusedNamingBoth) {
  Header h = TestHeader();
  h.rules_version = static_cast<uint16_t>(sim::kRulesVersion + 4);
  const auto bytes = EncodeHeader(h);
  try {
    DecodeHeader(bytes.data(), bytes.size(), sim::kRulesVersion);
    FAIL() << "accepted";
  } catch (const ReplayError& e) {
    EXPECT_EQ(std::string(e.what()),
              "recorded under rules version " + std::to_string(sim::kRulesVersion + 4) +
                  "; this build plays rules version " + std::to_string(sim::kRulesVersion));
  }
}

TEST(ReplayFormat, RecordsComeBackInOrder) {
  MemorySink sink;
  Writer w(sink);
  w.Begin(TestHeader(), TestOptions(), 5);
  w.Clock(90.0 / 60);  // a pass at 60 a second, one step
  w.Step(StepInput::Of(3));
  w.Clock(90.0 / 60);  // the same rate, two steps
  w.Step(StepInput::Of(3));
  w.Step(StepInput::Of(3));
  w.Clock(0.7);  // not fps / rate for a whole rate
  StepInput twice = StepInput::Of(0);
  twice.reads[1] = 1u << sim::kEscapeBit;
  w.Step(twice);             // the intro's second read found Escape
  w.Step(StepInput::Of(0));  // a step without a clock advance
  w.Level(77);
  ReplayOptions changed = TestOptions();
  changed.live.set_options_visible(true);
  w.Options(TestOptions());  // unchanged: not recorded
  w.Options(changed);
  w.Hash(88);
  w.Finish(99);
  const ReplayFile f = ReplayFile::FromBytes(sink.bytes);
  EXPECT_TRUE(f.finished());
  EXPECT_EQ(f.steps(), 5u);

  using K = Record::Kind;
  const std::vector<Record> r = AllRecords(f);
  std::vector<K> kinds;
  for (const Record& x : r) kinds.push_back(x.kind);
  const std::vector<K> expected = {K::kOptions, K::kHash,      K::kKeys,  K::kClock, K::kClock,
                                   K::kKeys,    K::kLaterRead, K::kClock, K::kSteps, K::kSteps,
                                   K::kLevel,   K::kOptions,   K::kHash,  K::kEnd};
  ASSERT_EQ(kinds, expected);
  EXPECT_EQ(r[1].step, 0u);
  EXPECT_EQ(r[1].hash, 5u);
  EXPECT_EQ(r[2].frame, 3);
  EXPECT_EQ(r[3].delta, 1.5);
  EXPECT_EQ(r[3].steps, 1u);
  EXPECT_EQ(r[4].steps, 2u);
  EXPECT_EQ(r[5].frame, 0);
  EXPECT_EQ(r[6].read, 1);
  EXPECT_EQ(r[6].frame, 1u << sim::kEscapeBit);
  EXPECT_EQ(r[7].delta, 0.7);
  EXPECT_EQ(r[7].steps, 0u);  // a clock advance that is not a pass's carries no steps
  EXPECT_EQ(r[8].steps, 1u);
  EXPECT_EQ(r[9].steps, 1u);
  EXPECT_EQ(r[10].step, 5u);
  EXPECT_EQ(r[10].hash, 77u);
  EXPECT_TRUE(r[11].options.live.options_visible());
  EXPECT_EQ(r[13].step, 5u);
  EXPECT_EQ(r[13].hash, 99u);
}

TEST(ReplayFormat, OptionsKeepEveryValueTheGameReads) {
  ReplayOptions o;
  o.settings.hud_trans = 1;
  o.settings.map_trans = 2;
  o.settings.p1_color = 0x123456;
  o.settings.p2_color = 0x654321;
  o.settings.en_color = 0xABCDEF;
  o.settings.multi_tryb = 2;
  for (size_t k = 0; k < o.settings.keys.size(); ++k)
    o.settings.keys[k] = static_cast<uint8_t>(200 + k);
  o.live.set_difficulty(-1);
  o.live.set_frag_limit(37);
  o.live.set_point_limit(99999);
  o.live.set_arenamode(false);
  o.live.set_reitem_period(123);
  o.live.set_show_fps(true);
  o.live.set_level_source(settings::LevelSource::kCustom);
  o.live.set_level_list({"Magazyn",
                         std::string("Otch\xb3"
                                     "an"),
                         ""});
  o.live.set_selected(1);
  o.live.set_options_visible(true);
  const std::vector<uint8_t> bytes = EncodeOptions(o);
  const ReplayOptions b = DecodeOptions(bytes.data(), bytes.size());
  EXPECT_EQ(settings::EncodeConfig(b.settings), settings::EncodeConfig(o.settings));
  EXPECT_EQ(b.live.difficulty(), -1);
  EXPECT_EQ(b.live.frag_limit(), 37);
  EXPECT_EQ(b.live.point_limit(), 99999);
  EXPECT_FALSE(b.live.arenamode());
  EXPECT_EQ(b.live.reitem_period(), 123);
  EXPECT_TRUE(b.live.show_fps());
  EXPECT_EQ(b.live.level_source(), settings::LevelSource::kCustom);
  EXPECT_EQ(b.live.level_list(), o.live.level_list());
  EXPECT_EQ(b.live.selected(), 1);
  EXPECT_TRUE(b.live.options_visible());
  EXPECT_EQ(EncodeOptions(b), bytes);
}

TEST(ReplayFormat, BadOptionsRecordsAreRefused) {
  const std::vector<uint8_t> good = EncodeOptions(TestOptions());
  const size_t live = settings::kConfigRecordSize;
  struct Case {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> damage;
  };
  const Case cases[] = {
      {"short", [](std::vector<uint8_t>& b) { b.resize(50); }},
      {"difficulty 7", [&](std::vector<uint8_t>& b) { b[live] = 7; }},
      {"unknown flag", [&](std::vector<uint8_t>& b) { b[live + 8] |= 0x40; }},
      {"selected past the list", [&](std::vector<uint8_t>& b) { b[live + 9] = 2; }},
      {"entry past the end",
       [&](std::vector<uint8_t>& b) {
         b.back() = 0;
         b.pop_back();
       }},
      {"bytes left over", [](std::vector<uint8_t>& b) { b.push_back(0); }},
      {"list too long",
       [&](std::vector<uint8_t>& b) {
         b[live + 11] = 0xFF;
         b[live + 12] = 0xFF;
       }},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> b = good;
    c.damage(b);
    EXPECT_THROW(DecodeOptions(b.data(), b.size()), ReplayError) << c.what;
  }
}

TEST(ReplayFormat, SteadyPassesTakeAboutAByteEach) {
  MemorySink sink;
  Writer w(sink);
  w.Begin(TestHeader(), TestOptions(), 0);
  const size_t start = sink.bytes.size();
  // Ten minutes at 60 passes a second with both players' keys changing
  // twice a second.
  for (int pass = 0; pass < 36000; ++pass) {
    w.Clock(1.5);
    for (int s = 0; s < 1 + pass % 2; ++s) {
      w.Step(StepInput::Of(static_cast<sim::InputFrame>((pass / 30 * 2654435761u) & 0xFFF)));
    }
    if (pass % 60 == 59) {
      w.Hash(static_cast<uint64_t>(pass) * 0x9E3779B97F4A7C15ull);
      w.Flush();
    }
  }
  w.Finish(1);
  EXPECT_LT(sink.bytes.size() - start, 200000u);
  EXPECT_EQ(ReplayFile::FromBytes(sink.bytes).steps(), 54000u);
}

// Every cut of a replay: a cut at a chunk's end leaves a shorter replay,
// any other cut is refused as truncated; every flipped byte is refused.
TEST(ReplayFormat, EveryCutAndEveryFlippedByteIsCaught) {
  const std::vector<uint8_t> good = SmallReplay(100);
  const ReplayFile whole = ReplayFile::FromBytes(good);
  ASSERT_GE(whole.chunk_count(), 4u);
  int shorter = 0;
  for (size_t n = 0; n < good.size(); ++n) {
    std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    try {
      const ReplayFile f = ReplayFile::FromBytes(cut);
      EXPECT_FALSE(f.finished()) << n;
      EXPECT_LT(f.steps(), 100u);
      ++shorter;
    } catch (const ReplayError& e) {
      const std::string what = e.what();
      EXPECT_TRUE(what.find("truncated") != std::string::npos ||
                  what.find("not a Brimvale replay") != std::string::npos)
          << n << ": " << what;
    }
  }
  EXPECT_EQ(shorter, static_cast<int>(whole.chunk_count()) - 1);
  for (size_t i = 0; i < good.size(); ++i) {
    std::vector<uint8_t> bad = good;
    bad[i] ^= 0x10;
    EXPECT_THROW(ReplayFile::FromBytes(bad), ReplayError) << "byte " << i;
  }
}

TEST(ReplayFormat, ChunksOutOfOrderOrAfterTheEndAreRefused) {
  const std::vector<uint8_t> good = SmallReplay(100);
  // The first chunk again after the end.
  std::vector<uint8_t> again = good;
  const uint32_t first_stored = media::ReadU32(&good[kHeaderSize + 16]);
  again.insert(again.end(), good.begin() + kHeaderSize,
               good.begin() + kHeaderSize + kChunkHeaderSize + first_stored);
  try {
    ReplayFile::FromBytes(again);
    FAIL();
  } catch (const ReplayError& e) {
    EXPECT_NE(std::string(e.what()).find("says it is chunk 0"), std::string::npos) << e.what();
  }
}

TEST(ReplayFormat, AWriterNeverFlushedStillWritesChunksAReaderTakes) {
  MemorySink sink;
  Writer w(sink);
  w.Begin(TestHeader(), TestOptions(), 1);
  for (uint32_t i = 0; i < kMaxChunkSteps + 100; ++i) {
    w.Clock(1.0);
    w.Step(StepInput::Of(0));
  }
  w.Finish(2);
  const ReplayFile f = ReplayFile::FromBytes(sink.bytes);
  EXPECT_EQ(f.steps(), kMaxChunkSteps + 100);
  EXPECT_TRUE(f.finished());
}

TEST(ReplayFormat, AChunkOfMoreStepsThanTenMinutesIsRefused) {
  // A few bytes claiming hours of steps would keep a playback busy for long.
  for (const uint32_t steps : {kMaxChunkSteps, kMaxChunkSteps + 1}) {
    SCOPED_TRACE(steps);
    const std::array<uint8_t, kHeaderSize> head = EncodeHeader(TestHeader());
    std::vector<uint8_t> records = {kOptions};
    const std::vector<uint8_t> options = EncodeOptions(TestOptions());
    records.push_back(static_cast<uint8_t>(options.size()));
    records.push_back(static_cast<uint8_t>(options.size() >> 8));
    records.insert(records.end(), options.begin(), options.end());
    records.push_back(kSteps);
    AppendVarint(records, steps);
    std::vector<uint8_t> bytes(head.begin(), head.end());
    const std::vector<uint8_t> chunk = EncodeChunk(0, 0, records);
    bytes.insert(bytes.end(), chunk.begin(), chunk.end());
    if (steps == kMaxChunkSteps) {
      EXPECT_EQ(ReplayFile::FromBytes(bytes).steps(), steps);
      continue;
    }
    try {
      ReplayFile::FromBytes(bytes);
      FAIL();
    } catch (const ReplayError& e) {
      EXPECT_NE(std::string(e.what()).find("steps in one chunk"), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace bv::replay
