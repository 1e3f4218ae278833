#pragma once
#include <string>

namespace tastrix {

// Every occurrence of find replaced, repeating until none is left; when the
// replacement itself contains find, the work goes through a marker text.
std::string ReplaceAll(const std::string& text, const std::string& find, const std::string& replacement);

// Everything up to and including the last "\" or ":" (empty when neither).
std::string DirectoryPart(const std::string& path);

// The final name of a path (after its directory part).
std::string FileNamePart(const std::string& path);

// From the last "." of the final name, dot included; empty without a dot.
std::string ExtensionOf(const std::string& path);

// The file name without folder and with every occurrence of its extension removed.
std::string FileTitle(const std::string& path);

// The extension in upper case (ASCII letters).
std::string UpperExtension(const std::string& name);

// A folder path trimmed, ending in one "\" and with runs of "\" collapsed
// (a leading "\\" of a network path stays); empty for "", "\", "..", ".",
// ".\" and "..\".
std::string NormaliseDirectory(const std::string& path);

// A path that names its drive or server and starts from its root: "C:\..."
// or "\\server\...". The profile functions look for any other path in the
// Windows folder.
bool IsFullyQualifiedPath(const std::string& path);

// The path with the dots and blanks that end its final name dropped, as
// Windows drops them when it opens the file: "t1.zv." names "t1.zv". A final
// name of dots and blanks alone ("..") stays as it is.
std::string WithoutTrailingDotsAndBlanks(const std::string& path);

// Whether the final name of a (UTF-8) path is that of a device, which Windows
// opens in place of any file: CON, PRN, AUX, NUL, COM0 to COM9, LPT0 to LPT9
// (also with a superscript 1, 2 or 3), CONIN$ and CONOUT$, in any letter case
// and with anything after a dot or a colon ("com1.zv", "COM1:x.zv"), or a
// path in the device namespace ("\\.\COM1").
bool NamesADevice(const std::string& path);

// ASCII-only upper case, as the platform-neutral comparisons need.
std::string UpperAscii(std::string text);

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b);

}  // namespace tastrix
