#include "output/metafile_text.h"

#include <cstddef>
#include <cstring>
#include <map>

#include "output/run_comment.h"

namespace tastrix {
namespace {

template <typename Record>
bool as(const char* bytes, size_t size, Record& out) {
  if (size < sizeof out) return false;
  std::memcpy(&out, bytes, sizeof out);
  return true;
}

}  // namespace

void VisitMetafile(std::string& bytes, MetafileVisitor& visitor) {
  std::map<DWORD, LOGFONTW> fonts;
  LOGFONTW font{};
  COLORREF colour = 0;
  POINT position{};
  for (size_t at = 0; at + sizeof(EMR) <= bytes.size();) {
    EMR emr;
    std::memcpy(&emr, &bytes[at], sizeof emr);
    if (emr.nSize < sizeof(EMR) || emr.nSize > bytes.size() - at) return;
    char* record = &bytes[at];
    const size_t size = emr.nSize;
    at += size;
    switch (emr.iType) {
      case EMR_GDICOMMENT:
        if (size >= offsetof(EMRGDICOMMENT, Data)) {
          DWORD length = 0;
          std::memcpy(&length, record + offsetof(EMRGDICOMMENT, cbData), sizeof length);
          if (length > size - offsetof(EMRGDICOMMENT, Data)) break;
          const std::string data(record + offsetof(EMRGDICOMMENT, Data), length);
          TextRun run{std::wstring(), POINT{}, 0, font, colour};
          if (ReadTextRunComment(data, run.origin, run.width, run.text))
            visitor.text(run);
          else
            visitor.comment(data);
        }
        break;
      // The logical font opens the record's font, whichever form follows it.
      case EMR_EXTCREATEFONTINDIRECTW:
        if (size >= offsetof(EMREXTCREATEFONTINDIRECTW, elfw) + sizeof(LOGFONTW)) {
          DWORD object = 0;
          std::memcpy(&object, record + offsetof(EMREXTCREATEFONTINDIRECTW, ihFont), sizeof object);
          std::memcpy(&fonts[object], record + offsetof(EMREXTCREATEFONTINDIRECTW, elfw), sizeof(LOGFONTW));
        }
        break;
      case EMR_SELECTOBJECT: {
        EMRSELECTOBJECT select{};
        if (as(record, size, select) && fonts.count(select.ihObject)) font = fonts[select.ihObject];
        break;
      }
      case EMR_SETTEXTCOLOR: {
        EMRSETTEXTCOLOR set{};
        if (as(record, size, set)) colour = set.crColor;
        break;
      }
      case EMR_MOVETOEX: {
        EMRMOVETOEX move{};
        if (as(record, size, move)) position = POINT{move.ptl.x, move.ptl.y};
        break;
      }
      case EMR_LINETO: {
        EMRLINETO line{};
        if (!as(record, size, line)) break;
        const POINT to{line.ptl.x, line.ptl.y};
        visitor.lineTo(position, to, colour);
        position = to;
        break;
      }
      case EMR_EXTTEXTOUTW: {
        EMREXTTEXTOUTW out{};
        if (!as(record, size, out) || (out.emrtext.fOptions & (ETO_GLYPH_INDEX | ETO_PDY))) break;
        const EMRTEXT& t = out.emrtext;
        const size_t count = t.nChars;
        if (count == 0 || t.offString > size || count > (size - t.offString) / sizeof(wchar_t) || t.offDx > size ||
            count > (size - t.offDx) / sizeof(INT))
          break;
        int width = 0;
        for (size_t i = 0; i < count; ++i) {
          INT advance = 0;
          std::memcpy(&advance, record + t.offDx + i * sizeof(INT), sizeof advance);
          width += advance;
        }
        TextRun run{std::wstring(count, L'\0'), POINT{t.ptlReference.x, t.ptlReference.y}, width, font, colour};
        std::memcpy(&run.text[0], record + t.offString, count * sizeof(wchar_t));
        visitor.text(run);
        break;
      }
      default: break;
    }
  }
}

}  // namespace tastrix
