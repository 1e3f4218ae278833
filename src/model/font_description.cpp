#include "model/font_description.h"

#include "text/mul_div.h"

namespace tastrix {

int pointsFromHeight(int height, int dpi) { return -mulDiv(height, 72, dpi); }

int heightFromPoints(int points, int dpi) { return -mulDiv(points, dpi, 72); }

}  // namespace tastrix
