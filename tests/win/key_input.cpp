#include "win/key_input.h"

#include <vector>

namespace tastrix::testing {
namespace {

constexpr DWORD kPatienceMs = 3000;

void pumpOnce(MainWindow& form) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (form.handle() && TranslateAcceleratorA(form.handle(), form.accelerators(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

INPUT inputOf(Keystroke key, bool up, DWORD time) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.time = time;
  input.ki.wVk = key.vk;
  input.ki.wScan = key.scan;
  input.ki.dwFlags = KEYEVENTF_SCANCODE | (key.extended ? KEYEVENTF_EXTENDEDKEY : 0u) | (up ? KEYEVENTF_KEYUP : 0u);
  return input;
}

LPARAM flagsOf(Keystroke key, bool repeat) {
  return 1 | (static_cast<LPARAM>(key.scan) << 16) | (key.extended ? 1 << 24 : 0) | (repeat ? 1 << 30 : 0);
}

}  // namespace

bool takeFocus(HWND hwnd) {
  SetForegroundWindow(hwnd);
  SetFocus(hwnd);
  const DWORD start = GetTickCount();
  while (GetForegroundWindow() != hwnd || GetFocus() != hwnd) {
    if (GetTickCount() - start > kPatienceMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  return true;
}

void typeKeys(const std::vector<Keystroke>& keys, DWORD time) {
  std::vector<INPUT> inputs;
  for (const Keystroke& key : keys) inputs.push_back(inputOf(key, false, time));
  for (auto key = keys.rbegin(); key != keys.rend(); ++key) inputs.push_back(inputOf(*key, true, time));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool runProgramLoopUntil(MainWindow& form, const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  for (;;) {
    pumpOnce(form);
    if (done()) return true;
    if (GetTickCount() - start > kPatienceMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

void sendKey(HWND hwnd, Keystroke key, std::initializer_list<int> held, bool repeat) {
  BYTE state[256];
  GetKeyboardState(state);
  for (int vk : held) state[vk] = 0x80;
  SetKeyboardState(state);
  SendMessageA(hwnd, WM_KEYDOWN, key.vk, flagsOf(key, repeat));
  for (int vk : held) state[vk] = 0;
  SetKeyboardState(state);
  SendMessageA(hwnd, WM_KEYUP, key.vk, flagsOf(key, false) | static_cast<LPARAM>(0xC0000000u));
}

}  // namespace tastrix::testing
