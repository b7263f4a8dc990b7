// The main dialog: the program's only window and the record every part of it reads and writes.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include <string>

#include "framework/handles.h"
#include "framework/modal_dialog.h"
#include "resource.h"
#include "ui/controls/gdip_button.h"
#include "ui/skin/gdiplus_bitmap.h"

class CKestavoDlg : public fw::ModalDialog {
 public:
  CKestavoDlg();
  ~CKestavoDlg() override;

  // Fills the ten UI texts from the catalogue entry of m_strLangCode.
  void LoadTextSet();

  // The latest-item query for m_strPlatformId: 1 when the reply is stored as the content file.
  int QueryContents();
  // Reads the content file into m_strItemId, m_strLatestVersion and m_strFilePathName: 1 when
  // all three are there and the file name is a plain one.
  int ReadContentFile();

  // Background painting: composes the whole client area off screen; always TRUE.
  BOOL OnEraseBkgnd(HDC pDC);
  void DrawSkin(HDC pDC);

  HICON m_hIcon = nullptr;
  fw::Window m_staticDescription;
  fw::Window m_staticVersions;
  fw::Window m_staticStatus;
  std::wstring m_strBiosVersion;
  std::wstring m_strPlatformId;
  std::wstring m_strItemId;
  std::wstring m_strLatestVersion;
  std::wstring m_strFilePathName;
  CGdiPlusBitmapResource m_imgSkin;
  CGdiPlusBitmapResource m_imgIcon;
  CGdiPlusBitmapResource m_imgTitle;
  CGdiPlusBitmapResource m_imgBios;
  CGdiPlusBitmapResource m_imgBar;
  // Where each image is drawn: X, Y, width, height in client pixels.
  Gdiplus::Rect m_rcSkin{0, 0, 0, 0};
  Gdiplus::Rect m_rcIcon{0, 0, 0, 0};
  Gdiplus::Rect m_rcTitle{0, 0, 0, 0};
  Gdiplus::Rect m_rcBios{0, 0, 0, 0};
  Gdiplus::Rect m_rcBar{0, 0, 0, 0};
  CGdipButton m_btnUpdate;
  CGdipButton m_btnClose;
  CGdipButton m_btnDownload;
  CGdipButton m_btnTitleMinimize;
  CGdipButton m_btnTitleClose;
  HGDIOBJ m_pOldBitmap = nullptr;  // not owned: what the erase handler's memory DC held
  fw::UniqueBitmap m_bmpTopBand;
  fw::UniqueBitmap m_bmpBottomBand;
  HGDIOBJ m_pOldBandBitmap = nullptr;  // not owned: what the band DC held
  fw::UniqueFont m_font;
  std::wstring m_strPartNumber;
  fw::ProgressBar m_progress;
  std::wstring m_strLangCode;
  std::wstring m_strDescription;
  std::wstring m_strCurVersionLabel;
  std::wstring m_strLatestVersionLabel;
  std::wstring m_strGuide;
  std::wstring m_strCannotDownload;
  std::wstring m_strCannotConnect;
  std::wstring m_strTryAgain;
  std::wstring m_strUpdateCaption;
  std::wstring m_strDownloadCaption;
  std::wstring m_strCloseCaption;
  int m_nRetryCount = 0;

 protected:
  // Binds the text areas and the progress bar to their controls.
  void DoDataExchange();
  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  bool OnSysCommand(UINT nID, LPARAM lParam);
  bool OnPaint();
  HBRUSH OnCtlColor(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnNcHitTest(POINT point);
  void OnTimer(UINT_PTR nIDEvent);
  void OnBnClickedUpdate();
  void OnBnClickedDownload();
};
