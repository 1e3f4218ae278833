#pragma once
#include <optional>
#include <string>

#include "model/colour.h"
#include "model/font_description.h"
#include "model/tag_ranges.h"

namespace tastrix {

// The class of a component. The walks select on it; no kind derives from
// another here (the hidden radio groups are not group boxes).
enum class Kind { Label, Shape, GroupBox, RadioGroup, ListBox, Edit, CheckBox };

// What a component is for in the picture; the walks never look at it.
enum class Role {
  MapTitle,
  FactoryDefault,
  Notice,
  GroupBox,
  BorderShape,
  FaceShape,
  KeyName,
  KeyLabel,
  Hidden,
};

// Where a label's text sits vertically, as the map file stores it. The
// document's alignment is the last alignment given, kNoAlignment before any;
// a label always has one of the three layouts.
enum VerticalLayout { kNoAlignment = -1, kLayoutTop = 0, kLayoutCenter = 1, kLayoutBottom = 2 };

// The click handler a label can carry; only the key-label edit exists.
enum class ClickHandler { None, LabelEdit };

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool contains(int x, int y) const { return x >= left && x < right() && y >= top && y < bottom(); }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

struct Component {
  Kind kind = Kind::Label;
  Role role = Role::Hidden;
  std::string name;
  int tag = 0;
  int parent = -1;  // index of the group box holding it, -1 for the window
  Rect designBounds;  // relative to the parent, at 96 dpi as the key catalogue gives it
  Rect bounds;        // the same, laid out at the model's dpi
  std::string caption;
  FontDescription font;
  Colour fill = kWhite;  // shapes: brush colour; labels: background colour
  VerticalLayout layout = kLayoutTop;
  bool wordWrap = false;
  bool transparent = false;
  bool visible = true;
  ClickHandler onClick = ClickHandler::None;
  std::optional<PressGroup> pressGroup;  // what its mouse-press handler records; none: it has none
  int keyGroup = 0;      // 1..4 for the parts of a key cap and the group boxes
  int keyPosition = -1;  // label-order position of the key (1..101), -1 otherwise
};

}  // namespace tastrix
