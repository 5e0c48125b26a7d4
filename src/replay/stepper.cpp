#include "replay/stepper.h"

#include <memory>

#include "game/phases.h"
#include "sim/play_clock.h"
#include "sim/tick.h"

namespace bv::replay {

void Stepper::Start(const Header& header, const ReplayOptions& options) {
  world_ = *std::make_unique<game::World>();  // too large for the stack
  game::SetStartValues(world_);
  world_.random.Seed(header.seed);
  world_.level_number = header.level_number;
  world_.two_players = header.two_players;
  world_.transition = header.transition;
  ApplyOptions(options);
  steps_ = 0;
  set_up_level_ = false;
}

void Stepper::ApplyOptions(const ReplayOptions& options) {
  replay::ApplyOptions(options, world_, options_);
}

void Stepper::AdvanceClock(double delta) {
  sim::AdvancePlayClock(world_, delta);
}

void Stepper::Step(const StepInput& input) {
  set_up_level_ = world_.transition == game::kSetupPoint;
  keys_.set_input(input);
  sim::RunTick(world_, sim::TickServices{keys_, *sounds_, options_, host_, levels_});
  ++steps_;
}

}  // namespace bv::replay
