#pragma once
#include <windows.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/wide_text.h"

namespace tastrix::testing {

const wchar_t* const kRunPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Where Windows keeps the values a program of this build writes to a Run key,
// as its 64-bit registry shows them (Windows runs both at log-on): a 32-bit
// program's machine-wide key is the one under Wow6432Node, the user's key is
// shared by both.
inline const wchar_t* storedRunPath(HKEY root) {
  BOOL wow64 = FALSE;
  IsWow64Process(GetCurrentProcess(), &wow64);
  return root == HKEY_LOCAL_MACHINE && wow64 ? L"Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run"
                                             : kRunPath;
}

// A Run key as the test sees it, independent of the program's code, where
// the values are stored. Each call opens the key afresh, so a key taken away
// and put back meanwhile still works.
class RunKey {
 public:
  explicit RunKey(HKEY root) : root_(root) {}

  bool exists() const { return Opened(root_, false).key != nullptr; }
  bool has(const std::string& name) const {
    const Opened key(root_, false);
    return key.key && RegQueryValueExW(key.key, WideFromUtf8(name).c_str(), nullptr, nullptr, nullptr, nullptr) ==
                          ERROR_SUCCESS;
  }
  // The raw value: its type and every stored byte (terminator included).
  bool raw(const std::string& name, DWORD& type, std::vector<BYTE>& data) const {
    const Opened key(root_, false);
    const std::wstring wide = WideFromUtf8(name);
    DWORD size = 0;
    if (!key.key || RegQueryValueExW(key.key, wide.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
      return false;
    data.resize(size);
    return RegQueryValueExW(key.key, wide.c_str(), nullptr, &type, data.data(), &size) == ERROR_SUCCESS;
  }
  // A string value as UTF-8 without its terminator; "<missing>" when there is none.
  std::string text(const std::string& name) const {
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!raw(name, type, data)) return "<missing>";
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_GE(data.size(), 2u);
    if (data.size() < 2) return "";
    EXPECT_EQ(data[data.size() - 1] | data[data.size() - 2], 0) << "stored with its terminator";
    return Utf8FromWide(std::wstring(reinterpret_cast<const wchar_t*>(data.data()), data.size() / 2 - 1));
  }
  void setRaw(const std::string& name, DWORD type, const std::vector<BYTE>& data) const {
    const Opened key(root_, true);
    ASSERT_NE(key.key, nullptr);
    const DWORD size = static_cast<DWORD>(data.size());
    ASSERT_EQ(RegSetValueExW(key.key, WideFromUtf8(name).c_str(), 0, type, data.data(), size), ERROR_SUCCESS);
  }
  void setString(const std::string& name, const std::string& text) const {
    const std::wstring wide = WideFromUtf8(text);
    const auto* bytes = reinterpret_cast<const BYTE*>(wide.c_str());
    setRaw(name, REG_SZ, std::vector<BYTE>(bytes, bytes + (wide.size() + 1) * sizeof(wchar_t)));
  }
  void remove(const std::string& name) const {
    const Opened key(root_, false);
    if (key.key) RegDeleteValueW(key.key, WideFromUtf8(name).c_str());
  }

 private:
  struct Opened {
    Opened(HKEY root, bool create) {
      const REGSAM access = KEY_ALL_ACCESS | KEY_WOW64_64KEY;
      if (create)
        RegCreateKeyExW(root, storedRunPath(root), 0, nullptr, 0, access, nullptr, &key, nullptr);
      else if (RegOpenKeyExW(root, storedRunPath(root), 0, access, &key) != ERROR_SUCCESS &&
               RegOpenKeyExW(root, storedRunPath(root), 0, KEY_READ | KEY_WOW64_64KEY, &key) !=
                   ERROR_SUCCESS)  // a closed key still reads
        key = nullptr;
    }
    ~Opened() {
      if (key) RegCloseKey(key);
    }
    Opened(const Opened&) = delete;
    Opened& operator=(const Opened&) = delete;
    HKEY key = nullptr;
  };
  HKEY root_;
};

// Removes a Run value for the test and puts the machine's own back afterwards.
class RunValueGuard {
 public:
  RunValueGuard(const RunKey& key, std::string name) : key_(key), name_(std::move(name)) {
    existed_ = key_.raw(name_, type_, data_);
    key_.remove(name_);
  }
  ~RunValueGuard() {
    key_.remove(name_);
    if (existed_) key_.setRaw(name_, type_, data_);
  }
  RunValueGuard(const RunValueGuard&) = delete;
  RunValueGuard& operator=(const RunValueGuard&) = delete;

 private:
  const RunKey& key_;
  std::string name_;
  bool existed_ = false;
  DWORD type_ = 0;
  std::vector<BYTE> data_;
};

// Lets everyone read a Run key and nobody change it, as Windows closes the
// machine-wide one to a standard user (Wine enforces it); the key's own
// permissions come back afterwards.
class RunKeyClosed {
 public:
  explicit RunKeyClosed(HKEY root) {
    RegOpenKeyExW(root, kRunPath, 0, READ_CONTROL | WRITE_DAC, &key_);
    DWORD size = sizeof open_;
    EXPECT_EQ(RegGetKeySecurity(key_, DACL_SECURITY_INFORMATION, open_, &size), ERROR_SUCCESS);
    PSECURITY_DESCRIPTOR closed = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;KR;;;WD)", SDDL_REVISION_1, &closed, nullptr);
    EXPECT_EQ(RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, closed), ERROR_SUCCESS);
    LocalFree(closed);
  }
  ~RunKeyClosed() {
    RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, open_);
    RegCloseKey(key_);
  }
  RunKeyClosed(const RunKeyClosed&) = delete;
  RunKeyClosed& operator=(const RunKeyClosed&) = delete;

 private:
  HKEY key_ = nullptr;
  alignas(8) BYTE open_[4096];
};

// Takes a Run key away, values and all, and puts it back afterwards.
class RunKeyRemoved {
 public:
  explicit RunKeyRemoved(HKEY root) : root_(root) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root_, kRunPath, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    existed_ = true;
    wchar_t name[16384];
    for (DWORD i = 0;; ++i) {
      DWORD nameLength = 16384, type = 0, size = 0;
      if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
      Value value{std::wstring(name, nameLength), type, std::vector<BYTE>(size)};
      nameLength = 16384;
      RegEnumValueW(key, i, name, &nameLength, nullptr, &type, value.data.data(), &size);
      values_.push_back(std::move(value));
    }
    RegCloseKey(key);
    EXPECT_EQ(RegDeleteKeyW(root_, kRunPath), ERROR_SUCCESS);
  }
  ~RunKeyRemoved() {
    RegDeleteKeyW(root_, kRunPath);  // made by the program meanwhile
    if (!existed_) return;
    HKEY key = nullptr;
    RegCreateKeyExW(root_, kRunPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    for (const Value& v : values_)
      RegSetValueExW(key, v.name.c_str(), 0, v.type, v.data.data(), static_cast<DWORD>(v.data.size()));
    RegCloseKey(key);
  }
  RunKeyRemoved(const RunKeyRemoved&) = delete;
  RunKeyRemoved& operator=(const RunKeyRemoved&) = delete;

 private:
  struct Value {
    std::wstring name;
    DWORD type;
    std::vector<BYTE> data;
  };
  HKEY root_;
  bool existed_ = false;
  std::vector<Value> values_;
};

}  // namespace tastrix::testing
