#include "ui/skin/mem_dc.h"

CmyMemDC::CmyMemDC(HDC pDC, RECT rect) : m_pTargetDC(pDC) {
  m_bOffscreen = GetDeviceCaps(pDC, TECHNOLOGY) != DT_RASPRINTER;
  if (!m_bOffscreen) return;
  m_dcOffscreen.reset(CreateCompatibleDC(pDC));
  if (rect.left == 0 && rect.top == 0 && rect.right == 0 && rect.bottom == 0)
    GetClipBox(pDC, &m_rcArea);
  else
    m_rcArea = rect;
  m_bmpOffscreen.reset(
      CreateCompatibleBitmap(pDC, m_rcArea.right - m_rcArea.left, m_rcArea.bottom - m_rcArea.top));
  m_pPrevBitmap = SelectObject(m_dcOffscreen.get(), m_bmpOffscreen.get());
  // Drawing at the target's coordinates lands in the bitmap.
  SetWindowOrgEx(m_dcOffscreen.get(), m_rcArea.left, m_rcArea.top, nullptr);
}

CmyMemDC::~CmyMemDC() {
  if (!m_bOffscreen) return;  // the target was only borrowed
  BitBlt(m_pTargetDC, m_rcArea.left, m_rcArea.top, m_rcArea.right - m_rcArea.left, m_rcArea.bottom - m_rcArea.top,
         m_dcOffscreen.get(), m_rcArea.left, m_rcArea.top, SRCCOPY);
  if (m_pPrevBitmap) SelectObject(m_dcOffscreen.get(), m_pPrevBitmap);
  m_bmpOffscreen.reset();
  m_dcOffscreen.reset();
}
