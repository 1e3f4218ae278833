#pragma once
#include <string>
#include <vector>

#include "model/form_model.h"

namespace tastrix {

// The tag range walks: each applies one change to every component of one kind
// whose tag lies in lo..hi (inclusive), in creation order.

void SetLabelsTransparent(FormModel& form, bool transparent);
void AssignLabelClickHandler(FormModel& form, int sourceLabel, int lo, int hi);
void SetLabelTexts(FormModel& form, const std::string& text, int lo, int hi);
void GatherLabelTexts(const FormModel& form, std::vector<std::string>& list, int lo, int hi);
void ApplyLabelTexts(FormModel& form, const std::vector<std::string>& list, int lo, int hi);
void SetLabelFonts(FormModel& form, FontDescription font, int lo, int hi);
void SetGroupBoxFonts(FormModel& form, FontDescription font, int lo, int hi);
void SetLabelLayouts(FormModel& form, int layout, int lo, int hi);
void SetShapeColours(FormModel& form, Colour colour, int lo, int hi);

}  // namespace tastrix
