#include "model/form_model.h"

#include <algorithm>

#include "text/mul_div.h"

namespace tastrix {
namespace {

FontDescription font(const char* name, int size, Colour colour, bool bold) {
  FontDescription f;
  f.name = name;
  f.size = size;
  f.colour = colour;
  f.bold = bold;
  return f;
}

Component hidden(Kind kind, const char* name) {
  Component c;
  c.kind = kind;
  c.role = Role::Hidden;
  c.name = name;
  c.visible = false;
  return c;
}

}  // namespace

FormModel::FormModel() {
  windowFont = font("Times New Roman", 11, kWindowText, false);
  keyLabels_.assign(kKeyCount, -1);
  keyNames_.assign(kKeyCount, -1);
  borderShapes_.assign(kKeyCount, -1);
  faceShapes_.assign(kKeyCount, -1);

  Component title;
  title.kind = Kind::Label;
  title.role = Role::MapTitle;
  title.name = "Keyboard_Map_Title_Label";
  title.tag = kMapTitleTag;
  title.designBounds = {1020, 6, 505, 67};
  title.caption = "Keyboard Map Title";
  title.font = font("Times New Roman", 28, kWindowText, true);
  title.layout = kLayoutCenter;
  title.pressGroup = PressGroup::MapTitle;
  mapTitle = add(title);

  Component factory;
  factory.kind = Kind::Label;
  factory.role = Role::FactoryDefault;
  factory.name = "Factory_Default_Font_Colour_Label";
  factory.tag = kHiddenTag;
  factory.visible = false;
  factory.font = font("System", 10, kBlack, false);
  factory.fill = kWhite;  // the window's background colour
  factoryDefault = add(factory);

  Component notice;
  notice.kind = Kind::Label;
  notice.role = Role::Notice;
  notice.name = "Copyright_Notice_Label";
  notice.tag = kHiddenTag;
  notice.designBounds = {1016, 76, 505, 19};
  notice.font = windowFont;
  notice.layout = kLayoutCenter;
  this->notice = add(notice);

  addGroup(groupTable()[kMainKeyboard - 1]);

  add(hidden(Kind::ListBox, "Label_ListBox"));
  add(hidden(Kind::RadioGroup, "Vertical_Alignment_RadioGroup"));
  add(hidden(Kind::Edit, "Current_Keyboard_Layout_File_Name_Edit"));
  add(hidden(Kind::CheckBox, "Current_Keyboard_Layout_Changed_Checkbox"));
  add(hidden(Kind::RadioGroup, "RadioGroup1"));

  addGroup(groupTable()[kFunctionKeys - 1]);
  addGroup(groupTable()[kCursorControl - 1]);
  addGroup(groupTable()[kNumericKeypad - 1]);

  shapeBack0 = borderShape(kEscPosition);
  shape0 = faceShape(kEscPosition);
  nameLabel0 = keyName(kEscPosition);
  label0 = keyLabel(kEscPosition);
  at(shapeBack0).name = "Shape_Back_0";
  at(shape0).name = "Shape_0";
  at(nameLabel0).name = "Name_Label_0";
  at(label0).name = "Label_0";
  at(label0).onClick = ClickHandler::LabelEdit;
  layOutFor(dpi_);
}

int FormModel::add(Component c) {
  components_.push_back(std::move(c));
  return static_cast<int>(components_.size()) - 1;
}

template <typename Value, typename Record>
void FormModel::change(int index, Value Component::*property, const Value& value, Record record) {
  Value& current = at(index).*property;
  if (current == value) return;
  record(current);
  current = value;
  ++revision_;
}

void FormModel::setCaption(int index, const std::string& text) {
  change(index, &Component::caption, text,
         [&](const std::string& before) { history_.recordCaption(index, before); });
}

void FormModel::setFont(int index, const FontDescription& font) {
  change(index, &Component::font, font,
         [&](const FontDescription& before) { history_.recordFont(index, before, font); });
}

void FormModel::setFill(int index, Colour colour) {
  change(index, &Component::fill, colour,
         [&](Colour before) { history_.recordNumber(NumberProperty::Fill, index, before, colour); });
}

void FormModel::setLayout(int index, VerticalLayout layout) {
  change(index, &Component::layout, layout,
         [&](VerticalLayout before) { history_.recordNumber(NumberProperty::Layout, index, before, layout); });
}

void FormModel::setTransparent(int index, bool transparent) { change(index, &Component::transparent, transparent); }
void FormModel::setClickHandler(int index, ClickHandler handler) { change(index, &Component::onClick, handler); }
void FormModel::setVisible(int index, bool visible) { change(index, &Component::visible, visible); }
void FormModel::setBounds(int index, const Rect& bounds) { change(index, &Component::bounds, bounds); }

void FormModel::setAlignment(VerticalLayout alignment) {
  if (alignment == alignment_) return;
  history_.recordNumber(NumberProperty::Alignment, -1, alignment_, alignment);
  alignment_ = alignment;
}

void FormModel::setMapPath(const std::string& path) { mapPath_ = path; }

void FormModel::setChanged(bool changed) {
  changed_ = changed;
  if (changed)
    history_.noteChangedFlagSet();
  else
    history_.markSaved();
}

namespace {

// A step's edits in the order they were made, or the other way round.
template <typename Edit, typename Apply>
void inOrder(std::vector<Edit>& edits, bool forward, Apply apply) {
  if (forward)
    std::for_each(edits.begin(), edits.end(), apply);
  else
    std::for_each(edits.rbegin(), edits.rend(), apply);
}

}  // namespace

void FormModel::replay(ChangeStep& step, bool forward) {
  inOrder(step.captions, forward, [&](ChangeStep::CaptionEdit& e) {
    std::string now = (*this)[e.index].caption;
    change(e.index, &Component::caption, e.other);
    e.other = std::move(now);
  });
  inOrder(step.fontEdits, forward, [&](const ChangeStep::FontEdit& e) {
    change(e.index, &Component::font, step.fonts[forward ? e.after : e.before]);
  });
  inOrder(step.numbers, forward, [&](const ChangeStep::NumberEdit& e) {
    const int value = forward ? e.after : e.before;
    switch (e.property) {
      case NumberProperty::Fill: change(e.index, &Component::fill, Colour{value}); break;
      case NumberProperty::Layout: change(e.index, &Component::layout, static_cast<VerticalLayout>(value)); break;
      case NumberProperty::Alignment: alignment_ = static_cast<VerticalLayout>(value); break;
    }
  });
}

void FormModel::settleChangedFlag(bool stepSetsFlag) {
  if (history_.atSaved())
    changed_ = false;
  else if (stepSetsFlag)
    changed_ = true;
}

void FormModel::undo() {
  if (history_.canUndo()) settleChangedFlag(history_.undo([this](ChangeStep& step) { replay(step, false); }));
}

void FormModel::redo() {
  if (history_.canRedo()) settleChangedFlag(history_.redo([this](ChangeStep& step) { replay(step, true); }));
}

void FormModel::addGroup(const GroupRow& row) {
  const PressGroup pressGroup = pressGroupOf(row.group);
  Component box;
  box.kind = Kind::GroupBox;
  box.role = Role::GroupBox;
  box.name = row.name;
  box.tag = kGroupBoxTag;
  box.designBounds = {row.left, row.top, row.width, row.height};
  box.caption = row.caption;
  box.font = font("System", 10, kRed, true);
  box.pressGroup = pressGroup;
  box.keyGroup = row.group;
  const int boxIndex = add(box);
  groupBoxes_[row.group - 1] = boxIndex;

  auto part = [&](Kind kind, Role role, int tag, const KeyRow& key, const Rect& r) {
    Component c;
    c.kind = kind;
    c.role = role;
    c.tag = tag;
    c.parent = boxIndex;
    c.designBounds = r;
    c.pressGroup = pressGroup;
    c.keyGroup = row.group;
    c.keyPosition = key.position;
    return c;
  };

  for (const KeyRow& key : keyTable()) {
    if (key.group != row.group) continue;
    Component border = part(Kind::Shape, Role::BorderShape, kBorderShapeTag, key, borderRect(key));
    border.fill = kBtnFace;
    borderShapes_[key.position - 1] = add(border);
    Component face = part(Kind::Shape, Role::FaceShape, kFaceShapeTag, key, faceRect(key));
    face.fill = kWhite;
    faceShapes_[key.position - 1] = add(face);
  }
  for (const KeyRow& key : keyTable()) {
    if (key.group != row.group) continue;
    Component name = part(Kind::Label, Role::KeyName, kKeyNameTag, key, keyNameRect(key));
    name.caption = key.legend;
    name.font = font("MS Sans Serif", 10, kWindowText, true);
    name.fill = kCaptionText;
    keyNames_[key.position - 1] = add(name);
  }
  for (const KeyRow& key : keyTable()) {
    if (key.group != row.group) continue;
    Component label = part(Kind::Label, Role::KeyLabel, row.group, key, keyLabelRect(key));
    label.caption = "Button Label";
    label.wordWrap = true;
    label.font = row.group == kFunctionKeys ? font("System", 10, kBlack, true)
                                            : font("System", 10, kWindowText, false);
    label.fill = kWhite;
    keyLabels_[key.position - 1] = add(label);
  }
}

Rect FormModel::clientRect(int index) const {
  Rect r = (*this)[index].bounds;
  for (int p = (*this)[index].parent; p >= 0; p = (*this)[p].parent) {
    r.left += (*this)[p].bounds.left;
    r.top += (*this)[p].bounds.top;
  }
  return r;
}

int FormModel::hitTest(int x, int y) const {
  // Top-level components first, topmost last; a group box's children lie
  // above the box and are clipped to it.
  for (int i = static_cast<int>(components_.size()) - 1; i >= 0; --i) {
    const Component& c = (*this)[i];
    if (!c.visible || c.kind == Kind::ListBox || c.kind == Kind::Edit) continue;
    if (!clientRect(i).contains(x, y)) continue;
    if (c.parent >= 0 && !clientRect(c.parent).contains(x, y)) continue;
    return i;
  }
  return -1;
}

int FormModel::scrollRange() const {
  int right = 0;
  for (const Component& c : components_) {
    if (c.visible && c.parent < 0) right = std::max(right, c.bounds.right());
  }
  return right;
}

int FormModel::pictureWidth() const {
  return (*this)[groupBox(kNumericKeypad)].bounds.right() + (*this)[groupBox(kFunctionKeys)].bounds.left;
}

int FormModel::pictureHeight() const { return (*this)[groupBox(kNumericKeypad)].bounds.bottom(); }

void FormModel::layOutFor(int newDpi) {
  // Edges are scaled rather than sizes so that neighbours stay flush.
  for (Component& c : components_) {
    const Rect& r = c.designBounds;
    const int left = mulDiv(r.left, newDpi, 96), top = mulDiv(r.top, newDpi, 96);
    const int right = mulDiv(r.right(), newDpi, 96), bottom = mulDiv(r.bottom(), newDpi, 96);
    c.bounds = Rect{left, top, right - left, bottom - top};
  }
  dpi_ = newDpi;
}

int FormModel::find(const std::string& name) const {
  for (int i = 0; i < static_cast<int>(components_.size()); ++i)
    if ((*this)[i].name == name) return i;
  return -1;
}

}  // namespace tastrix
