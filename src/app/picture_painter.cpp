#include "app/picture_painter.h"

namespace tastrix {

void paintPicture(HDC dc, const FormModel&, int, const RECT& clip) {
  FillRect(dc, &clip, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

}  // namespace tastrix
