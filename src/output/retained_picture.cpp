#include "output/retained_picture.h"

#include <algorithm>
#include <string>

#include "output/picture_painter.h"

namespace tastrix {
namespace {

// FNV-1a over everything the painter reads, so that any change of the model
// shows, however it was made.
class Signature {
 public:
  void add(const void* data, size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) value_ = (value_ ^ bytes[i]) * 1099511628211ull;
  }
  void add(int value) { add(&value, sizeof value); }
  void add(const std::string& text) {
    add(static_cast<int>(text.size()));
    add(text.data(), text.size());
  }
  void add(const FontDescription& font) {
    add(font.name);
    for (int v : {font.size, static_cast<int>(font.colour), int{font.bold}, int{font.italic}, int{font.underline},
                  int{font.strikeOut}, font.charset})
      add(v);
  }
  std::uint64_t value() const { return value_ ? value_ : 1; }  // 0 means "not drawn"

 private:
  std::uint64_t value_ = 14695981039346656037ull;
};

std::uint64_t signatureOf(const FormModel& model) {
  Signature s;
  s.add(model.dpi);
  s.add(static_cast<int>(model.windowColour));
  for (const Component& c : model.components) {
    for (int v : {static_cast<int>(c.kind), int{c.visible}, c.parent, c.bounds.left, c.bounds.top, c.bounds.width,
                  c.bounds.height, static_cast<int>(c.fill), c.layout, int{c.wordWrap}, int{c.transparent}})
      s.add(v);
    s.add(c.caption);
    s.add(c.font);
  }
  return s.value();
}

}  // namespace

void RetainedPicture::draw(HDC canvas, const FormModel& model, int left, int right) {
  if (left < right) paintPicture(canvas, model, 0, RECT{left, 0, right, height_});
}

void RetainedPicture::show(HDC dc, const FormModel& model, int scrollX, const RECT& client, const RECT& area) {
  const int width = std::max<int>(model.scrollRange(), scrollX + client.right);
  const int height = client.bottom;
  const std::uint64_t signature = signatureOf(model);
  if (width > width_ || height > height_) {
    // Grown only: shrinking the window or scrolling never draws again.
    width_ = std::max(width_, width);
    height_ = std::max(height_, height);
    bitmap_.reset(CreateCompatibleBitmap(dc, width_, height_));
    signature_ = 0;
  }
  MemoryDC canvas(dc);
  if (!bitmap_.valid() || !canvas.get()) {
    // Without GDI objects to spare, the picture is painted straight on.
    width_ = height_ = 0;
    paintPicture(dc, model, scrollX, area);
    return;
  }
  Selection select(canvas.get(), bitmap_.get());
  if (signature != signature_) {
    signature_ = signature;
    drawnLeft_ = drawnRight_ = 0;
  }
  // Painting any strip gives the pixels a whole paint gives there.
  const int left = area.left + scrollX, right = area.right + scrollX;
  if (drawnLeft_ == drawnRight_) {
    draw(canvas.get(), model, left, right);
    drawnLeft_ = left;
    drawnRight_ = right;
  } else {
    draw(canvas.get(), model, std::min(left, drawnLeft_), drawnLeft_);
    draw(canvas.get(), model, drawnRight_, std::max(right, drawnRight_));
    drawnLeft_ = std::min(left, drawnLeft_);
    drawnRight_ = std::max(right, drawnRight_);
  }
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, canvas.get(), left, area.top,
         SRCCOPY);
}

}  // namespace tastrix
