#include "platform/core/errors.h"

namespace tastrix {

void throwUnableToWrite(const std::string& path, unsigned long code, const char* where) {
  throw PlatformError("Unable to write to " + path, code, where);
}
void throwCannotCreateFile(const std::string& path, unsigned long code, const char* where) {
  throw PlatformError("Cannot create file " + path, code, where);
}
void throwCannotOpenFile(const std::string& path, unsigned long code, const char* where) {
  throw PlatformError("Cannot open file " + path, code, where);
}
void throwStreamWriteError(const std::string& path, unsigned long code, const char* where) {
  throw PlatformError("Stream write error on " + path, code, where);
}
void throwCannotOpenClipboard(unsigned long code, const char* where) {
  throw PlatformError("Cannot open clipboard", code, where);
}

void throwGdiError(const char* where) { throw PlatformError("Out of system resources", 0, where); }

std::string withFullStop(const std::string& text) {
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') return text + ".";
  return text;
}

}  // namespace tastrix
