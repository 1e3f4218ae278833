// Fonts, colours and label alignment: each command seeds its dialog from a
// prototype component and hands the choice to the prototype's whole class.
#include "app/main_form.h"
#include "model/alignment.h"
#include "model/tag_walks.h"

namespace tastrix {
namespace {

struct FontCommand {
  int (*seed)(const FormModel&);
  void (*apply)(FormModel&, const FontDescription&);
  bool marksChanged;
};

const FontCommand kMapTitleFont{[](const FormModel& m) { return m.mapTitle; },
                                [](FormModel& m, const FontDescription& f) { m[m.mapTitle].font = f; }, true};
const FontCommand kGroupNamesFont{[](const FormModel& m) { return m.groupBox(kFunctionKeys); },
                                  [](FormModel& m, const FontDescription& f) { SetGroupBoxFonts(m, f, 0, 50); }, true};
const FontCommand kKeyNamesFont{[](const FormModel& m) { return m.nameLabel0; },
                                [](FormModel& m, const FontDescription& f) { SetLabelFonts(m, f, 0, 0); }, false};
const FontCommand kKeyLabelsFont{[](const FormModel& m) { return m.label0; },
                                 [](FormModel& m, const FontDescription& f) { SetLabelFonts(m, f, 1, 50); }, false};

struct ColourCommand {
  int (*seed)(const FormModel&);
  int tag;
};

const ColourCommand kKeyColour{[](const FormModel& m) { return m.shape0; }, 0};
const ColourCommand kBorderColour{[](const FormModel& m) { return m.shapeBack0; }, 1};

void chooseFont(FormModel& model, IDialogs& dialogs, const FontCommand& command) {
  FontDescription font = model[command.seed(model)].font;
  if (!dialogs.chooseFont(font, model.dpi)) return;
  command.apply(model, font);
  if (command.marksChanged) model.changed = true;
}

void chooseColour(FormModel& model, IDialogs& dialogs, const ColourCommand& command) {
  Colour colour = model[command.seed(model)].fill;
  if (!dialogs.chooseColour(colour)) return;
  SetShapeColours(model, colour, command.tag, command.tag);
  model.changed = true;
}

}  // namespace

void TMainForm1::Font_Keyboard_Map_Title_OptionClick() { chooseFont(model_, dialogs_, kMapTitleFont); }
void TMainForm1::Font_Group_Names_OptionClick() { chooseFont(model_, dialogs_, kGroupNamesFont); }
void TMainForm1::Font_Key_Names_OptionClick() { chooseFont(model_, dialogs_, kKeyNamesFont); }
void TMainForm1::Font_Key_Labels_OptionClick() { chooseFont(model_, dialogs_, kKeyLabelsFont); }
void TMainForm1::Select_Key_Colour_OptionClick() { chooseColour(model_, dialogs_, kKeyColour); }
void TMainForm1::Select_Key_Colour_Border_OptionClick() { chooseColour(model_, dialogs_, kBorderColour); }
void TMainForm1::Set_Key_Label_Vertical_Alignment_Top_OptionClick() { applyAlignment(model_, kLayoutTop); }
void TMainForm1::Set_Key_Label_Vertical_Alignment_Center_OptionClick() { applyAlignment(model_, kLayoutCenter); }
void TMainForm1::Set_Key_Label_Vertical_Alignment_Bottom_OptionClick() { applyAlignment(model_, kLayoutBottom); }

}  // namespace tastrix
