#pragma once
#include <array>

#include "model/component.h"

namespace tastrix {

constexpr int kFunctionKeys = 1;
constexpr int kMainKeyboard = 2;
constexpr int kCursorControl = 3;
constexpr int kNumericKeypad = 4;

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

struct GroupRow {
  int group;
  const char* name;
  const char* caption;
  int left, top, width, height;
};

// The four group boxes by group number 1..4 (index 0 is group 1).
const std::array<GroupRow, 4>& groupTable();

// The rectangles of a key cap's four parts, relative to its group box.
Rect borderRect(const KeyRow& key);
Rect faceRect(const KeyRow& key);
Rect keyNameRect(const KeyRow& key);
Rect keyLabelRect(const KeyRow& key);

}  // namespace tastrix
