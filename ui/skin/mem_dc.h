// An off-screen device context: drawing collects in a bitmap that is copied to the target in
// one operation when the object is destroyed. On a printer it draws straight to the target.
#pragma once

#include <windows.h>

#include "framework/handles.h"

class CmyMemDC {
 public:
  // `rect` is in the target's logical coordinates; all zero means the target's clip box.
  CmyMemDC(HDC pDC, RECT rect);
  CmyMemDC(const CmyMemDC&) = delete;
  CmyMemDC& operator=(const CmyMemDC&) = delete;
  virtual ~CmyMemDC();

  // Where to draw: the off-screen DC, or the target itself when printing.
  HDC GetSafeHdc() const { return m_bOffscreen ? m_dcOffscreen.get() : m_pTargetDC; }
  const RECT& Area() const { return m_rcArea; }

 private:
  fw::UniqueDc m_dcOffscreen;
  fw::UniqueBitmap m_bmpOffscreen;
  HGDIOBJ m_pPrevBitmap = nullptr;
  HDC m_pTargetDC = nullptr;
  RECT m_rcArea{};
  BOOL m_bOffscreen = FALSE;
};
