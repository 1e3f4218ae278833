#pragma once
#include <map>
#include <set>
#include <string>

#include "mapfile/core/map_format.h"
#include "mapfile/core/map_storage.h"
#include "model/key_catalogue.h"
#include "model/tag_walks.h"
#include "platform/core/app_window.h"
#include "platform/core/errors.h"
#include "product/map_folder.h"
#include "text/label_list_text.h"

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
  void finishInterruptedSave(const std::string&) override {}
  bool write(FormModel& form, IDialogs&, const std::string& mapPath) override {
    GatherLabelTexts(form, form.labelList, kLabelOrder);
    writeElsewhere(LabelListPath(mapPath), JoinLabelListText(form.labelList));
    writeElsewhere(mapPath, MapFileText(form, files[mapPath]));
    return true;
  }
  void requireReadable(const std::string& mapPath) const override { check(mapPath); }
  void applyLabels(FormModel& form, const std::string& mapPath) override {
    const std::string path = LabelListPath(mapPath);
    check(path);
    LabelListSplitter splitter(kLabelPositions);
    if (fileExists(path)) splitter.feed(files.at(path).data(), files.at(path).size());
    form.labelList = splitter.finish();
    ApplyLabelTexts(form, form.labelList, kLabelOrder);
  }
  void applyColours(FormModel& form, const std::string& mapPath) override {
    check(mapPath);
    IniText text(fileExists(mapPath) ? files.at(mapPath) : std::string());
    ApplyMapColours(form, IniTextEntries(text));
  }
  void applyFonts(FormModel& form, const std::string& mapPath) override {
    check(mapPath);
    IniText text(fileExists(mapPath) ? files.at(mapPath) : std::string());
    ApplyMapFonts(form, IniTextEntries(text));
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
  void check(const std::string& path) const {
    if (unreadable.count(path)) throwCannotOpenFile(path);
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

 private:
  CaptureState capture_;
};

}  // namespace tastrix::testing
