#include "model/key_navigation.h"

#include <climits>
#include <cstdlib>

namespace tastrix {

int nextStop(int from, bool backwards) {
  if (from == kNoStop) return backwards ? kStopCount - 1 : 0;
  return (from + (backwards ? kStopCount - 1 : 1)) % kStopCount;
}

Rect stopRect(const PictureLayout& layout, int stop) { return stop == 0 ? layout.title() : layout.keyBorder(stop); }

int stopOf(const PicturePiece* piece) { return piece && piece->position >= 0 ? piece->position : kNoStop; }

int nearestStop(const PictureLayout& layout, int from, Direction direction) {
  if (from == kNoStop) return 0;
  const bool horizontal = direction == Direction::Left || direction == Direction::Right;
  const bool backwards = direction == Direction::Left || direction == Direction::Up;
  const Rect start = stopRect(layout, from);
  int best = from;
  long bestDistance = LONG_MAX, bestOffset = LONG_MAX;
  for (int stop = 0; stop < kStopCount; ++stop) {
    if (stop == from) continue;
    const Rect r = stopRect(layout, stop);
    const bool overlapsAcross = horizontal ? r.top < start.bottom() && r.bottom() > start.top
                                           : r.left < start.right() && r.right() > start.left;
    // Twice the distances between the centres, along the direction and across it.
    long along = horizontal ? (r.left + r.right()) - (start.left + start.right())
                            : (r.top + r.bottom()) - (start.top + start.bottom());
    const long across = horizontal ? (r.top + r.bottom()) - (start.top + start.bottom())
                                   : (r.left + r.right()) - (start.left + start.right());
    if (backwards) along = -along;
    if (!overlapsAcross || along <= 0) continue;
    if (along < bestDistance || (along == bestDistance && std::labs(across) < bestOffset)) {
      best = stop;
      bestDistance = along;
      bestOffset = std::labs(across);
    }
  }
  return best;
}

}  // namespace tastrix
