#pragma once
#include <stdexcept>
#include <string>

namespace tastrix {

// An error raised by the platform inside a command. Its text is the one the
// general error box shows, and the only one: the command dispatcher catches
// it and shows it. Beside it, for whoever looks into a failure, the system's
// error code (0 where the failing call gives none) and the function that
// raised it.
class PlatformError : public std::runtime_error {
 public:
  explicit PlatformError(const std::string& text, unsigned long code = 0, const char* where = __builtin_FUNCTION())
      : std::runtime_error(text), code_(code), where_(where) {}
  unsigned long code() const { return code_; }
  const char* where() const { return where_; }

 private:
  unsigned long code_;
  const char* where_;
};

// The platform texts, with the path or name in place.
[[noreturn]] void throwUnableToWrite(const std::string& path, unsigned long code = 0,
                                     const char* where = __builtin_FUNCTION());
[[noreturn]] void throwCannotCreateFile(const std::string& path, unsigned long code = 0,
                                        const char* where = __builtin_FUNCTION());
[[noreturn]] void throwCannotOpenFile(const std::string& path, unsigned long code = 0,
                                      const char* where = __builtin_FUNCTION());
[[noreturn]] void throwStreamWriteError(const std::string& path, unsigned long code = 0,
                                        const char* where = __builtin_FUNCTION());
[[noreturn]] void throwCannotOpenClipboard(unsigned long code = 0, const char* where = __builtin_FUNCTION());
// A GDI call that failed. GDI calls mostly leave no error code of their own,
// so the text is always "Out of system resources".
[[noreturn]] void throwGdiError(const char* where = __builtin_FUNCTION());

// The general error box's text: a full stop is appended when the last
// character sorts after ".".
std::string withFullStop(const std::string& text);

}  // namespace tastrix
