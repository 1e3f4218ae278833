#include "output/font_fallback.h"

#include <usp10.h>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "platform/registry_key.h"
#include "platform/system_library.h"
#include "platform/win32_handles.h"

namespace tastrix {
namespace {

// Drawn as nothing, or laid out by DrawText itself: no font needs a glyph.
bool needsNoGlyph(wchar_t c) {
  return c < 0x20 || (c >= 0x7F && c < 0xA0) || (c >= 0x200B && c <= 0x200F) || (c >= 0x2028 && c <= 0x202E) ||
         (c >= 0x2060 && c <= 0x206F) || (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF;
}

bool isSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDFFF; }
bool hasSurrogates(const std::wstring& text) { return std::any_of(text.begin(), text.end(), isSurrogate); }

// A bitmap font has the characters of its character set's code page.
bool bitmapFontHasEvery(HDC dc, const std::wstring& text) {
  std::wstring shown;
  for (const wchar_t c : text)
    if (!needsNoGlyph(c)) shown += c;
  if (shown.empty()) return true;
  if (hasSurrogates(shown)) return false;
  const int charset = GetTextCharset(dc);
  CHARSETINFO info{};
  const UINT codePage =
      charset == OEM_CHARSET ? CP_OEMCP
      : TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<UINT_PTR>(charset)), &info, TCI_SRCCHARSET)
          ? info.ciACP
          : CP_ACP;
  std::string bytes(shown.size() * 2, '\0');
  BOOL defaulted = FALSE;
  return WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, shown.data(), static_cast<int>(shown.size()), bytes.data(),
                             static_cast<int>(bytes.size()), nullptr, &defaulted) > 0 &&
         !defaulted;
}

bool glyphIndicesHaveEvery(HDC dc, const std::wstring& text) {
  std::vector<WORD> glyphs(text.size());
  if (GetGlyphIndicesW(dc, text.data(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) ==
      GDI_ERROR)
    return false;
  for (size_t i = 0; i < text.size(); ++i)
    if (glyphs[i] == 0xFFFF && !needsNoGlyph(text[i])) return false;
  return true;
}

// The glyphs GDI's own look-up cannot find: characters beyond the first
// 65536, which take two 16-bit units. Uniscribe shapes them.
bool shapedTextHasEvery(HDC dc, const std::wstring& text) {
  static const auto itemize = SystemFunction<decltype(&ScriptItemize)>(kUniscribe, "ScriptItemize");
  static const auto shape = SystemFunction<decltype(&ScriptShape)>(kUniscribe, "ScriptShape");
  static const auto properties =
      SystemFunction<decltype(&ScriptGetFontProperties)>(kUniscribe, "ScriptGetFontProperties");
  static const auto freeCache = SystemFunction<decltype(&ScriptFreeCache)>(kUniscribe, "ScriptFreeCache");
  const int length = static_cast<int>(text.size());
  std::vector<SCRIPT_ITEM> items(text.size() + 1);
  int itemCount = 0;
  if (FAILED(itemize(text.data(), length, length, nullptr, nullptr, items.data(), &itemCount))) return false;
  SCRIPT_CACHE cache = nullptr;
  SCRIPT_FONTPROPERTIES font{};
  font.cBytes = sizeof font;
  bool every = SUCCEEDED(properties(dc, &cache, &font));
  for (int i = 0; every && i < itemCount; ++i) {
    const int begin = items[i].iCharPos, count = items[i + 1].iCharPos - begin;
    std::vector<WORD> glyphs(static_cast<size_t>(count) * 2 + 16), clusters(static_cast<size_t>(count));
    std::vector<SCRIPT_VISATTR> attributes(glyphs.size());
    int glyphCount = 0;
    if (shape(dc, &cache, text.data() + begin, count, static_cast<int>(glyphs.size()), &items[i].a, glyphs.data(),
              clusters.data(), attributes.data(), &glyphCount) != S_OK)
      every = false;
    for (int c = 0; every && c < count; ++c) {
      const wchar_t unit = text[static_cast<size_t>(begin + c)];
      if (!needsNoGlyph(unit) && !(unit >= 0xDC00 && unit <= 0xDFFF) && glyphs[clusters[c]] == font.wgDefault)
        every = false;
    }
  }
  freeCache(&cache);
  return every;
}

// ---- The fonts to fall back on ----

struct InstalledFace {
  std::wstring name;
  std::vector<std::pair<WCHAR, WCHAR>> ranges;  // the characters below 65536 it has, read when first asked
  bool rangesRead = false;
};

bool sameFace(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                        static_cast<int>(b.size())) == CSTR_EQUAL;
}

int CALLBACK collectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM param) {
  auto& faces = *reinterpret_cast<std::vector<InstalledFace>*>(param);
  const std::wstring name = font->lfFaceName;
  // A bitmap font has one code page, a symbol font pictures in the place of
  // letters, and "@" names the same font turned for vertical text.
  if ((type & RASTER_FONTTYPE) || font->lfCharSet == SYMBOL_CHARSET || name.empty() || name[0] == L'@') return 1;
  if (std::none_of(faces.begin(), faces.end(), [&](const InstalledFace& f) { return sameFace(f.name, name); }))
    faces.push_back(InstalledFace{name, {}, false});
  return 1;
}

