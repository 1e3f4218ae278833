#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "picture_pixels.h"
#include "platform/gdi_values.h"
#include "support/form_fixture.h"
#include "text/path_text.h"
#include "win/map_file_fixture.h"
#include "win/printed_pdf.h"
#include "win/real_program.h"
#include "win/run_key.h"
#include "win/small_disk.h"

namespace tastrix::testing {
namespace {

// A map that sets everything a map can: every font (outline and bitmap-only
// faces, a system colour, underline and italics), both key colours, the
// bottom alignment, and labels with ampersands and text that wraps.
const char* const kCraftedMap =
    "[Keyboard_Map_Title_Label]\r\nFont.Color=8388608\r\nFont.Name=Times New Roman\r\nFont.Size=20\r\n"
    "Font.fsBold=1\r\nFont.fsItalic=1\r\n"
    "[GroupBox_Font]\r\nFont.Color=32768\r\nFont.Name=Arial\r\nFont.Size=9\r\nFont.fsBold=0\r\n"
    "[Name_Label_0]\r\nFont.Color=255\r\nFont.Name=MS Sans Serif\r\nFont.Size=8\r\n"
    "[Label_0]\r\nFont.Color=-2147483640\r\nFont.Name=Times New Roman\r\nFont.Size=11\r\nFont.fsBold=0\r\n"
    "Font.fsUnderline=1\r\n"
    "[tastrix]\r\nShape_0=14745599\r\nShape_Back_0=8421504\r\nKey_Label_Vertical_Alignment=2\r\n";
const char* const kCraftedLabels =
    "Export & Co\r\nBack tick\r\nOne && two\r\nA long label that wraps\r\n\r\n&Save\r\n";

const char* const kUsageFirstLine = "Usage: tastrix /export MAP.zv OUT.bmp [/scale N]";

constexpr DWORD kPixelsPerMetreAt96 = 3780, kPixelsPerMetreAt192 = 7559;

bool dark(uint32_t pixel) { return ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF) < 3 * 96; }

RECT rectOf(const Rect& r) { return RECT{r.left, r.top, r.right(), r.bottom()}; }

// The smallest rectangle holding every dark pixel of an area (empty when none).
RECT inkBox(const Pixels& p, const RECT& area) {
  RECT box{area.right, area.bottom, area.left, area.top};
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (dark(p.at(x, y))) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
  return box;
}

// An area of a picture, enlarged by a whole factor pixel by pixel.
Pixels cut(const Pixels& p, const RECT& area, int enlarge) {
  Pixels out;
  out.width = (area.right - area.left) * enlarge;
  out.height = (area.bottom - area.top) * enlarge;
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) out.values.push_back(p.at(area.left + x / enlarge, area.top + y / enlarge));
  return out;
}

// The real program copied into the test's scratch folder, run from the
// command line there, as a documentation script would.
// A command line and what the program answers to it.
struct CommandRun {
  std::string arguments;
  DWORD exitCode;
  std::string output, errors;
};

class ExportCommand : public MapFileTest {
 protected:
  void SetUp() override {
    MapFileTest::SetUp();
    ASSERT_TRUE(CopyFileA(builtProgram().c_str(), inScratch("tastrix.exe").c_str(), FALSE)) << builtProgram();
  }

  ProgramRun run(const std::string& arguments) { return runProgram(inScratch("tastrix.exe"), arguments, scratchDir()); }

  void expectEachRun(const std::vector<CommandRun>& cases) {
    for (const CommandRun& c : cases) {
      SCOPED_TRACE(c.arguments);
      const ProgramRun done = run(c.arguments);
      ASSERT_TRUE(done.finished);
      EXPECT_EQ(done.exitCode, c.exitCode);
      EXPECT_EQ(done.output, c.output);
      EXPECT_EQ(done.errors, c.errors);
    }
  }

  // Runs an export that must succeed and gives the file it wrote.
  std::string exported(const std::string& arguments, const std::string& picture) {
    const ProgramRun done = run(arguments);
    EXPECT_TRUE(done.finished);
    EXPECT_EQ(done.exitCode, 0u) << done.errors;
    EXPECT_EQ(done.errors, "");
    return readFile(inScratch(picture));
  }

