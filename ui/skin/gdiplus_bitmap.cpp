#include "ui/skin/gdiplus_bitmap.h"

#include <objidl.h>

#include <cstring>

#include "framework/handles.h"

using namespace Gdiplus::DllExports;

CGdiPlusBitmap::~CGdiPlusBitmap() {
  if (m_pGdipBitmap) GdipDisposeImage(m_pGdipBitmap);
  m_pGdipBitmap = nullptr;
}

CGdiPlusBitmapResource::~CGdiPlusBitmapResource() { Clear(); }

void CGdiPlusBitmapResource::Clear() {
  if (m_pGdipBitmap) GdipDisposeImage(m_pGdipBitmap);
  m_pGdipBitmap = nullptr;
  if (m_hImageData) {
    GlobalUnlock(m_hImageData);
    GlobalFree(m_hImageData);
  }
  m_hImageData = nullptr;
}

bool CGdiPlusBitmapResource::LoadPng(UINT id) {
  Clear();
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), L"PNG");
  if (!found) return false;
  const DWORD size = SizeofResource(nullptr, found);
  if (size == 0) return false;
  HGLOBAL loaded = LoadResource(nullptr, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return false;

  m_hImageData = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!m_hImageData) return false;
  void* copy = GlobalLock(m_hImageData);
  if (!copy) {
    GlobalFree(m_hImageData);
    m_hImageData = nullptr;
    return false;
  }
  std::memcpy(copy, bytes, size);

  fw::ComPtr<IStream> stream;
  if (SUCCEEDED(CreateStreamOnHGlobal(m_hImageData, FALSE, stream.put()))) {
    Gdiplus::GpBitmap* bitmap = nullptr;
    const Gdiplus::GpStatus status = GdipCreateBitmapFromStream(stream.get(), &bitmap);
    stream.reset();
    if (bitmap && status == Gdiplus::Ok) {
      m_pGdipBitmap = bitmap;
      return true;
    }
    if (bitmap) GdipDisposeImage(bitmap);
  }
  GlobalUnlock(m_hImageData);
  GlobalFree(m_hImageData);
  m_hImageData = nullptr;
  return false;
}
