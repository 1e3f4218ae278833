#pragma once
#include <map>
#include <memory>
#include <set>
#include <string>

#include "mapfile/core/map_format.h"
#include "mapfile/core/map_storage.h"
#include "platform/core/app_window.h"
#include "platform/core/errors.h"
#include "product/map_folder.h"

namespace tastrix::testing {

// Map files held in memory, written and read with the program's own file
// formats: the map commands' decisions are tested on it without a platform.
class MemoryMaps : public MapStorage {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> folders;     // normalised, ending in "\"
  std::set<std::string> unreadable;  // held by another program
  std::string programPath = "C:\\program\\tastrix.exe";

  // Another program writes a file: it is a new file on disk.
  void writeElsewhere(const std::string& path, const std::string& bytes) {
    files[path] = bytes;
    ++generation_[path];
  }

  bool fileExists(const std::string& path) const override { return files.count(path) != 0; }
  bool folderUsable(const std::string& mapPath) const override { return FolderUsable(mapPath, folderExists()); }
  std::string dialogStartFolder(const std::string& mapPath) const override {
    return DialogStartFolder(mapPath, programPath, folderExists());
  }
  MapStamps stamps(const std::string& mapPath) const override {
    return MapStamps{stampOf(mapPath), stampOf(LabelListPath(mapPath))};
  }
  bool folderExists(const std::string& path) const override { return folders.count(path + "\\") != 0; }
  void addToRecentDocuments(const std::string&) override {}
  void finishInterruptedSave(const std::string&) override {}
  std::unique_ptr<ProfileFile> readMapFile(const std::string& mapPath) const override {
    return std::make_unique<IniTextEntries>(bytesOf(mapPath));
  }
  std::vector<std::string> readLabelList(const std::string& mapPath) const override {
    return LabelListLines(bytesOf(LabelListPath(mapPath)));
  }
  std::unique_ptr<MapSave> beginSave(const std::string&) override { return std::make_unique<MapSave>(); }
  void replaceMapFiles(const std::string& mapPath, const ProfileFile& mapFile,
                       const std::string& labelListText) override {
    writeElsewhere(LabelListPath(mapPath), labelListText);
    writeElsewhere(mapPath, mapFile.bytes());
  }

 private:
  FolderExists folderExists() const {
    return [this](const std::string& folder) { return folders.count(folder) != 0; };
  }
  DiskStamp stampOf(const std::string& path) const {
    DiskStamp stamp;
    if (!fileExists(path)) return stamp;
    stamp.exists = true;
    stamp.size = files.at(path).size();
    const auto generation = generation_.find(path);
    stamp.fileIndex = generation == generation_.end() ? 0 : generation->second;
    return stamp;
  }
  std::string bytesOf(const std::string& path) const {
    if (unreadable.count(path)) throwCannotOpenFile(path);
    return fileExists(path) ? files.at(path) : std::string();
  }

  std::map<std::string, unsigned> generation_;
};

// The window's caption, which is all the map commands change of the window.
class CaptionOnlyWindow : public IAppWindow {
 public:
  std::string text;
  HWND__* handle() const override { return nullptr; }
  std::string caption() const override { return text; }
  void setCaption(const std::string& caption) override { text = caption; }
  int clientWidth() const override { return 0; }
  int clientHeight() const override { return 0; }
  void setClientSize(int, int) override {}
  int scrollPosition() const override { return 0; }
  void setScrollPosition(int) override {}
  void processMessages() override {}
  CaptureState& captureState() override { return capture_; }
  const PictureLayout& layout() const override { return layout_; }

 private:
  CaptureState capture_;
  PictureLayout layout_;
};

}  // namespace tastrix::testing
