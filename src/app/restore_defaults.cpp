// Restore factory defaults: drop the settings file and start over.
#include "app/lifecycle.h"
#include "app/main_form.h"
#include "app/settings_file.h"
#include "platform/file_status.h"
#include "product/product.h"

namespace tastrix {
namespace {

std::string restoreQuestion() {
  return std::string("You are about to restore the factory defaults of \"") + kAppTitle +
         "\".\r\n\r\n"
         "The settings file will be deleted: the window returns to its first-start place and size,\r\n"
         "\"Always On Top\" is switched off and no keyboard map is loaded.\r\n\r\n";
}

const char* const kUnsavedChangesLost =
    "You have not saved the changes to the current Keyboard Map: they will be lost.\r\n\r\n";

const char* const kRestoreConfirm = "Are you sure that you want to restore the factory defaults ?";

}  // namespace

void Lifecycle::Restore_Factory_Defaults_OptionClick() { RestoreFactoryDefaults(); }

void Lifecycle::RestoreFactoryDefaults() {
  // The restore drops the current map without the close question, so the
  // question itself warns about unsaved changes.
  const std::string question =
      restoreQuestion() + (form_.model().changed() ? kUnsavedChangesLost : "") + kRestoreConfirm;
  if (form_.dialogs().message(MessageKind::Warning, question, Buttons::YesNo) != Answer::Yes) return;
  DeleteIfNotInUse(SettingsFilePath());
  ShowWindow(form_.hwnd(), SW_RESTORE);
  FormShow();
}

}  // namespace tastrix
