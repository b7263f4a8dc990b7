// The main dialog's background: the skin images and two stretched band strips, composed off
// screen and copied to the screen in one piece.
#include <algorithm>

#include "framework/gdiplus_graphics.h"
#include "ui/kestavo_dlg.h"
#include "ui/skin/mem_dc.h"

namespace {

// A strip's one-pixel column stretched across `width` pixels at x, y. Rows are copied one to one;
// rows beyond the strip's own keep what lies under them.
void StretchBand(HDC target, HDC bandDc, HBITMAP band, HGDIOBJ& previous, int x, int y, int width, int rows) {
  BITMAP info{};
  if (!band || !GetObjectW(band, sizeof(info), &info)) return;
  rows = std::min(rows, static_cast<int>(info.bmHeight));
  previous = SelectObject(bandDc, band);
  StretchBlt(target, x, y, width, rows, bandDc, 0, 0, 1, rows, SRCCOPY);
  SelectObject(bandDc, previous);
  previous = nullptr;
}

}  // namespace

BOOL CKestavoDlg::OnEraseBkgnd(HDC pDC) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  fw::UniqueBitmap bitmap(CreateCompatibleBitmap(pDC, width, height));
  fw::UniqueDc memDc(CreateCompatibleDC(pDC));
  if (bitmap && memDc) {
    m_pOldBitmap = SelectObject(memDc.get(), bitmap.get());
    DrawSkin(memDc.get());
    BitBlt(pDC, 0, 0, width, height, memDc.get(), 0, 0, SRCCOPY);
    SelectObject(memDc.get(), m_pOldBitmap);
    m_pOldBitmap = nullptr;
  }
  // Nothing may erase with a brush after this: that would flicker.
  return TRUE;
}

void CKestavoDlg::DrawSkin(HDC pDC) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  // Destroyed in reverse order: the client DC, then the graphics (all its drawing is then in
  // the buffer), then the buffer, which copies the picture to pDC.
  CmyMemDC buffer(pDC, client);
  HDC dc = buffer.GetSafeHdc();
  fw::GdiplusGraphics graphics(dc);
  fw::WindowDc clientDc(hwnd_);

  // Start from what the window shows now, so translucent skin pixels blend over it.
  {
    fw::BitmapDc shown;
    if (shown.create(clientDc.get(), width, height)) {
      BitBlt(shown.get(), 0, 0, width, height, clientDc.get(), 0, 0, SRCCOPY);
      BitBlt(dc, client.left, client.top, width, height, shown.get(), 0, 0, SRCCOPY);
    }
  }

  // A holder without a bitmap passes a null image, which draws nothing.
  graphics.DrawImage(m_imgSkin.m_pGdipBitmap, m_rcSkin.X, m_rcSkin.Y, m_rcSkin.Width, m_rcSkin.Height);
  graphics.DrawImage(m_imgIcon.m_pGdipBitmap, m_rcIcon.X, m_rcIcon.Y, m_rcIcon.Width, m_rcIcon.Height);
  graphics.DrawImage(m_imgTitle.m_pGdipBitmap, m_rcTitle.X, m_rcTitle.Y, m_rcTitle.Width, m_rcTitle.Height);
  graphics.DrawImage(m_imgBios.m_pGdipBitmap, m_rcBios.X, m_rcBios.Y, m_rcBios.Width, m_rcBios.Height);
  graphics.Flush();

  fw::UniqueDc bandDc(CreateCompatibleDC(dc));
  if (bandDc) {
    StretchBand(dc, bandDc.get(), m_bmpTopBand.get(), m_pOldBandBitmap, 9, 35, 450, 61);
    StretchBand(dc, bandDc.get(), m_bmpBottomBand.get(), m_pOldBandBitmap, 9, 304, 450, 61);
  }

  // The heading lies on the top band.
  graphics.DrawImage(m_imgBar.m_pGdipBitmap, m_rcBar.X, m_rcBar.Y, m_rcBar.Width, m_rcBar.Height);
}
