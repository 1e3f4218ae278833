#include "platform/metafile_dc.h"

#include "platform/core/errors.h"

namespace tastrix {

MetafileDC::MetafileDC(const RECT* frame, const std::wstring& description) {
  const WindowDC screen(nullptr);
  dc_ = CreateEnhMetaFileW(screen.get(), nullptr, frame, description.empty() ? nullptr : description.c_str());
  if (!dc_) throwGdiError();
}

MetafileDC::~MetafileDC() {
  if (dc_) EnhMetafile(CloseEnhMetaFile(dc_));
}

std::string MetafileDC::finish() {
  const EnhMetafile metafile(CloseEnhMetaFile(dc_));
  dc_ = nullptr;
  const UINT size = metafile.valid() ? GetEnhMetaFileBits(metafile.get(), 0, nullptr) : 0;
  std::string bytes(size, '\0');
  if (size == 0 || GetEnhMetaFileBits(metafile.get(), size, reinterpret_cast<BYTE*>(&bytes[0])) != size)
    throwGdiError();
  return bytes;
}

}  // namespace tastrix
