#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "settings/config_table.h"

namespace bv::settings {

// config.dat: one 44-byte record, little-endian, no header. Every field keeps
// the value its bytes hold; ranges are the options window's business.
using ConfigBytes = std::array<uint8_t, kConfigRecordSize>;

// The record as named fields. A fresh record holds every setting's default.
struct ConfigRecord {
  ConfigRecord();

  uint8_t hud_trans;
  uint8_t map_trans;
  uint32_t p1_color;  // 0x00BBGGRR
  uint32_t p2_color;
  uint32_t en_color;
  uint8_t dif_level;
  uint8_t multi_tryb;
  uint8_t frag_limit;
  int32_t point_limit;
  uint16_t reitem_period;
  // Boolean bytes as stored: any non-zero byte reads as on.
  uint8_t arenamode;
  uint8_t anti;
  uint8_t dirt;
  uint8_t showfps;
  // c1_up .. c1_atack, then c2_up .. c2_atack.
  std::array<uint8_t, kConfigKeyCount> keys;
};

// A setting's value in the record, and the record's field set to a value
// (kept to the field's width, as its bytes would hold it).
int64_t FieldValue(const ConfigRecord& record, Setting s);
void SetField(ConfigRecord& record, Setting s, int64_t value);

// The value a setting's bytes hold: sign-extended when signed, a boolean
// byte as stored (a 7 stays 7).
int64_t StoredValue(const ConfigBytes& bytes, Setting s);

// Reads every field from its bytes; the reserved bytes are ignored.
ConfigRecord DecodeConfig(const ConfigBytes& bytes);

// Writes every field; the reserved bytes become 0, the boolean bytes 0 or 1.
ConfigBytes EncodeConfig(const ConfigRecord& record);

}  // namespace bv::settings
