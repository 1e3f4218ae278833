#include "platform/core/dialogs.h"

namespace tastrix {

const char* captionOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Confirmation: return "Confirm";
    case MessageKind::Information: return "Information";
    case MessageKind::Warning: return "Warning";
    case MessageKind::Error: return "Error";
  }
  return "";
}

}  // namespace tastrix
