#include "media/pad_slots.h"

#include <algorithm>

namespace bv::media {

void PadSlots::Attach(int32_t id, std::string name) {
  for (const Pad& p : pads_) {
    if (p.id == id) return;
  }
  int place = kWaiting;
  for (int i = 0; i < kPlaces && place == kWaiting; ++i) {
    if (InPlace(i) == nullptr) place = i;
  }
  pads_.push_back(Pad{id, std::move(name), place});
}

void PadSlots::Detach(int32_t id) {
  auto it = std::find_if(pads_.begin(), pads_.end(), [id](const Pad& p) { return p.id == id; });
  if (it == pads_.end()) return;
  const int freed = it->place;
  pads_.erase(it);
  if (freed == kWaiting) return;
  for (Pad& p : pads_) {
    if (p.place == kWaiting) {
      p.place = freed;
      return;
    }
  }
}

int PadSlots::PlaceOf(int32_t id) const {
  for (const Pad& p : pads_) {
    if (p.id == id) return p.place;
  }
  return kWaiting;
}

const PadSlots::Pad* PadSlots::InPlace(int place) const {
  for (const Pad& p : pads_) {
    if (p.place == place) return &p;
  }
  return nullptr;
}

}  // namespace bv::media
