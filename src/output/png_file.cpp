#include "output/png_file.h"

#include <wincodec.h>

#include <cstdio>
#include <utility>
#include <vector>

#include "output/wic_guids.h"
#include "platform/com_ref.h"
#include "platform/core/errors.h"
#include "platform/gdi_values.h"
#include "platform/staged_file.h"
#include "platform/win32_handles.h"

namespace tastrix {
namespace {

void check(HRESULT hr, const char* step) {
  if (SUCCEEDED(hr)) return;
  char text[96];
  std::snprintf(text, sizeof text, "PNG encoder error 0x%08lX in %s", static_cast<unsigned long>(hr), step);
  throw PlatformError(text, static_cast<unsigned long>(hr));
}

struct BgrPixels {
  UINT width = 0;
  UINT height = 0;
  std::vector<BYTE> rows;  // blue, green, red; top row first; width * 3 bytes a row
};

BgrPixels bgrPixelsOf(HBITMAP bitmap) {
  BITMAP shape{};
  if (!GetObjectA(bitmap, sizeof shape, &shape) || shape.bmWidth <= 0 || shape.bmHeight <= 0) throwGdiError();
  // Read as a top-down 32-bit DIB: any kind of bitmap comes back the same way.
  BITMAPINFO info = topDownBitmapInfo(shape.bmWidth, shape.bmHeight);
  const size_t count = static_cast<size_t>(shape.bmWidth) * static_cast<size_t>(shape.bmHeight);
  std::vector<BYTE> bgrx(count * 4);
  {
    const WindowDC screen(nullptr);
    if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(shape.bmHeight), bgrx.data(), &info, DIB_RGB_COLORS) !=
        shape.bmHeight)
      throwGdiError();
  }
  // The fourth byte of a DIB pixel is no alpha: written as one, it would make
  // the picture transparent. Dropped in place, as the largest pictures fill
  // much of a 32-bit program's memory.
  for (size_t i = 0; i < count; ++i)
    for (size_t c = 0; c < 3; ++c) bgrx[i * 3 + c] = bgrx[i * 4 + c];
  bgrx.resize(count * 3);
  BgrPixels pixels;
  pixels.width = static_cast<UINT>(shape.bmWidth);
  pixels.height = static_cast<UINT>(shape.bmHeight);
  pixels.rows = std::move(bgrx);
  return pixels;
}

std::string streamBytes(IStream* stream) {
  // The stream's size: the memory block beneath it may be larger.
  STATSTG stat{};
  check(stream->Stat(&stat, STATFLAG_NONAME), "IStream::Stat");
  HGLOBAL memory = nullptr;
  check(GetHGlobalFromStream(stream, &memory), "GetHGlobalFromStream");
  const void* data = GlobalLock(memory);
  if (!data) check(E_OUTOFMEMORY, "GlobalLock");
  std::string bytes(static_cast<const char*>(data), static_cast<size_t>(stat.cbSize.QuadPart));
  GlobalUnlock(memory);
  return bytes;
}

}  // namespace

std::string pngFileBytes(HBITMAP bitmap, int dpi) {
  BgrPixels pixels = bgrPixelsOf(bitmap);
  const ComScope com;
  check(com.result(), "CoInitializeEx");
  ComRef<IWICImagingFactory> factory;
  check(CoCreateInstance(kClsidWicImagingFactory, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IWICImagingFactory),
                         reinterpret_cast<void**>(factory.put())),
        "CoCreateInstance");
  // Encoded into memory: the file is then written whole by the one writer
  // every picture file goes through.
  ComRef<IStream> stream;
  check(CreateStreamOnHGlobal(nullptr, TRUE, stream.put()), "CreateStreamOnHGlobal");
  ComRef<IWICBitmapEncoder> encoder;
  check(factory->CreateEncoder(kContainerFormatPng, nullptr, encoder.put()), "CreateEncoder");
  check(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache), "IWICBitmapEncoder::Initialize");
  ComRef<IWICBitmapFrameEncode> frame;
  ComRef<IPropertyBag2> options;
  check(encoder->CreateNewFrame(frame.put(), options.put()), "CreateNewFrame");
  check(frame->Initialize(options.get()), "IWICBitmapFrameEncode::Initialize");
  check(frame->SetSize(pixels.width, pixels.height), "SetSize");
  check(frame->SetResolution(dpi, dpi), "SetResolution");
  // The encoder may answer with a format of its own choice; 24-bit BGR is
  // native to the PNG encoder, so any other answer is a fault.
  WICPixelFormatGUID format = kPixelFormat24bppBGR;
  check(frame->SetPixelFormat(&format), "SetPixelFormat");
  if (!IsEqualGUID(format, kPixelFormat24bppBGR)) check(WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT, "SetPixelFormat");
  check(frame->WritePixels(pixels.height, pixels.width * 3, static_cast<UINT>(pixels.rows.size()), pixels.rows.data()),
        "WritePixels");
  check(frame->Commit(), "IWICBitmapFrameEncode::Commit");
  check(encoder->Commit(), "IWICBitmapEncoder::Commit");
  return streamBytes(stream.get());
}

void writePngFile(HBITMAP bitmap, const std::string& path, int dpi) {
  WriteFileWhole(path, pngFileBytes(bitmap, dpi));
}

}  // namespace tastrix
