#pragma once
#include <stdexcept>
#include <string>

namespace tastrix {

// An error raised by the platform inside a command. Its text is the one the
// general error box shows; the command dispatcher catches it.
class PlatformError : public std::runtime_error {
 public:
  explicit PlatformError(const std::string& text) : std::runtime_error(text) {}
};

// The platform texts, with the path or name in place.
[[noreturn]] void throwUnableToWrite(const std::string& path);
[[noreturn]] void throwCannotCreateFile(const std::string& path);
[[noreturn]] void throwCannotOpenFile(const std::string& path);
[[noreturn]] void throwStreamWriteError(const std::string& path);
[[noreturn]] void throwCannotOpenClipboard();
// A GDI call that failed. GDI calls mostly leave no error code of their own,
// so the text is always "Out of system resources".
[[noreturn]] void throwGdiError();

// The general error box's text: a full stop is appended when the last
// character sorts after ".".
std::string withFullStop(const std::string& text);

}  // namespace tastrix
