#include "replay/player.h"

#include "replay/writer.h"
#include "sim/world_hash.h"

namespace bv::replay {

Player::Player(const ReplayFile& file, Stepper& stepper)
    : file_(file), stepper_(stepper), decoder_(file.header().fps) {}

std::optional<Record> Player::Next() {
  if (ahead_) {
    std::optional<Record> r = std::move(ahead_);
    ahead_.reset();
    return r;
  }
  while (raw_pos_ >= raw_.size()) {
    if (chunk_ >= file_.chunk_count()) return std::nullopt;
    raw_ = file_.ChunkRecords(chunk_++);
    raw_pos_ = 0;
  }
  ByteReader in(raw_.data() + raw_pos_, raw_.size() - raw_pos_);
  Record r = decoder_.Next(in);
  raw_pos_ += in.pos();
  return r;
}

void Player::Start() {
  std::optional<Record> first = Next();
  // The file was checked when it was opened: it starts with the options.
  if (!first || first->kind != Record::Kind::kOptions) {
    throw ReplayError("the first record is not the start options");
  }
  stepper_.Start(file_.header(), first->options);
  ChecksAfterStep();
}

void Player::Check(const Record& r) {
  const game::World& w = stepper_.world();
  ++checks_;
  const bool level = r.kind == Record::Kind::kLevel;
  const uint64_t now = level ? LevelHash(w) : sim::WorldHash(w);
  if (now == r.hash || divergence_) return;
  std::string reason = "replay diverged at step " + std::to_string(r.step);
  reason +=
      level ? ": the level set up is not the recorded one (other level files?)"
            : ": world hash " + sim::WorldHashHex(now) + ", recorded " + sim::WorldHashHex(r.hash);
  divergence_ = Divergence{r.step, reason};
}

void Player::Apply(const Record& r) {
  switch (r.kind) {
    case Record::Kind::kClock:
      stepper_.AdvanceClock(r.delta);
      remaining_ = r.steps;
      break;
    case Record::Kind::kSteps:
      remaining_ = r.steps;
      break;
    case Record::Kind::kKeys:
      keys_ = r.frame;
      break;
    case Record::Kind::kLaterRead:
      later_[static_cast<size_t>(r.read)] = r.frame;
      break;
    case Record::Kind::kOptions:
      stepper_.ApplyOptions(r.options);
      break;
    case Record::Kind::kHash:
    case Record::Kind::kLevel:
    case Record::Kind::kEnd:
      Check(r);
      break;
  }
}

void Player::ChecksAfterStep() {
  for (;;) {
    std::optional<Record> r = Next();
    if (!r) return;
    if (r->kind != Record::Kind::kHash && r->kind != Record::Kind::kLevel &&
        r->kind != Record::Kind::kEnd) {
      ahead_ = std::move(r);
      return;
    }
    Apply(*r);
  }
}

bool Player::Step() {
  while (remaining_ == 0) {
    std::optional<Record> r = Next();
    if (!r) return false;
    Apply(*r);
  }
  StepInput input = StepInput::Of(keys_);
  for (size_t i = 1; i < later_.size(); ++i) {
    if (later_[i]) input.reads[i] = *later_[i];
    later_[i].reset();
  }
  stepper_.Step(input);
  --remaining_;
  if (remaining_ == 0) ChecksAfterStep();
  return true;
}

}  // namespace bv::replay
