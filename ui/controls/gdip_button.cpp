#include "ui/controls/gdip_button.h"

#include "framework/gdiplus_graphics.h"
#include "ui/skin/mem_dc.h"

const wchar_t* CaptionFaceForMajorVersion(DWORD majorVersion) {
  if (majorVersion >= 6) return L"Malgun Gothic";
  if (majorVersion == 5) return L"Tahoma";
  return L"";
}

void CGdipButton::OnAttached() {
  // Owner-drawn, keeping every other style bit.
  SetWindowLongW(hwnd_, GWL_STYLE, GetWindowLongW(hwnd_, GWL_STYLE) | BS_OWNERDRAW);
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CGdipButton::SetImages(int width, int height, WORD normal, WORD hover, WORD disabled, WORD pressed, WORD spare) {
  m_pImgNormal = std::make_unique<CGdiPlusBitmapResource>();
  m_pImgHover = std::make_unique<CGdiPlusBitmapResource>();
  m_pImgDisabled = std::make_unique<CGdiPlusBitmapResource>();
  m_pImgPressed = std::make_unique<CGdiPlusBitmapResource>();
  m_pImgSpare = std::make_unique<CGdiPlusBitmapResource>();
  // An image that fails to load leaves its state showing the bare background.
  m_pImgNormal->LoadPng(normal);
  m_pImgHover->LoadPng(hover);
  m_pImgDisabled->LoadPng(disabled);
  m_pImgPressed->LoadPng(pressed);
  m_pImgSpare->LoadPng(spare);
  m_hCursor = LoadCursorW(nullptr, IDC_HAND);
  m_nImageWidth = width;
  m_nImageHeight = height;
}

void CGdipButton::SetCaption(const wchar_t* text) {
  if (!text) return;
  m_strCaption = text;
  // The captioned buttons are 120 x 31 with a highlight row at the bottom: centre in the face.
  m_rcCaption = RECT{0, 0, 120, 30};
  m_nCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  m_fontCaption.reset();

  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  GetVersionExW(&version);
  m_fontCaption.reset(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                                  CaptionFaceForMajorVersion(version.dwMajorVersion)));
  // Vertical centring works on a single line only; several lines start at the top.
  if (m_strCaption.find(L'\r') != std::wstring::npos) m_nCaptionFormat &= ~static_cast<UINT>(DT_SINGLELINE);
  m_bCaption = TRUE;
}

bool CGdipButton::OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_DRAWITEM) {
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
    result = TRUE;
    return true;
  }
  if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) CtlColor(reinterpret_cast<HDC>(wp));
  // The parent's own colour handling decides the brush.
  return false;
}

bool CGdipButton::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      // The state picture covers the whole button.
      result = TRUE;
      return true;
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button would report a double click instead of a second press.
      result = Default(WM_LBUTTONDOWN, wp, lp);
      return true;
    case WM_MOUSEMOVE:
      OnMouseMove();
      return false;
    case WM_SETCURSOR:
      if (!m_hCursor) return false;
      SetCursor(m_hCursor);
      result = TRUE;
      return true;
    case WM_MOUSEHOVER:
      m_bHover = TRUE;
      Redraw();
      result = 0;
      return true;
    case WM_MOUSELEAVE:
      m_bTracking = FALSE;
      m_bHover = FALSE;
      Redraw();
      result = 0;
      return true;
  }
  return false;
}

void CGdipButton::OnMouseMove() {
  if (m_bTracking) return;
  // Hover after 1 ms of rest shows the hover picture as soon as the mouse stops.
  TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, hwnd_, 1};
  m_bTracking = TrackMouseEvent(&track);  // a failed request is repeated at the next move
}

