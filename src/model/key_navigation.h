#pragma once
#include "model/picture_layout.h"

namespace tastrix {

// The keyboard's way through the picture. A stop is a label position: 0 the
// map title, 1..101 the keys; kNoStop before the keyboard is first used.
constexpr int kNoStop = -1;
constexpr int kStopCount = kLabelPositions;

enum class Direction { Left, Right, Up, Down };

// The next stop in label order, wrapping at the ends; from no stop, the first
// (going backwards, the last).
int nextStop(int from, bool backwards);

// The stop's place on the picture in unscrolled client coordinates: the
// title's label, or the key's border.
Rect stopRect(const PictureLayout& layout, int stop);

// The stop a piece of the picture belongs to (any part of a key cap, or the
// title); kNoStop for the rest of the picture.
int stopOf(const PicturePiece* piece);

// The nearest stop that way: of those whose centre lies in the direction and
// that overlap `from` across it, the nearest by centre, then the best aligned.
// `from` itself when there is none; the first stop when there is no `from`.
int nearestStop(const PictureLayout& layout, int from, Direction direction);

}  // namespace tastrix
