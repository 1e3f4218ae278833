#include "model/change_history.h"

#include <algorithm>

namespace tastrix {
namespace {

// The heap block of a string longer than fits in the string itself.
std::size_t heapOf(const std::string& text) {
  return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

template <typename T>
std::size_t arrayOf(const std::vector<T>& items) {
  return items.capacity() * sizeof(T);
}

std::uint32_t pooled(std::vector<FontDescription>& pool, const FontDescription& font) {
  const auto found = std::find(pool.begin(), pool.end(), font);
  if (found != pool.end()) return static_cast<std::uint32_t>(found - pool.begin());
  pool.push_back(font);
  return static_cast<std::uint32_t>(pool.size() - 1);
}

}  // namespace

std::size_t ChangeStep::bytes() const {
  std::size_t total = sizeof(ChangeStep) + arrayOf(labels) + arrayOf(fontEdits) + arrayOf(fonts) + arrayOf(numbers);
  for (const LabelEdit& edit : labels) total += heapOf(edit.other);
  for (const FontDescription& f : fonts) total += heapOf(f.name);
  return total;
}

void ChangeHistory::begin() { ++depth_; }

void ChangeHistory::end() {
  if (depth_ > 0 && --depth_ == 0) commit();
}

void ChangeHistory::recordLabel(int position, const std::string& before) {
  if (recording()) open_.labels.push_back(ChangeStep::LabelEdit{position, before});
}

void ChangeHistory::recordFont(MapFont which, const FontDescription& before, const FontDescription& after) {
  if (!recording()) return;
  const std::uint32_t was = pooled(open_.fonts, before);
  open_.fontEdits.push_back(ChangeStep::FontEdit{which, was, pooled(open_.fonts, after)});
}

void ChangeHistory::recordNumber(NumberProperty property, int before, int after) {
  if (recording()) open_.numbers.push_back(ChangeStep::NumberEdit{property, before, after});
}

void ChangeHistory::noteChangedFlagSet() {
  if (recording()) open_.setsChangedFlag = true;
}

void ChangeHistory::commit() {
  ChangeStep step = std::move(open_);
  open_ = ChangeStep();
  if (step.empty()) return;
  // A new change takes the place of whatever was undone.
  for (const ChangeStep& dropped : redo_) bytes_ -= dropped.bytes();
  redo_.clear();
  step.id = nextId_++;
  step.labels.shrink_to_fit();
  step.fontEdits.shrink_to_fit();
  step.fonts.shrink_to_fit();
  step.numbers.shrink_to_fit();
  bytes_ += step.bytes();
  undo_.push_back(std::move(step));
  trim(Side::Undo);
}

// The step just made, undone or redone is the last of its side: it stays
// whatever its size, so the command just given can always be taken back.
void ChangeHistory::trim(Side newest) {
  const std::size_t keptUndo = newest == Side::Undo ? 1 : 0, keptRedo = newest == Side::Redo ? 1 : 0;
  while (bytes_ > kByteLimit && undo_.size() > keptUndo) {
    base_ = undo_.front().id;
    bytes_ -= undo_.front().bytes();
    undo_.pop_front();
  }
  while (bytes_ > kByteLimit && redo_.size() > keptRedo) {
    bytes_ -= redo_.front().bytes();
    redo_.erase(redo_.begin());
  }
}

void ChangeHistory::clear() {
  undo_.clear();
  redo_.clear();
  open_ = ChangeStep();
  bytes_ = 0;
  base_ = nextId_++;
}

template <typename From, typename To>
bool ChangeHistory::replayLast(From& from, To& to, const Apply& apply) {
  ChangeStep step = std::move(from.back());
  from.pop_back();
  bytes_ -= step.bytes();
  apply(step);  // the labels it swaps may take other room
  bytes_ += step.bytes();
  const bool setsFlag = step.setsChangedFlag;
  to.push_back(std::move(step));
  return setsFlag;
}

bool ChangeHistory::undo(const Apply& apply) {
  const bool setsFlag = replayLast(undo_, redo_, apply);
  trim(Side::Redo);
  return setsFlag;
}

bool ChangeHistory::redo(const Apply& apply) {
  const bool setsFlag = replayLast(redo_, undo_, apply);
  trim(Side::Undo);
  return setsFlag;
}

}  // namespace tastrix
