#include "mapfile/map_files.h"

#include <windows.h>

#include "mapfile/map_format.h"
#include "model/key_catalogue.h"
#include "model/tag_walks.h"
#include "platform/dialog_folder.h"
#include "platform/errors.h"
#include "platform/file_probe.h"
#include "platform/profile_file.h"
#include "platform/staged_file.h"
#include "platform/win32_handles.h"
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

// The old map file's text, which the new one keeps. One that cannot be read
// (or is 16-bit text) cannot be kept whole, so it is not written over.
std::string oldMapFileText(const std::string& mapPath) {
  std::string text;
  try {
    text = ReadWholeFile(mapPath);
  } catch (const PlatformError&) {
    throwUnableToWrite(mapPath);
  }
  if (IsUtf16Text(text)) throwUnableToWrite(mapPath);
  return text;
}

template <typename Apply>
void applyMapEntries(const std::string& mapPath, Apply apply) {
  RequireReadable(mapPath);
  ReadProfileEntries(mapPath, apply);
}

}  // namespace

void LoadLabelList(std::vector<std::string>& list, const std::string& path) {
  list.clear();
  if (!FileExists(path)) return;
  const UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file.valid()) throwCannotOpenFile(path);
  LabelListSplitter splitter(kLabelPositions);
  char buffer[64 * 1024];
  DWORD got = 0;
  while (splitter.wantsMore() && ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
    splitter.feed(buffer, got);
  list = splitter.finish();
}

bool WriteKeyboardMap(FormModel& form, IDialogs& dialogs, const std::string& mapPath) {
  GatherLabelTexts(form, form.labelList, kLabelOrder);
  const std::string listPath = LabelListPath(mapPath);
  StagedFile list(listPath);
  if (list.write(JoinLabelListText(form.labelList)) != StagedFile::Result::Written)
    return labelListNotSaved(dialogs, listPath);
  StagedFile map(mapPath);
  if (map.write(MapFileText(form, oldMapFileText(mapPath))) != StagedFile::Result::Written)
    throwUnableToWrite(mapPath);
  switch (ReplaceTogether({&list, &map})) {
    case 0: return labelListNotSaved(dialogs, listPath);
    case 1: throwUnableToWrite(mapPath);
    default: return true;
  }
}

void ApplyMapLabels(FormModel& form, const std::string& mapPath) {
  LoadLabelList(form.labelList, LabelListPath(mapPath));
  ApplyLabelTexts(form, form.labelList, kLabelOrder);
}

void ApplyMapColours(FormModel& form, const std::string& mapPath) {
  applyMapEntries(mapPath, [&](const ProfileSource& map) { ApplyMapColours(form, map); });
}

void ApplyMapFonts(FormModel& form, const std::string& mapPath) {
  applyMapEntries(mapPath, [&](const ProfileSource& map) { ApplyMapFonts(form, map); });
}

bool DiskMapStorage::fileExists(const std::string& path) const { return FileExists(path); }

bool DiskMapStorage::folderUsable(const std::string& mapPath) const { return FolderUsable(mapPath); }

std::string DiskMapStorage::dialogStartFolder(const std::string& mapPath) const { return DialogStartFolder(mapPath); }

MapStamps DiskMapStorage::stamps(const std::string& mapPath) const {
  return MapStamps{StampOf(mapPath), StampOf(LabelListPath(mapPath))};
}

bool DiskMapStorage::write(FormModel& form, IDialogs& dialogs, const std::string& mapPath) {
  return WriteKeyboardMap(form, dialogs, mapPath);
}

void DiskMapStorage::requireReadable(const std::string& mapPath) const { RequireReadable(mapPath); }

void DiskMapStorage::applyLabels(FormModel& form, const std::string& mapPath) { ApplyMapLabels(form, mapPath); }

void DiskMapStorage::applyColours(FormModel& form, const std::string& mapPath) { ApplyMapColours(form, mapPath); }

void DiskMapStorage::applyFonts(FormModel& form, const std::string& mapPath) { ApplyMapFonts(form, mapPath); }

void DiskMapStorage::applyMap(FormModel& form, const std::string& mapPath) {
  RequireReadable(mapPath);
  ApplyMapLabels(form, mapPath);
  // One read of the map file gives both its colours and its fonts.
  applyMapEntries(mapPath, [&](const ProfileSource& map) {
    ApplyMapColours(form, map);
    ApplyMapFonts(form, map);
  });
}

}  // namespace tastrix
