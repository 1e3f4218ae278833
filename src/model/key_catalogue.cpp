#include "model/key_catalogue.h"

#include <cstddef>

namespace tastrix {
namespace {

constexpr int R = kRule;
constexpr LabelBox rule{};
constexpr LabelBox top21{R, 21, R, R};  // key labels of the two upper letter rows

constexpr int F = kFunctionKeys, M = kMainKeyboard, C = kCursorControl, N = kNumericKeypad;

// Label order: the main keyboard (its second and fourth rows right to left),
// then the function keys, the cursor control keys and the numeric keypad.
const std::array<KeyRow, kKeyCount> kKeys = {{
    {1, M, "` ~", 4, 16, 65, 65, rule, rule},
    {2, M, "1", 72, 16, 65, 65, rule, rule},
    {3, M, "2", 140, 16, 65, 65, rule, rule},
    {4, M, "3", 208, 16, 65, 65, rule, rule},
    {5, M, "4", 276, 16, 65, 65, rule, rule},
    {6, M, "5", 344, 16, 65, 65, rule, rule},
    {7, M, "6", 412, 16, 65, 65, rule, rule},
    {8, M, "7", 480, 16, 65, 65, rule, rule},
    {9, M, "8", 548, 16, 65, 65, rule, rule},
    {10, M, "9", 616, 16, 65, 65, rule, rule},
    {11, M, "0", 684, 16, 65, 65, rule, rule},
    {12, M, "-", 752, 16, 65, 65, rule, rule},
    {13, M, "=", 820, 16, 65, 65, rule, rule},
    {14, M, "BackSpace", 888, 16, 117, 65, {11, 6, 97, 32}, rule},
    {15, M, "\\", 916, 86, 88, 65, {11, 6, 65, 32}, {8, 20, 68, 39}},
    {16, M, "] }", 848, 86, 65, 65, rule, top21},
    {17, M, "[ {", 780, 86, 65, 65, rule, top21},
    {18, M, "P", 712, 86, 65, 65, rule, top21},
    {19, M, "O", 644, 86, 65, 65, rule, top21},
    {20, M, "I", 576, 86, 65, 65, rule, top21},
    {21, M, "U", 508, 86, 65, 65, rule, top21},
    {22, M, "Y", 440, 86, 65, 65, rule, top21},
    {23, M, "T", 372, 86, 65, 65, rule, top21},
    {24, M, "R", 304, 86, 65, 65, rule, top21},
    {25, M, "E", 236, 86, 65, 65, rule, top21},
    {26, M, "W", 168, 86, 65, 65, rule, top21},
    {27, M, "Q", 100, 86, 65, 65, rule, top21},
    {28, M, "TAB", 4, 86, 93, 65, {8, 8, 78, 32}, {8, 24, 77, 35}},
    {29, M, "Caps Lock", 4, 156, 109, 65, {8, 6, 93, 32}, top21},
    {30, M, "A", 116, 156, 65, 65, rule, top21},
    {31, M, "S", 184, 156, 65, 65, rule, top21},
    {32, M, "D", 252, 156, 65, 65, rule, top21},
    {33, M, "F", 320, 156, 65, 65, rule, top21},
    {34, M, "G", 388, 156, 65, 65, rule, top21},
    {35, M, "H", 456, 156, 65, 65, rule, top21},
    {36, M, "J", 524, 156, 65, 65, rule, top21},
    {37, M, "K", 592, 156, 65, 65, rule, top21},
    {38, M, "L", 660, 156, 65, 65, rule, top21},
    {39, M, "; :", 728, 156, 65, 65, rule, top21},
    {40, M, "' \"", 796, 156, 65, 65, rule, top21},
    {41, M, "Enter", 864, 156, 139, 65, {12, 6, 117, 32}, rule},
    {42, M, "Shift", 828, 226, 175, 65, {12, 6, 153, 32}, rule},
    {43, M, "/ ?", 760, 226, 65, 65, rule, rule},
    {44, M, ". >", 692, 226, 65, 65, rule, rule},
    {45, M, ", <", 624, 226, 65, 65, rule, rule},
    {46, M, "M", 556, 226, 65, 65, rule, rule},
    {47, M, "N", 488, 226, 65, 65, rule, rule},
    {48, M, "B", 420, 226, 65, 65, rule, rule},
    {49, M, "V", 352, 226, 65, 65, rule, rule},
    {50, M, "C", 284, 226, 65, 65, rule, rule},
    {51, M, "X", 216, 226, 65, 65, rule, rule},
    {52, M, "Z", 148, 226, 65, 65, rule, rule},
    {53, M, "Shift", 4, 226, 141, 65, rule, rule},
    {54, M, "Ctrl", 4, 296, 97, 65, {R, R, 81, R}, rule},
    {55, M, "Win", 104, 296, 65, 65, rule, rule},
    {56, M, "Alt", 172, 296, 101, 65, rule, rule},
    {57, M, "Space Bar", 276, 296, 389, 65, {R, R, 373, R}, rule},
    {58, M, "Alt", 667, 296, 101, 65, rule, rule},
    {59, M, "Win", 771, 296, 65, 65, rule, rule},
    {60, M, "Menu", 840, 296, 65, 65, rule, rule},
    {61, M, "Ctrl", 908, 296, 97, 65, {R, R, 81, R}, rule},
    {62, F, "Esc", 6, 16, 65, 65, rule, rule},
    {63, F, "F1", 102, 16, 65, 65, rule, rule},
    {64, F, "F2", 170, 16, 65, 65, rule, rule},
    {65, F, "F3", 238, 16, 65, 65, rule, rule},
    {66, F, "F4", 306, 16, 65, 65, rule, rule},
    {67, F, "F5", 415, 16, 65, 65, rule, rule},
    {68, F, "F6", 483, 16, 65, 65, rule, rule},
    {69, F, "F7", 551, 16, 65, 65, rule, rule},
    {70, F, "F8", 619, 16, 65, 65, rule, rule},
    {71, F, "F9", 733, 16, 65, 65, rule, rule},
    {72, F, "F10", 801, 16, 65, 65, rule, rule},
    {73, F, "F11", 869, 16, 65, 65, rule, rule},
    {74, F, "F12", 937, 16, 65, 65, rule, rule},
    {75, C, "Ins", 5, 16, 65, 65, rule, rule},
    {76, C, "Home", 73, 16, 65, 65, rule, rule},
    {77, C, "PgUp", 141, 16, 65, 65, rule, rule},
    {78, C, "Del", 5, 86, 65, 65, rule, rule},
    {79, C, "End", 73, 86, 65, 65, rule, rule},
    {80, C, "PgDn", 141, 86, 65, 65, rule, rule},
    {81, C, "/\\", 73, 228, 65, 65, rule, rule},
    {82, C, "<-", 5, 296, 65, 65, rule, rule},
    {83, C, "V", 73, 296, 65, 65, rule, rule},
    {84, C, "->", 141, 296, 65, 65, rule, rule},
    {85, N, "Num", 5, 16, 65, 65, rule, rule},
    {86, N, "/", 73, 16, 65, 65, rule, rule},
    {87, N, "*", 141, 16, 65, 65, rule, rule},
    {88, N, "-", 209, 16, 65, 65, rule, rule},
    {89, N, "7", 5, 86, 65, 65, rule, rule},
    {90, N, "8", 73, 86, 65, 65, rule, rule},
    {91, N, "9", 141, 86, 65, 65, rule, rule},
    {92, N, "4", 5, 156, 65, 65, rule, rule},
    {93, N, "5", 73, 156, 65, 65, rule, rule},
    {94, N, "6", 141, 156, 65, 65, rule, rule},
    {95, N, "1", 5, 226, 65, 65, rule, rule},
    {96, N, "2", 73, 226, 65, 65, rule, rule},
    {97, N, "3", 141, 226, 65, 65, rule, rule},
    {98, N, "0 Ins", 5, 296, 131, 65, {R, R, 115, R}, rule},
    {99, N, ". Del", 141, 296, 65, 65, rule, rule},
    {100, N, "Enter", 209, 226, 65, 135, {8, 7, 50, 32}, {8, 21, 49, 106}},
    {101, N, "+", 209, 86, 65, 135, rule, {8, 20, 49, 107}},
}};

const std::array<GroupRow, 4> kGroups = {{
    {kFunctionKeys, "Function_Keys_GroupBox", " Function Keys : ", 3, 4, 1009, 87},
    {kMainKeyboard, "Main_Keyboard_Area_GroupBox", " Main Keyboard Area : ", 3, 95, 1009, 367},
    {kCursorControl, "Cursor_Control_GroupBox", " Cursor Control : ", 1016, 95, 213, 367},
    {kNumericKeypad, "Numeric_Keypad_GroupBox", " Numeric Keypad : ", 1232, 94, 293, 367},
}};

int pick(int value, int ruleValue) { return value == kRule ? ruleValue : value; }

Rect labelRect(const KeyRow& key, const LabelBox& box, const LabelBox& ruleBox) {
  return Rect{key.left + pick(box.dx, ruleBox.dx), key.top + pick(box.dy, ruleBox.dy),
              pick(box.width, ruleBox.width), pick(box.height, ruleBox.height)};
}

}  // namespace

const std::array<KeyRow, kKeyCount>& keyTable() { return kKeys; }

const KeyRow& keyAt(int position) { return kKeys[static_cast<std::size_t>(position - 1)]; }

bool inLabelGroup(int position, LabelGroup group) {
  return group == LabelGroup::AllKeys || keyAt(position).group == static_cast<int>(group) + 1;
}

const std::array<GroupRow, 4>& groupTable() { return kGroups; }

const GroupRow& groupOf(int group) { return kGroups[static_cast<std::size_t>(group - 1)]; }

Rect borderRect(const KeyRow& key) { return Rect{key.left, key.top, key.width, key.height}; }

Rect faceRect(const KeyRow& key) {
  return Rect{key.left + 4, key.top + 4, key.width - 8, key.height - 8};
}

Rect keyNameRect(const KeyRow& key) {
  return labelRect(key, key.nameBox, LabelBox{8, 6, key.width - 15, 32});
}

Rect keyLabelRect(const KeyRow& key) {
  return labelRect(key, key.labelBox, LabelBox{8, 20, key.width - 16, 39});
}

}  // namespace tastrix
