// Fonts, colours and label alignment: each command seeds its dialog from a
// prototype component and hands the choice to the prototype's whole class.
#include "editing/core/edit_commands.h"
#include "model/alignment.h"
#include "model/key_catalogue.h"
#include "model/tag_walks.h"

namespace tastrix {
namespace {

struct FontCommand {
  int (*seed)(const FormModel&);
  void (*apply)(FormModel&, const FontDescription&);
  bool marksChanged;
};

const FontCommand kMapTitleFont{[](const FormModel& m) { return m.mapTitle; },
                                [](FormModel& m, const FontDescription& f) { m.setFont(m.mapTitle, f); }, true};
const FontCommand kGroupNamesFont{[](const FormModel& m) { return m.groupBox(kFunctionKeys); },
                                  [](FormModel& m, const FontDescription& f) { SetGroupBoxFonts(m, f, kGroupBoxes); }, true};
const FontCommand kKeyNamesFont{[](const FormModel& m) { return m.nameLabel0; },
                                [](FormModel& m, const FontDescription& f) { SetLabelFonts(m, f, kKeyNames); }, false};
const FontCommand kKeyLabelsFont{[](const FormModel& m) { return m.label0; },
                                 [](FormModel& m, const FontDescription& f) { SetLabelFonts(m, f, kKeyLabels); }, false};

struct ColourCommand {
  int (*seed)(const FormModel&);
  TagRange shapes;
};

const ColourCommand kKeyColour{[](const FormModel& m) { return m.shape0; }, kFaceShapes};
const ColourCommand kBorderColour{[](const FormModel& m) { return m.shapeBack0; }, kBorderShapes};

void chooseFontFor(FormModel& model, IDialogs& dialogs, const FontCommand& command) {
  FontDescription font = model[command.seed(model)].font;
  if (!dialogs.chooseFont(font)) return;
  command.apply(model, font);
  if (command.marksChanged) model.setChanged(true);
}

void chooseColourFor(FormModel& model, IDialogs& dialogs, const ColourCommand& command) {
  Colour colour = model[command.seed(model)].fill;
  if (!dialogs.chooseColour(colour)) return;
  SetShapeColours(model, colour, command.shapes);
  model.setChanged(true);
}

}  // namespace

void EditCommands::chooseFont(FontTarget target) {
  switch (target) {
    case FontTarget::MapTitle: return chooseFontFor(form_, dialogs_, kMapTitleFont);
    case FontTarget::GroupNames: return chooseFontFor(form_, dialogs_, kGroupNamesFont);
    case FontTarget::KeyNames: return chooseFontFor(form_, dialogs_, kKeyNamesFont);
    case FontTarget::KeyLabels: return chooseFontFor(form_, dialogs_, kKeyLabelsFont);
  }
}

void EditCommands::chooseColour(ColourTarget target) {
  chooseColourFor(form_, dialogs_, target == ColourTarget::KeyFaces ? kKeyColour : kBorderColour);
}

void EditCommands::alignLabels(VerticalLayout layout) { applyAlignment(form_, layout); }

}  // namespace tastrix
