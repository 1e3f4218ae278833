#pragma once
#include <string>
#include <vector>

#include "model/form_model.h"
#include "model/tag_ranges.h"

namespace tastrix {

// The tag range walks: each applies one change to every component of one kind
// whose tag lies in the range, in creation order.

void SetLabelsTransparent(FormModel& form, bool transparent);
void AssignLabelClickHandler(FormModel& form, int sourceLabel, TagRange range);
void SetLabelTexts(FormModel& form, const std::string& text, TagRange range);
void GatherLabelTexts(const FormModel& form, std::vector<std::string>& list, TagRange range);
void ApplyLabelTexts(FormModel& form, const std::vector<std::string>& list, TagRange range);
void SetLabelFonts(FormModel& form, FontDescription font, TagRange range);
void SetGroupBoxFonts(FormModel& form, FontDescription font, TagRange range);
void SetLabelLayouts(FormModel& form, VerticalLayout layout, TagRange range);
void SetShapeColours(FormModel& form, Colour colour, TagRange range);

}  // namespace tastrix
