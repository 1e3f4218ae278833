// Fonts, colours and label alignment: each command seeds its dialog from the
// map's current choice and gives the choice to everything of its kind.
#include "editing/core/edit_commands.h"

namespace tastrix {

// The keys' names and labels are style alone: their fonts leave the changed
// flag as it is; the title's and the groups' fonts set it.
void EditCommands::chooseFont(MapFont which) {
  FontDescription font = document_.map().font(which);
  if (!dialogs_.chooseFont(font)) return;
  document_.setFont(which, font);
  if (which == MapFont::Title || which == MapFont::GroupNames) document_.setChanged(true);
}

void EditCommands::chooseColour(MapColour which) {
  Colour colour = document_.map().colour(which);
  if (!dialogs_.chooseColour(colour)) return;
  document_.setColour(which, colour);
  document_.setChanged(true);
}

void EditCommands::alignLabels(VerticalLayout layout) {
  document_.align(layout);
  document_.setChanged(true);
}

}  // namespace tastrix
