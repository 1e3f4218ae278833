#include "model/key_scan_codes.h"

namespace tastrix {
namespace {

// Num Lock is reported as extended although its make code has no E0 prefix;
// the same code without the flag is Pause. The keypad digits and period are
// never extended: with Num Lock off they still differ from the cursor block.
constexpr std::array<KeyScanCode, kKeyCount> kScanCodes = {{
    {1, 0x29, false},  // Grave accent
    {2, 0x02, false},  // 1
    {3, 0x03, false},  // 2
    {4, 0x04, false},  // 3
    {5, 0x05, false},  // 4
    {6, 0x06, false},  // 5
    {7, 0x07, false},  // 6
    {8, 0x08, false},  // 7
    {9, 0x09, false},  // 8
    {10, 0x0A, false},  // 9
    {11, 0x0B, false},  // 0
    {12, 0x0C, false},  // Minus
    {13, 0x0D, false},  // Equals
    {14, 0x0E, false},  // Backspace
    {15, 0x2B, false},  // Backslash
    {16, 0x1B, false},  // Right bracket
    {17, 0x1A, false},  // Left bracket
    {18, 0x19, false},  // P
    {19, 0x18, false},  // O
    {20, 0x17, false},  // I
    {21, 0x16, false},  // U
    {22, 0x15, false},  // Y
    {23, 0x14, false},  // T
    {24, 0x13, false},  // R
    {25, 0x12, false},  // E
    {26, 0x11, false},  // W
    {27, 0x10, false},  // Q
    {28, 0x0F, false},  // Tab
    {29, 0x3A, false},  // Caps Lock
    {30, 0x1E, false},  // A
    {31, 0x1F, false},  // S
    {32, 0x20, false},  // D
    {33, 0x21, false},  // F
    {34, 0x22, false},  // G
    {35, 0x23, false},  // H
    {36, 0x24, false},  // J
    {37, 0x25, false},  // K
    {38, 0x26, false},  // L
    {39, 0x27, false},  // Semicolon
    {40, 0x28, false},  // Apostrophe
    {41, 0x1C, false},  // Enter
    {42, 0x36, false},  // Right Shift
    {43, 0x35, false},  // Slash
    {44, 0x34, false},  // Period
    {45, 0x33, false},  // Comma
    {46, 0x32, false},  // M
    {47, 0x31, false},  // N
    {48, 0x30, false},  // B
    {49, 0x2F, false},  // V
    {50, 0x2E, false},  // C
    {51, 0x2D, false},  // X
    {52, 0x2C, false},  // Z
    {53, 0x2A, false},  // Left Shift
    {54, 0x1D, false},  // Left Ctrl
    {55, 0x5B, true},  // Left Windows
    {56, 0x38, false},  // Left Alt
    {57, 0x39, false},  // Space Bar
    {58, 0x38, true},  // Right Alt
    {59, 0x5C, true},  // Right Windows
    {60, 0x5D, true},  // Menu
    {61, 0x1D, true},  // Right Ctrl
    {62, 0x01, false},  // Esc
    {63, 0x3B, false},  // F1
    {64, 0x3C, false},  // F2
    {65, 0x3D, false},  // F3
    {66, 0x3E, false},  // F4
    {67, 0x3F, false},  // F5
    {68, 0x40, false},  // F6
    {69, 0x41, false},  // F7
    {70, 0x42, false},  // F8
    {71, 0x43, false},  // F9
    {72, 0x44, false},  // F10
    {73, 0x57, false},  // F11
    {74, 0x58, false},  // F12
    {75, 0x52, true},  // Insert
    {76, 0x47, true},  // Home
    {77, 0x49, true},  // Page Up
    {78, 0x53, true},  // Delete
    {79, 0x4F, true},  // End
    {80, 0x51, true},  // Page Down
    {81, 0x48, true},  // Up Arrow
    {82, 0x4B, true},  // Left Arrow
    {83, 0x50, true},  // Down Arrow
    {84, 0x4D, true},  // Right Arrow
    {85, 0x45, true},  // Num Lock
    {86, 0x35, true},  // Keypad Slash
    {87, 0x37, false},  // Keypad Asterisk
    {88, 0x4A, false},  // Keypad Minus
    {89, 0x47, false},  // Keypad 7
    {90, 0x48, false},  // Keypad 8
    {91, 0x49, false},  // Keypad 9
    {92, 0x4B, false},  // Keypad 4
    {93, 0x4C, false},  // Keypad 5
    {94, 0x4D, false},  // Keypad 6
    {95, 0x4F, false},  // Keypad 1
    {96, 0x50, false},  // Keypad 2
    {97, 0x51, false},  // Keypad 3
    {98, 0x52, false},  // Keypad 0
    {99, 0x53, false},  // Keypad Period
    {100, 0x1C, true},  // Keypad Enter
    {101, 0x4E, false},  // Keypad Plus
}};

}  // namespace

const std::array<KeyScanCode, kKeyCount>& keyScanCodes() { return kScanCodes; }

int keyAtScanCode(unsigned scan, bool extended) {
  for (const KeyScanCode& key : kScanCodes)
    if (key.scan == scan && key.extended == extended) return key.position;
  return -1;
}

}  // namespace tastrix
