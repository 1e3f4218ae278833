#pragma once
#include "model/form_model.h"
#include "output/paint_cache.h"
#include "platform/win32_handles.h"

namespace tastrix {

// The keyboard picture drawn from the model into a bitmap of its own, with
// no window: the area and the pixels a capture of a window showing the model
// gives. 32 bits per pixel, whatever the screen's colour depth. A GDI
// failure raises "Out of system resources".
Bitmap RenderKeyboardPicture(const FormModel& model, FontFaces faces);

}  // namespace tastrix
