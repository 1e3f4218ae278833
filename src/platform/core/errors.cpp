#include "platform/core/errors.h"

namespace tastrix {

void throwUnableToWrite(const std::string& path) { throw PlatformError("Unable to write to " + path); }
void throwCannotCreateFile(const std::string& path) { throw PlatformError("Cannot create file " + path); }
void throwCannotOpenFile(const std::string& path) { throw PlatformError("Cannot open file " + path); }
void throwStreamWriteError(const std::string& path) { throw PlatformError("Stream write error on " + path); }
void throwCannotOpenClipboard() { throw PlatformError("Cannot open clipboard"); }

void throwGdiError() { throw PlatformError("Out of system resources"); }

std::string withFullStop(const std::string& text) {
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') return text + ".";
  return text;
}

}  // namespace tastrix
