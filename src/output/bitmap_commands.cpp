#include "app/main_form.h"
#include "mapfile/format/path_text.h"
#include "output/bitmap_file.h"
#include "platform/app_paths.h"

namespace tastrix {
namespace {

const char* const kSaveBitmapTitle = "Save Keyboard Bitmap as ... ";
const char* const kBitmapFilter = "Bitmaps (*.bmp)|*.bmp";
const char* const kBitmapExtension = ".bmp";

bool directoryExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool fileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The map's folder while it exists, else the program's own folder.
std::string dialogStartFolder(const std::string& currentMapPath) {
  const std::string mapFolder = currentMapPath.empty() ? std::string() : NormaliseDirectory(DirectoryPart(currentMapPath));
  if (!mapFolder.empty() && directoryExists(mapFolder)) return mapFolder;
  return NormaliseDirectory(executableDirectory());
}

std::string withBitmapExtension(const std::string& name) {
  if (EqualsIgnoringAsciiCase(UpperExtension(name), kBitmapExtension)) return name;
  return name + kBitmapExtension;
}

std::string overwriteQuestion(const std::string& path) {
  return "Overwrite Existing Keyboard Bitmap : \r\n\r\n" + path + "\r\n\r\nAre you sure ?";
}

std::string savedMessage(const std::string& path) {
  return "The current Keyboard Layout was saved to a Bitmap in the file : \"" + path +
         "\" !\r\n\r\nYou can now load this into a word processor or a picture editing program and add headers / "
         "footers and other labels, as you require, and print it, or PDF it, or create a WEB page out of it, etc.";
}

}  // namespace

void TMainForm1::Save_Bitmap_to_File_Menu_OptionClick() {
  const Bitmap picture = CaptureKeyboardPicture();
  SaveDialog1.title = kSaveBitmapTitle;
  SaveDialog1.initialDir = dialogStartFolder(model_.currentMapPath);
  SaveDialog1.filter = kBitmapFilter;
  if (!dialogs_.saveFile(SaveDialog1)) return;

  const std::string path = withBitmapExtension(SaveDialog1.fileName);
  SaveDialog1.fileName = path;
  if (fileExists(path) &&
      dialogs_.message(MessageKind::Confirmation, overwriteQuestion(path), Buttons::YesNo) != Answer::Yes)
    return;
  writeBitmapFile(picture.get(), path, model_.dpi);
  dialogs_.message(MessageKind::Confirmation, savedMessage(path), Buttons::Ok);
}

// Printing goes no further than the printer set-up; the picture is taken as
// for the other outputs and released unused.
void TMainForm1::Print_Keyboard_Layout_OptionClick() {
  const Bitmap picture = CaptureKeyboardPicture();
  dialogs_.printerSetup();
}

}  // namespace tastrix
