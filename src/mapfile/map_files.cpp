#include "mapfile/map_files.h"

#include <windows.h>

#include <optional>

#include "mapfile/core/map_format.h"
#include "model/key_catalogue.h"
#include "platform/app_paths.h"
#include "platform/core/errors.h"
#include "platform/file_probe.h"
#include "platform/file_text.h"
#include "platform/ini_file.h"
#include "platform/shell_files.h"
#include "platform/staged_file.h"
#include "platform/wide_text.h"
#include "platform/win32_handles.h"
#include "product/map_folder.h"
#include "text/label_list_text.h"
#include "text/path_text.h"

namespace tastrix {
namespace {

// The marker of a save whose two new files are complete, and the lock that
// one save of the map at a time holds.
std::string saveMarker(const std::string& mapPath) { return mapPath + ".~ready"; }
std::string saveLock(const std::string& mapPath) { return mapPath + ".~lock"; }

// How long a save waits for another window's save of the same map to end.
constexpr DWORD kOtherSaveWaitMs = 2000;

// What stands in the way of the change under the lock; nothing when the
// files are as a finished save leaves them.
std::optional<std::string> finishUnderLock(const ChangeLock& lock, const std::string& mapPath) {
  if (lock.busy()) return mapPath;
  if (lock.blocked()) return saveLock(mapPath);
  return FinishInterruptedChange({LabelListPath(mapPath), mapPath}, saveMarker(mapPath));
}

// What holds each file's content: the new file of an interrupted save that
// got as far as its marker, until the next open of the map finishes it.
std::string currentMapFile(const std::string& mapPath) { return CurrentVersionOf(mapPath, saveMarker(mapPath)); }
std::string currentLabelList(const std::string& mapPath) {
  return CurrentVersionOf(LabelListPath(mapPath), saveMarker(mapPath));
}

// A label list that an editor saved as UTF-8 or UTF-16 stays so (its byte
// order mark alone tells); the others are in the code page, which other
// programs read, unless a label has a character it cannot spell.
std::string labelListBytes(const std::string& text, const std::string& listPath) {
  return TextFileBytes(text, EncodingOf(FileStart(listPath, kLongestByteOrderMark)));
}

class DiskSave : public MapSave {
 public:
  explicit DiskSave(const std::string& mapPath) : lock(saveLock(mapPath), kOtherSaveWaitMs) {}
  const ChangeLock lock;
};

}  // namespace

std::vector<std::string> DiskMapStorage::readLabelList(const std::string& mapPath) const {
  const std::string path = currentLabelList(mapPath);
  if (OpensADevice(path)) throwCannotOpenFile(path);
  if (!FileExists(path)) return {};
  const UniqueHandle file = OpenForReading(path, FILE_SHARE_READ);
  if (!file.valid()) throwCannotOpenFile(path, GetLastError());
  // Text in the code page goes to the lines as it is read, so reading stops
  // once the labels have theirs, and each line is converted then (a byte of
  // a two-byte character is never a line end); text after a byte order mark
  // is converted whole.
  LabelListSplitter splitter(kLabelPositions);
  std::string marked;
  std::optional<TextEncoding> encoding;
  char buffer[64 * 1024];
  DWORD got = 0;
  while (splitter.wantsMore() && ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
    if (!encoding) encoding = EncodingOf(std::string(buffer, got));
    if (*encoding == TextEncoding::CodePage)
      splitter.feed(buffer, got);
    else
      marked.append(buffer, got);
  }
  if (!marked.empty()) {
    const std::string text = Utf8OfFileBytes(marked);
    splitter.feed(text.data(), text.size());
  }
  std::vector<std::string> lines = splitter.finish();
  if (encoding == TextEncoding::CodePage)
    for (std::string& line : lines) line = Utf8FromCodePage(CodePageText(std::move(line)));
  return lines;
}

std::unique_ptr<ProfileFile> DiskMapStorage::readMapFile(const std::string& mapPath) const {
  const std::string path = currentMapFile(mapPath);
  // A device of that name would never answer, or take the reading as its input.
  if (OpensADevice(path)) throwCannotOpenFile(path);
  return std::make_unique<IniFile>(IniFile::Read(path));
}

void DiskMapStorage::finishInterruptedSave(const std::string& mapPath) {
  const std::string list = LabelListPath(mapPath);
  for (const std::string& name : {StagedName(list), SetAsideName(list), StagedName(mapPath), SetAsideName(mapPath),
                                  saveMarker(mapPath), saveLock(mapPath)})
    if (FileExists(name) || DirectoryExists(name)) {
      finishUnderLock(ChangeLock(saveLock(mapPath), 0), mapPath);
      return;
    }
}

std::unique_ptr<MapSave> DiskMapStorage::beginSave(const std::string& mapPath) {
  // A device of that name would take the bytes, or never answer.
  if (OpensADevice(mapPath)) throwUnableToWrite(mapPath);
  auto save = std::make_unique<DiskSave>(mapPath);
  if (const std::optional<std::string> left = finishUnderLock(save->lock, mapPath)) throwUnableToWrite(*left);
  return save;
}

void DiskMapStorage::replaceMapFiles(const std::string& mapPath, const ProfileFile& mapFile,
                                     const std::string& labelListText) {
  const std::string listPath = LabelListPath(mapPath);
  StagedFile list(listPath);
  if (list.write(labelListBytes(labelListText, listPath)) != StagedFile::Result::Written)
    throw LabelListNotSaved(listPath);
  StagedFile map(mapPath);
  if (map.write(mapFile.bytes()) != StagedFile::Result::Written) throwUnableToWrite(mapPath, GetLastError());
  const StagedFile* failed = ReplaceTogether({&list, &map}, saveMarker(mapPath));
  if (failed == &list) throw LabelListNotSaved(listPath);
  if (failed == &map) throwUnableToWrite(mapPath, GetLastError());
}

bool DiskMapStorage::fileExists(const std::string& path) const {
  return FileExists(CurrentVersionOf(path, saveMarker(path)));
}

bool DiskMapStorage::folderExists(const std::string& path) const { return DirectoryExists(path); }

void DiskMapStorage::addToRecentDocuments(const std::string& mapPath) { AddToRecentDocuments(mapPath); }

bool DiskMapStorage::folderUsable(const std::string& mapPath) const { return FolderUsable(mapPath, DirectoryExists); }

std::string DiskMapStorage::dialogStartFolder(const std::string& mapPath) const {
  return DialogStartFolder(mapPath, executablePath(), DirectoryExists);
}

MapStamps DiskMapStorage::stamps(const std::string& mapPath) const {
  return MapStamps{StampOf(mapPath), StampOf(LabelListPath(mapPath))};
}

}  // namespace tastrix
