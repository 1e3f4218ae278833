#include "output/print_job.h"

#include "output/printed_page.h"
#include "platform/printer_dc.h"
#include "platform/wide_text.h"
#include "text/path_text.h"

namespace tastrix {
namespace {

// A job is ended, or else taken back: no half page reaches the paper.
class PrintJob {
 public:
  PrintJob(const PrinterDC& printer, const std::string& name) : printer_(printer) {
    const std::wstring title = WideFromUtf8(name);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = title.c_str();
    if (StartDocW(printer.get(), &document) <= 0) throw PrintFailure(printer.printer(), "the printer did not start the job");
  }
  ~PrintJob() {
    if (open_) AbortDoc(printer_.get());
  }
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  void check(int result, const char* reason) const {
    if (result <= 0) throw PrintFailure(printer_.printer(), reason);
  }
  void end() {
    open_ = false;
    check(EndDoc(printer_.get()), "the printer did not take the job");
  }

 private:
  const PrinterDC& printer_;
  bool open_ = true;
};

}  // namespace

std::string PrintedName(const std::string& mapPath) { return mapPath.empty() ? "Untitled" : FileNamePart(mapPath); }

std::string PrintMap(const KeyboardMap& map, const std::string& mapPath, const PrinterChoice& printer) {
  const PrinterDC dc(printer);
  PrintJob job(dc, PrintedName(mapPath));
  job.check(StartPage(dc.get()), "the printer did not start the page");
  PaintPrintedPage(dc.get(), map, PrintedName(mapPath));
  job.check(EndPage(dc.get()), "the printer did not finish the page");
  job.end();
  return dc.printer();
}

}  // namespace tastrix
