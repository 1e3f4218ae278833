#pragma once
#include <windows.h>

#include <cstdlib>
#include <string>

#include "support/form_fixture.h"

namespace tastrix::testing {

// A folder on a small file system of its own, which scripts/test mounts when
// it runs as root and names in TASTRIX_SMALL_DISK: there a full disk is real.
class SmallDisk {
 public:
  SmallDisk() {
    const char* root = std::getenv("TASTRIX_SMALL_DISK");
    if (!root || !*root) return;
    std::string path = std::string("Z:") + root;
    for (char& c : path)
      if (c == '/') c = '\\';
    folder_ = path + "\\" + std::to_string(GetCurrentProcessId()) + "\\";
    if (!CreateDirectoryA(folder_.c_str(), nullptr)) folder_.clear();
  }
  ~SmallDisk() {
    if (!folder_.empty()) removeTree(folder_);
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool available() const { return !folder_.empty(); }
  std::string file(const std::string& name) const { return folder_ + name; }

  // Fills the disk to the last byte but for one page (4 KB) set aside.
  void fillLeavingOnePage() {
    writeFile(file("spare"), std::string(4096, 's'));
    const HANDLE h = CreateFileA(file("filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const std::string block(4096, 'f');
    DWORD written = 0;
    while (WriteFile(h, block.data(), static_cast<DWORD>(block.size()), &written, nullptr) && written == block.size()) {
    }
    CloseHandle(h);
    DeleteFileA(file("spare").c_str());
  }
  void fill() {
    fillLeavingOnePage();
    writeFile(file("last page"), std::string(4096, 'l'));
  }

 private:
  std::string folder_;
};

}  // namespace tastrix::testing
