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
  const FormModel model;
  EXPECT_EQ(stopRect(model, 0), (Rect{1020, 6, 505, 67}));
  EXPECT_EQ(stopRect(model, 27), (Rect{3 + 100, 95 + 86, 65, 65}));  // Q, in the main keyboard group
  EXPECT_EQ(stopRect(model, 100), (Rect{1232 + 209, 94 + 226, 65, 135}));  // keypad Enter
  EXPECT_EQ(stopLabel(model, 0), model.mapTitle);
  EXPECT_EQ(stopLabel(model, 27), model.keyLabel(27));

  EXPECT_EQ(stopOf(model, model.mapTitle), 0);
  for (int part : {model.borderShape(27), model.faceShape(27), model.keyName(27), model.keyLabel(27)})
    EXPECT_EQ(stopOf(model, part), 27);
  EXPECT_EQ(stopOf(model, model.label0), 62);
  for (int other : {-1, model.groupBox(kMainKeyboard), model.notice, model.factoryDefault})
    EXPECT_EQ(stopOf(model, other), kNoStop) << other;
}

// Whatever the start, a move lands on a stop that lies that way (its centre
// beyond the start's, overlapping it across the move), or stays.
TEST(KeyNavigation, ArrowMovesGoTheWayAskedOrStay) {
  const FormModel model;
  for (int from = 0; from < kStopCount; ++from)
    for (Direction direction : kDirections) {
      const int to = nearestStop(model, from, direction);
      ASSERT_GE(to, 0);
      ASSERT_LT(to, kStopCount);
      if (to == from) continue;
      const Rect a = stopRect(model, from), b = stopRect(model, to);
      const int along[] = {a.left + a.right() - b.left - b.right(), b.left + b.right() - a.left - a.right(),
                           a.top + a.bottom() - b.top - b.bottom(), b.top + b.bottom() - a.top - a.bottom()};
      const bool horizontal = direction == Direction::Left || direction == Direction::Right;
      const bool overlaps = horizontal ? b.top < a.bottom() && b.bottom() > a.top : b.left < a.right() && b.right() > a.left;
      EXPECT_GT(along[static_cast<int>(direction)], 0) << from << " -> " << to;
      EXPECT_TRUE(overlaps) << from << " -> " << to;
    }
  for (Direction direction : kDirections) EXPECT_EQ(nearestStop(model, kNoStop, direction), 0);
}

// No key is out of the arrows' reach: from the title, every stop can be reached.
TEST(KeyNavigation, EveryStopIsReachableWithTheArrows) {
  const FormModel model;
  std::array<bool, kStopCount> reached{};
  std::vector<int> next{0};
  reached[0] = true;
  while (!next.empty()) {
    const int from = next.back();
    next.pop_back();
    for (Direction direction : kDirections) {
      const int to = nearestStop(model, from, direction);
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
