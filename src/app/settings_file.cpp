#include "app/settings_file.h"

#include "platform/app_paths.h"
#include "platform/core/errors.h"
#include "platform/ini_file.h"
#include "platform/staged_file.h"
#include "platform/wide_text.h"
#include "product/product.h"
#include "text/profile_value.h"

namespace tastrix {
namespace {

const char* const kSection = "tastrix";
const char* const kMapPathKey = "Current_Keyboard_Layout_File_Name_Edit";
// Beside it when the code page cannot spell the path.
const char* const kMapPathUtf8Key = "Current_Keyboard_Layout_File_Name_UTF8";

// Windows keeps window sizes within 16 bits; beyond them a window collapses.
constexpr int kLargestWindowSize = 32767;

int readSize(const IniFile& file, const char* key, int def) {
  const int size = file.readInt(kSection, key, def);
  return size > 0 && size <= kLargestWindowSize ? size : def;
}

bool isUtf8(const std::string& text) { return Utf8FromWide(WideFromUtf8(text)) == text; }

// The UTF-8 key counts while it agrees with the key every reader knows: a
// path written there since by anyone else wins.
std::string readMapPath(const IniFile& file) {
  const std::string path = file.readString(kSection, kMapPathKey, "");
  if (file.unicode()) return path;
  const std::optional<std::string> utf8 = file.readUtf8Entry(kSection, kMapPathUtf8Key);
  if (utf8 && isUtf8(*utf8) && Utf8FromCodePage(CodePageNameOf(*utf8)) == path) return *utf8;
  return path;
}

void writeMapPath(IniFile& file, const std::string& path) {
  file.write(kSection, kMapPathKey, path);
  if (file.unicode() || ExactCodePageText(path))
    file.remove(kSection, kMapPathUtf8Key);
  else
    file.writeUtf8Entry(kSection, kMapPathUtf8Key, path);
}

}  // namespace

std::string SettingsFilePath() { return executableDirectory() + kSettingsFileName; }

Settings ReadSettingsFile(const Settings& defaults) {
  IniFile file;
  Settings s;
  try {
    file = IniFile::Read(SettingsFilePath());
  } catch (const PlatformError&) {
    // Held by another program: as the profile functions read it, no file.
    s.unreadable = true;
  }
  s.top = file.readInt(kSection, "window_top_posn", defaults.top);
  s.left = file.readInt(kSection, "window_left_posn", defaults.left);
  s.width = readSize(file, "window_Width", defaults.width);
  s.height = readSize(file, "window_Height", defaults.height);
  s.alwaysOnTop = file.readBool(kSection, "Always_on_Top_Option", defaults.alwaysOnTop);
  s.autoRun = file.readBool(kSection, "Auto_Run_at_Windows_Startup_Option", defaults.autoRun);
  s.maximized = file.readBool(kSection, "WindowState_wsMaximized", defaults.maximized);
  s.mapPath = readMapPath(file);
  return s;
}

void WriteSettingsFile(const Settings& s) {
  const std::string path = SettingsFilePath();
  IniFile file;
  try {
    file = IniFile::Read(path);
  } catch (const PlatformError& e) {
    throwUnableToWrite(path, e.code());
  }
  file.write(kSection, "WindowState_wsMaximized", FormatProfileBool(s.maximized));
  file.write(kSection, "window_top_posn", FormatProfileInt(s.top));
  file.write(kSection, "window_left_posn", FormatProfileInt(s.left));
  file.write(kSection, "window_Width", FormatProfileInt(s.width));
  file.write(kSection, "window_Height", FormatProfileInt(s.height));
  file.write(kSection, "Always_on_Top_Option", FormatProfileBool(s.alwaysOnTop));
  file.write(kSection, "Auto_Run_at_Windows_Startup_Option", FormatProfileBool(s.autoRun));
  writeMapPath(file, s.mapPath);
  if (ReplaceWhole(path, file.bytes()) != StagedFile::Result::Written) throwUnableToWrite(path, GetLastError());
}

}  // namespace tastrix
