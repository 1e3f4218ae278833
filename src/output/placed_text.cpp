#include "output/placed_text.h"

#include <cstring>

#include "output/metafile_text.h"
#include "output/picture_painter.h"
#include "platform/metafile_dc.h"

namespace tastrix {
namespace {

// Marks in the recording where each piece begins: "TxPc" and its number.
constexpr char kPieceMark[] = "TxPc";
constexpr size_t kMarkLength = sizeof kPieceMark - 1;

class Placing : public MetafileVisitor {
 public:
  explicit Placing(PlacedTexts& placed) : placed_(placed) {}

  void comment(const std::string& data) override {
    if (data.size() == kMarkLength + sizeof(DWORD) && data.compare(0, kMarkLength, kPieceMark) == 0) {
      DWORD piece = 0;
      std::memcpy(&piece, data.data() + kMarkLength, sizeof piece);
      piece_ = piece;
    }
  }
  void text(TextRun& run) override {
    placed_.texts.push_back(PlacedText{piece_, run.text, run.origin, run.width, run.font, run.colour});
  }
  void lineTo(POINT from, POINT to, COLORREF colour) override {
    placed_.strokes.push_back(PlacedStroke{piece_, from, to, colour});
  }

 private:
  PlacedTexts& placed_;
  size_t piece_ = 0;
};

}  // namespace

PlacedTexts PlaceTexts(const KeyboardMap& map, const PictureLayout& layout) {
  MetafileDC recording(nullptr, std::wstring());
  {
    PaintCache cache(layout.dpi());
    const std::vector<PicturePiece>& pieces = layout.pieces();
    for (size_t i = 0; i < pieces.size(); ++i) {
      char mark[kMarkLength + sizeof(DWORD)];
      const DWORD piece = static_cast<DWORD>(i);
      std::memcpy(mark, kPieceMark, kMarkLength);
      std::memcpy(mark + kMarkLength, &piece, sizeof piece);
      GdiComment(recording.get(), sizeof mark, reinterpret_cast<const BYTE*>(mark));
      paintPiece(recording.get(), cache, map, layout, pieces[i]);
    }
  }
  std::string records = recording.finish();
  PlacedTexts placed;
  Placing placing(placed);
  VisitMetafile(records, placing);
  return placed;
}

}  // namespace tastrix
