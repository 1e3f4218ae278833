#include "model/keyboard_map.h"

namespace tastrix {
namespace {

FontDescription describedFont(const char* name, int size, Colour colour, bool bold) {
  FontDescription f;
  f.name = name;
  f.size = size;
  f.colour = colour;
  f.bold = bold;
  return f;
}

}  // namespace

FontDescription FactoryDefaultFont() { return describedFont("System", 10, kBlack, false); }

KeyboardMap::KeyboardMap() {
  labels.fill("Button Label");
  labels[0] = "Keyboard Map Title";
  fonts = {describedFont("Times New Roman", 28, kWindowText, true), describedFont("System", 10, kRed, true),
           describedFont("MS Sans Serif", 10, kWindowText, true), describedFont("System", 10, kWindowText, false)};
}

bool KeyboardMap::operator==(const KeyboardMap& o) const {
  return labels == o.labels && fonts == o.fonts && keyColour == o.keyColour && borderColour == o.borderColour &&
         titleLayout == o.titleLayout && labelLayout == o.labelLayout && alignment == o.alignment;
}

}  // namespace tastrix
