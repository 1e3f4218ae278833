#include "mapfile/map_files.h"

#include <windows.h>

#include <optional>

#include "mapfile/core/map_format.h"
#include "model/key_catalogue.h"
#include "model/tag_walks.h"
#include "platform/app_paths.h"
#include "platform/core/errors.h"
#include "platform/file_probe.h"
#include "platform/file_text.h"
#include "platform/ini_file.h"
#include "platform/staged_file.h"
#include "platform/win32_handles.h"
#include "product/map_folder.h"
#include "text/label_list_text.h"
#include "text/path_text.h"

namespace tastrix {
namespace {

std::string labelListNotSavedText(const std::string& path) {
  return "The " + path + " could not be saved !\r\n"
         "\r\n"
         "Possible reasons for this include :\r\n"
         "- there may not be enough disk space, \r\n"
         "- there may be errors on the disk, \r\n"
         "- you may be saving to a read only disk (such as a CD-ROM), \r\n"
         "- the file may already exist and be read-only or write locked, \r\n"
         "\r\n"
         "or there may be some other reason for the failure.";
}

bool labelListNotSaved(IDialogs& dialogs, const std::string& path) {
  dialogs.message(MessageKind::Information, labelListNotSavedText(path), Buttons::Ok);
  return false;
}

// The marker of a save whose two new files are complete, and the lock that
// one save of the map at a time holds.
std::string saveMarker(const std::string& mapPath) { return mapPath + ".~ready"; }
std::string saveLock(const std::string& mapPath) { return mapPath + ".~lock"; }

// How long a save waits for another window's save of the same map to end.
constexpr DWORD kOtherSaveWaitMs = 2000;

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

// The old map file, whose other lines and encoding the new one keeps. One
// that cannot be read cannot be kept whole, so it is not written over.
IniFile oldMapFile(const std::string& mapPath) {
  try {
    return IniFile::Read(mapPath);
  } catch (const PlatformError&) {
    throwUnableToWrite(mapPath);
  }
}

// The label list keeps the encoding of its file: one that an editor saved
// as UTF-8 or UTF-16 stays so. Its byte order mark alone tells.
std::string labelListBytes(const std::vector<std::string>& lines, const std::string& listPath) {
  FileText file;
  file.encoding = EncodingOf(FileStart(listPath, kLongestByteOrderMark));
  file.text = file.fromCodePage(JoinLabelListText(lines));
  return file.bytes();
}

// Both new files staged, then put in place together; false when the label
// list could not be. The user is told only once the map is free for another
// window's save again.
bool replaceMapFiles(FormModel& form, const std::string& mapPath) {
  const ChangeLock lock(saveLock(mapPath), kOtherSaveWaitMs);
  if (const std::optional<std::string> left = finishUnderLock(lock, mapPath)) throwUnableToWrite(*left);
  const std::string listPath = LabelListPath(mapPath);
  StagedFile list(listPath);
  if (list.write(labelListBytes(form.labelList, listPath)) != StagedFile::Result::Written) return false;
  IniFile mapFile = oldMapFile(mapPath);
  WriteMapEntries(form, mapFile);
  StagedFile map(mapPath);
  if (map.write(mapFile.bytes()) != StagedFile::Result::Written) throwUnableToWrite(mapPath);
  const int failed = ReplaceTogether({&list, &map}, saveMarker(mapPath));
  if (failed == 1) throwUnableToWrite(mapPath);
  return failed != 0;
}

template <typename Apply>
void applyMapEntries(const std::string& mapPath, Apply apply) {
  const IniFile map = IniFile::Read(currentMapFile(mapPath));
  apply(map);
}

}  // namespace

void LoadLabelList(std::vector<std::string>& list, const std::string& path) {
  list.clear();
  if (OpensADevice(path)) throwCannotOpenFile(path);
  if (!FileExists(path)) return;
  const UniqueHandle file = OpenForReading(path, FILE_SHARE_READ);
  if (!file.valid()) throwCannotOpenFile(path);
  // Text in the code page goes to the lines as it is read, so reading stops
  // once the labels have theirs; text after a byte order mark is converted whole.
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
    const FileText text = DecodeFileText(marked);
    const std::string lines = text.toCodePage(text.text);
    splitter.feed(lines.data(), lines.size());
  }
  list = splitter.finish();
}

