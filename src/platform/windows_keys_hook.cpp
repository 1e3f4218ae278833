#include "platform/windows_keys_hook.h"

namespace tastrix {
namespace {

// A low-level hook has no context of its own.
HWND hookedWindow = nullptr;

LRESULT CALLBACK keyboardHook(int code, WPARAM message, LPARAM data) {
  const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
  if (code != HC_ACTION || !hookedWindow || (key->vkCode != VK_LWIN && key->vkCode != VK_RWIN))
    return CallNextHookEx(nullptr, code, message, data);
  const bool up = (key->flags & LLKHF_UP) != 0;
  // The flags of a key message: one stroke, the scan code, the extended
  // flag, and for a release the previous state and the transition.
  LPARAM flags = 1 | (static_cast<LPARAM>(key->scanCode & 0xFF) << 16);
  if (key->flags & LLKHF_EXTENDED) flags |= 1 << 24;
  if (up) flags |= static_cast<LPARAM>(0xC0000000u);
  PostMessageA(hookedWindow, up ? WM_KEYUP : WM_KEYDOWN, key->vkCode, flags);
  return 1;
}

}  // namespace

WindowsKeysHook::WindowsKeysHook(HWND window)
    : hook_(SetWindowsHookExA(WH_KEYBOARD_LL, &keyboardHook, GetModuleHandleA(nullptr), 0)) {
  if (hook_) hookedWindow = window;
}

WindowsKeysHook::~WindowsKeysHook() {
  if (!hook_) return;
  UnhookWindowsHookEx(hook_);
  hookedWindow = nullptr;
}

}  // namespace tastrix
