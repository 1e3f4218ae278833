#pragma once
#include <array>
#include <cstddef>
#include <vector>

#include "model/key_catalogue.h"
#include "model/rect.h"

namespace tastrix {

// A piece of the picture: what a press lands on and what the painter draws.
struct PicturePiece {
  enum class Kind { Title, Notice, GroupBox, KeyBorder, KeyFace, KeyName, KeyLabel };
  Kind kind;
  int group;     // 1..4 for a group box and the parts of a key; 0 otherwise
  int position;  // the label position: 0 the title, 1..101 the parts of a key; -1 otherwise
  Rect bounds;   // in unscrolled client coordinates

  bool sameAs(const PicturePiece& o) const { return kind == o.kind && group == o.group && position == o.position; }
};

// The picture's geometry for one dpi, built from the key catalogue's
// rectangles at 96 dpi. Edges are scaled rather than sizes, so neighbours
// stay flush at any dpi.
class PictureLayout {
 public:
  explicit PictureLayout(int dpi = 96);

  int dpi() const { return dpi_; }
  // Every piece in the order the picture stacks them, bottom first; the parts
  // of a key show only through their group box.
  const std::vector<PicturePiece>& pieces() const { return pieces_; }
  // The topmost piece under an unscrolled client point; nullptr for the
  // window's own background.
  const PicturePiece* pieceAt(int x, int y) const;

  const Rect& title() const { return pieces_[kTitlePiece].bounds; }
  const Rect& notice() const { return pieces_[kNoticePiece].bounds; }
  const Rect& groupBox(int group) const { return pieces_[groupBoxes_[group - 1]].bounds; }
  // The parts of the key at a label position (1..101).
  const Rect& keyBorder(int position) const { return part(position, PicturePiece::Kind::KeyBorder); }
  const Rect& keyFace(int position) const { return part(position, PicturePiece::Kind::KeyFace); }
  const Rect& keyName(int position) const { return part(position, PicturePiece::Kind::KeyName); }
  const Rect& keyLabel(int position) const { return part(position, PicturePiece::Kind::KeyLabel); }
  // The piece a click edits the label of: the title (position 0) or a key's label.
  const PicturePiece& labelPiece(int position) const;

  // Right edge of the rightmost piece: the horizontal scroll range.
  int scrollRange() const { return scrollRange_; }
  // The picture's extent: the numeric keypad group's right edge plus the
  // function keys group's left margin, and its bottom edge.
  int pictureWidth() const;
  int pictureHeight() const;

 private:
  static constexpr std::size_t kTitlePiece = 0, kNoticePiece = 1;
  const PicturePiece& piece(int position, PicturePiece::Kind kind) const;
  const Rect& part(int position, PicturePiece::Kind kind) const { return piece(position, kind).bounds; }
  void addGroup(const GroupRow& group);

  int dpi_;
  int scrollRange_ = 0;
  std::vector<PicturePiece> pieces_;
  std::array<std::size_t, 4> groupBoxes_{};
  // Per label position, the index of each of a key's four parts in pieces_.
  std::array<std::array<std::size_t, 4>, kLabelPositions> keyParts_{};
};

}  // namespace tastrix
