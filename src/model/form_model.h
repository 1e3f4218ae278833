#pragma once
#include <string>
#include <vector>

#include "model/component.h"
#include "model/disk_stamp.h"
#include "model/key_catalogue.h"

namespace tastrix {

// The component model of the main window: every component in creation order,
// and the document state. The hidden components (the label list box, the two
// radio groups, the path edit and the changed check box) exist for their
// place in the creation order; what they hold on the form is kept in the
// plain members below.
class FormModel {
 public:
  FormModel();  // builds every component with its initial properties

  std::vector<Component> components;

  // Named components (indices into components).
  int mapTitle = -1;
  int factoryDefault = -1;
  int notice = -1;
  int shapeBack0 = -1;  // the Esc key's border shape
  int shape0 = -1;      // the Esc key's face shape
  int nameLabel0 = -1;  // the Esc key's key-name label
  int label0 = -1;      // the Esc key's key label
  int groupBox(int group) const { return groupBoxes_[group - 1]; }

  // Document state.
  std::string currentMapPath;                    // Current_Keyboard_Layout_File_Name_Edit
  bool changed = false;                          // Current_Keyboard_Layout_Changed_Checkbox
  int alignmentIndex = -1;                       // Vertical_Alignment_RadioGroup: 0 top, 1 centre, 2 bottom, -1 none
  PressGroup recordedGroup = PressGroup::None;   // RadioGroup1
  std::vector<std::string> labelList;            // Label_ListBox
  MapStamps onDisk;  // the map's files as this window last loaded or saved them

  // The window's own look.
  FontDescription windowFont;
  Colour windowColour = kWhite;
  int dpi = 96;  // what the components' bounds are laid out for

  Component& operator[](int index) { return components[static_cast<size_t>(index)]; }
  const Component& operator[](int index) const { return components[static_cast<size_t>(index)]; }

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

  int groupBoxes_[4] = {-1, -1, -1, -1};
  std::vector<int> keyLabels_, keyNames_, borderShapes_, faceShapes_;
};

}  // namespace tastrix
