#include "win/printed_pdf.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "win/native_shell.h"

namespace tastrix::testing {

std::string pdfOfJob(const std::string& jobName) {
  const char* folder = std::getenv("TASTRIX_PDF_FOLDER");
  if (!folder || !*folder) return "";
  std::string path = std::string("Z:") + folder + "/" + jobName + ".pdf";
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

PrintedPdf readPrintedPdf(const std::string& jobName, unsigned colour, const std::string& scratchFolder) {
  PrintedPdf pdf;
  const std::string path = pdfOfJob(jobName);
  if (path.empty()) {
    pdf.problem = "no print server: TASTRIX_PDF_FOLDER is not set (scripts/test sets it as root)";
    return pdf;
  }
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%06X", colour & 0xFFFFFF);
  // The printer makes the folder with its first job: the folder's own name, not Wine's view of it.
  const std::string file = "'" + std::string(std::getenv("TASTRIX_PDF_FOLDER")) + "/" + jobName + ".pdf'",
                    page = "'" + unixPathOf(scratchFolder) + "page'";
  // The job is done once the printer's queue is empty and its file is there (25 s at most).
  const std::string report = nativeShellOutput(
      "{ for i in $(seq 250); do [ -f " + file + " ] && ! lpstat -o " + kPdfPrinter +
          " | grep -q . && break; sleep 0.1; done; pdfinfo " + file + " && echo images $(pdfimages -list " + file +
          " | tail -n +3 | wc -l) && pdftoppm -r 150 -singlefile " + file + " " + page +
          " && echo page $(convert " + page + ".ppm -format '%w %h %@' info:) $(convert " + page +
          ".ppm -fuzz 1% -fill black +opaque '" + hex + "' -fill white -opaque '" + hex +
          "' -format '%[fx:mean]' info:) && echo text && pdftotext -layout " + file + " -; }",
      scratchFolder + "pdf report.txt");
  std::istringstream lines(report);
  std::string line;
  while (std::getline(lines, line) && line != "text") {
    if (line.rfind("images ", 0) == 0) pdf.images = std::atoi(line.c_str() + 7);
    else if (line.rfind("page ", 0) == 0)
      std::sscanf(line.c_str(), "page %d %d %dx%d+%d+%d %lf", &pdf.width, &pdf.height, &pdf.inkWidth, &pdf.inkHeight,
                  &pdf.inkLeft, &pdf.inkTop, &pdf.share);
    else if (line.find(':') != std::string::npos)
      pdf.info[line.substr(0, line.find(':'))] = line.substr(line.find_first_not_of(' ', line.find(':') + 1));
  }
  for (; std::getline(lines, line);) pdf.text += line + "\n";
  if (pdf.width == 0) pdf.problem = "the PDF " + path + " was not read: " + report;
  DeleteFileA(path.c_str());
  return pdf;
}

}  // namespace tastrix::testing
