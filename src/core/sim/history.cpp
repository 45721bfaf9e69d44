#include "core/sim/history.h"

namespace tav2 {

History::History(Machine& machine, ProcessorState& state, Engine& engine, ScreenGrid* grid)
    : machine_(machine),
      state_(state),
      engine_(engine),
      grid_(grid),
      replay_(machine, state, silentDisplay_) {}

void History::Clear() {
  started_ = false;
  engine_.ObserveFrom(0);
  checkpoints_.clear();
  words_.clear();
  wordBase_ = 0;
  screens_.Clear();
  keys_.Clear();
  inService_ = false;
}

bool History::Stale() const { return machine_.mcrom.Generation() != generation_; }

void History::EnsureStarted() {
  if (started_ && !Stale()) return;
  Clear();
  started_ = true;
  generation_ = machine_.mcrom.Generation();
  Push(false);
}

bool History::CanGoBack() const {
  if (!started_ || Stale() || inService_) return false;
  return checkpoints_.size() > 1 || state_.microSteps != checkpoints_.front().state.microSteps;
}

void History::Push(bool edit) {
  checkpoints_.push_back({state_, machine_.halted, edit, WordsMark(), screens_.Mark(), keys_.Position()});
  engine_.ObserveFrom(state_.instructions + kCheckpointInterval);
}

// Keeps `depth_` instructions: the oldest checkpoint goes once the next one
// reaches back that far, or when the records outgrow the byte limit.
void History::Trim() {
  while (checkpoints_.size() > 1 &&
         (state_.instructions - checkpoints_[1].state.instructions >= depth_ || Bytes() > byteLimit_)) {
    DropOldest();
  }
}

void History::DropOldest() {
  checkpoints_.pop_front();
  const Checkpoint& first = checkpoints_.front();
  while (wordBase_ < first.words && !words_.empty()) {
    words_.pop_front();
    ++wordBase_;
  }
  screens_.DropBefore(first.screens);
  keys_.DropBefore(first.keys);
}

void History::ClocksStarting() {
  if (!started_ || Stale()) {
    EnsureStarted();
    return;
  }
  Push(false);
  Trim();
}

void History::ServiceStarting() {
  if (!started_) return;
  inService_ = true;
  if (grid_ != nullptr) beforeService_ = *grid_;
}

void History::ServiceClockEnded() {
  if (!started_ || !inService_) return;
  inService_ = false;
  if (grid_ != nullptr) screens_.Record(beforeService_, *grid_);
  Push(false);
  Trim();
}

void History::WordWriting(uint16_t address, uint16_t oldValue) {
  if (started_ && !restoring_) words_.push_back({address, oldValue});
}

void History::EditStarting() { EnsureStarted(); }

void History::EditMade() {
  Push(true);
  Trim();
}

bool History::AtEditOnly() const {
  const Checkpoint& last = checkpoints_.back();
  return last.edit && checkpoints_.size() > 1 && state_.microSteps == last.state.microSteps;
}

BackResult History::BackClock() {
  if (!CanGoBack()) return BackResult::Nothing;
  if (AtEditOnly()) return UndoEdit();
  const uint64_t target = state_.microSteps - 1;
  const std::size_t index = LatestAtOrBefore(target, checkpoints_.size());
  if (index == checkpoints_.size()) return BackResult::Nothing;
  Restore(index);
  ReplayToMicroStep(target);
  Finish();
  return BackResult::Done;
}

BackResult History::BackInstruction() {
  if (!CanGoBack()) return BackResult::Nothing;
  if (AtEditOnly()) return UndoEdit();
  const bool between = state_.AtInstructionStart();
  std::size_t index = checkpoints_.size();
  uint64_t target = state_.instructions;
  if (!between || target > 0) {
    if (between) --target;
    index = LatestBeforeInstruction(target);
  }
  if (index == checkpoints_.size()) {
    Restore(0);
    Finish();
    return BackResult::ReachedStart;
  }
  Restore(index);
  ReplayToInstruction(target);
  Finish();
  return BackResult::Done;
}

// The state before the edit is the one the clocks gave at the same micro-step.
BackResult History::UndoEdit() {
  const uint64_t target = state_.microSteps;
  const std::size_t index = LatestAtOrBefore(target, checkpoints_.size() - 1);
  if (index == checkpoints_.size() - 1) return BackResult::Nothing;
  Restore(index);
  ReplayToMicroStep(target);
  Finish();
  return BackResult::Done;
}

void History::UndoAbortedService(bool toInstructionStart) {
  if (!started_ || checkpoints_.empty()) return;
  if (toInstructionStart) {
    const uint64_t target = state_.instructions;
    const std::size_t index = LatestBeforeInstruction(target);
    Restore(index == checkpoints_.size() ? 0 : index);
    ReplayToInstruction(target);
  } else {
    const uint64_t target = state_.microSteps - 1;
    const std::size_t index = LatestAtOrBefore(target, checkpoints_.size());
    Restore(index == checkpoints_.size() ? 0 : index);
    ReplayToMicroStep(target);
  }
  Finish();
}

std::size_t History::LatestAtOrBefore(uint64_t microSteps, std::size_t end) const {
  for (std::size_t i = end; i-- > 0;) {
    if (checkpoints_[i].state.microSteps <= microSteps) return i;
  }
  return end;
}

std::size_t History::LatestBeforeInstruction(uint64_t instruction) const {
  for (std::size_t i = checkpoints_.size(); i-- > 0;) {
    const ProcessorState& s = checkpoints_[i].state;
    if (s.instructions < instruction || (s.instructions == instruction && s.AtInstructionStart())) return i;
  }
  return checkpoints_.size();
}

// Undoes every record made after the checkpoint and takes its state; the
// flags of the run control stay those of the present (at rest).
void History::Restore(std::size_t index) {
  replaying_ = true;
  const Checkpoint checkpoint = checkpoints_[index];
  checkpoints_.erase(checkpoints_.begin() + static_cast<std::ptrdiff_t>(index) + 1, checkpoints_.end());
  engine_.ObserveFrom(checkpoint.state.instructions + kCheckpointInterval);

  restoredWords_.clear();
  restoring_ = true;
  while (WordsMark() > checkpoint.words) {
    const WordChange change = words_.back();
    words_.pop_back();
    machine_.memory.Write(change.address, change.old);
    restoredWords_.push_back(change.address);
  }
  restoring_ = false;

  screenRestored_ = false;
  if (grid_ != nullptr) {
    if (inService_) {
      *grid_ = beforeService_;
      screenRestored_ = true;
    }
    if (screens_.Mark() > checkpoint.screens) {
      screens_.UndoTo(checkpoint.screens, *grid_);
      screenRestored_ = true;
    }
  }
  inService_ = false;
  keys_.SetPosition(checkpoint.keys);

  machine_.halted = checkpoint.halted;
  const bool haltRequest = state_.haltRequest;
  state_ = checkpoint.state;
  state_.running = false;
  state_.abort = false;
  state_.showSteps = false;
  state_.haltRequest = haltRequest;
  replay_.Resume();
}

void History::ReplayToMicroStep(uint64_t microSteps) {
  while (state_.microSteps < microSteps && !machine_.halted && !state_.abort) replay_.Step();
}

void History::ReplayToInstruction(uint64_t instruction) {
  while (state_.instructions < instruction && !machine_.halted && !state_.abort) {
    state_.instructionDone = false;
    replay_.RunToInstructionEnd();
  }
}

void History::Finish() {
  state_.instructionDone = true;
  engine_.Resume();
  replaying_ = false;
}

std::size_t History::Bytes() const {
  return checkpoints_.size() * sizeof(Checkpoint) + words_.size() * sizeof(WordChange) + screens_.Bytes() +
         keys_.Bytes();
}

uint64_t History::InstructionsHeld() const {
  if (!started_ || checkpoints_.empty()) return 0;
  return state_.instructions - checkpoints_.front().state.instructions;
}

}  // namespace tav2
