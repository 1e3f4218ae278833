#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "gdi_exhaustion.h"
#include "output/bitmap_file.h"
#include "picture_pixels.h"
#include "platform/core/errors.h"
#include "support/form_fixture.h"
#include "win/map_file_fixture.h"
#include "win/native_shell.h"
#include "win/small_disk.h"

namespace tastrix::testing {
namespace {

const char* const kSavedHead = "The current Keyboard Layout was saved to a Bitmap in the file : \"";
const char* const kSavedTail =
    "\" !\r\n\r\nYou can now load this into a word processor or a picture editing program and add headers / footers "
    "and other labels, as you require, and print it, or PDF it, or create a WEB page out of it, etc.";

// The expected file of a 2 x 2 picture, byte by byte: little-endian fields,
// bottom row first, blue-green-red and a zero byte per pixel.
std::string twoByTwoBmp(uint32_t pixelsPerMetre, const uint32_t topRow[2], const uint32_t bottomRow[2]) {
  std::string bytes;
  const auto put = [&bytes](uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  bytes += "BM";
  for (const uint32_t field : {54u + 16u, 0u, 54u, 40u, 2u, 2u}) put(field, 4);
  put(1, 2);
  put(32, 2);
  for (const uint32_t field : {uint32_t{BI_RGB}, 16u, pixelsPerMetre, pixelsPerMetre, 0u, 0u}) put(field, 4);
  for (const uint32_t* row : {bottomRow, topRow})
    for (int x = 0; x < 2; ++x) put(row[x], 4);
  return bytes;
}

TEST(BitmapFileWriter, WritesTheHeadersAndPixelsWithTheDpiAsPixelsPerMetre) {
  WindowDC screen(nullptr);
  Bitmap picture(CreateCompatibleBitmap(screen.get(), 2, 2));
  {
    MemoryDC canvas(screen.get());
    Selection select(canvas.get(), picture.get());
    PatBlt(canvas.get(), 0, 0, 2, 2, WHITENESS);
    SetPixel(canvas.get(), 0, 0, RGB(0x12, 0x34, 0x56));
    SetPixel(canvas.get(), 1, 1, RGB(0xA0, 0xB0, 0xC0));
  }
  const uint32_t top[2] = {0x123456, 0xFFFFFF}, bottom[2] = {0xFFFFFF, 0xA0B0C0};
  EXPECT_EQ(bitmapFileBytes(picture.get(), 96), twoByTwoBmp(3780, top, bottom));
  EXPECT_EQ(bitmapFileBytes(picture.get(), 120), twoByTwoBmp(4724, top, bottom));
  EXPECT_EQ(bitmapFileBytes(picture.get(), 144), twoByTwoBmp(5669, top, bottom));

  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "tastrix-writer-" + std::to_string(GetCurrentProcessId()) + ".bmp";
  writeFile(path, std::string(500, 'x'));
  writeBitmapFile(picture.get(), path, 96);
  EXPECT_EQ(readFile(path), twoByTwoBmp(3780, top, bottom));  // replaced, not overwritten in place

  // A bitmap GDI cannot read is an error, not an empty picture.
  const HBITMAP gone = picture.release();
  DeleteObject(gone);
  try {
    writeBitmapFile(gone, path, 96);
    ADD_FAILURE() << "no error";
  } catch (const PlatformError& e) {
    EXPECT_STREQ(e.what(), "Out of system resources");
  }
  EXPECT_EQ(readFile(path), twoByTwoBmp(3780, top, bottom));
  DeleteFileA(path.c_str());
}

class BitmapFileCommand : public FormTest {
 protected:
  void saveAs(const std::string& typed) {
    dialogs.answerFile(true, typed);
    command(ID_Save_Bitmap_to_File);
  }
  std::string savedMessage(const std::string& path) { return kSavedHead + path + kSavedTail; }
  std::string overwriteQuestion(const std::string& path) {
    return "Overwrite Existing Keyboard Bitmap : \r\n\r\n" + path + "\r\n\r\nAre you sure ?";
  }
};

TEST_F(BitmapFileCommand, WritesThePictureAsABmpFileAndConfirms) {
  startForm();
  mainWindow().setScrollPosition(250);
  PatternWindow pattern(mainWindow());
  const ViewState before = viewOf(mainWindow());
  const std::string path = inScratch("plan.bmp");
  saveAs(path);

  ASSERT_EQ(dialogs.calls.size(), 2u);
  const DialogCall& dialog = dialogs.calls[0];
  EXPECT_EQ(dialog.what, Dialog::SaveFile);
  EXPECT_EQ(dialog.request.title, "Save Keyboard Bitmap as ... ");
  EXPECT_EQ(dialog.request.filter, "Bitmaps (*.bmp)|*.bmp");
  const DialogCall& done = dialogs.calls[1];
  EXPECT_EQ(done.what, Dialog::Message);
  expectMessage(done, MessageKind::Confirmation, Buttons::Ok, savedMessage(path));
  EXPECT_EQ(viewOf(mainWindow()), before);
  EXPECT_FALSE(document().changed());

  const std::string bytes = readFile(path);
  const BmpFile bmp = parseBmp(bytes);
  EXPECT_EQ(bmp.file.bfType, 0x4D42);
  EXPECT_EQ(bmp.file.bfSize, bytes.size());
  EXPECT_EQ(bmp.file.bfOffBits, 54u);
  EXPECT_EQ(bmp.info.biSize, 40u);
  EXPECT_EQ(bmp.info.biWidth, 1528);
  EXPECT_EQ(bmp.info.biHeight, 461);
  EXPECT_EQ(bmp.info.biPlanes, 1);
  EXPECT_EQ(bmp.info.biBitCount, 32);
  EXPECT_EQ(bmp.info.biCompression, static_cast<DWORD>(BI_RGB));
  EXPECT_EQ(bmp.info.biSizeImage, 1528u * 461u * 4u);
  EXPECT_EQ(bmp.info.biXPelsPerMeter, 3780);
  EXPECT_EQ(bmp.info.biYPelsPerMeter, 3780);
  ASSERT_EQ(bytes.size(), 54u + 1528u * 461u * 4u);
  for (size_t reserved = 54 + 3; reserved < bytes.size(); reserved += 4)
    ASSERT_EQ(bytes[reserved], 0) << "reserved byte at " << reserved;
  ASSERT_EQ(bmp.pixels.width, 1528);
  const int scrollRange = layout().scrollRange();
  for (int y = 0; y < 461; y += 23)
    for (int x = 0; x < 1528; x += 7)
      ASSERT_EQ(bmp.pixels.at(x, y), expectedPatternPicture(scrollRange, x, y)) << x << "," << y;
  EXPECT_EQ(bmp.pixels.at(1527, 460), kWhitePixel);
  EXPECT_EQ(bmp.pixels.at(1524, 460), patternAt(1524, 460));
}

TEST_F(BitmapFileCommand, AppendsTheExtensionUnlessTheNameEndsInBmp) {
  startForm();
  const struct {
    const char* typed;
    const char* written;
  } names[] = {{"plan", "plan.bmp"}, {"chart.BMP", "chart.BMP"}, {"notes.txt", "notes.txt.bmp"},
               {"x.zv", "x.zv.bmp"}, {"y.Bmp", "y.Bmp"}};
  std::string lastName;
  for (const auto& name : names) {
    SCOPED_TRACE(name.typed);
    dialogs.calls.clear();
    saveAs(inScratch(name.typed));
    ASSERT_EQ(dialogs.calls.size(), 2u);
    // The dialog opens with the name it returned last time.
    EXPECT_EQ(dialogs.calls[0].request.fileName, lastName);
    const std::string written = inScratch(name.written);
    EXPECT_EQ(app().saveRequest().fileName, written);
    EXPECT_EQ(dialogs.calls[1].text, savedMessage(written));
    EXPECT_EQ(readFile(written).substr(0, 2), "BM");
    lastName = written;
  }
  EXPECT_FALSE(fileExists(inScratch("notes.txt")));
  EXPECT_FALSE(fileExists(inScratch("x.zv")));
}

TEST_F(BitmapFileCommand, AsksBeforeReplacingAFileAndKeepsItOnNo) {
  startForm();
  const std::string path = inScratch("old.bmp");
  const std::string old = "an older picture\r\n";
  writeFile(path, old);

  dialogs.answerFile(true, path);
  dialogs.answerMessage(Answer::No);
  command(ID_Save_Bitmap_to_File);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  expectMessage(dialogs.calls[1], MessageKind::Confirmation, Buttons::YesNo, overwriteQuestion(path));
  EXPECT_EQ(readFile(path), old);

  dialogs.calls.clear();
  dialogs.answerFile(true, inScratch("old"));  // the extension is added before the question
  dialogs.answerMessage(Answer::Yes);
  command(ID_Save_Bitmap_to_File);
  ASSERT_EQ(dialogs.calls.size(), 3u);
  EXPECT_EQ(dialogs.calls[1].text, overwriteQuestion(path));
  EXPECT_EQ(dialogs.calls[2].text, savedMessage(path));
  EXPECT_EQ(readFile(path).size(), 54u + 1528u * 461u * 4u);
  EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(BitmapFileCommand, CancelWritesNothingAndSaysNothing) {
  startForm();
  mainWindow().setScrollPosition(90);
  const ViewState before = viewOf(mainWindow());
  dialogs.answerFile(false);
  command(ID_Save_Bitmap_to_File);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].what, Dialog::SaveFile);
  EXPECT_EQ(viewOf(mainWindow()), before);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(inScratch("*.bmp").c_str(), &found);
  EXPECT_EQ(search, INVALID_HANDLE_VALUE);
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

TEST_F(BitmapFileCommand, ADirectoryOfThatNameCannotBeCreatedAsAFile) {
  startForm();
  const std::string path = inScratch("taken.bmp");
  ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
  saveAs(path);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].what, Dialog::GeneralError);
  EXPECT_EQ(dialogs.calls[1].text, "Cannot create file " + path + ".");
}

// GDI that fails at the capture ends the command in the general error box,
// with no file and no success box.
// With every GDI handle taken, Wine's 32-bit user32 lays the menu bar out
// thousands of pixels tall at any resize (Windows lays menus out outside the
// process): the capture makes its picture before it touches the window, so a
// failed one leaves the window as it was on either build.
TEST_F(BitmapFileCommand, AGdiFailureWritesNoFileAndReportsNoSuccess) {
  startForm();
  const ViewState before = viewOf(mainWindow());
  {
    GdiExhaustion exhausted;
    command(ID_Save_Bitmap_to_File);
  }
  EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"Out of system resources."});
  EXPECT_TRUE(dialogs.callsOf(Dialog::SaveFile).empty());
  EXPECT_EQ(viewOf(mainWindow()), before);
}

