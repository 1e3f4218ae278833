#pragma once

namespace tastrix {

// Tags of the components, which the walks select on.
constexpr int kMapTitleTag = 99;
constexpr int kHiddenTag = -1;  // the notice line and the factory default holder: no walk touches them

// An inclusive range of tags: the unit every walk works on.
struct TagRange {
  int lo, hi;
  constexpr bool contains(int tag) const { return tag >= lo && tag <= hi; }
};

constexpr TagRange kLabelOrder{1, kMapTitleTag};  // the title and every key label, in label order
constexpr TagRange kKeyLabels{1, 50};             // every key label; the title (99) lies outside
constexpr TagRange kKeyNames{0, 0};               // every key-name label (labels of tag 0)
constexpr TagRange kFaceShapes{0, 0};             // every face shape (shapes of tag 0)
constexpr TagRange kBorderShapes{1, 1};           // every border shape (shapes of tag 1)
constexpr TagRange kGroupBoxes{0, 50};            // the four group boxes
// The key labels of one group: their tag is the group number 1..4.
constexpr TagRange groupLabels(int group) { return TagRange{group, group}; }

// What a press records as the selected target: the index of the hidden radio
// group, 0..3 for the key groups 1..4, 4 for the map title, -1 for none.
enum class PressGroup { None = -1, FunctionKeys = 0, MainKeyboard = 1, CursorControl = 2, NumericKeypad = 3, MapTitle = 4 };

// The press group of the key group with this number (1..4).
constexpr PressGroup pressGroupOf(int keyGroup) { return static_cast<PressGroup>(keyGroup - 1); }

}  // namespace tastrix
