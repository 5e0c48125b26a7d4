#pragma once

struct Mix_Chunk;

namespace bv::sound {

// One loaded sample. The sound bank owns it for its whole life; chunk is
// null while the sample is silent.
struct Sample {
  Mix_Chunk* chunk = nullptr;
};

}  // namespace bv::sound
