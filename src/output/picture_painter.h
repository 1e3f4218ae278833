#pragma once
#include <windows.h>

#include "model/form_model.h"
#include "output/paint_cache.h"

namespace tastrix {

// Paints the keyboard picture of the model into a DC whose origin is the
// client area's origin, with the content scrolled left by scrollX pixels.
// Only the area inside `clip` (client coordinates) needs to be painted.
void paintPicture(HDC dc, const FormModel& model, int scrollX, const RECT& clip,
                  FontFaces faces = FontFaces::AsChosen);

}  // namespace tastrix
