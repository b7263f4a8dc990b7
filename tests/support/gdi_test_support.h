// Helpers for the painting tests: GDI+ for the test process, a GDI object count, a 32-bit
// drawing surface whose pixels can be read, and alpha blending to compute expected pixels.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include <cstdlib>

#include "framework/handles.h"

namespace test {

// GDI+ as the program has it: started once, never shut down.
inline void StartGdiplus() {
  static ULONG_PTR token = [] {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR t = 0;
    Gdiplus::GdiplusStartup(&t, &input, nullptr);
    return t;
  }();
  (void)token;
}

// GDI objects the process holds. Wine's GetGuiResources is a stub that answers 0; there the
// handle table is walked instead (a handle's index alone names the live object in Wine).
inline int CountGdiObjects() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return static_cast<int>(reported);
  int count = 0;
  for (UINT index = 1; index < 0x10000; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(index))) != 0) ++count;
  return count;
}

// A top-down 32-bit DIB selected into a memory DC: draw into dc(), read with At().
class Surface {
 public:
  Surface(int width, int height, COLORREF fill) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0));
    dc_.reset(CreateCompatibleDC(nullptr));
    previous_ = SelectObject(dc_.get(), bitmap_.get());
    Fill(fill);
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  ~Surface() { SelectObject(dc_.get(), previous_); }

  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }
  void Fill(COLORREF colour) const {
    GdiFlush();
    for (int i = 0; i < width_ * height_; ++i)
      bits_[i] = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  }
  COLORREF At(int x, int y) const {
    GdiFlush();
    const DWORD p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

 private:
  int width_, height_;
  DWORD* bits_ = nullptr;
  fw::UniqueBitmap bitmap_;
  fw::UniqueDc dc_;
  HGDIOBJ previous_ = nullptr;
};

inline Gdiplus::ARGB PixelOf(Gdiplus::GpBitmap* image, int x, int y) {
  Gdiplus::ARGB argb = 0;
  Gdiplus::DllExports::GdipBitmapGetPixel(image, x, y, &argb);
  return argb;
}
inline int AlphaOf(Gdiplus::ARGB argb) { return static_cast<int>(argb >> 24); }

// `argb` drawn over `under`.
inline COLORREF Over(Gdiplus::ARGB argb, COLORREF under) {
  const int a = AlphaOf(argb);
  auto mix = [a](int top, int bottom) { return (top * a + bottom * (255 - a) + 127) / 255; };
  return RGB(mix((argb >> 16) & 0xFF, GetRValue(under)), mix((argb >> 8) & 0xFF, GetGValue(under)),
             mix(argb & 0xFF, GetBValue(under)));
}
inline COLORREF Opaque(Gdiplus::ARGB argb) { return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF); }

// Colours equal within `tolerance` per channel (blending rounds differently per library).
inline bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

}  // namespace test
