#include "editing/core/edit_commands.h"
#include "text/label_text.h"

namespace tastrix {
namespace {

const char* const kEditCaption = "Enter new label for this key";
const char* const kEditPrompt = "Enter:";

}  // namespace

void EditCommands::editLabel(int position) {
  const std::string oldText = document_.map().labels[static_cast<size_t>(position)];
  std::string text = oldText;
  if (!dialogs_.inputBox(kEditCaption, kEditPrompt, text)) return;
  document_.setLabel(position, SingleLineLabel(text));
  if (document_.map().labels[static_cast<size_t>(position)] != oldText) document_.setChanged(true);
}

void EditCommands::recordPress(const PicturePiece* piece) {
  using Kind = PicturePiece::Kind;
  if (!piece)
    recordedGroup_ = PressGroup::None;
  else if (piece->kind == Kind::Title)
    recordedGroup_ = PressGroup::MapTitle;
  else if (piece->kind != Kind::Notice)
    recordedGroup_ = pressGroupOf(piece->group);
}

}  // namespace tastrix
