#include "mapfile/label_list_file.h"

#include <windows.h>

#include "platform/errors.h"
#include "platform/file_probe.h"
#include "platform/win32_handles.h"
#include "text/label_list_text.h"

namespace tastrix {

std::string LabelListNotSavedText(const std::string& path) {
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
