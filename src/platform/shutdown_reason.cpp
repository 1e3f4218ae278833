#include "platform/shutdown_reason.h"

#include "platform/wide_text.h"

namespace tastrix {
namespace {

ShutdownReasonFunctions& functions() {
  static ShutdownReasonFunctions platform{&ShutdownBlockReasonCreate, &ShutdownBlockReasonDestroy};
  return platform;
}

}  // namespace

ShutdownBlockReason::ShutdownBlockReason(HWND window, const std::string& reason) : window_(window) {
  functions().create(window_, WideFromUtf8(reason).c_str());
}

ShutdownBlockReason::~ShutdownBlockReason() { functions().destroy(window_); }

ShutdownReasonFunctions replaceShutdownReasonFunctions(const ShutdownReasonFunctions& replacement) {
  const ShutdownReasonFunctions previous = functions();
  functions() = replacement;
  return previous;
}

}  // namespace tastrix
