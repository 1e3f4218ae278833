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
#include "platform/staged_file.h"
#include "platform/win32_handles.h"
#include "product/map_folder.h"
#include "text/label_list_text.h"
#include "text/path_text.h"

namespace tastrix {
namespace {

// The marker of a save whose two new files are complete.
std::string saveMarker(const std::string& mapPath) { return mapPath + ".ready"; }

// What holds each file's content: the new file of an interrupted save that
// got as far as its marker, until the next open of the map finishes it.
std::string currentMapFile(const std::string& mapPath) { return CurrentVersionOf(mapPath, saveMarker(mapPath)); }
std::string currentLabelList(const std::string& mapPath) {
  return CurrentVersionOf(LabelListPath(mapPath), saveMarker(mapPath));
}

// The label list keeps the encoding of its file: one that an editor saved
// as UTF-8 or UTF-16 stays so.
std::string labelListBytes(const std::string& text, const std::string& listPath) {
  FileText file;
  try {
    file.encoding = EncodingOf(ReadWholeFile(listPath));
  } catch (const PlatformError&) {
    file.encoding = TextEncoding::CodePage;
  }
  file.text = file.fromCodePage(text);
  return file.bytes();
}

bool finishSave(const std::string& mapPath) {
  return FinishInterruptedChange({LabelListPath(mapPath), mapPath}, saveMarker(mapPath));
}

}  // namespace

std::vector<std::string> DiskMapStorage::readLabelList(const std::string& mapPath) const {
  const std::string path = currentLabelList(mapPath);
  if (NamesADevice(path)) throwCannotOpenFile(path);
  if (!FileExists(path)) return {};
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
  return splitter.finish();
}

std::unique_ptr<ProfileFile> DiskMapStorage::readMapFile(const std::string& mapPath) const {
  const std::string path = currentMapFile(mapPath);
  // A device of that name would never answer, or take the reading as its input.
  if (NamesADevice(path)) throwCannotOpenFile(path);
  return std::make_unique<IniFile>(IniFile::Read(path));
}

void DiskMapStorage::replaceMapFiles(const std::string& mapPath, const ProfileFile& mapFile,
                                     const std::string& labelListText) {
  // A device of that name would take the bytes, or never answer.
  if (NamesADevice(mapPath) || !finishSave(mapPath)) throwUnableToWrite(mapPath);
  const std::string listPath = LabelListPath(mapPath);
  StagedFile list(listPath);
  if (list.write(labelListBytes(labelListText, listPath)) != StagedFile::Result::Written)
    throw LabelListNotSaved(listPath);
  StagedFile map(mapPath);
  if (map.write(mapFile.bytes()) != StagedFile::Result::Written) throwUnableToWrite(mapPath);
  switch (ReplaceTogether({&list, &map}, saveMarker(mapPath))) {
    case 0: throw LabelListNotSaved(listPath);
    case 1: throwUnableToWrite(mapPath);
    default: return;
  }
}

bool DiskMapStorage::fileExists(const std::string& path) const { return FileExists(path); }

bool DiskMapStorage::folderUsable(const std::string& mapPath) const { return FolderUsable(mapPath, DirectoryExists); }

std::string DiskMapStorage::dialogStartFolder(const std::string& mapPath) const {
  return DialogStartFolder(mapPath, executablePath(), DirectoryExists);
}

MapStamps DiskMapStorage::stamps(const std::string& mapPath) const {
  return MapStamps{StampOf(mapPath), StampOf(LabelListPath(mapPath))};
}

void DiskMapStorage::finishInterruptedSave(const std::string& mapPath) { finishSave(mapPath); }

}  // namespace tastrix
