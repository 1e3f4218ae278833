#pragma once
#include <map>
#include <string>

namespace tastrix::testing {

// The test printer, CUPS's PDF printer, which scripts/test sets up: it
// writes each job into TASTRIX_PDF_FOLDER as JOBNAME.pdf. The other one
// refuses every job sent to it, as a printer that fails once the job has
// been made.
inline const char* const kPdfPrinter = "TastrixPDF";
inline const char* const kRefusingPrinter = "TastrixRefuses";

// A printed PDF as poppler and ImageMagick read it back, its page
// rasterised at 150 dpi.
struct PrintedPdf {
  std::map<std::string, std::string> info;  // pdfinfo's ("Pages", "Page size", "Page rot", "Title")
  std::string text;  // pdftotext's, laid out as on the page
  int images = -1;   // bitmaps in it
  int width = 0, height = 0;                          // the page, in pixels
  int inkLeft = 0, inkTop = 0, inkWidth = 0, inkHeight = 0;  // what is not white
  double share = 0;  // of the page in the colour asked for
  std::string problem;  // why it was not read: no print server, no PDF
};

// Where the job of that name lands as a Windows path; "" without a print server.
std::string pdfOfJob(const std::string& jobName);
// Waits until the printer has done its jobs and the job's PDF is there,
// then reads it and deletes it, measuring how much of the page has the
// colour (0xRRGGBB, as the PDF's rasteriser rounds it). The scratch folder
// takes the reader's files.
PrintedPdf readPrintedPdf(const std::string& jobName, unsigned colour, const std::string& scratchFolder);

}  // namespace tastrix::testing
