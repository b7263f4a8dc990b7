// The main dialog after its set-up, read through the Win32 side: system menu, fonts, texts,
// progress bar, timer, and its answers to hit-testing and colour messages.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "support/gdi_test_support.h"
#include "support/live_dialog.h"
#include "sysinfo/bios_identity.h"

namespace {

std::wstring MenuText(HMENU menu, UINT position) {
  wchar_t text[128] = L"";
  GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
  return text;
}

TEST(MainDialog, SetUpLeavesTheStartState) {
  test::StartGdiplus();
  test::LiveKestavoDlg dlg([](test::LiveKestavoDlg& d) {
    HMENU menu = GetSystemMenu(d.hwnd(), FALSE);
    ASSERT_NE(menu, nullptr);
    const int items = GetMenuItemCount(menu);
    ASSERT_GE(items, 2);
    EXPECT_EQ(GetMenuItemID(menu, items - 1), static_cast<UINT>(IDM_ABOUTBOX));
    EXPECT_EQ(MenuText(menu, items - 1), L"Kestavo \uC815\uBCF4(&A)...");
    EXPECT_EQ(GetMenuState(menu, items - 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));

    wchar_t title[64] = L"";
    GetWindowTextW(d.hwnd(), title, 64);
    EXPECT_STREQ(title, L"Tavrine System BIOS Update");
    EXPECT_EQ(d.Message(WM_GETICON, ICON_BIG), reinterpret_cast<LRESULT>(d.m_hIcon));
    EXPECT_NE(d.m_hIcon, nullptr);

    for (int id : {IDC_DESCRIPTION, IDC_VERSIONS, IDC_STATUS}) {
      HWND text = GetDlgItem(d.hwnd(), id);
      EXPECT_EQ(SendMessageW(text, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(d.m_font.get())) << id;
    }
    LOGFONTW font{};
    GetObjectW(d.m_font.get(), sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, -12);
    EXPECT_STREQ(font.lfFaceName, L"Malgun Gothic");

    EXPECT_EQ(d.m_strBiosVersion, GetBiosVersion());
    EXPECT_EQ(d.m_strPlatformId, MakePlatformId(GetBiosVersion()));
    EXPECT_EQ(d.m_staticVersions.Text(), d.m_strCurVersionLabel + L" " + d.m_strBiosVersion + L"\n" +
                                             d.m_strLatestVersionLabel + L" - ");
    EXPECT_EQ(d.m_staticStatus.Text(), L"");
    EXPECT_EQ(d.m_staticDescription.Text(), d.m_strDescription);

    EXPECT_FALSE(IsWindowVisible(d.m_progress.Handle()));
    PBRANGE range{-1, -1};
    SendMessageW(d.m_progress.Handle(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 100);

    EXPECT_TRUE(d.m_btnUpdate.m_bDisabled);
    EXPECT_TRUE(d.m_btnDownload.m_bDisabled);
    EXPECT_FALSE(d.m_btnClose.m_bDisabled);
    EXPECT_EQ(d.m_btnClose.m_crTextNormal, RGB(67, 67, 67));
    EXPECT_EQ(d.m_btnClose.m_crTextHot, RGB(67, 67, 67));
    EXPECT_EQ(d.m_btnClose.m_crTextDisabled, RGB(118, 118, 118));

    // Timer 1 runs: killing it succeeds exactly once.
    EXPECT_TRUE(KillTimer(d.hwnd(), 1));
    EXPECT_FALSE(KillTimer(d.hwnd(), 1));
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST(MainDialog, TopThirtyFivePixelsDragTheWindow) {
  test::StartGdiplus();
  test::LiveKestavoDlg dlg([](test::LiveKestavoDlg& d) {
    RECT window{};
    GetWindowRect(d.hwnd(), &window);
    const struct {
      int dx, dy;
      LRESULT hit;
    } cases[] = {
        {3, 3, HTCAPTION},    {250, 0, HTCAPTION}, {250, 34, HTCAPTION}, {464, 20, HTCAPTION},
        {250, 35, HTCLIENT}, {100, 200, HTCLIENT},
    };
    for (const auto& c : cases) {
      const LPARAM at = MAKELPARAM(window.left + c.dx, window.top + c.dy);
      EXPECT_EQ(d.Message(WM_NCHITTEST, 0, at), c.hit) << c.dx << "," << c.dy;
    }
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST(MainDialog, TextAreasSitOnWhiteAndButtonsOnNothing) {
  test::StartGdiplus();
  test::LiveKestavoDlg dlg([](test::LiveKestavoDlg& d) {
    test::Surface dc(4, 4, RGB(0, 0, 0));
    HWND status = GetDlgItem(d.hwnd(), IDC_STATUS);
    EXPECT_EQ(d.Message(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.dc()), reinterpret_cast<LPARAM>(status)),
              reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(GetBkMode(dc.dc()), TRANSPARENT);
    HWND close = GetDlgItem(d.hwnd(), IDC_CLOSE);
    EXPECT_EQ(d.Message(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.dc()), reinterpret_cast<LPARAM>(close)),
              reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
}

}  // namespace
