#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bv::media {

// Which pad drives which player. The first pad plugged in takes player 1's
// place, the second player 2's; later ones wait. A place stays its pad's
// until the pad is pulled out, and then the pad that has waited longest
// takes it, so plugging a pad in never moves another one.
class PadSlots {
 public:
  static constexpr int kPlaces = 2;
  static constexpr int kWaiting = -1;

  struct Pad {
    int32_t id;        // the pad's identity while plugged in (SDL's instance id)
    std::string name;  // as the pad reports it, UTF-8
    int place;         // 0, 1 or kWaiting
  };

  // A pad plugged in; a second Attach of the same id changes nothing.
  void Attach(int32_t id, std::string name);
  // A pad pulled out (unknown ids are ignored); its place goes on.
  void Detach(int32_t id);

  // 0, 1, kWaiting; kWaiting also for unknown ids.
  int PlaceOf(int32_t id) const;
  // The pad in a place, or null.
  const Pad* InPlace(int place) const;
  // Every pad, in the order plugged in.
  const std::vector<Pad>& pads() const { return pads_; }

 private:
  std::vector<Pad> pads_;
};

}  // namespace bv::media
