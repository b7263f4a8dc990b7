// The skinned dialog's push button: an owner-drawn button whose face is a PNG with alpha,
// blended over the dialog background behind it, with an optional centred caption. Each state
// (normal, pressed, hover, disabled) is composed once into a picture of its own; painting is
// then one copy of the current state's picture.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/handles.h"
#include "framework/subclassed_control.h"
#include "ui/skin/gdiplus_bitmap.h"

// The caption face: the Korean UI face from Windows Vista on, Tahoma on XP, else the system's choice.
const wchar_t* CaptionFaceForMajorVersion(DWORD majorVersion);

class CGdipButton : public fw::SubclassedControl {
 public:
  CGdipButton() = default;

  // Loads the five state images (PNG resources) drawn at width x height, and takes the hand cursor.
  void SetImages(int width, int height, WORD normal, WORD hover, WORD disabled, WORD pressed, WORD spare);
  // A null text does nothing. A caption with "\r" is laid out on several lines from the top.
  void SetCaption(const wchar_t* text);

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  // Set by the owner, which invalidates the button afterwards: the disabled look wins over every other.
  BOOL m_bDisabled = FALSE;
  COLORREF m_crTextNormal = RGB(105, 105, 105);
  COLORREF m_crTextHot = RGB(138, 138, 138);  // hover and pressed
  COLORREF m_crTextDisabled = RGB(153, 153, 153);

 protected:
  void OnAttached() override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  // Composes the state pictures the first time the parent is asked for the button's colours.
  HBRUSH CtlColor(HDC dc);
  void DrawItem(const DRAWITEMSTRUCT& item);
  void PaintBackground(HDC dc);
  void DrawState(HDC dc);
  void OnMouseMove();
  void Redraw() const { InvalidateRect(hwnd_, nullptr, TRUE); }

  BOOL m_bCaptionDrawnNormal = FALSE;
  BOOL m_bCaptionDrawnHover = FALSE;
  BOOL m_bCaptionDrawnDisabled = FALSE;
  BOOL m_bCaptionDrawnPressed = FALSE;
  BOOL m_bHaveStates = FALSE;
  BOOL m_bHover = FALSE;
  BOOL m_bTracking = FALSE;
  BOOL m_bPressed = FALSE;
  std::unique_ptr<CGdiPlusBitmapResource> m_pImgNormal;
  std::unique_ptr<CGdiPlusBitmapResource> m_pImgHover;
  std::unique_ptr<CGdiPlusBitmapResource> m_pImgDisabled;
  std::unique_ptr<CGdiPlusBitmapResource> m_pImgPressed;
  std::unique_ptr<CGdiPlusBitmapResource> m_pImgSpare;
  HCURSOR m_hCursor = nullptr;
  std::wstring m_strCaption;
  fw::UniqueFont m_fontCaption;
  int m_nImageWidth = 0;
  int m_nImageHeight = 0;
  BOOL m_bCaption = FALSE;
  RECT m_rcCaption{};
  UINT m_nCaptionFormat = 0;
  fw::BitmapDc m_dcBack;
  fw::BitmapDc m_dcNormal;
  fw::BitmapDc m_dcPressed;
  fw::BitmapDc m_dcHover;
  fw::BitmapDc m_dcDisabled;
  fw::BitmapDc m_dcSpare;
  fw::BitmapDc* m_pCurDC = nullptr;
};
