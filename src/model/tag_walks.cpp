#include "model/tag_walks.h"

namespace tastrix {
namespace {

// The one loop all walks share. The value handed in is the walk's own copy,
// so a source that is itself a target cannot change under the walk.
template <typename Effect>
void walk(FormModel& form, Kind kind, TagRange range, Effect effect) {
  const size_t count = form.components.size();
  for (size_t i = 0; i < count; ++i) {
    Component& c = form.components[i];
    if (c.kind == kind && range.contains(c.tag)) effect(c);
  }
}

}  // namespace

void SetLabelsTransparent(FormModel& form, bool transparent) {
  for (Component& c : form.components)
    if (c.kind == Kind::Label) c.transparent = transparent;
}

void AssignLabelClickHandler(FormModel& form, int sourceLabel, TagRange range) {
  const ClickHandler handler = form[sourceLabel].onClick;
  walk(form, Kind::Label, range, [&](Component& c) { c.onClick = handler; });
}

void SetLabelTexts(FormModel& form, const std::string& text, TagRange range) {
  walk(form, Kind::Label, range, [&](Component& c) { c.caption = text; });
}

void GatherLabelTexts(const FormModel& form, std::vector<std::string>& list, TagRange range) {
  list.clear();
  for (const Component& c : form.components)
    if (c.kind == Kind::Label && range.contains(c.tag)) list.push_back(c.caption);
}

void ApplyLabelTexts(FormModel& form, const std::vector<std::string>& list, TagRange range) {
  size_t next = 0;
  walk(form, Kind::Label, range, [&](Component& c) {
    if (next < list.size()) c.caption = list[next++];
  });
}

void SetLabelFonts(FormModel& form, FontDescription font, TagRange range) {
  walk(form, Kind::Label, range, [&](Component& c) { c.font = font; });
}

void SetGroupBoxFonts(FormModel& form, FontDescription font, TagRange range) {
  walk(form, Kind::GroupBox, range, [&](Component& c) { c.font = font; });
}

void SetLabelLayouts(FormModel& form, int layout, TagRange range) {
  walk(form, Kind::Label, range, [&](Component& c) { c.layout = layout; });
}

void SetShapeColours(FormModel& form, Colour colour, TagRange range) {
  walk(form, Kind::Shape, range, [&](Component& c) { c.fill = colour; });
}

}  // namespace tastrix
