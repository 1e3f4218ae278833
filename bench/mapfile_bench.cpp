#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "bench.h"
#include "mapfile/map_files.h"
#include "model/alignment.h"
#include "model/form_model.h"
#include "platform/win32_handles.h"

namespace tastrix::bench {
namespace {

// A successful save shows no dialog; any call means the measurement is void.
class NoDialogs : public IDialogs {
 public:
  Answer message(MessageKind, const std::string&, Buttons) override { std::abort(); }
  void generalError(const std::string&) override { std::abort(); }
  bool inputBox(const std::string&, const std::string&, std::string&) override { std::abort(); }
  bool openFile(FileDialogRequest&) override { std::abort(); }
  bool saveFile(FileDialogRequest&) override { std::abort(); }
  bool chooseFont(FontDescription&, int) override { std::abort(); }
  bool chooseColour(Colour&) override { std::abort(); }
  void printerSetup() override { std::abort(); }
  void about() override { std::abort(); }
};

std::string readAll(const std::string& path) {
  const UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  std::string bytes(GetFileSize(file.get(), nullptr), '\0');
  DWORD got = 0;
  ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
  bytes.resize(got);
  return bytes;
}

void writeAll(const std::string& path, const std::string& bytes) {
  const UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// A folder of its own under the temporary folder, removed with what the
// bench wrote into it.
struct BenchFolder {
  std::string path;
  std::vector<std::string> files;

  std::string make(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path = std::string(temp) + "tastrix-bench-" + name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
  }
  std::string file(const std::string& name) {
    files.push_back(path + name);
    return files.back();
  }
  void remove() {
    for (const std::string& f : files) DeleteFileA(f.c_str());
    RemoveDirectoryA(path.c_str());
  }
};

struct MapBench {
  BenchFolder folder;
  std::string mapPath, floorMap, floorList, mapBytes, listBytes;
  FormModel form;
  NoDialogs dialogs;

  void setUp() {
    folder.make("maps");
    mapPath = folder.file("bench.zv");
    folder.file("bench.zvl");
    floorMap = folder.file("floor.zv");
    floorList = folder.file("floor.zvl");
    form[form.mapTitle].caption = "Benchmark keyboard map";
    for (int p = 1; p <= kKeyCount; ++p) form[form.keyLabel(p)].caption = "Command " + std::to_string(p);
    applyAlignment(form, 2);
    WriteKeyboardMap(form, dialogs, mapPath);
    mapBytes = readAll(mapPath);
    listBytes = readAll(mapPath + "l");
  }

  double fullSaveAndLoad() {
    return timeMs([this] {
      WriteKeyboardMap(form, dialogs, mapPath);
      ApplyMapLabels(form, mapPath);
      ApplyMapColours(form, mapPath);
      ApplyMapFonts(form, mapPath);
    });
  }

  double plainWriteAndRead() {
    return timeMs([this] {
      writeAll(floorList, listBytes);
      writeAll(floorMap, mapBytes);
      if (readAll(floorList).size() + readAll(floorMap).size() != listBytes.size() + mapBytes.size()) std::abort();
    });
  }

  void tearDown() { folder.remove(); }
};

MapBench& mapBench() {
  static MapBench bench;
  return bench;
}

Registration fullSaveLoad{BenchCase{
    "full save + full load",
    "plain write+read of the same bytes",
    [] { mapBench().setUp(); },
    [] { return mapBench().fullSaveAndLoad(); },
    [] { return mapBench().plainWriteAndRead(); },
    [] { mapBench().tearDown(); },
}};

// Saving over a map file that holds a large section of someone else's: the
// file is written once, so the save costs about what copying it costs.
struct LargeMapBench {
  BenchFolder folder;
  std::string mapPath, floorPath, bytes;
  FormModel form;
  NoDialogs dialogs;

  void setUp() {
    folder.make("large");
    mapPath = folder.file("large.zv");
    folder.file("large.zvl");
    floorPath = folder.file("floor.zv");
    std::string notes = "[Notes]\r\n";
    for (int i = 0; notes.size() < (50u << 20); ++i) notes += "note" + std::to_string(i) + "=kept as it is\r\n";
    writeAll(mapPath, notes);
    WriteKeyboardMap(form, dialogs, mapPath);
    bytes = readAll(mapPath);
  }

  double save() {
    return timeMs([this] { WriteKeyboardMap(form, dialogs, mapPath); });
  }

  double plainWriteAndRead() {
    return timeMs([this] {
      writeAll(floorPath, bytes);
      if (readAll(floorPath).size() != bytes.size()) std::abort();
    });
  }

  void tearDown() { folder.remove(); }
};

LargeMapBench& largeMapBench() {
  static LargeMapBench bench;
  return bench;
}

Registration largeMapSave{BenchCase{
    "save over a 50 MB map file",
    "plain write+read of the same bytes",
    [] { largeMapBench().setUp(); },
    [] { return largeMapBench().save(); },
    [] { return largeMapBench().plainWriteAndRead(); },
    [] { largeMapBench().tearDown(); },
    5,
}};

}  // namespace
}  // namespace tastrix::bench
