#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/keyboard_map.h"

namespace tastrix {

// The parts of a map that undo takes back beside its labels and fonts.
enum class NumberProperty : std::uint8_t { KeyColour, BorderColour, TitleLayout, LabelLayout, Alignment };

// One user command's changes, in the order they were made. Only what changed
// is kept, so that a step costs what the command altered, not a copy of the
// document.
struct ChangeStep {
  // A label keeps only the text it does not hold now, which undo and redo
  // swap with the map's: the text before the command until it is undone,
  // the text after it until it is redone.
  struct LabelEdit {
    int position;
    std::string other;
  };
  // Fonts are kept once per step: a load gives several of the map's fonts one.
  struct FontEdit {
    MapFont which;
    std::uint32_t before, after;  // into fonts
  };
  struct NumberEdit {
    NumberProperty property;
    int before, after;
  };

  std::uint64_t id = 0;
  bool setsChangedFlag = false;  // the command itself set the map's changed flag
  std::vector<LabelEdit> labels;
  std::vector<FontEdit> fontEdits;
  std::vector<FontDescription> fonts;
  std::vector<NumberEdit> numbers;

  bool empty() const { return labels.empty() && fontEdits.empty() && numbers.empty(); }
  std::size_t bytes() const;  // what the step takes in memory, roughly
};

// The steps that can be undone and redone, and which state of the document
// the last save or load left. States are named by the step that led to them,
// so a state that was undone and overwritten by a new change is never met again.
class ChangeHistory {
 public:
  // The oldest steps go first beyond it; the newest step stays whatever its size.
  static constexpr std::size_t kByteLimit = 1u << 20;

  // Changes between begin and end are one step; nested commands join the outer one.
  void begin();
  void end();
  bool recording() const { return depth_ > 0; }
  void recordLabel(int position, const std::string& before);
  void recordFont(MapFont which, const FontDescription& before, const FontDescription& after);
  void recordNumber(NumberProperty property, int before, int after);
  void noteChangedFlagSet();

  // Nothing before now can be undone: the document was replaced as a whole.
  void clear();
  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  // Hands the last step to `apply` (the document takes it back, or makes it
  // again) and moves it to the other side; tells whether the step's command
  // set the changed flag.
  using Apply = std::function<void(ChangeStep&)>;
  bool undo(const Apply& apply);
  bool redo(const Apply& apply);

  void markSaved() { saved_ = state(); }
  bool atSaved() const { return state() == saved_; }
  std::size_t bytes() const { return bytes_; }

 private:
  std::uint64_t state() const { return undo_.empty() ? base_ : undo_.back().id; }
  enum class Side { Undo, Redo };
  void commit();
  // Drops the steps furthest away until the history fits its bytes, but never
  // the last step of the side `newest` names.
  void trim(Side newest);
  template <typename From, typename To>
  bool replayLast(From& from, To& to, const Apply& apply);

  std::deque<ChangeStep> undo_;
  std::vector<ChangeStep> redo_;
  ChangeStep open_;
  int depth_ = 0;
  std::uint64_t nextId_ = 1, base_ = 0, saved_ = 0;
  std::size_t bytes_ = 0;
};

}  // namespace tastrix
