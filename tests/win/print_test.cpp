#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/print_job.h"
#include "win/key_input.h"
#include "win/map_file_fixture.h"
#include "win/native_shell.h"
#include "win/printed_pdf.h"

namespace tastrix::testing {
namespace {

constexpr Keystroke kCtrl{VK_LCONTROL, 0x1D, false}, kP{'P', 0x19, false};

// A map in Arial with labels on some keys, one of them wrapped, and light
// yellow keys (0xFFFFE0 as the page shows it).
const char* const kPrintedMap =
    "[Keyboard_Map_Title_Label]\r\nFont.Name=Arial\r\nFont.Size=20\r\n[Label_0]\r\nFont.Name=Arial\r\nFont.Size=9\r\n"
    "[Name_Label_0]\r\nFont.Name=Arial\r\nFont.Size=7\r\n[tastrix]\r\nShape_0=14745599\r\n";
const char* const kWords[] = {"Alpha", "Bravo", "Charlie", "Delta", "Find", "next"};
constexpr unsigned kKeyColour = 0xFFFFE0;

// The printer's own settings for a page across: what the printer set-up
// hands over when the user picks landscape.
std::string landscapeSettings(const char* printer) {
  std::wstring name(printer, printer + std::char_traits<char>::length(printer));
  HANDLE handle = nullptr;
  if (!OpenPrinterW(&name[0], &handle, nullptr)) return "";
  const LONG size = DocumentPropertiesW(nullptr, handle, &name[0], nullptr, nullptr, 0);
  std::string mode(size > 0 ? static_cast<size_t>(size) : 0, '\0');
  auto* devMode = reinterpret_cast<DEVMODEW*>(&mode[0]);
  if (size <= 0 || DocumentPropertiesW(nullptr, handle, &name[0], devMode, nullptr, DM_OUT_BUFFER) != IDOK) mode.clear();
  ClosePrinter(handle);
  if (mode.empty()) return "";
  devMode->dmOrientation = DMORIENT_LANDSCAPE;
  devMode->dmFields |= DM_ORIENTATION;
  return mode;
}

class MapPrinting : public MapFileTest {
 protected:
  // A map of the test's own name, so that its job's PDF is its own.
  std::string writeMap() {
    const std::string name = "printed" + std::to_string(GetCurrentProcessId()) + ".zv";
    writeFile(inScratch(name), kPrintedMap);
    writeFile(inScratch(name + "l"), "Printed map\r\nAlpha\r\n\r\nBravo\r\n\r\n\r\nCharlie\r\n\r\nDelta\r\n\r\n\r\n"
                                     "\r\n\r\n\r\n\r\nFind next\r\n");
    DeleteFileA(pdfOfJob(name).c_str());
    return name;
  }
};

// Ctrl+P opens the Print dialog on the printer and paper last chosen in the
// printer set-up (here a page across) and prints the map on one page of
// it: the picture drawn for the printer (text, no bitmap), as wide as the
// page, centred, in its colours, the map's file name below it; the job is
// named after the map.
TEST_F(MapPrinting, CtrlPPrintsThePictureAcrossThePageChosenInTheSetUp) {
  const std::string name = writeMap();
  if (pdfOfJob(name).empty()) GTEST_SKIP() << "no print server: TASTRIX_PDF_FOLDER is not set";
  startForm();
  load(inScratch(name));
  PrinterChoice setUp{kPdfPrinter, "", "", landscapeSettings(kPdfPrinter)};
  ASSERT_NE(setUp.deviceMode, "");
  dialogs.answerPrinter(true, setUp);
  app().runCommand([&] { app().output().showPrinterSetup(); });
  dialogs.answerPrinter(true, setUp);
  const unsigned long long revision = document().revision();
  ASSERT_TRUE(takeFocus(hwnd()));
  typeKeys({kCtrl, kP});
  ASSERT_TRUE(runProgramLoopUntil(mainWindow(), [&] { return !dialogs.callsOf(Dialog::Print).empty(); }));
  const DialogCall print = dialogs.callsOf(Dialog::Print)[0];
  EXPECT_EQ(print.printer.printer, kPdfPrinter);
  EXPECT_EQ(print.printer.deviceMode, setUp.deviceMode);
  EXPECT_EQ(dialogs.messageTexts().size(), 0u);
  EXPECT_EQ(document().revision(), revision);

  PrintedPdf pdf = readPrintedPdf(name, kKeyColour, scratchDir());
  ASSERT_EQ(pdf.problem, "");
  EXPECT_EQ(pdf.info["Pages"], "1");
  EXPECT_EQ(pdf.info["Page size"] + ", turned " + pdf.info["Page rot"], "595 x 842 pts (A4), turned 90");
  EXPECT_EQ(pdf.info["Title"], name);
  EXPECT_EQ(pdf.images, 0);
  for (const char* word : kWords) EXPECT_NE(pdf.text.find(word), std::string::npos) << word << " in " << pdf.text;
  // The file name in small print, last on the page.
  const size_t end = pdf.text.find_last_not_of(" \n\f") + 1, start = pdf.text.rfind('\n', end - 1) + 1;
  EXPECT_EQ(pdf.text.substr(pdf.text.find_first_not_of(' ', start), end - pdf.text.find_first_not_of(' ', start)), name);
  // Centred across, and as wide as the page but for the picture's own margins
  // (3 of its 1528 pixels on either side) and the rounding to a whole dpi.
  EXPECT_NEAR(pdf.inkLeft, pdf.width - pdf.inkLeft - pdf.inkWidth, 2);
  EXPECT_GE(pdf.inkWidth, pdf.width * 99 / 100);
  EXPECT_GT(pdf.width, pdf.height);
  EXPECT_LT(pdf.inkTop + pdf.inkHeight, pdf.height);
  // The keys' faces fill much of it in the map's colour.
  EXPECT_GT(pdf.share, 0.15);
}

// A printer that cannot print says so and the map stays as it was; Cancel
// says nothing. No job reaches the PDF printer or stays behind.
TEST_F(MapPrinting, APrinterThatFailsSaysSoAndCancelPrintsNothing) {
  const std::string name = writeMap();
  if (pdfOfJob(name).empty()) GTEST_SKIP() << "no print server: TASTRIX_PDF_FOLDER is not set";
  startForm();
  load(inScratch(name));
  const struct {
    bool ok;
    const char* printer;
    std::string error;
  } cases[] = {
      {false, kPdfPrinter, ""},
      {true, "No such printer", "Cannot print on No such printer: the printer is not available."},
      {true, kRefusingPrinter, std::string("Cannot print on ") + kRefusingPrinter + ": the printer did not take the job."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.printer);
    dialogs.calls.clear();
    dialogs.answerPrinter(c.ok, PrinterChoice{c.printer, "", "", ""});
    const unsigned long long revision = document().revision();
    command(ID_Print);
    EXPECT_EQ(dialogs.callsOf(Dialog::Print).size(), 1u);
    EXPECT_EQ(dialogs.messageTexts(), c.error.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.error});
    EXPECT_EQ(document().revision(), revision);
    EXPECT_FALSE(document().changed());
    EXPECT_EQ(nativeShellOutput(std::string("lpstat -o ") + kPdfPrinter + " " + kRefusingPrinter, inScratch(std::string("jobs ") + c.printer)),
              "");
    EXPECT_FALSE(fileExists(pdfOfJob(name)));
  }
}

}  // namespace
}  // namespace tastrix::testing