  void writeMap(const std::string& name, const std::string& map, const std::string& labels) {
    writeFile(inScratch(name), map);
    writeFile(inScratch(name + "l"), labels);
  }
};

// The picture a window saves with Save Bitmap for the map it opened at start-up.
TEST_F(ExportCommand, AtScaleOneWritesWhatTheWindowsSaveBitmapWrites) {
  const struct {
    const char* name;
    const char* map;
    const char* labels;
  } maps[] = {{"crafted.zv", kCraftedMap, kCraftedLabels}, {"plain.zv", "", ""}};
  for (const auto& m : maps) {
    SCOPED_TRACE(m.name);
    writeMap(m.name, m.map, m.labels);
    writeFile(settingsFile(), "[tastrix]\r\nCurrent_Keyboard_Layout_File_Name_Edit=" + inScratch(m.name) + "\r\n");
    startForm();
    ASSERT_EQ(document().path(), inScratch(m.name));
    const std::string window = savedBitmap("window.bmp");
    dropForm();
    DeleteFileA(settingsFile().c_str());
    DeleteFileA(inScratch("window.bmp").c_str());

    const std::string picture = exported("/export " + std::string(m.name) + " exported.bmp", "exported.bmp");
    ASSERT_EQ(window.size(), 54u + 1528u * 461u * 4u);
    EXPECT_TRUE(picture == window) << firstDifference(parseBmp(picture).pixels, parseBmp(window).pixels);
    dialogs.calls.clear();
  }
}

// Whether a picture is made of k x k blocks of one colour, as a bitmap-only
// face enlarged by GDI is, at any alignment of the blocks.
bool madeOfBlocks(const Pixels& p, int k) {
  for (int oy = 0; oy < k; ++oy)
    for (int ox = 0; ox < k; ++ox) {
      bool blocks = true;
      for (int y = 0; y < p.height && blocks; ++y)
        for (int x = 0; x < p.width && blocks; ++x) {
          const int bx = x - ((x - ox) % k + k) % k, by = y - ((y - oy) % k + k) % k;
          if (bx >= 0 && by >= 0) blocks = p.at(x, y) == p.at(bx, by);
        }
      if (blocks) return true;
    }
  return false;
}

