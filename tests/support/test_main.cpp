#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  SetProcessDPIAware();
  // Windows shows focus rectangles once the keyboard is used, unless the user
  // asks for them always; Wine's default asks for them always. The tests run
  // with Windows's default, and those that need the other set it themselves.
  SystemParametersInfoA(SPI_SETKEYBOARDCUES, 0, nullptr, 0);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
