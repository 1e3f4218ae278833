#include "platform/printer_dc.h"

#include <winspool.h>

#include <vector>

#include "platform/system_library.h"
#include "platform/wide_text.h"

namespace tastrix {

std::string DefaultPrinterName() {
  const auto getDefault = SystemFunction<decltype(&GetDefaultPrinterW)>(kPrintSpooler, "GetDefaultPrinterW");
  DWORD size = 0;
  getDefault(nullptr, &size);
  if (size == 0) return std::string();
  std::vector<wchar_t> name(size);
  if (!getDefault(name.data(), &size)) return std::string();
  return Utf8FromWide(name.data());
}

PrinterDC::PrinterDC(const PrinterChoice& choice) : printer_(choice.printer) {
  if (printer_.empty()) printer_ = DefaultPrinterName();
  if (printer_.empty()) throw PrintFailure("", "no printer is installed");
  // Settings kept for this very printer, and whole: a DEVMODE carries its
  // driver's own part after the public one.
  const auto* mode = reinterpret_cast<const DEVMODEW*>(choice.deviceMode.data());
  const bool ownSettings = choice.printer == printer_ && choice.deviceMode.size() >= sizeof(DEVMODEW) &&
                           static_cast<size_t>(mode->dmSize) + mode->dmDriverExtra <= choice.deviceMode.size();
  dc_ = CreateDCW(L"WINSPOOL", WideFromUtf8(printer_).c_str(), nullptr, ownSettings ? mode : nullptr);
  if (!dc_) throw PrintFailure(printer_, "the printer is not available");
}

PrinterDC::~PrinterDC() {
  if (dc_) DeleteDC(dc_);
}

}  // namespace tastrix
