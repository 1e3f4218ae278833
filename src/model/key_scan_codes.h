#pragma once
#include <array>

#include "model/key_catalogue.h"

namespace tastrix {

// How a keyboard reports a key of the picture: its scan code (set 1, bits
// 16-23 of a key message's lParam) and whether it is an extended key (bit 24).
// Both together tell apart keys that share a code: Enter and keypad Enter,
// the cursor block and the keypad, left and right Ctrl and Alt.
struct KeyScanCode {
  int position;  // label position 1..101
  unsigned char scan;
  bool extended;
};

// One row per key of the picture, in label order.
const std::array<KeyScanCode, kKeyCount>& keyScanCodes();

// The label position of the key reported with this scan code and flag; -1 for
// a key that is not on the picture (Pause, Print Screen, Scroll Lock...).
int keyAtScanCode(unsigned scan, bool extended);

}  // namespace tastrix
