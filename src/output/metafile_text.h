#pragma once
#include <windows.h>

#include <string>

namespace tastrix {

// A run of text as a metafile's text record holds it, with the font and the
// text colour selected into the DC for it.
struct TextRun {
  std::wstring text;
  POINT origin;  // the top left of its first character's cell
  int width;     // across
  LOGFONTW font;
  COLORREF colour;
};

// What a walk through a metafile's records is told, in the order they come.
class MetafileVisitor {
 public:
  virtual ~MetafileVisitor() = default;
  virtual void comment(const std::string& data) { (void)data; }
  virtual void text(TextRun& run) { (void)run; }
  virtual void lineTo(POINT from, POINT to, COLORREF textColour) { (void)from, (void)to, (void)textColour; }
};

// Walks the records of an enhanced metafile (its bytes) in order, keeping
// the font and text colour selected. A text of glyph numbers rather than
// characters is passed over: the painter notes its characters in a comment
// before it (CommentTextRun), which is told as the text.
void VisitMetafile(std::string& bytes, MetafileVisitor& visitor);

}  // namespace tastrix
