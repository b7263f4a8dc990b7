// Image holders: a GDI+ bitmap, and one decoded from a PNG among the program's resources.
#pragma once

#include <windows.h>
#include <gdiplus.h>

class CGdiPlusBitmap {
 public:
  CGdiPlusBitmap() = default;
  CGdiPlusBitmap(const CGdiPlusBitmap&) = delete;
  CGdiPlusBitmap& operator=(const CGdiPlusBitmap&) = delete;
  virtual ~CGdiPlusBitmap();

  // The decoded image; null when empty.
  Gdiplus::GpBitmap* m_pGdipBitmap = nullptr;
};

class CGdiPlusBitmapResource : public CGdiPlusBitmap {
 public:
  CGdiPlusBitmapResource() = default;
  ~CGdiPlusBitmapResource() override;

  // Decodes the resource `id` of type "PNG" of the program's own module; true when the holder
  // now has a valid bitmap. A failed load leaves the holder empty.
  bool LoadPng(UINT id);
  // Disposes of the bitmap, then unlocks and frees the block it reads from.
  void Clear();

  // A private copy of the PNG bytes, kept locked while the bitmap exists: the bitmap reads its
  // pixels through a stream over this block. Null when empty.
  HGLOBAL m_hImageData = nullptr;
};
