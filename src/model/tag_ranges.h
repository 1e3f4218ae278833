#pragma once

namespace tastrix {

// Tags of the components, which the walks select on.
constexpr int kMapTitleTag = 99;
constexpr int kHiddenTag = -1;  // the notice line and the factory default holder: no walk touches them
constexpr int kGroupBoxTag = 0;
constexpr int kKeyNameTag = 0;
constexpr int kFaceShapeTag = 0;
constexpr int kBorderShapeTag = 1;
// Key labels carry their group's number (1..4) as tag; every tag up to this
// one is a key label's, the title's lies beyond.
constexpr int kLastKeyLabelTag = 50;

// An inclusive range of tags: the unit every walk works on.
struct TagRange {
  int lo, hi;
  constexpr bool contains(int tag) const { return tag >= lo && tag <= hi; }
};

constexpr TagRange kLabelOrder{1, kMapTitleTag};  // the title and every key label, in label order
constexpr TagRange kKeyLabels{1, kLastKeyLabelTag};                    // every key label, not the title
constexpr TagRange kKeyNames{kKeyNameTag, kKeyNameTag};                // every key-name label
constexpr TagRange kFaceShapes{kFaceShapeTag, kFaceShapeTag};          // every face shape
constexpr TagRange kBorderShapes{kBorderShapeTag, kBorderShapeTag};    // every border shape
constexpr TagRange kGroupBoxes{kGroupBoxTag, kLastKeyLabelTag};        // the four group boxes
// The key labels of one group: their tag is the group number 1..4.
constexpr TagRange groupLabels(int group) { return TagRange{group, group}; }

// What a press records as the selected target: the index of the hidden radio
// group, 0..3 for the key groups 1..4, 4 for the map title, -1 for none.
enum class PressGroup { None = -1, FunctionKeys = 0, MainKeyboard = 1, CursorControl = 2, NumericKeypad = 3, MapTitle = 4 };

// The press group of the key group with this number (1..4).
constexpr PressGroup pressGroupOf(int keyGroup) { return static_cast<PressGroup>(keyGroup - 1); }

}  // namespace tastrix
