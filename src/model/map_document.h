#pragma once
#include <string>
#include <vector>

#include "model/change_history.h"
#include "model/disk_stamp.h"
#include "model/keyboard_map.h"

namespace tastrix {

// The keyboard map in the window and what the window knows of it: the path
// of its files, how they looked on disk, whether the map differs from them,
// and the history of the user's changes.
//
// The map changes only through the methods here. Each change moves the
// revision, which tells the picture that it must be drawn again, and the
// changes one user command makes are one step of the undo history.
class MapDocument {
 public:
  const KeyboardMap& map() const { return map_; }

  // ---- Changes of the map ----
  void setLabel(int position, const std::string& text);  // position 0 is the title
  void setKeyLabels(LabelGroup group, const std::string& text);
  // The lines of a label list, from the title on, while they last: the
  // labels beyond the last line keep their texts.
  void setLabelLines(const std::vector<std::string>& lines);
  void setFont(MapFont which, const FontDescription& font);
  void setColour(MapColour which, Colour colour);
  // Records the alignment and, unless it is none, gives the title and every
  // key label its layout; with none the layouts stay as they are.
  void align(VerticalLayout alignment);
  unsigned long long revision() const { return revision_; }

  // ---- The map's files ----
  const std::string& path() const { return path_; }
  void setPath(const std::string& path) { path_ = path; }
  // The map's files as this window last loaded or saved them.
  const MapStamps& onDisk() const { return onDisk_; }
  void setOnDisk(const MapStamps& stamps) { onDisk_ = stamps; }
  bool changed() const { return changed_; }
  // False: the map is as its files hold it (saved or loaded); undo and redo
  // back to this state clear the flag again.
  void setChanged(bool changed);

  // ---- Undo and redo ----
  // The changes made while one is open are one step; a command run inside
  // another joins its step.
  class CommandScope {
   public:
    explicit CommandScope(MapDocument& document) : document_(document) { document_.history_.begin(); }
    ~CommandScope() { document_.history_.end(); }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

   private:
    MapDocument& document_;
  };
  // Each takes back (or makes again) one step, and leaves the changed flag
  // clear at the state of the last save or load, set where the step set it.
  void undo();
  void redo();
  // The map was replaced as a whole: nothing before now can be undone.
  void startNewHistory() { history_.clear(); }
  const ChangeHistory& history() const { return history_; }

 private:
  // Sets one part of the map, counting the change if it is one; record is
  // handed the old value first.
  template <typename Value, typename Record>
  void change(Value& part, const Value& value, Record record);
  void setNumber(NumberProperty property, int value, bool recorded);
  void replay(ChangeStep& step, bool forward);
  void settleChangedFlag(bool stepSetsFlag);

  KeyboardMap map_;
  std::string path_;
  MapStamps onDisk_;
  bool changed_ = false;
  unsigned long long revision_ = 0;
  ChangeHistory history_;
};

}  // namespace tastrix