// At scale 2 the layout doubles, and the text is drawn anew at twice the
// size: the factory default font is a bitmap-only face, which GDI draws
// larger by copying each pixel two or three times, or (Wine) at its own size
// with wider gaps.
TEST_F(ExportCommand, AtScaleTwoLaysOutTwiceAsLargeAndDrawsTheTextSharp) {
  writeMap("plain.zv", "", "Export title\r\nBack tick\r\n");
  const BmpFile one = parseBmp(exported("/export plain.zv one.bmp", "one.bmp"));
  const BmpFile two = parseBmp(exported("/export plain.zv two.bmp /scale 2", "two.bmp"));
  ASSERT_EQ(one.pixels.width, 1528);
  ASSERT_EQ(one.pixels.height, 461);
  ASSERT_EQ(two.pixels.width, 2 * 1528);
  ASSERT_EQ(two.pixels.height, 2 * 461);
  EXPECT_EQ(one.info.biXPelsPerMeter, kPixelsPerMetreAt96);
  EXPECT_EQ(two.info.biXPelsPerMeter, kPixelsPerMetreAt192);
  EXPECT_EQ(two.info.biYPelsPerMeter, kPixelsPerMetreAt192);

  const PictureLayout layout;
  const PictureLayout doubled(192);
  // The "Q" key's outline sits at twice its place and is twice as thick.
  const Rect q = layout.keyBorder(27);
  const int midY = q.top + q.height / 2;
  EXPECT_EQ(one.pixels.at(q.left, midY), 0u);
  EXPECT_NE(one.pixels.at(q.left + 1, midY), 0u);
  EXPECT_EQ(two.pixels.at(2 * q.left, 2 * midY), 0u);
  EXPECT_EQ(two.pixels.at(2 * q.left + 1, 2 * midY), 0u);
  EXPECT_NE(two.pixels.at(2 * q.left + 2, 2 * midY), 0u);

  const struct {
    const char* what;
    Rect one, two;
  } texts[] = {{"title", layout.title(), doubled.title()},
               {"label of ` ~", layout.keyLabel(1), doubled.keyLabel(1)},
               {"legend Q", layout.keyName(27), doubled.keyName(27)},
               {"label of Esc", layout.keyLabel(62), doubled.keyLabel(62)}};
  for (const auto& text : texts) {
    SCOPED_TRACE(text.what);
    const RECT ink1 = inkBox(one.pixels, rectOf(text.one));
    const RECT ink2 = inkBox(two.pixels, rectOf(text.two));
    ASSERT_LT(ink1.left, ink1.right) << "no text at scale 1";
    ASSERT_LT(ink2.left, ink2.right) << "no text at scale 2";
    const Pixels text2 = cut(two.pixels, ink2, 1);
    EXPECT_NE(firstDifference(cut(one.pixels, ink1, 2), text2), "") << "the scale-1 text stretched";
    for (const int k : {2, 3}) EXPECT_FALSE(madeOfBlocks(text2, k)) << k << " x " << k << " blocks: stretched";
    // Twice as high, give or take the rounding of font heights and another face.
    const int high1 = ink1.bottom - ink1.top;
    EXPECT_NEAR(ink2.bottom - ink2.top, 2 * high1, high1 / 4);
  }
}

