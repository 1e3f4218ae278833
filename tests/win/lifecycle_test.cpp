#include <gtest/gtest.h>

#include "support/form_fixture.h"

namespace tastrix::testing {
namespace {

class FirstStart : public FormTest {};

TEST_F(FirstStart, WithoutSettingsFileUsesTheDefaults) {
  startForm();
  RECT window;
  GetWindowRect(hwnd(), &window);
  EXPECT_EQ(window.left, 20);
  EXPECT_EQ(window.top, 20);
  EXPECT_EQ(window.right - window.left, 762);
  EXPECT_EQ(form().clientHeight(), 461);
  EXPECT_FALSE(IsZoomed(hwnd()));
  EXPECT_FALSE(GetWindowLongPtrA(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(form().caption(), "Tastrix - v1.0f  - ");
  EXPECT_EQ(model()[model().mapTitle].caption, "Untitled keyboard Map");
  EXPECT_EQ(model()[model().keyLabel(27)].caption, "Key Label");
  EXPECT_FALSE(model().changed);
}

}  // namespace
}  // namespace tastrix::testing
