#include "output/bitmap_file.h"
#include "output/capture.h"
#include "output/output_commands.h"
#include "product/questions.h"
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

std::string savedMessage(const std::string& path) {
  return "The current Keyboard Layout was saved to a Bitmap in the file : \"" + path +
         "\" !\r\n\r\nYou can now load this into a word processor or a picture editing program and add headers / "
         "footers and other labels, as you require, and print it, or PDF it, or create a WEB page out of it, etc.";
}

}  // namespace

void OutputCommands::saveBitmap() {
  const Bitmap picture = CaptureKeyboardPicture(window_);
  saveDialog_.title = kSaveBitmapTitle;
  saveDialog_.initialDir = storage_.dialogStartFolder(document_.path());
  saveDialog_.filter = kBitmapFilter;
  if (!dialogs_.saveFile(saveDialog_)) return;

  const std::string path = withBitmapExtension(WithoutTrailingDotsAndBlanks(saveDialog_.fileName));
  saveDialog_.fileName = path;
  if (storage_.fileExists(path) && !dialogs_.confirmed(OverwriteQuestion("Bitmap", path))) return;
  writeBitmapFile(picture.get(), path, window_.layout().dpi());
  dialogs_.message(MessageKind::Confirmation, savedMessage(path), Buttons::Ok);
}

}  // namespace tastrix