// Every exit code with its one line, on the stream it belongs to; relative
// paths are read from the folder the program runs in.
TEST_F(ExportCommand, ExitCodesAndMessagesNameTheFile) {
  writeMap("map.zv", kCraftedMap, kCraftedLabels);
  writeFile(inScratch("nolist.zv"), kCraftedMap);
  writeFile(inScratch("held.zv"), kCraftedMap);
  writeMap("longmapname.zv", kCraftedMap, kCraftedLabels);
  wchar_t shortName[MAX_PATH] = L"";
  GetShortPathNameW(WideFromUtf8(inScratch("longmapname.zv")).c_str(), shortName, MAX_PATH);
  HeldFile held(inScratch("held.zv"));
  ASSERT_TRUE(held.held());
  const std::string usageHint = " (tastrix /? shows the usage)\r\n";
  const auto clash = [&](const char* picture, const char* mapFile) {
    return "tastrix: the picture \"" + inScratch(picture) + "\" would be written over the keyboard map's own file \"" +
           inScratch(mapFile) + "\"\r\n";
  };
  const std::vector<CommandRun> cases = {
      {"/export map.zv out.bmp", 0, "tastrix: wrote \"" + inScratch("out.bmp") + "\", 1528 x 461 pixels at 96 dpi\r\n",
       ""},
      {"--export map.zv out.PNG -scale 3", 0,
       "tastrix: wrote \"" + inScratch("out.PNG") + "\", 4584 x 1383 pixels at 288 dpi\r\n", ""},
      {"/export map.zv", 2, "", "tastrix: /export needs a map file and a picture file" + usageHint},
      {"/export map.zv out.bmp /scale 9", 2, "", "tastrix: /scale needs a whole number from 1 to 8, not \"9\"" + usageHint},
      {"/export map.zv out.bmp /bogus", 2, "", "tastrix: unknown switch \"/bogus\"" + usageHint},
      {"/export missing.zv out.bmp", 3, "",
       "tastrix: cannot read the keyboard map \"" + inScratch("missing.zv") + "\": there is no such file\r\n"},
      {"/export held.zv out.bmp", 3, "",
       "tastrix: cannot read the keyboard map \"" + inScratch("held.zv") + "\": Cannot open file " +
           inScratch("held.zv") + "\r\n"},
      {"/export map.zv \"no folder\\out.bmp\"", 4, "",
       "tastrix: cannot write the picture \"" + inScratch("no folder\\out.bmp") + "\": Cannot create file " +
           inScratch("no folder\\out.bmp") + "\r\n"},
      // The map's own files, however spelt, are never written over.
      {"/export map.zv MAP.ZV", 2, "", clash("MAP.ZV", "map.zv")},
      {"/export elsewhere\\..\\map.zv Map.Zvl.", 2, "", clash("Map.Zvl", "map.zvl")},
      {"/export nolist.zv nolist.zvl", 2, "", clash("nolist.zvl", "nolist.zvl")},
      // Given by its short name, the map's label list is still the one of its long name.
      {"/export " + FileNamePart(Utf8FromWide(shortName)) + " longmapname.zvl", 2, "",
       clash("longmapname.zvl", "longmapname.zvl")},
      // A device is never opened, whatever follows its name.
      {"/export com1.zv out.bmp", 3, "",
       "tastrix: cannot read the keyboard map \"\\\\.\\com1\": that is the name of a device, not of a file\r\n"},
      {"/export map.zv LPT1.bmp", 4, "",
       "tastrix: cannot write the picture \"\\\\.\\LPT1\": that is the name of a device, not of a file\r\n"},
  };
  expectEachRun(cases);
  EXPECT_EQ(readFile(inScratch("out.bmp")).substr(0, 2), "BM");
  EXPECT_EQ(readFile(inScratch("out.PNG")).substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_FALSE(fileExists(inScratch("no folder\\out.bmp")));
  EXPECT_EQ(readFile(inScratch("map.zv")), kCraftedMap);
  EXPECT_EQ(readFile(inScratch("map.zvl")), kCraftedLabels);
  EXPECT_EQ(readFile(inScratch("longmapname.zvl")), kCraftedLabels);
  EXPECT_FALSE(fileExists(inScratch("nolist.zvl")));

  // Fonts at their largest at /scale 4 would take gigabytes to draw.
  std::string hugeFonts;
  for (const char* section : {"Keyboard_Map_Title_Label", "GroupBox_Font", "Name_Label_0", "Label_0"})
    hugeFonts += std::string("[") + section + "]\r\nFont.Name=Arial\r\nFont.Size=1638\r\n";
  writeMap("huge.zv", hugeFonts, "Title\r\nW\r\n");
  const ProgramRun huge = run("/export huge.zv huge.png /scale 4");
  EXPECT_EQ(huge.exitCode, 4u);
  const std::string tooLarge = "tastrix: cannot write the picture \"" + inScratch("huge.png") + "\": the picture is too large";
  EXPECT_EQ(huge.errors.substr(0, tooLarge.size()), tooLarge);
  EXPECT_NE(huge.errors.find("more than the 1024 MB an export may use\r\n"), std::string::npos) << huge.errors;
  EXPECT_FALSE(fileExists(inScratch("huge.png")));

  const ProgramRun usage = run("/?");
  EXPECT_EQ(usage.exitCode, 0u);
  EXPECT_EQ(usage.output.substr(0, usage.output.find("\r\n")), kUsageFirstLine);
  EXPECT_EQ(std::count(usage.output.begin(), usage.output.end(), '\n'), 9);
  EXPECT_EQ(usage.errors, "");
}

// The memory bound of an export lies between two sizes of the label font at
// /scale 8: the shipped 32-bit program, large-address-aware, writes the
// picture just under it whole and refuses the one just over it.
TEST_F(ExportCommand, APictureJustUnderTheMemoryBoundIsWrittenAndOneJustOverIsRefused) {
  const auto labelFont = [](int points) {
    return "[Label_0]\r\nFont.Name=Arial\r\nFont.Size=" + std::to_string(points) + "\r\n";
  };
  writeMap("over.zv", labelFont(443), "Title\r\nW\r\n");
  const ProgramRun over = run("/export over.zv over.bmp /scale 8");
  EXPECT_EQ(over.exitCode, 4u);
  EXPECT_NE(over.errors.find("it would take 1025 MB of memory, more than the 1024 MB"), std::string::npos)
      << over.errors;
  EXPECT_FALSE(fileExists(inScratch("over.bmp")));

  writeMap("under.zv", labelFont(442), "Title\r\nW\r\n");
  const ProgramRun under = run("/export under.zv under.bmp /scale 8");
  EXPECT_EQ(under.exitCode, 0u) << under.errors;
  WIN32_FILE_ATTRIBUTE_DATA written{};
  ASSERT_TRUE(GetFileAttributesExA(inScratch("under.bmp").c_str(), GetFileExInfoStandard, &written));
  EXPECT_EQ(written.nFileSizeLow, 54u + 12224u * 3688u * 4u);
}

// Wine's player departs from what a metafile means in two ways, which the
// test plays as Windows does: it draws a rounded rectangle's box, which is
// inclusive, a pixel short on the right and at the bottom; and it sets a
// text at the advances recorded with it, whole pixels, where the painter's
// text, drawn without them, is set at fractional ones. So the text is drawn
// as the painter drew it, in the font, colour and clip the records chose.
int CALLBACK playAsWindows(HDC dc, HANDLETABLE* objects, const ENHMETARECORD* record, int count, LPARAM) {
  if (record->iType == EMR_EXTTEXTOUTW) {
    const EMRTEXT& text = reinterpret_cast<const EMREXTTEXTOUTW*>(record)->emrtext;
    const RECT clip{text.rcl.left, text.rcl.top, text.rcl.right, text.rcl.bottom};
    return ExtTextOutW(dc, text.ptlReference.x, text.ptlReference.y, text.fOptions, &clip,
                       reinterpret_cast<const wchar_t*>(reinterpret_cast<const char*>(record) + text.offString),
                       text.nChars, nullptr);
  }
  std::string copy(reinterpret_cast<const char*>(record), record->nSize);
  if (record->iType == EMR_ROUNDRECT) {
    auto* shape = reinterpret_cast<EMRROUNDRECT*>(&copy[0]);
    ++shape->rclBox.right;
    ++shape->rclBox.bottom;
  }
  return PlayEnhMetaFileRecord(dc, objects, reinterpret_cast<const ENHMETARECORD*>(copy.data()), count);
}

// The metafile, played back at its size on a 96-dpi screen, is the picture
// of the PNG export at scale 1 (whose pixels are the BMP export's, as
// PngExport.ReadBackByImageMagick shows), pixel for pixel: the records are
// the painter's own drawing, and its frame is that size in 0.01 mm.
TEST_F(ExportCommand, AMetafilePlaysBackAsThePictureOfTheExportAtScaleOne) {
  writeMap("crafted.zv", kCraftedMap, kCraftedLabels);
  const BmpFile bitmap = parseBmp(exported("/export crafted.zv same.bmp", "same.bmp"));
  const std::string bytes = exported("/export crafted.zv vector.EmF", "vector.EmF");
  const EnhMetafile metafile(SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), reinterpret_cast<const BYTE*>(bytes.data())));
  ENHMETAHEADER header{};
  ASSERT_TRUE(GetEnhMetaFileHeader(metafile.get(), sizeof header, &header));
  // From the first pixel to the last, inclusive as GDI's frames: 1527 x 460 pixels at 96 dpi.
  EXPECT_EQ(header.rclFrame.right - header.rclFrame.left, 40402);
  EXPECT_EQ(header.rclFrame.bottom - header.rclFrame.top, 12171);
  const MemoryDC dc(nullptr);
  const BITMAPINFO info = topDownBitmapInfo(1528, 461);
  void* bits = nullptr;
  const Bitmap played(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  {
    const Selection select(dc.get(), played.get());
    const RECT edges{0, 0, 1527, 460};  // the picture's edges are included
    ASSERT_TRUE(EnumEnhMetaFile(dc.get(), metafile.get(), playAsWindows, nullptr, &edges));
  }
  EXPECT_EQ(firstDifference(pixelsOf(played.get()), bitmap.pixels), "");
}

