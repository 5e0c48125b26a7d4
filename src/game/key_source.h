#pragma once

#include <array>
#include <cstdint>

namespace bv::game {

// Key codes: PC set-1 scan codes, extended keys plus 128 (arrow up 200, Escape 1).
constexpr uint8_t kKeyEscape = 1;

// Where the tick reads the keyboard: refreshed once by Update, then queried per key.
class KeySource {
 public:
  virtual ~KeySource() = default;
  // Refreshes the key table; 0 on success or a media error code.
  virtual int32_t Update() = 0;
  // True when the key was held at the last successful Update.
  virtual bool KeyDown(uint8_t code) const = 0;
};

// A plain 256-entry key table that the caller fills; Update keeps it as it is.
class KeyTable final : public KeySource {
 public:
  int32_t Update() override { return 0; }
  bool KeyDown(uint8_t code) const override { return (table_[code] & 0x80) != 0; }
  void Set(uint8_t code, bool down) { table_[code] = down ? 0x80 : 0; }
  void Clear() { table_.fill(0); }

 private:
  std::array<uint8_t, 256> table_{};
};

}  // namespace bv::game
