#pragma once
#include <windows.h>

#include <initializer_list>
#include <vector>

namespace tastrix {

enum ControlClass : WORD { kButtonClass = 0x0080, kEditClass = 0x0081, kStaticClass = 0x0082 };

// Builds a DLGTEMPLATE followed by its items in memory, so that a dialog's
// layout stands in the code beside its procedure. A template holds 16-bit
// text, so texts the program shows in its 8-bit code page are set after
// creation.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, short cx, short cy, const wchar_t* fontName, WORD fontPoints);

  void addItem(DWORD style, short x, short y, short cx, short cy, WORD id, ControlClass kind,
               const wchar_t* text = L"");

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void appendDwords(DWORD a, DWORD b);
  void appendShorts(std::initializer_list<short> values);
  void appendText(const wchar_t* text);

  std::vector<WORD> words_;  // heap storage: aligned for the DWORD fields
  size_t countAt_ = 0;
};

}  // namespace tastrix