// Vector pictures and prints follow the export's rules, each with its exit
// code and one line: a vector has no scale; a device or a missing folder is
// no file to write; a printer that is not there, or fails once it has the
// job, fails the print; the default printer prints the map.
TEST_F(ExportCommand, VectorPicturesAndPrintsTellWhatTheyDid) {
  const std::string map = "cli" + std::to_string(GetCurrentProcessId()) + ".zv";
  writeMap(map, kCraftedMap, kCraftedLabels);
  DeleteFileA(pdfOfJob(map).c_str());
  if (pdfOfJob(map).empty()) GTEST_SKIP() << "no print server: TASTRIX_PDF_FOLDER is not set";
  const std::string usageHint = " (tastrix /? shows the usage)\r\n", scaleRefused =
      "tastrix: /scale does not apply to a vector picture (.emf, .svg): it has no pixels to scale" + usageHint;
  const auto cannotPrint = [&](const std::string& printer, const char* reason) {
    return "tastrix: cannot print \"" + inScratch(map) + "\" on \"" + printer + "\": " + reason + "\r\n";
  };
  const std::vector<CommandRun> cases = {
      {"/export " + map + " out.Svg", 0, "tastrix: wrote \"" + inScratch("out.Svg") + "\", 1528 x 461 pixels at 96 dpi\r\n", ""},
      {"/export " + map + " scaled.EMF /scale 2", 2, "", scaleRefused},
      {"/scale 1 /export " + map + " scaled.svg", 2, "", scaleRefused},
      {"/export " + map + " lpt1.emf", 4, "",
       "tastrix: cannot write the picture \"\\\\.\\lpt1\": that is the name of a device, not of a file\r\n"},
      {"/export " + map + " \"no folder\\out.svg\"", 4, "",
       "tastrix: cannot write the picture \"" + inScratch("no folder\\out.svg") + "\": Cannot create file " +
           inScratch("no folder\\out.svg") + "\r\n"},
      {"/print missing.zv", 3, "",
       "tastrix: cannot read the keyboard map \"" + inScratch("missing.zv") + "\": there is no such file\r\n"},
      {"/print " + map + " /printer \"No such printer\"", 4, "", cannotPrint("No such printer", "the printer is not available")},
      {"/print " + map + " -printer " + kRefusingPrinter, 4, "", cannotPrint(kRefusingPrinter, "the printer did not take the job")},
      {"/print " + map, 0, "tastrix: printed \"" + inScratch(map) + "\" on \"" + kPdfPrinter + "\"\r\n", ""},
  };
  expectEachRun(cases);
  EXPECT_EQ(readFile(inScratch("out.Svg")).substr(0, 5), "<?xml");
  for (const char* name : {"scaled.EMF", "scaled.svg", "no folder\\out.svg"}) EXPECT_FALSE(fileExists(inScratch(name))) << name;
  PrintedPdf pdf = readPrintedPdf(map, 0xFFFFE0, scratchDir());
  EXPECT_EQ(pdf.info["Pages"] + ", turned " + pdf.info["Page rot"], "1, turned 0") << pdf.problem;
  for (const char* word : {"Back", "tick", "wraps", "Save"}) EXPECT_NE(pdf.text.find(word), std::string::npos) << word;
}

