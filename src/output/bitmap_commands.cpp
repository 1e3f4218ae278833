#include "output/bitmap_file.h"
#include "output/capture.h"
#include "output/output_commands.h"
#include "text/path_text.h"

namespace tastrix {
namespace {

const char* const kSaveBitmapTitle = "Save Keyboard Bitmap as ... ";
const char* const kBitmapFilter = "Bitmaps (*.bmp)|*.bmp";
const char* const kBitmapExtension = ".bmp";

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

void OutputCommands::Save_Bitmap_to_File_Menu_OptionClick() {
  const Bitmap picture = CaptureKeyboardPicture(window_, form_);
  SaveDialog1.title = kSaveBitmapTitle;
  SaveDialog1.initialDir = storage_.dialogStartFolder(form_.mapPath());
  SaveDialog1.filter = kBitmapFilter;
  if (!dialogs_.saveFile(SaveDialog1)) return;

  const std::string path = withBitmapExtension(WithoutTrailingDotsAndBlanks(SaveDialog1.fileName));
  SaveDialog1.fileName = path;
  if (storage_.fileExists(path) && !dialogs_.confirmed(overwriteQuestion(path))) return;
  writeBitmapFile(picture.get(), path, form_.dpi());
  dialogs_.message(MessageKind::Confirmation, savedMessage(path), Buttons::Ok);
}

// Printing goes no further than the printer set-up; the picture is taken as
// for the other outputs and released unused.
void OutputCommands::Print_Keyboard_Layout_OptionClick() {
  const Bitmap picture = CaptureKeyboardPicture(window_, form_);
  dialogs_.printerSetup();
}

}  // namespace tastrix
