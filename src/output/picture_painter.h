#pragma once
#include <windows.h>

#include <cstddef>

#include "model/form_model.h"
#include "output/paint_cache.h"

namespace tastrix {

// Paints the keyboard picture of the model into a DC whose origin is the
// client area's origin, with the content scrolled left by scrollX pixels.
// Only the area inside `clip` (client coordinates) needs to be painted.
void paintPicture(HDC dc, const FormModel& model, int scrollX, const RECT& clip,
                  FontFaces faces = FontFaces::AsChosen);

// How much of a label's caption, from its start, the picture lays out on its
// key at the model's dpi, measured in dc: the rest cannot show there.
std::size_t shownCaptionLength(HDC dc, const FormModel& model, int label);

}  // namespace tastrix
