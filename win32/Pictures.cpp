#include "win32/Pictures.h"

#include <wincodec.h>

#include <cctype>

#include "win32/Geometry.h"

namespace quillmar::win32 {
namespace {

// RT_RCDATA in its wide form, whatever UNICODE says.
const wchar_t* const kRcData = MAKEINTRESOURCEW(10);

// Releases one COM interface.
template <typename T>
class Com {
 public:
  Com() = default;
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  ~Com() {
    if (p_ != nullptr) p_->Release();
  }
  T* operator->() const { return p_; }
  T* get() const { return p_; }
  T** out() { return &p_; }

 private:
  T* p_ = nullptr;
};

std::unique_ptr<Picture> Decode(IWICImagingFactory& factory, const void* data, std::size_t size) {
  Com<IWICStream> stream;
  if (FAILED(factory.CreateStream(stream.out()))) return nullptr;
  auto* bytes = static_cast<BYTE*>(const_cast<void*>(data));
  if (FAILED(stream->InitializeFromMemory(bytes, static_cast<DWORD>(size)))) return nullptr;
  Com<IWICBitmapDecoder> decoder;
  if (FAILED(factory.CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                             decoder.out())))
    return nullptr;
  Com<IWICBitmapFrameDecode> frame;
  if (FAILED(decoder->GetFrame(0, frame.out()))) return nullptr;
  Com<IWICFormatConverter> converter;
  if (FAILED(factory.CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA,
                                   WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom)))
    return nullptr;
  UINT width = 0;
  UINT height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > 4096 ||
      height > 4096)
    return nullptr;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  auto picture = std::make_unique<Picture>();
  picture->bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!picture->bitmap || bits == nullptr) return nullptr;
  const UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits))))
    return nullptr;
  picture->width = static_cast<int>(width);
  picture->height = static_cast<int>(height);
  const auto* pixels = static_cast<const BYTE*>(bits);
  for (UINT i = 3; i < stride * height && !picture->transparent; i += 4)
    picture->transparent = pixels[i] != 255;
  return picture;
}

}  // namespace

std::unique_ptr<Picture> DecodePicture(const void* data, std::size_t size) {
  if (data == nullptr || size == 0) return nullptr;
  Com<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void**>(factory.out()))))
    return nullptr;
  return Decode(*factory.get(), data, size);
}

void DrawPicture(HDC dc, const Picture& picture, const RECT& rect, bool stretch, int dpi) {
  HDC source = CreateCompatibleDC(dc);
  if (source == nullptr) return;
  HGDIOBJ old = SelectObject(source, picture.bitmap.get());
  const int width = stretch ? rect.right - rect.left : MulDiv(picture.width, dpi, kDefaultDpi);
  const int height = stretch ? rect.bottom - rect.top : MulDiv(picture.height, dpi, kDefaultDpi);
  if (picture.transparent) {
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, rect.left, rect.top, width, height, source, 0, 0, picture.width,
                  picture.height, blend);
  } else {
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, rect.left, rect.top, width, height, source, 0, 0, picture.width, picture.height,
               SRCCOPY);
  }
  SelectObject(source, old);
  DeleteDC(source);
}

const Picture* PictureCache::Find(std::string_view name) {
  if (auto it = pictures_.find(name); it != pictures_.end()) return it->second.get();
  std::wstring resource;
  for (char c : name) resource += static_cast<wchar_t>(std::toupper(static_cast<unsigned char>(c)));
  std::unique_ptr<Picture> picture;
  if (HRSRC found = FindResourceW(instance_, resource.c_str(), kRcData)) {
    HGLOBAL loaded = LoadResource(instance_, found);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    picture = DecodePicture(data, SizeofResource(instance_, found));
  }
  const Picture* result = picture.get();
  pictures_.emplace(std::string(name), std::move(picture));
  return result;
}

}  // namespace quillmar::win32
