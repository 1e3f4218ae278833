#include "platform/shell_files.h"

#include <shlobj.h>

#include "platform/com_ref.h"
#include "platform/system_library.h"
#include "platform/wide_text.h"

namespace tastrix {

std::vector<std::string> TakeDroppedFiles(HDROP drop) {
  const auto query = SystemFunction<decltype(&DragQueryFileW)>(kShell, "DragQueryFileW");
  std::vector<std::string> names;
  const UINT count = query(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(query(drop, i, nullptr, 0) + 1, L'\0');
    name.resize(query(drop, i, &name[0], static_cast<UINT>(name.size())));
    names.push_back(Utf8FromWide(name));
  }
  SystemFunction<decltype(&DragFinish)>(kShell, "DragFinish")(drop);
  return names;
}

void AddToRecentDocuments(const std::string& path) {
  // The shell makes the document's shortcut through COM.
  const ComScope com;
  SystemFunction<decltype(&SHAddToRecentDocs)>(kShell, "SHAddToRecentDocs")(SHARD_PATHW, WideFromUtf8(path).c_str());
}

}  // namespace tastrix
