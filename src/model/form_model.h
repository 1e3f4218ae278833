#pragma once
#include <string>
#include <vector>

#include "model/component.h"
#include "model/disk_stamp.h"
#include "model/key_catalogue.h"

namespace tastrix {

// The component model of the main window: every component in creation order
// plus the document state the hidden components stand for.
class FormModel {
 public:
  FormModel();  // builds every component with its initial properties

  std::vector<Component> components;

  // Named components (indices into components).
  int mapTitle = -1;
  int factoryDefault = -1;
  int notice = -1;
  int labelListBox = -1;
  int alignmentRadioGroup = -1;
  int mapPathEdit = -1;
  int changedCheckBox = -1;
  int radioGroup1 = -1;
  int shapeBack0 = -1;  // the Esc key's border shape
  int shape0 = -1;      // the Esc key's face shape
  int nameLabel0 = -1;  // the Esc key's key-name label
  int label0 = -1;      // the Esc key's key label
  int groupBox(int group) const { return groupBoxes_[group - 1]; }

  // Hidden state.
  std::string currentMapPath;
  bool changed = false;
  int alignmentIndex = -1;  // 0 top, 1 centre, 2 bottom, -1 none
  int recordedGroup = -1;   // 0..3 key groups, 4 the title, -1 none
  std::vector<std::string> labelList;
  // The map's two files as this window last loaded or saved them.
  DiskStamp mapFileOnDisk, labelListOnDisk;

  // The window's own look.
  FontDescription windowFont;
  Colour windowColour = kWhite;
  int dpi = 96;

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

  // Scales geometry and font heights from 96 dpi to the given dpi. Applied
  // once, when the window is created.
  void scaleTo(int newDpi);

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
