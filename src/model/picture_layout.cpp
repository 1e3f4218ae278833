#include "model/picture_layout.h"

#include <algorithm>

#include "text/mul_div.h"

namespace tastrix {
namespace {

using Kind = PicturePiece::Kind;

constexpr Rect kTitleBounds{1020, 6, 505, 67};
constexpr Rect kNoticeBounds{1016, 76, 505, 19};

Rect scaled(const Rect& r, int dpi) {
  const int left = mulDiv(r.left, dpi, 96), top = mulDiv(r.top, dpi, 96);
  const int right = mulDiv(r.right(), dpi, 96), bottom = mulDiv(r.bottom(), dpi, 96);
  return Rect{left, top, right - left, bottom - top};
}

// A key's part is laid out within its group box, then placed with the box.
Rect inBox(const Rect& part, const Rect& box, int dpi) {
  Rect r = scaled(part, dpi);
  r.left += box.left;
  r.top += box.top;
  return r;
}

size_t partSlot(Kind kind) { return static_cast<size_t>(kind) - static_cast<size_t>(Kind::KeyBorder); }

}  // namespace

PictureLayout::PictureLayout(int dpi) : dpi_(dpi) {
  pieces_.push_back(PicturePiece{Kind::Title, 0, 0, scaled(kTitleBounds, dpi)});
  pieces_.push_back(PicturePiece{Kind::Notice, 0, -1, scaled(kNoticeBounds, dpi)});
  for (const int group : kGroupStacking) addGroup(groupOf(group));
  for (const PicturePiece& piece : pieces_)
    if (piece.kind == Kind::Title || piece.kind == Kind::Notice || piece.kind == Kind::GroupBox)
      scrollRange_ = std::max(scrollRange_, piece.bounds.right());
}

// A group box, then the border and face of each key pairwise, then the keys'
// names, then their labels: later pieces lie over earlier ones.
void PictureLayout::addGroup(const GroupRow& row) {
  const Rect box = scaled(Rect{row.left, row.top, row.width, row.height}, dpi_);
  groupBoxes_[static_cast<size_t>(row.group - 1)] = pieces_.size();
  pieces_.push_back(PicturePiece{Kind::GroupBox, row.group, -1, box});
  const auto add = [&](Kind kind, const KeyRow& key, const Rect& bounds) {
    keyParts_[static_cast<size_t>(key.position)][partSlot(kind)] = pieces_.size();
    pieces_.push_back(PicturePiece{kind, row.group, key.position, inBox(bounds, box, dpi_)});
  };
  for (const KeyRow& key : keyTable())
    if (key.group == row.group) {
      add(Kind::KeyBorder, key, borderRect(key));
      add(Kind::KeyFace, key, faceRect(key));
    }
  for (const KeyRow& key : keyTable())
    if (key.group == row.group) add(Kind::KeyName, key, keyNameRect(key));
  for (const KeyRow& key : keyTable())
    if (key.group == row.group) add(Kind::KeyLabel, key, keyLabelRect(key));
}

const PicturePiece& PictureLayout::piece(int position, Kind kind) const {
  return pieces_[keyParts_[static_cast<size_t>(position)][partSlot(kind)]];
}

const PicturePiece& PictureLayout::labelPiece(int position) const {
  return position == 0 ? pieces_[kTitlePiece] : piece(position, Kind::KeyLabel);
}

const PicturePiece* PictureLayout::pieceAt(int x, int y) const {
  for (auto piece = pieces_.rbegin(); piece != pieces_.rend(); ++piece) {
    if (!piece->bounds.contains(x, y)) continue;
    if (piece->kind != Kind::GroupBox && piece->group != 0 && !groupBox(piece->group).contains(x, y)) continue;
    return &*piece;
  }
  return nullptr;
}

int PictureLayout::pictureWidth() const { return groupBox(kNumericKeypad).right() + groupBox(kFunctionKeys).left; }

int PictureLayout::pictureHeight() const { return groupBox(kNumericKeypad).bottom(); }

}  // namespace tastrix
