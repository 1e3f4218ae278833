#include "model/tag_walks.h"

namespace tastrix {
namespace {

// The one loop all walks share. The value handed in is the walk's own copy,
// so a source that is itself a target cannot change under the walk.
template <typename Effect>
void walk(FormModel& form, Kind kind, TagRange range, Effect effect) {
  const int count = static_cast<int>(form.components().size());
  for (int i = 0; i < count; ++i)
    if (form[i].kind == kind && range.contains(form[i].tag)) effect(i);
}

}  // namespace

void SetLabelsTransparent(FormModel& form, bool transparent) {
  const int count = static_cast<int>(form.components().size());
  for (int i = 0; i < count; ++i)
    if (form[i].kind == Kind::Label) form.setTransparent(i, transparent);
}

void AssignLabelClickHandler(FormModel& form, int sourceLabel, TagRange range) {
  const ClickHandler handler = form[sourceLabel].onClick;
  walk(form, Kind::Label, range, [&](int i) { form.setClickHandler(i, handler); });
}

void SetLabelTexts(FormModel& form, const std::string& text, TagRange range) {
  walk(form, Kind::Label, range, [&](int i) { form.setCaption(i, text); });
}

void GatherLabelTexts(const FormModel& form, std::vector<std::string>& list, TagRange range) {
  list.clear();
  for (const Component& c : form.components())
    if (c.kind == Kind::Label && range.contains(c.tag)) list.push_back(c.caption);
}

void ApplyLabelTexts(FormModel& form, const std::vector<std::string>& list, TagRange range) {
  size_t next = 0;
  walk(form, Kind::Label, range, [&](int i) {
    if (next < list.size()) form.setCaption(i, list[next++]);
  });
}

void SetLabelFonts(FormModel& form, FontDescription font, TagRange range) {
  walk(form, Kind::Label, range, [&](int i) { form.setFont(i, font); });
}

void SetGroupBoxFonts(FormModel& form, FontDescription font, TagRange range) {
  walk(form, Kind::GroupBox, range, [&](int i) { form.setFont(i, font); });
}

void SetLabelLayouts(FormModel& form, VerticalLayout layout, TagRange range) {
  walk(form, Kind::Label, range, [&](int i) { form.setLayout(i, layout); });
}

void SetShapeColours(FormModel& form, Colour colour, TagRange range) {
  walk(form, Kind::Shape, range, [&](int i) { form.setFill(i, colour); });
}

}  // namespace tastrix
