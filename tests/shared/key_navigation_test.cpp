#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "model/key_navigation.h"

namespace tastrix {
namespace {

constexpr Direction kDirections[] = {Direction::Left, Direction::Right, Direction::Up, Direction::Down};

TEST(KeyNavigation, TabGoesThroughTheTitleAndThe101KeysInLabelOrderAndWraps) {
  std::vector<int> forwards, backwards;
  for (int stop = nextStop(kNoStop, false); forwards.size() < 103; stop = nextStop(stop, false)) forwards.push_back(stop);
  for (int stop = nextStop(kNoStop, true); backwards.size() < 103; stop = nextStop(stop, true)) backwards.push_back(stop);
  for (int i = 0; i < 102; ++i) {
    EXPECT_EQ(forwards[i], i);
    EXPECT_EQ(backwards[i], 101 - i);
  }
  EXPECT_EQ(forwards[102], 0);
  EXPECT_EQ(backwards[102], 101);
}

TEST(KeyNavigation, StopsAreTheTitleAndTheKeyCapsWithTheLabelsAClickWouldEdit) {
  const PictureLayout layout;
  EXPECT_EQ(stopRect(layout, 0), (Rect{1020, 6, 505, 67}));
  EXPECT_EQ(stopRect(layout, 27), (Rect{3 + 100, 95 + 86, 65, 65}));  // Q, in the main keyboard group
  EXPECT_EQ(stopRect(layout, 100), (Rect{1232 + 209, 94 + 226, 65, 135}));  // keypad Enter
  EXPECT_EQ(layout.labelPiece(0).kind, PicturePiece::Kind::Title);
  EXPECT_EQ(layout.labelPiece(27).bounds, layout.keyLabel(27));

  EXPECT_EQ(stopOf(&layout.labelPiece(0)), 0);
  for (const Rect& part : {layout.keyBorder(27), layout.keyFace(27), layout.keyName(27), layout.keyLabel(27)})
    EXPECT_EQ(stopOf(layout.pieceAt(part.left + 1, part.bottom() - 2)), 27);
  const Rect& keyboard = layout.groupBox(kMainKeyboard);
  for (const PicturePiece* other : {static_cast<const PicturePiece*>(nullptr), layout.pieceAt(keyboard.left + 1, keyboard.top + 1),
                                    layout.pieceAt(1020, 80)})
    EXPECT_EQ(stopOf(other), kNoStop);
}

// Whatever the start, a move lands on a stop that lies that way (its centre
// beyond the start's, overlapping it across the move), or stays.
TEST(KeyNavigation, ArrowMovesGoTheWayAskedOrStay) {
  const PictureLayout layout;
  for (int from = 0; from < kStopCount; ++from)
    for (Direction direction : kDirections) {
      const int to = nearestStop(layout, from, direction);
      ASSERT_GE(to, 0);
      ASSERT_LT(to, kStopCount);
      if (to == from) continue;
      const Rect a = stopRect(layout, from), b = stopRect(layout, to);
      const int along[] = {a.left + a.right() - b.left - b.right(), b.left + b.right() - a.left - a.right(),
                           a.top + a.bottom() - b.top - b.bottom(), b.top + b.bottom() - a.top - a.bottom()};
      const bool horizontal = direction == Direction::Left || direction == Direction::Right;
      const bool overlaps = horizontal ? b.top < a.bottom() && b.bottom() > a.top : b.left < a.right() && b.right() > a.left;
      EXPECT_GT(along[static_cast<int>(direction)], 0) << from << " -> " << to;
      EXPECT_TRUE(overlaps) << from << " -> " << to;
    }
  for (Direction direction : kDirections) EXPECT_EQ(nearestStop(layout, kNoStop, direction), 0);
}

// No key is out of the arrows' reach: from the title, every stop can be reached.
TEST(KeyNavigation, EveryStopIsReachableWithTheArrows) {
  const PictureLayout layout;
  std::array<bool, kStopCount> reached{};
  std::vector<int> next{0};
  reached[0] = true;
  while (!next.empty()) {
    const int from = next.back();
    next.pop_back();
    for (Direction direction : kDirections) {
      const int to = nearestStop(layout, from, direction);
      if (!reached[to]) {
        reached[to] = true;
        next.push_back(to);
      }
    }
  }
  for (int stop = 0; stop < kStopCount; ++stop) EXPECT_TRUE(reached[stop]) << "stop " << stop;
}

}  // namespace
}  // namespace tastrix
