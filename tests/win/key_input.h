#pragma once
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "app/application.h"

namespace tastrix::testing {

// A key as a keyboard reports it. Both codes go into the synthesized input:
// Windows takes the scan code, Wine the virtual key.
struct Keystroke {
  WORD vk;
  WORD scan;
  bool extended;
};

// Gives the window the keyboard focus the way the user would (to the front),
// waiting until it has it.
bool takeFocus(HWND hwnd);

// Presses and releases the keys through the system's input, the first held
// down until the last is released: {ctrl, s} is Ctrl+S. A time other than 0
// is every key event's message time, as a keyboard layout's AltGr has it.
void typeKeys(const std::vector<Keystroke>& keys, DWORD time = 0);

// Runs the program's own message loop (its accelerators first) until `done`
// holds, for at most a few seconds; tells whether it came true.
bool runProgramLoopUntil(MainWindow& form, const std::function<bool()>& done);

// A key pressed and released as the window receives it, with the modifiers
// held down for GetKeyState, sent straight to the window's procedure.
void sendKey(HWND hwnd, Keystroke key, std::initializer_list<int> held = {}, bool repeat = false);

inline constexpr Keystroke kF2{VK_F2, 0x3C, false};
inline constexpr Keystroke kTab{VK_TAB, 0x0F, false};
inline constexpr Keystroke kEnter{VK_RETURN, 0x1C, false};
inline constexpr Keystroke kSpace{VK_SPACE, 0x39, false};
inline constexpr Keystroke kLeft{VK_LEFT, 0x4B, true};
inline constexpr Keystroke kRight{VK_RIGHT, 0x4D, true};
inline constexpr Keystroke kUp{VK_UP, 0x48, true};
inline constexpr Keystroke kDown{VK_DOWN, 0x50, true};

}  // namespace tastrix::testing
