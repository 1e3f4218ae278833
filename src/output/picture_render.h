#pragma once
#include "model/keyboard_map.h"
#include "model/picture_layout.h"
#include "output/paint_cache.h"
#include "platform/win32_handles.h"

namespace tastrix {

// The keyboard picture of a map drawn into a bitmap of its own, with no
// window: the area and the pixels a capture of a window showing the map with
// that layout gives. 32 bits per pixel, whatever the screen's colour depth. A GDI
// failure raises "Out of system resources".
Bitmap RenderKeyboardPicture(const KeyboardMap& map, const PictureLayout& layout, FontFaces faces);

}  // namespace tastrix