bool FinishInterruptedSave(const std::string& mapPath) {
  // An open changes nothing where no save left anything (a folder of its
  // names too), and a save under way in another window is no interrupted one.
  const std::string list = LabelListPath(mapPath);
  for (const std::string& name : {StagedName(list), SetAsideName(list), StagedName(mapPath), SetAsideName(mapPath),
                                  saveMarker(mapPath), saveLock(mapPath)})
    if (FileExists(name) || DirectoryExists(name)) return !finishUnderLock(ChangeLock(saveLock(mapPath), 0), mapPath);
  return true;
}

bool WriteKeyboardMap(FormModel& form, IDialogs& dialogs, const std::string& mapPath) {
  // A device of that name would take the bytes, or never answer.
  if (OpensADevice(mapPath)) throwUnableToWrite(mapPath);
  GatherLabelTexts(form, form.labelList, kLabelOrder);
  return replaceMapFiles(form, mapPath) || labelListNotSaved(dialogs, LabelListPath(mapPath));
}

void ApplyMapLabels(FormModel& form, const std::string& mapPath) {
  LoadLabelList(form.labelList, currentLabelList(mapPath));
  ApplyLabelTexts(form, form.labelList, kLabelOrder);
}

void ApplyMapColours(FormModel& form, const std::string& mapPath) {
  applyMapEntries(mapPath, [&](const ProfileSource& map) { ApplyMapColours(form, map); });
}

void ApplyMapFonts(FormModel& form, const std::string& mapPath) {
  applyMapEntries(mapPath, [&](const ProfileSource& map) { ApplyMapFonts(form, map); });
}

// While a save cut short waits to be finished, a map's file may be away from
// its name, beside it.
bool DiskMapStorage::fileExists(const std::string& path) const {
  return FileExists(CurrentVersionOf(path, saveMarker(path)));
}

bool DiskMapStorage::folderUsable(const std::string& mapPath) const { return FolderUsable(mapPath, DirectoryExists); }

std::string DiskMapStorage::dialogStartFolder(const std::string& mapPath) const {
  return DialogStartFolder(mapPath, executablePath(), DirectoryExists);
}

MapStamps DiskMapStorage::stamps(const std::string& mapPath) const {
  return MapStamps{StampOf(mapPath), StampOf(LabelListPath(mapPath))};
}

bool DiskMapStorage::write(FormModel& form, IDialogs& dialogs, const std::string& mapPath) {
  return WriteKeyboardMap(form, dialogs, mapPath);
}

void DiskMapStorage::finishInterruptedSave(const std::string& mapPath) { FinishInterruptedSave(mapPath); }

void DiskMapStorage::requireReadable(const std::string& mapPath) const { RequireReadable(currentMapFile(mapPath)); }

void DiskMapStorage::applyLabels(FormModel& form, const std::string& mapPath) { ApplyMapLabels(form, mapPath); }

void DiskMapStorage::applyColours(FormModel& form, const std::string& mapPath) { ApplyMapColours(form, mapPath); }

void DiskMapStorage::applyFonts(FormModel& form, const std::string& mapPath) { ApplyMapFonts(form, mapPath); }

void DiskMapStorage::applyMap(FormModel& form, const std::string& mapPath) {
  requireReadable(mapPath);
  ApplyMapLabels(form, mapPath);
  // One read of the map file gives both its colours and its fonts.
  applyMapEntries(mapPath, [&](const ProfileSource& map) {
    ApplyMapColours(form, map);
    ApplyMapFonts(form, map);
  });
}

}  // namespace tastrix
