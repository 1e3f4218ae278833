#pragma once
#include <ostream>

#include "model/key_catalogue.h"

namespace tastrix {

// How a failed check shows a recorded group: by its name.
inline void PrintTo(PressGroup group, std::ostream* out) {
  const char* names[] = {"None", "FunctionKeys", "MainKeyboard", "CursorControl", "NumericKeypad", "MapTitle"};
  *out << "PressGroup::" << names[static_cast<int>(group) + 1];
}

}  // namespace tastrix
