#include "tools/soak/random_play.h"

#include "game/level_setup.h"
#include "game/phases.h"
#include "game/settings_mirror.h"
#include "settings/config_record.h"
#include "sim/tick.h"

namespace bv::soak {

int32_t RandomKeys::Update() {
  for (int k = 0; k < game::kKeyCount; ++k) {
    // A held key lets go sooner than a free one is pressed.
    const bool down = (held_ >> k) & 1;
    if (rng_.Below(down ? 40 : 90) == 0) held_ ^= static_cast<uint16_t>(1u << k);
  }
  table_.Clear();
  for (int k = 0; k < game::kKeyCount; ++k)
    if ((held_ >> k) & 1) table_.Set(world_.key_codes[static_cast<size_t>(k)], true);
  table_.Set(game::kKeyEscape, rng_.Below(1000000) < escape_per_million_);
  return 0;
}

void CountingHost::OpenOptions() {
  options_.set_options_visible(true);
  open_for_ = 1 + rng_.Below(120);
}

void CountingHost::LevelSetUp(int level, const game::SetupResult& result) {
  ++setups;
  if (result.status == game::SetupStatus::kFileError) ++failed_setups;
  last_level = level;
}

void CountingHost::CloseOptionsWhenDue() {
  if (open_for_ < 0) return;
  if (--open_for_ < 0) options_.set_options_visible(false);
}

RandomPlay::RandomPlay(game::LevelStore& levels, uint64_t seed)
    : levels_(levels),
      rng_(seed),
      world_(std::make_unique<game::World>()),
      host_(options_, rng_),
      keys_(*world_, rng_) {}

void RandomPlay::Start(const GameStart& s) {
  game::SetStartValues(*world_);
  world_->random.Seed(static_cast<uint32_t>(rng_.Next()));
  options_ = settings::LiveOptions();
  options_.set_level_source(s.source);
  options_.set_level_list({s.entry});
  options_.set_difficulty(s.difficulty);
  options_.set_arenamode(s.arenamode);
  options_.set_reitem_period(s.reitem_period);
  options_.set_frag_limit(s.frag_limit);
  options_.set_point_limit(s.point_limit);
  game::MirrorSettings(settings::ConfigRecord{}, *world_);
  world_->game_mode = s.mode;
  world_->two_players = s.two_players;
  if (s.level >= 2) {
    // Later levels carry the first level's equipment over, as in a campaign.
    world_->level_number = 1;
    game::SetupLevel(*world_, options_, levels_, 1, s.two_players);
  }
  world_->level_number = s.level;
  world_->transition = 0;  // the level change to the first level
  host_.closed = false;
  start_level_ = s.level;
  game_ticks_ = 0;
}

void RandomPlay::Tick() {
  host_.CloseOptionsWhenDue();
  sim::RunTick(*world_, sim::TickServices{keys_, host_, options_, host_, levels_});
  ++ticks_;
  ++game_ticks_;
}

bool RandomPlay::Over() const {
  if (host_.closed) return true;
  // Back on the menu level, with the shutters open again.
  return start_level_ != 0 && world_->level_number == 0 && world_->transition >= game::kPlayStart &&
         game_ticks_ > game::kPlayStart / 4;
}

}  // namespace bv::soak
