#include "app/main_form.h"

namespace tastrix {

void TMainForm1::Restore_Factory_Defaults_OptionClick() { RestoreFactoryDefaults(); }
void TMainForm1::RestoreFactoryDefaults() {}

}  // namespace tastrix
