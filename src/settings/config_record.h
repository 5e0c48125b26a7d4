#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace bv::settings {

// config.dat: one 44-byte record, little-endian, no header. Every field keeps
// the value its bytes hold; ranges are the options window's business.
constexpr std::size_t kConfigRecordSize = 44;
using ConfigBytes = std::array<uint8_t, kConfigRecordSize>;

// Six keys per player in the file's order (change weapon before attack,
// unlike the world's key_codes).
enum ConfigKey : int { kKeyUp, kKeyDown, kKeyLeft, kKeyRight, kKeyChange, kKeyAttack };
constexpr int kConfigKeysPerPlayer = 6;

struct ConfigRecord {
  uint8_t hud_trans = 102;
  uint8_t map_trans = 153;
  uint32_t p1_color = 16744448;  // 0x00BBGGRR
  uint32_t p2_color = 65280;
  uint32_t en_color = 255;
  uint8_t dif_level = 3;
  uint8_t multi_tryb = 0;
  uint8_t frag_limit = 10;
  int32_t point_limit = 5000;
  uint16_t reitem_period = 600;
  // Boolean bytes: any non-zero byte reads as on; written as 0 or 1.
  uint8_t arenamode = 1;
  uint8_t anti = 0;
  uint8_t dirt = 0;
  uint8_t showfps = 0;
  // c1_up .. c1_atack, then c2_up .. c2_atack.
  std::array<uint8_t, 2 * kConfigKeysPerPlayer> keys{200, 208, 203, 205, 82, 28,
                                                     17,  31,  30,  32,  16, 47};
};

// Field offsets in the file.
namespace config_offset {
constexpr std::size_t kHudTrans = 0, kMapTrans = 1, kP1Color = 4, kP2Color = 8, kEnColor = 12,
                      kDifLevel = 16, kMultiTryb = 17, kFragLimit = 18, kPointLimit = 20,
                      kReitemPeriod = 24, kArenamode = 26, kAnti = 27, kDirt = 28, kShowfps = 29,
                      kKeys = 30;
// Written as 0, ignored on reading.
constexpr std::array<std::size_t, 5> kReserved{2, 3, 19, 42, 43};
}  // namespace config_offset

// Reads every field from its bytes; the reserved bytes are ignored.
ConfigRecord DecodeConfig(const ConfigBytes& bytes);

// Writes every field; the reserved bytes become 0, the boolean bytes 0 or 1.
ConfigBytes EncodeConfig(const ConfigRecord& record);

}  // namespace bv::settings
