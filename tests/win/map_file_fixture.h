#pragma once
#include <windows.h>

#include <string>
#include <thread>

#include "app/menu_ids.h"
#include "platform/wide_text.h"
#include "support/form_fixture.h"

namespace tastrix::testing {

inline const std::string kPrefix = "Tastrix - v1.0f  - ";

inline const std::string kUtf8Mark = "\xEF\xBB\xBF", kUtf16Mark("\xFF\xFE", 2);

// Text the system code page spells (it differs between code pages: in
// Shift-JIS the second byte of 表 is "\").
inline std::string spelt() { return GetACP() == 932 ? "\xE8\xA1\xA8\xE7\xA4\xBA" : "Caf\xC3\xA9"; }

// UTF-8 text in the code page, as the platform converts it.
inline std::string inCodePage(const std::string& utf8) {
  const std::wstring wide = WideFromUtf8(utf8);
  std::string bytes(wide.size() * 2, '\0');
  bytes.resize(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                                      bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr)));
  return bytes;
}

// UTF-8 text as a file of that encoding holds it: the code page without a
// mark, else the mark and the text in UTF-8 or UTF-16.
inline std::string encoded(const std::string& mark, const std::string& utf8) {
  if (mark.empty()) return inCodePage(utf8);
  if (mark == kUtf8Mark) return mark + utf8;
  std::string bytes = mark;
  for (const wchar_t c : WideFromUtf8(utf8)) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

// The information box of a label list that could not be saved.
inline std::string notSavedText(const std::string& path) {
  return "The " + path +
         " could not be saved !\r\n\r\nPossible reasons for this include :\r\n"
         "- there may not be enough disk space, \r\n- there may be errors on the disk, \r\n"
         "- you may be saving to a read only disk (such as a CD-ROM), \r\n"
         "- the file may already exist and be read-only or write locked, \r\n\r\n"
         "or there may be some other reason for the failure.";
}

// The files a save writes on its way and leaves in a folder (none, when it
// tidies up): new files (NAME.~new), old ones set aside (NAME.~old), the
// marker and the lock of a map's save (NAME.zv.~ready, NAME.zv.~lock).
inline int temporaryFilesIn(const std::string& folder) {
  int n = 0;
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "*.~*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return n;
  do ++n;
  while (FindNextFileA(search, &found));
  FindClose(search);
  return n;
}

// A file another program holds open for reading, by default sharing nothing.
class HeldFile {
 public:
  explicit HeldFile(const std::string& path, DWORD sharing = 0)
      : handle_(CreateFileA(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~HeldFile() {
    if (held()) CloseHandle(handle_);
  }
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

// A file another program holds for a moment, as a virus scanner, the search
// indexer or a sync client do: opened with the given access and sharing,
// and let go the given time after another file (one that comes just before
// the held one is needed) appears.
class BrieflyHeldFile {
 public:
  BrieflyHeldFile(const std::string& path, DWORD access, DWORD sharing, const std::string& after, DWORD forMs)
      : handle_(CreateFileW(WideFromUtf8(path).c_str(), access, sharing, nullptr, OPEN_EXISTING, 0, nullptr)),
        letGo_([this, after, forMs] {
          for (int waited = 0; waited < 10000 && !after.empty() && !fileExists(after); ++waited) Sleep(1);
          Sleep(forMs);
          CloseHandle(handle_);
        }) {}
  ~BrieflyHeldFile() { letGo_.join(); }
  BrieflyHeldFile(const BrieflyHeldFile&) = delete;
  BrieflyHeldFile& operator=(const BrieflyHeldFile&) = delete;
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
  std::thread letGo_;
};

// Read-only files refuse writes only to an unprivileged user (Wine lets root write them).
inline bool readOnlyIsEnforced(const std::string& folder) {
  const std::string probe = folder + "probe.txt";
  writeFile(probe, "x");
  setReadOnly(probe, true);
  const HANDLE h = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  const bool enforced = h == INVALID_HANDLE_VALUE;
  if (!enforced) CloseHandle(h);
  setReadOnly(probe, false);
  DeleteFileA(probe.c_str());
  return enforced;
}

// The window driven through the map file commands; every scripted answer
// must have been asked for.
class MapFileTest : public FormTest {
 protected:
  void TearDown() override {
    EXPECT_TRUE(dialogs.scriptUsedUp()) << "a scripted dialog was never shown";
    FormTest::TearDown();
  }

  void saveAs(const std::string& path) {
    dialogs.answerFile(true, path);
    command(ID_Save_Keyboard_Layout_As);
  }
  // The Load command on a map without unsaved changes.
  void load(const std::string& path) {
    document().setChanged(false);
    dialogs.answerFile(true, path);
    command(ID_Load_Keyboard_Layout);
  }
  void partialLoad(int id, const std::string& path) {
    dialogs.answerFile(true, path);
    command(id);
  }

  // Unsaved edits a failed save must leave in the window: a label, the
  // key-labels font and the changed flag, under a caption the save must not touch.
  void makeUnsavedEdits(const std::string& labelText) {
    setLabel(1, labelText);
    FontDescription arial = map().font(MapFont::KeyLabels);
    arial.name = "Arial";
    document().setFont(MapFont::KeyLabels, arial);
    document().setChanged(true);
    mainWindow().setCaption("caption before");
  }
};

}  // namespace tastrix::testing
