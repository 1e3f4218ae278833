#include "app/main_form.h"

namespace tastrix {

void TMainForm1::Label_0Click(int) {}

}  // namespace tastrix