HBRUSH CGdipButton::CtlColor(HDC dc) {
  if (m_bHaveStates || !m_pImgNormal) return nullptr;
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  CmyMemDC memDc(dc, client);
  fw::GdiplusGraphics graphics(memDc.GetSafeHdc());

  if (!m_dcBack) {
    // The parent's pixels behind the button, as they are now: the button is drawn over them
    // and never again looks at the parent.
    HWND parent = GetParent(hwnd_);
    fw::WindowDc parentDc(parent);
    RECT inParent{};
    GetWindowRect(hwnd_, &inParent);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&inParent), 2);
    if (m_dcBack.create(parentDc.get(), width, height))
      BitBlt(m_dcBack.get(), 0, 0, width, height, parentDc.get(), inParent.left, inParent.top, SRCCOPY);
  }

  const struct {
    fw::BitmapDc& picture;
    CGdiPlusBitmapResource* image;
    int x, y;
  } states[] = {
      {m_dcNormal, m_pImgNormal.get(), 0, 0},
      {m_dcPressed, m_pImgPressed.get(), 1, 1},  // pushed in: one pixel right and down
      {m_dcHover, m_pImgHover.get(), 0, 0},
      {m_dcDisabled, m_pImgDisabled.get(), 0, 0},
      {m_dcSpare, m_pImgSpare.get(), 0, 0},
  };
  for (const auto& state : states) {
    if (state.picture) continue;
    PaintBackground(memDc.GetSafeHdc());
    graphics.DrawImage(state.image ? state.image->m_pGdipBitmap : nullptr, state.x, state.y, m_nImageWidth,
                       m_nImageHeight);
    graphics.Flush();
    if (state.picture.create(memDc.GetSafeHdc(), width, height))
      BitBlt(state.picture.get(), 0, 0, width, height, memDc.GetSafeHdc(), 0, 0, SRCCOPY);
  }
  if (!m_pCurDC) m_pCurDC = &m_dcNormal;
  m_bHaveStates = TRUE;
  graphics.reset();
  return nullptr;
}

void CGdipButton::PaintBackground(HDC dc) {
  if (!m_dcBack) return;
  RECT client{};
  GetClientRect(hwnd_, &client);
  BitBlt(dc, 0, 0, client.right - client.left, client.bottom - client.top, m_dcBack.get(), 0, 0, SRCCOPY);
}

void CGdipButton::DrawItem(const DRAWITEMSTRUCT& item) {
  if (m_bDisabled) {
    m_pCurDC = &m_dcDisabled;
  } else {
    m_bPressed = (item.itemState & ODS_SELECTED) ? TRUE : FALSE;
    if (m_bPressed)
      m_pCurDC = &m_dcPressed;
    else if (m_bHover)
      m_pCurDC = &m_dcHover;
    else
      m_pCurDC = &m_dcNormal;
  }
  DrawState(item.hDC);
}

void CGdipButton::DrawState(HDC dc) {
  // Without pictures (no images, or not composed yet) the button shows nothing.
  if (!m_pCurDC || !*m_pCurDC) return;
  HDC picture = m_pCurDC->get();
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (!m_bCaption) {
    BitBlt(dc, 0, 0, width, height, picture, 0, 0, SRCCOPY);
    return;
  }

  RECT text = m_rcCaption;
  fw::SelectScope font(picture, m_fontCaption.get());
  COLORREF colour = m_crTextNormal;
  BOOL* drawn = &m_bCaptionDrawnNormal;
  if (m_bDisabled) {
    colour = m_crTextDisabled;
    drawn = &m_bCaptionDrawnDisabled;
  } else if (m_bPressed) {
    OffsetRect(&text, 1, 1);
    colour = m_crTextHot;
    drawn = &m_bCaptionDrawnPressed;
  } else if (m_bHover) {
    colour = m_crTextHot;
    drawn = &m_bCaptionDrawnHover;
  }
  SetTextColor(picture, colour);
  SetBkMode(picture, TRANSPARENT);
  // Each picture receives its caption once, the first time its state is shown.
  if (!*drawn) {
    *drawn = TRUE;
    DrawTextW(picture, m_strCaption.c_str(), static_cast<int>(m_strCaption.size()), &text, m_nCaptionFormat);
  }
  SetBkMode(picture, OPAQUE);
  BitBlt(dc, 0, 0, width, height, picture, 0, 0, SRCCOPY);
}
