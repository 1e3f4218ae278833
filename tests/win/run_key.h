#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tastrix::testing {

const char* const kRunPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The Run key opened by the test itself, independent of the program's code.
class RunKey {
 public:
  RunKey() {
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunPath, 0, KEY_ALL_ACCESS, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~RunKey() {
    if (key_) RegCloseKey(key_);
  }
  RunKey(const RunKey&) = delete;
  RunKey& operator=(const RunKey&) = delete;

  bool valid() const { return key_ != nullptr; }

  bool has(const std::string& name) const {
    return RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  }
  // The raw value: its type and every stored byte (terminator included).
  bool raw(const std::string& name, DWORD& type, std::vector<BYTE>& data) const {
    DWORD size = 0;
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    data.resize(size);
    return RegQueryValueExA(key_, name.c_str(), nullptr, &type, data.data(), &size) == ERROR_SUCCESS;
  }
  void setRaw(const std::string& name, DWORD type, const std::vector<BYTE>& data) const {
    ASSERT_EQ(RegSetValueExA(key_, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
  }
  void setString(const std::string& name, const std::string& text) const {
    setRaw(name, REG_SZ, std::vector<BYTE>(text.c_str(), text.c_str() + text.size() + 1));
  }
  void remove(const std::string& name) const { RegDeleteValueA(key_, name.c_str()); }

 private:
  HKEY key_ = nullptr;
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

}  // namespace tastrix::testing