// The faces the system links to a face (the "FontLink\SystemLink" entries,
// "FILE,Face[,scaling]"), in its order, which follows the user's language.
std::vector<std::wstring> linkedFaces(const std::wstring& face) {
  std::vector<std::wstring> faces;
  const RegistryKey links(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink",
                          RegistryAccess::Read);
  DWORD type = 0, size = 0;
  if (!links.valid() || RegQueryValueExW(links.get(), face.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_MULTI_SZ)
    return faces;
  std::wstring entries(size / sizeof(wchar_t) + 2, L'\0');
  if (RegQueryValueExW(links.get(), face.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(entries.data()), &size) !=
      ERROR_SUCCESS)
    return faces;
  for (size_t at = 0; at < entries.size() && entries[at] != L'\0';) {
    const std::wstring entry = entries.c_str() + at;
    at += entry.size() + 1;
    const size_t comma = entry.find(L',');
    if (comma != std::wstring::npos) faces.push_back(entry.substr(comma + 1, entry.find(L',', comma + 1) - comma - 1));
  }
  return faces;
}

// The face Windows' own controls are drawn in since Vista, whose links
// cover the scripts of the user's language first.
const wchar_t* const kControlsFace = L"Segoe UI";

class Fallbacks {
 public:
  std::wstring faceFor(const std::wstring& face, const std::wstring& text) {
    const auto key = std::make_pair(face, text);
    const auto known = chosen_.find(key);
    if (known != chosen_.end()) return known->second;
    std::wstring found;
    for (const size_t candidate : orderFor(face))
      if (has(installed_[candidate], text)) {
        found = installed_[candidate].name;
        break;
      }
    chosen_.emplace(key, found);
    return found;
  }

 private:
  const std::vector<size_t>& orderFor(const std::wstring& face) {
    const auto known = orders_.find(face);
    if (known != orders_.end()) return known->second;
    if (!enumerated_) {
      LOGFONTW all{};
      all.lfCharSet = DEFAULT_CHARSET;
      EnumFontFamiliesExW(probe_.get(), &all, collectFace, reinterpret_cast<LPARAM>(&installed_), 0);
      enumerated_ = true;
    }
    std::vector<std::wstring> names = linkedFaces(face);
    for (const std::wstring& name : linkedFaces(kControlsFace)) names.push_back(name);
    std::vector<size_t> order;
    const auto add = [&](size_t i) {
      if (!sameFace(installed_[i].name, face) && std::find(order.begin(), order.end(), i) == order.end())
        order.push_back(i);
    };
    for (const std::wstring& name : names)
      for (size_t i = 0; i < installed_.size(); ++i)
        if (sameFace(installed_[i].name, name)) add(i);
    for (size_t i = 0; i < installed_.size(); ++i) add(i);
    return orders_.emplace(face, std::move(order)).first->second;
  }

  bool has(InstalledFace& face, const std::wstring& text) {
    LOGFONTW described{};
    described.lfHeight = -16;
    described.lfCharSet = DEFAULT_CHARSET;
    face.name.copy(described.lfFaceName, LF_FACESIZE - 1);
    const Font font(CreateFontIndirectW(&described));
    const Selection selected(probe_.get(), font.get());
    if (hasSurrogates(text)) return shapedTextHasEvery(probe_.get(), text);
    if (!face.rangesRead) {
      face.rangesRead = true;
      std::vector<BYTE> set(GetFontUnicodeRanges(probe_.get(), nullptr));
      if (set.size() >= sizeof(GLYPHSET) && GetFontUnicodeRanges(probe_.get(), reinterpret_cast<GLYPHSET*>(set.data()))) {
        const auto* glyphs = reinterpret_cast<const GLYPHSET*>(set.data());
        for (DWORD i = 0; i < glyphs->cRanges; ++i)
          face.ranges.emplace_back(glyphs->ranges[i].wcLow,
                                   static_cast<WCHAR>(glyphs->ranges[i].wcLow + glyphs->ranges[i].cGlyphs - 1));
      }
    }
    return std::all_of(text.begin(), text.end(), [&](wchar_t c) {
      return needsNoGlyph(c) || std::any_of(face.ranges.begin(), face.ranges.end(), [c](const auto& range) {
               return c >= range.first && c <= range.second;
             });
    });
  }

  MemoryDC probe_{nullptr};
  bool enumerated_ = false;
  std::vector<InstalledFace> installed_;
  std::map<std::wstring, std::vector<size_t>> orders_;
  std::map<std::pair<std::wstring, std::wstring>, std::wstring> chosen_;
};

}  // namespace

bool BitmapFontSelected(HDC dc) {
  TEXTMETRICW metrics{};
  return GetTextMetricsW(dc, &metrics) && (metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) == 0;
}

bool HasEveryGlyph(HDC dc, const std::wstring& text) {
  if (BitmapFontSelected(dc)) return bitmapFontHasEvery(dc, text);
  return hasSurrogates(text) ? shapedTextHasEvery(dc, text) : glyphIndicesHaveEvery(dc, text);
}

std::wstring FallbackFace(const std::wstring& face, const std::wstring& text) {
  static Fallbacks fallbacks;
  return fallbacks.faceFor(face, text);
}

}  // namespace tastrix