TEST_F(BitmapFileCommand, OnAFullDiskNoPartialFileIsLeftAndAnOldOneStays) {
  SmallDisk disk;
  if (!disk.available()) GTEST_SKIP() << "no small disk mounted (scripts/test mounts one as root)";
  startForm();
  writeFile(disk.file("plan.bmp"), "the old picture");
  disk.fillLeavingOnePage();
  saveAs(disk.file("new"));
  dialogs.answerFile(true, disk.file("plan.bmp"));
  dialogs.answerMessage(Answer::Yes);
  command(ID_Save_Bitmap_to_File);
  EXPECT_EQ(dialogs.messageTexts(),
            (std::vector<std::string>{"Stream write error on " + disk.file("new.bmp") + ".",
                                      overwriteQuestion(disk.file("plan.bmp")),
                                      "Stream write error on " + disk.file("plan.bmp") + "."}));
  EXPECT_FALSE(fileExists(disk.file("new.bmp")));
  EXPECT_EQ(readFile(disk.file("plan.bmp")), "the old picture");
  EXPECT_EQ(temporaryFilesIn(disk.file("")), 0);
}

std::string hexOf(uint32_t pixel) {
  char text[8];
  std::snprintf(text, sizeof text, "%06X", pixel);
  return text;
}

// A folder this user may not write to. Only the file system's permissions
// make one: Wine ignores the read-only attribute of folders, and root any.
TEST_F(BitmapFileCommand, AFileInAFolderWithoutWritePermissionCannotBeCreated) {
  startForm();
  const std::string folder = inScratch("locked");
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  const std::string unixFolder = unixPathOf(folder);
  ASSERT_EQ(nativeShellOutput("chmod a-w '" + unixFolder + "'", inScratch("lock.txt")), "");
  const auto unlock = [&] { nativeShellOutput("chmod u+w '" + unixFolder + "'", inScratch("unlock.txt")); };
  const std::string probe = folder + "\\probe";
  if (HANDLE h = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
      h != INVALID_HANDLE_VALUE) {
    CloseHandle(h);
    DeleteFileA(probe.c_str());
    unlock();
    GTEST_SKIP() << "this user writes into any folder (root)";
  }
  const std::string path = folder + "\\plan.bmp";
  saveAs(path);
  unlock();
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].what, Dialog::GeneralError);
  EXPECT_EQ(dialogs.calls[1].text, "Cannot create file " + path + ".");
  EXPECT_FALSE(fileExists(path));
}

// ImageMagick, a reader that shares no code with the program, runs as a
// native process beside Wine.
TEST_F(BitmapFileCommand, AnIndependentReaderSeesThePicture) {
  startForm();
  PatternWindow pattern(mainWindow());
  const std::string path = inScratch("shown.bmp");
  saveAs(path);
  const std::string unixPath = unixPathOf(path);
  ASSERT_FALSE(unixPath.empty());
  const std::string output = nativeShellOutput(
      "/usr/bin/identify -format '%w %h %[hex:p{0,0}] %[hex:p{777,300}] %[hex:p{1524,460}] %[hex:p{1527,0}]' '" +
          unixPath + "'",
      inScratch("identify.txt"));
  const std::string expected = "1528 461 " + hexOf(patternAt(0, 0)) + " " + hexOf(patternAt(777, 300)) + " " +
                               hexOf(patternAt(1524, 460)) + " FFFFFF";
  EXPECT_EQ(output, expected);
}

}  // namespace
}  // namespace tastrix::testing
