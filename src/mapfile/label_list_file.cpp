#include "mapfile/label_list_file.h"

#include <windows.h>

#include "text/label_list_text.h"
#include "text/path_text.h"
#include "platform/errors.h"
#include "platform/file_probe.h"
#include "platform/win32_handles.h"

namespace tastrix {
namespace {

std::string notSavedText(const std::string& path) {
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

// A temporary file that is deleted unless it was moved into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& besidePath) {
    std::string folder = DirectoryPart(besidePath);
    if (folder.empty()) folder = ".";
    char name[MAX_PATH];
    if (GetTempFileNameA(folder.c_str(), "zvl", 0, name)) path_ = name;
  }
  ~TemporaryFile() {
    if (!path_.empty()) DeleteFileA(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  bool created() const { return !path_.empty(); }
  const std::string& path() const { return path_; }
  bool moveOnto(const std::string& target) {
    if (!MoveFileExA(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return false;
    path_.clear();
    return true;
  }

 private:
  std::string path_;
};

bool writeWhole(const std::string& path, const std::string& bytes) {
  const UniqueHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  DWORD written = 0;
  return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size() && FlushFileBuffers(file.get());
}

// A read-only file is never replaced, whatever rights the user has.
bool replaceable(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY);
}

bool writeReplacing(const std::string& path, const std::string& bytes) {
  if (!replaceable(path)) return false;
  TemporaryFile temporary(path);
  return temporary.created() && writeWhole(temporary.path(), bytes) && temporary.moveOnto(path);
}

}  // namespace

bool SaveLabelList(IDialogs& dialogs, const std::vector<std::string>& list, const std::string& path) {
  if (writeReplacing(path, JoinLabelListText(list))) return true;
  dialogs.message(MessageKind::Information, notSavedText(path), Buttons::Ok);
  return false;
}

void LoadLabelList(std::vector<std::string>& list, const std::string& path) {
  list.clear();
  if (!FileExists(path)) return;
  const UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file.valid()) throwCannotOpenFile(path);
  LabelListSplitter splitter;
  char buffer[64 * 1024];
  DWORD got = 0;
  while (splitter.wantsMore() && ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
    splitter.feed(buffer, got);
  list = splitter.finish();
}

}  // namespace tastrix
