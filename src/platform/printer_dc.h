#pragma once
#include <windows.h>

#include <string>

#include "platform/core/dialogs.h"
#include "platform/core/errors.h"

namespace tastrix {

// The name of the default printer; "" when no printer is installed.
std::string DefaultPrinterName();

// A printer's device context, deleted with DeleteDC: the printer chosen,
// with its settings when they were kept, else the default printer. Raises
// "Cannot print" with the reason when there is no printer, or the printer
// cannot be opened (PrintFailure).
class PrinterDC {
 public:
  explicit PrinterDC(const PrinterChoice& choice);
  ~PrinterDC();
  PrinterDC(const PrinterDC&) = delete;
  PrinterDC& operator=(const PrinterDC&) = delete;

  HDC get() const { return dc_; }
  const std::string& printer() const { return printer_; }

 private:
  std::string printer_;
  HDC dc_ = nullptr;
};

// What stopped a print job: "Cannot print on" the printer, with the reason.
class PrintFailure : public PlatformError {
 public:
  PrintFailure(const std::string& printer, const std::string& reason)
      : PlatformError(printer.empty() ? "Cannot print: " + reason : "Cannot print on " + printer + ": " + reason),
        printer_(printer), reason_(reason) {}
  const std::string& printer() const { return printer_; }  // "" when there is none
  const std::string& reason() const { return reason_; }

 private:
  std::string printer_, reason_;
};

}  // namespace tastrix
