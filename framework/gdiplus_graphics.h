// GdipCreateFromHDC / GdipDeleteGraphics: GDI+ drawing on a device context, over the flat API.
#pragma once

#include <windows.h>
#include <gdiplus.h>

namespace fw {

class GdiplusGraphics {
 public:
  explicit GdiplusGraphics(HDC dc) { Gdiplus::DllExports::GdipCreateFromHDC(dc, &graphics_); }
  GdiplusGraphics(const GdiplusGraphics&) = delete;
  GdiplusGraphics& operator=(const GdiplusGraphics&) = delete;
  ~GdiplusGraphics() { reset(); }

  Gdiplus::GpGraphics* get() const { return graphics_; }
  explicit operator bool() const { return graphics_ != nullptr; }

  // A null image fails and draws nothing.
  Gdiplus::GpStatus DrawImage(Gdiplus::GpImage* image, int x, int y, int width, int height) const {
    return Gdiplus::DllExports::GdipDrawImageRectI(graphics_, image, x, y, width, height);
  }
  // Makes everything drawn so far reach the DC before it is read with GDI.
  void Flush() const {
    if (graphics_) Gdiplus::DllExports::GdipFlush(graphics_, Gdiplus::FlushIntentionSync);
  }
  void reset() {
    if (graphics_) Gdiplus::DllExports::GdipDeleteGraphics(graphics_);
    graphics_ = nullptr;
  }

 private:
  Gdiplus::GpGraphics* graphics_ = nullptr;
};

}  // namespace fw
