#include "model/map_document.h"

#include <algorithm>
#include <type_traits>
#include <utility>

namespace tastrix {

template <typename Value, typename Record>
void MapDocument::change(Value& part, const Value& value, Record record) {
  if (part == value) return;
  record(part);
  part = value;
  ++revision_;
}

void MapDocument::setLabel(int position, const std::string& text) {
  change(map_.labels[static_cast<size_t>(position)], text,
         [&](const std::string& before) { history_.recordLabel(position, before); });
}

void MapDocument::setKeyLabels(LabelGroup group, const std::string& text) {
  for (int position = 1; position <= kKeyCount; ++position)
    if (inLabelGroup(position, group)) setLabel(position, text);
}

void MapDocument::setLabelLines(const std::vector<std::string>& lines) {
  const size_t count = std::min<size_t>(lines.size(), kLabelPositions);
  for (size_t position = 0; position < count; ++position) setLabel(static_cast<int>(position), lines[position]);
}

void MapDocument::setFont(MapFont which, const FontDescription& font) {
  change(map_.fonts[static_cast<size_t>(which)], font,
         [&](const FontDescription& before) { history_.recordFont(which, before, font); });
}

namespace {

NumberProperty colourProperty(MapColour which) {
  return which == MapColour::KeyFaces ? NumberProperty::KeyColour : NumberProperty::BorderColour;
}

// Hands apply the part of the map that a number property names.
template <typename Apply>
void numberPart(KeyboardMap& map, NumberProperty property, Apply apply) {
  switch (property) {
    case NumberProperty::KeyColour: return apply(map.keyColour);
    case NumberProperty::BorderColour: return apply(map.borderColour);
    case NumberProperty::TitleLayout: return apply(map.titleLayout);
    case NumberProperty::LabelLayout: return apply(map.labelLayout);
    case NumberProperty::Alignment: return apply(map.alignment);
  }
}

}  // namespace

void MapDocument::setNumber(NumberProperty property, int value, bool recorded) {
  numberPart(map_, property, [&](auto& part) {
    using Part = std::decay_t<decltype(part)>;
    change(part, static_cast<Part>(value), [&](Part before) {
      if (recorded) history_.recordNumber(property, before, value);
    });
  });
}

void MapDocument::setColour(MapColour which, Colour colour) { setNumber(colourProperty(which), colour, true); }

void MapDocument::align(VerticalLayout alignment) {
  if (alignment != kNoAlignment) {
    setNumber(NumberProperty::TitleLayout, alignment, true);
    setNumber(NumberProperty::LabelLayout, alignment, true);
  }
  setNumber(NumberProperty::Alignment, alignment, true);
}

void MapDocument::setChanged(bool changed) {
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

// Undo and redo change the map as the commands did, but record nothing.
void MapDocument::replay(ChangeStep& step, bool forward) {
  inOrder(step.labels, forward, [&](ChangeStep::LabelEdit& e) {
    std::string& label = map_.labels[static_cast<size_t>(e.position)];
    if (label == e.other) return;
    std::swap(label, e.other);
    ++revision_;
  });
  inOrder(step.fontEdits, forward, [&](const ChangeStep::FontEdit& e) {
    change(map_.fonts[static_cast<size_t>(e.which)], step.fonts[forward ? e.after : e.before],
           [](const FontDescription&) {});
  });
  inOrder(step.numbers, forward,
          [&](const ChangeStep::NumberEdit& e) { setNumber(e.property, forward ? e.after : e.before, false); });
}

void MapDocument::settleChangedFlag(bool stepSetsFlag) {
  if (history_.atSaved())
    changed_ = false;
  else if (stepSetsFlag)
    changed_ = true;
}

void MapDocument::undo() {
  if (history_.canUndo()) settleChangedFlag(history_.undo([this](ChangeStep& step) { replay(step, false); }));
}

void MapDocument::redo() {
  if (history_.canRedo()) settleChangedFlag(history_.redo([this](ChangeStep& step) { replay(step, true); }));
}

}  // namespace tastrix