// The command line is read as 16-bit text: a name the code page cannot spell
// is written exactly as given, not as a look-alike the code page has ("Ω"
// as "O"), and a full-width quote inside an argument is part of the name.
TEST_F(ExportCommand, NamesBeyondTheCodePageAreWrittenExactlyAsGiven) {
  const std::string map = "\xED\x95\x9C\xEA\xB8\x80.zv";
  writeMap(map, kCraftedMap, kCraftedLabels);
  writeFile(inScratch("Omega.png"), "another picture");
  for (const std::string picture : {"\xCE\xA9mega.png", "pic\xEF\xBC\x82one two\xEF\xBC\x82.png"}) {
    SCOPED_TRACE(picture);
    const ProgramRun done = run("/export \"" + map + "\" \"" + picture + "\"");
    EXPECT_EQ(done.exitCode, 0u) << done.errors;
    EXPECT_EQ(readFile(inScratch(picture)).substr(0, 8), "\x89PNG\r\n\x1a\n");
  }
  EXPECT_EQ(readFile(inScratch("Omega.png")), "another picture");
  EXPECT_FALSE(fileExists(inScratch("pic")));
}

// A picture that cannot be written leaves the old file as it was and no
// temporary file behind, whatever stops it.
TEST_F(ExportCommand, APictureThatCannotBeWrittenLeavesTheOldFileAndNothingElse) {
  writeMap("map.zv", kCraftedMap, kCraftedLabels);
  const std::string old = "the picture of last week\r\n";
  SmallDisk disk;
  struct Case {
    std::string folder, name;
    const char* why;
    std::string reason;  // the message's end, after the file's name
  };
  std::vector<Case> cases = {
      {scratchDir(), "read-only.bmp", "read-only", "Cannot create file "},
      {scratchDir(), "held.png", "held", "Cannot create file "},
  };
  if (disk.available()) cases.push_back({disk.file(""), "full.bmp", "full disk", "Stream write error on "});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    const std::string path = c.folder + c.name;
    writeFile(path, old);
    setReadOnly(path, c.why == std::string("read-only"));
    {
      const std::unique_ptr<HeldFile> holder(c.why == std::string("held") ? new HeldFile(path) : nullptr);
      const ProgramRun done = run("/export map.zv \"" + path + "\" /scale 2");
      ASSERT_TRUE(done.finished);
      EXPECT_EQ(done.exitCode, 4u);
      EXPECT_EQ(done.errors, "tastrix: cannot write the picture \"" + path + "\": " + c.reason + path + "\r\n");
      EXPECT_EQ(done.output, "");
    }
    setReadOnly(path, false);
    EXPECT_EQ(readFile(path), old);
    EXPECT_EQ(temporaryFilesIn(c.folder), 0);
  }
  if (!disk.available()) GTEST_SKIP() << "no small disk mounted: the full-disk case did not run";
}

