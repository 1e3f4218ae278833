#include "platform/win32_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "platform/message_box.h"
#include "platform/system_library.h"
#include "platform/wide_text.h"
#include "product/product.h"

namespace tastrix {
namespace {

UINT iconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Confirmation: return MB_ICONQUESTION;
    case MessageKind::Information: return MB_ICONINFORMATION;
    case MessageKind::Warning: return MB_ICONWARNING;
    case MessageKind::Error: return MB_ICONERROR;
  }
  return 0;
}

// "Description|*.ext" -> "Description\0*.ext\0\0"
std::wstring filterText(const std::string& filter) {
  std::wstring out = WideFromUtf8(filter);
  for (wchar_t& c : out)
    if (c == L'|') c = L'\0';
  out.push_back(L'\0');
  out.push_back(L'\0');
  return out;
}

// The 16-bit dialogs, so that any name the file system holds can be chosen.
bool runFileDialog(HWND owner, FileDialogRequest& request, bool save) {
  std::vector<wchar_t> file(4096, L'\0');
  WideFromUtf8(request.fileName).copy(file.data(), file.size() - 1);
  const std::wstring filter = filterText(request.filter);
  const std::wstring initialDir = WideFromUtf8(request.initialDir), title = WideFromUtf8(request.title);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
  ofn.lpstrTitle = title.c_str();
  // Old style, read-only box hidden, resizable; no overwrite or must-exist
  // prompts of its own: the commands ask their own questions.
  ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  const auto show = CommonDialogFunction<decltype(&GetOpenFileNameW)>(save ? "GetSaveFileNameW" : "GetOpenFileNameW");
  const BOOL ok = show(&ofn);
  if (!ok) return false;
  request.fileName = Utf8FromWide(file.data());
  return true;
}

}  // namespace

Answer Win32Dialogs::showMessage(MessageKind kind, const std::string& text, Buttons buttons) {
  const UINT type = iconOf(kind) | (buttons == Buttons::YesNo ? MB_YESNO : MB_OK);
  const int result = ShowMessageBox(owner_, text, captionOf(kind), type);
  if (buttons == Buttons::Ok) return Answer::Ok;
  return result == IDYES ? Answer::Yes : Answer::No;
}

void Win32Dialogs::showGeneralError(const std::string& text) {
  ShowMessageBox(owner_, text, kAppTitle, MB_OK | MB_ICONERROR);
}

bool Win32Dialogs::showOpenFile(FileDialogRequest& request) { return runFileDialog(owner_, request, false); }

bool Win32Dialogs::showSaveFile(FileDialogRequest& request) { return runFileDialog(owner_, request, true); }

void Win32Dialogs::showPrinterSetup() {
  PRINTDLGA pd{};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = owner_;
  pd.Flags = PD_PRINTSETUP;
  if (CommonDialogFunction<decltype(&PrintDlgA)>("PrintDlgA")(&pd)) {
    if (pd.hDevMode) GlobalFree(pd.hDevMode);
    if (pd.hDevNames) GlobalFree(pd.hDevNames);
  }
}

}  // namespace tastrix
