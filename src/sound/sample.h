#pragma once

struct Mix_Chunk;

namespace bv::sound {

// A sample as the world's resources hold it (Resources::sounds). The sound
// bank owns it for its whole life; chunk is null while the sample is silent.
struct Sample {
  Mix_Chunk* chunk = nullptr;
};

}  // namespace bv::sound
