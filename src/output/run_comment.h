#pragma once
#include <windows.h>

#include <string>

namespace tastrix {

// A run of text drawn as glyph numbers (through Uniscribe) keeps no
// characters in a metafile's records: the painter notes the run in a
// comment just before it, which only a metafile keeps, so that a reader of
// the recording finds its text, where it starts (the top left of its cells)
// and its width.
void CommentTextRun(HDC dc, POINT origin, int width, const std::wstring& text);
bool ReadTextRunComment(const std::string& comment, POINT& origin, int& width, std::wstring& text);

}  // namespace tastrix