// The export neither reads nor writes the settings file, does not look at
// the registry (a stale auto-run path would ask to be updated) and shows no
// message box (it would wait for an answer until the time limit).
TEST_F(ExportCommand, LeavesTheSettingsFileAndTheRegistryAlone) {
  writeMap("map.zv", kCraftedMap, kCraftedLabels);
  const std::string settings = "[tastrix]\r\nCurrent_Keyboard_Layout_File_Name_Edit=C:\\elsewhere\\x.zv\r\n";
  writeFile(settingsFile(), settings);
  WIN32_FILE_ATTRIBUTE_DATA before{};
  ASSERT_TRUE(GetFileAttributesExA(settingsFile().c_str(), GetFileExInfoStandard, &before));
  const RunKey key(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(key.exists());
  RunValueGuard guard(key, "tastrix.exe");
  const std::string stale = "C:\\elsewhere\\tastrix.exe";
  key.setString("tastrix.exe", stale);

  const ProgramRun done = runProgram(inScratch("tastrix.exe"), "/export map.zv out.bmp", scratchDir(), 15000);
  ASSERT_TRUE(done.finished) << "the export waited for something";
  EXPECT_EQ(done.exitCode, 0u) << done.errors;
  EXPECT_EQ(readFile(settingsFile()), settings);
  WIN32_FILE_ATTRIBUTE_DATA after{};
  ASSERT_TRUE(GetFileAttributesExA(settingsFile().c_str(), GetFileExInfoStandard, &after));
  EXPECT_EQ(CompareFileTime(&before.ftLastWriteTime, &after.ftLastWriteTime), 0);
  EXPECT_EQ(key.text("tastrix.exe"), stale);

  DeleteFileA(settingsFile().c_str());
  EXPECT_EQ(run("/export map.zv out.bmp").exitCode, 0u);
  EXPECT_FALSE(fileExists(settingsFile()));
}

}  // namespace
}  // namespace tastrix::testing
