#include "platform/win32_dialogs.h"

#include <commdlg.h>

#include <cstring>
#include <vector>

#include "platform/message_box.h"
#include "platform/system_library.h"
#include "platform/wide_text.h"
#include "platform/win32_handles.h"
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
  const auto show =
      SystemFunction<decltype(&GetOpenFileNameW)>(kCommonDialogs, save ? "GetSaveFileNameW" : "GetOpenFileNameW");
  const BOOL ok = show(&ofn);
  if (!ok) return false;
  request.fileName = Utf8FromWide(file.data());
  return true;
}

GlobalMemory globalCopy(const void* bytes, size_t size) {
  GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, size));
  void* into = memory.valid() ? GlobalLock(memory.get()) : nullptr;
  if (!into) return GlobalMemory();
  std::memcpy(into, bytes, size);
  GlobalUnlock(memory.get());
  return memory;
}

std::string bytesOf(HGLOBAL memory) {
  const void* bytes = memory ? GlobalLock(memory) : nullptr;
  if (!bytes) return std::string();
  std::string out(static_cast<const char*>(bytes), GlobalSize(memory));
  GlobalUnlock(memory);
  return out;
}

// The printer's names as DEVNAMES: the header, then the driver, device and
// port names, offsets counted in characters.
GlobalMemory devNamesOf(const PrinterChoice& choice) {
  if (choice.printer.empty()) return GlobalMemory();
  std::vector<wchar_t> names(sizeof(DEVNAMES) / sizeof(wchar_t));
  WORD offsets[3];
  const std::string* parts[] = {&choice.driver, &choice.printer, &choice.port};
  for (int i = 0; i < 3; ++i) {
    offsets[i] = static_cast<WORD>(names.size());
    const std::wstring part = WideFromUtf8(*parts[i]);
    names.insert(names.end(), part.begin(), part.end());
    names.push_back(L'\0');
  }
  const DEVNAMES header{offsets[0], offsets[1], offsets[2], 0};
  std::memcpy(names.data(), &header, sizeof header);
  return globalCopy(names.data(), names.size() * sizeof(wchar_t));
}

// What the printer dialog chose, kept as the dialog handed it over.
PrinterChoice choiceOf(HGLOBAL devNames, HGLOBAL devMode) {
  PrinterChoice choice;
  const std::string names = bytesOf(devNames);
  if (names.size() >= sizeof(DEVNAMES)) {
    const auto* header = reinterpret_cast<const DEVNAMES*>(names.data());
    const auto* text = reinterpret_cast<const wchar_t*>(names.data());
    const size_t length = names.size() / sizeof(wchar_t);
    const auto part = [&](WORD offset) {
      return offset < length ? Utf8FromWide(std::wstring(text + offset, wcsnlen(text + offset, length - offset)))
                             : std::string();
    };
    choice.driver = part(header->wDriverOffset);
    choice.printer = part(header->wDeviceOffset);
    choice.port = part(header->wOutputOffset);
  }
  choice.deviceMode = bytesOf(devMode);
  return choice;
}

// The printer dialog opened on the kept choice; on OK the choice is what
// the user chose.
bool runPrinterDialog(HWND owner, DWORD flags, PrinterChoice& choice) {
  GlobalMemory devNames = devNamesOf(choice);
  GlobalMemory devMode = choice.deviceMode.empty() ? GlobalMemory()
                                                   : globalCopy(choice.deviceMode.data(), choice.deviceMode.size());
  PRINTDLGW pd{};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = owner;
  pd.hDevNames = devNames.release();
  pd.hDevMode = devMode.release();
  pd.Flags = flags;
  pd.nCopies = 1;
  const BOOL ok = SystemFunction<decltype(&PrintDlgW)>(kCommonDialogs, "PrintDlgW")(&pd);
  // The dialog may free the memory it was given and hand back its own.
  devNames.reset(pd.hDevNames);
  devMode.reset(pd.hDevMode);
  if (ok) choice = choiceOf(devNames.get(), devMode.get());
  return ok;
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

void Win32Dialogs::showPrinterSetup(PrinterChoice& choice) { runPrinterDialog(owner_, PD_PRINTSETUP, choice); }

// One page, so no page range or selection; copies are the printer's own.
bool Win32Dialogs::showPrintDialog(PrinterChoice& choice) {
  return runPrinterDialog(owner_, PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIESANDCOLLATE,
                          choice);
}

}  // namespace tastrix
