#pragma once
#include <string>
#include <vector>

#include "model/change_history.h"
#include "model/component.h"
#include "model/disk_stamp.h"
#include "model/key_catalogue.h"

namespace tastrix {

// The document of the main window: every component in creation order, and
// the map's state. The hidden components (the label list box, the two radio
// groups, the path edit and the changed check box) exist for their place in
// the creation order; what they hold is kept in the members below.
//
// Labels, fonts, colours, alignment and the map's path change only through
// the methods here; each change moves the revision, which tells the picture
// that it must be drawn again, and the changes of labels, fonts, colours and
// alignment that a user command makes are one step of the undo history.
class FormModel {
 public:
  FormModel();  // builds every component with its initial properties

  const std::vector<Component>& components() const { return components_; }
  const Component& operator[](int index) const { return components_[static_cast<size_t>(index)]; }

  // Named components (indices into components).
  int mapTitle = -1;
  int factoryDefault = -1;
  int notice = -1;
  int shapeBack0 = -1;  // the Esc key's border shape
  int shape0 = -1;      // the Esc key's face shape
  int nameLabel0 = -1;  // the Esc key's key-name label
  int label0 = -1;      // the Esc key's key label
  int groupBox(int group) const { return groupBoxes_[group - 1]; }

  // ---- Changes of what the picture shows ----
  void setCaption(int index, const std::string& text);
  void setFont(int index, const FontDescription& font);
  void setFill(int index, Colour colour);  // shapes: brush colour; labels: background colour
  void setLayout(int index, VerticalLayout layout);
  void setTransparent(int index, bool transparent);
  void setClickHandler(int index, ClickHandler handler);
  void setVisible(int index, bool visible);
  void setBounds(int index, const Rect& bounds);  // until the next layOutFor
  // Counts every change above; the picture is drawn again when it moves.
  unsigned long long revision() const { return revision_; }

  // ---- The map's state ----
  VerticalLayout alignment() const { return alignment_; }  // Vertical_Alignment_RadioGroup
  void setAlignment(VerticalLayout alignment);
  const std::string& mapPath() const { return mapPath_; }  // Current_Keyboard_Layout_File_Name_Edit
  void setMapPath(const std::string& path);
  bool changed() const { return changed_; }  // Current_Keyboard_Layout_Changed_Checkbox
  // False: the map is as its files hold it (saved or loaded); undo and redo
  // back to this state clear the flag again.
  void setChanged(bool changed);

  // ---- Undo and redo ----
  // The changes made while one is open are one step; a command run inside
  // another joins its step.
  class CommandScope {
   public:
    explicit CommandScope(FormModel& model) : model_(model) { model_.history_.begin(); }
    ~CommandScope() { model_.history_.end(); }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

   private:
    FormModel& model_;
  };
  // Each takes back (or makes again) one step, and leaves the changed flag
  // clear at the state of the last save or load, set where the step set it.
  void undo();
  void redo();
  // The map was replaced as a whole: nothing before now can be undone.
  void startNewHistory() { history_.clear(); }
  const ChangeHistory& history() const { return history_; }
  PressGroup recordedGroup = PressGroup::None;   // RadioGroup1
  std::vector<std::string> labelList;            // Label_ListBox
  MapStamps onDisk;  // the map's files as this window last loaded or saved them

  // The window's own look.
  FontDescription windowFont;
  Colour windowColour = kWhite;
  int dpi() const { return dpi_; }  // what the components' bounds are laid out for

  const FontDescription& factoryDefaultFont() const { return (*this)[factoryDefault].font; }
  Colour factoryDefaultColour() const { return (*this)[factoryDefault].fill; }

  // The component's rectangle in unscrolled client coordinates.
  Rect clientRect(int index) const;

  // The topmost shown component under an unscrolled client point, in paint
  // order (later components over earlier ones, children clipped to their
  // group box); -1 for the window background.
  int hitTest(int x, int y) const;

  // Right edge of the rightmost shown component: the horizontal scroll range.
  int scrollRange() const;

  // Picture extent: right edge of the numeric keypad group plus the left
  // margin of the function keys group, and its bottom edge.
  int pictureWidth() const;
  int pictureHeight() const;

  // Lays the picture out for the given dpi from the rectangles at 96 dpi.
  // Fonts keep their sizes in points, which the painter lays out at the dpi.
  // A window showing the picture draws it again itself.
  void layOutFor(int newDpi);

  // Index of the key label / key-name label / shapes at a label position.
  int keyLabel(int position) const { return keyLabels_[position - 1]; }
  int keyName(int position) const { return keyNames_[position - 1]; }
  int borderShape(int position) const { return borderShapes_[position - 1]; }
  int faceShape(int position) const { return faceShapes_[position - 1]; }

  int find(const std::string& name) const;

 private:
  int add(Component c);
  void addGroup(const GroupRow& group);
  Component& at(int index) { return components_[static_cast<size_t>(index)]; }
  // Sets one property of one component, counting the change if it is one;
  // record is handed the old value first (undo and redo record nothing).
  template <typename Value, typename Record>
  void change(int index, Value Component::*property, const Value& value, Record record);
  template <typename Value>
  void change(int index, Value Component::*property, const Value& value) {
    change(index, property, value, [](const Value&) {});
  }
  void replay(ChangeStep& step, bool forward);
  void settleChangedFlag(bool stepSetsFlag);

  std::vector<Component> components_;
  std::string mapPath_;
  bool changed_ = false;
  VerticalLayout alignment_ = kNoAlignment;
  int dpi_ = 96;
  unsigned long long revision_ = 0;
  ChangeHistory history_;

  int groupBoxes_[4] = {-1, -1, -1, -1};
  std::vector<int> keyLabels_, keyNames_, borderShapes_, faceShapes_;
};

}  // namespace tastrix
