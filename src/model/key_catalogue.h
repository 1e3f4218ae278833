#pragma once
#include <array>

#include "model/rect.h"

namespace tastrix {

constexpr int kFunctionKeys = 1;
constexpr int kMainKeyboard = 2;
constexpr int kCursorControl = 3;
constexpr int kNumericKeypad = 4;

// The groups as a press records them (the recorded group, numbered from 0,
// with the map title last), none for a press on the window itself.
enum class PressGroup { None = -1, FunctionKeys = 0, MainKeyboard = 1, CursorControl = 2, NumericKeypad = 3, MapTitle = 4 };
// The press group of the key group with this number (1..4).
constexpr PressGroup pressGroupOf(int keyGroup) { return static_cast<PressGroup>(keyGroup - 1); }

// The key labels an erase or set command reaches.
enum class LabelGroup { FunctionKeys, MainKeyboard, CursorControl, NumericKeypad, AllKeys };

constexpr int kKeyCount = 101;
constexpr int kLabelPositions = kKeyCount + 1;  // the title and the 101 key labels
// The Esc key's label position: its parts are the ones the font and colour
// commands start from and the map file names.
constexpr int kEscPosition = 62;

// A label rectangle relative to the key's border rectangle; kRule marks a
// field that follows the general rule.
constexpr int kRule = -32768;
struct LabelBox {
  int dx = kRule, dy = kRule, width = kRule, height = kRule;
};

// One key cap: its group, legend and border rectangle within the group box.
struct KeyRow {
  int position;
  int group;
  const char* legend;
  int left, top, width, height;
  LabelBox nameBox;
  LabelBox labelBox;
};

// The 101 keys in label order (positions 1..101).
const std::array<KeyRow, kKeyCount>& keyTable();
const KeyRow& keyAt(int position);

// Whether the key label at a position (1..101) is one the group reaches.
bool inLabelGroup(int position, LabelGroup group);

struct GroupRow {
  int group;
  const char* name;
  const char* caption;
  int left, top, width, height;
};

// The four group boxes by group number 1..4 (index 0 is group 1).
const std::array<GroupRow, 4>& groupTable();
const GroupRow& groupOf(int group);
// The groups in the order the picture stacks them, bottom first.
constexpr std::array<int, 4> kGroupStacking = {kMainKeyboard, kFunctionKeys, kCursorControl, kNumericKeypad};

// The rectangles of a key cap's four parts, relative to its group box.
Rect borderRect(const KeyRow& key);
Rect faceRect(const KeyRow& key);
Rect keyNameRect(const KeyRow& key);
Rect keyLabelRect(const KeyRow& key);

}  // namespace tastrix
