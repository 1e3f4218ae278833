#pragma once

namespace tastrix {

// a * b / c rounded half away from zero, as the platform's MulDiv does; -1
// when c is 0.
int mulDiv(int a, int b, int c);

}  // namespace tastrix
