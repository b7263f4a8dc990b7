#include "ui/kestavo_dlg.h"

#include <windowsx.h>

#include "i18n/text_catalogue.h"
#include "sysinfo/bios_identity.h"
#include "ui/about_dlg.h"

namespace {

constexpr int kWindowWidth = 468;
constexpr int kWindowHeight = 364;
constexpr int kDragBandHeight = 35;

struct ButtonLayout {
  CGdipButton CKestavoDlg::*button;
  int id;
  int width, height;
  WORD normal, hover, disabled, pressed, spare;
  int x, y;
  std::wstring CKestavoDlg::*caption;
  bool startsDisabled;
};

constexpr ButtonLayout kButtons[] = {
    {&CKestavoDlg::m_btnUpdate, IDC_UPDATE, 120, 31, IDP_BUTTON_NORMAL, IDP_BUTTON_HOVER, IDP_BUTTON_DISABLED,
     IDP_BUTTON_PRESSED, IDP_BUTTON_SPARE, 68, 315, &CKestavoDlg::m_strUpdateCaption, true},
    {&CKestavoDlg::m_btnDownload, IDC_DOWNLOAD, 120, 31, IDP_BUTTON_NORMAL, IDP_BUTTON_HOVER, IDP_BUTTON_DISABLED,
     IDP_BUTTON_PRESSED, IDP_BUTTON_SPARE, 191, 315, &CKestavoDlg::m_strDownloadCaption, true},
    {&CKestavoDlg::m_btnClose, IDC_CLOSE, 120, 31, IDP_BUTTON_NORMAL, IDP_BUTTON_HOVER, IDP_BUTTON_DISABLED,
     IDP_BUTTON_PRESSED, IDP_BUTTON_SPARE, 314, 315, &CKestavoDlg::m_strCloseCaption, false},
    {&CKestavoDlg::m_btnTitleMinimize, IDC_TITLE_MINIMIZE, 16, 16, IDP_MIN_NORMAL, IDP_MIN_HOVER, IDP_MIN_DISABLED,
     IDP_MIN_PRESSED, IDP_MIN_PRESSED, 422, 12, nullptr, false},
    {&CKestavoDlg::m_btnTitleClose, IDC_TITLE_CLOSE, 16, 16, IDP_CLOSE_NORMAL, IDP_CLOSE_HOVER, IDP_CLOSE_DISABLED,
     IDP_CLOSE_PRESSED, IDP_CLOSE_PRESSED, 443, 12, nullptr, false},
};

constexpr COLORREF kCaptionColour = RGB(67, 67, 67);
constexpr COLORREF kDisabledCaptionColour = RGB(118, 118, 118);

}  // namespace

CKestavoDlg::CKestavoDlg() : fw::ModalDialog(IDD_KESTAVO_DIALOG) {
  m_hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

CKestavoDlg::~CKestavoDlg() = default;

void CKestavoDlg::LoadTextSet() {
  const i18n::TextSet& set = i18n::FindTextSet(m_strLangCode);
  m_strDescription = set.description;
  m_strCurVersionLabel = set.curVersionLabel;
  m_strLatestVersionLabel = set.latestVersionLabel;
  m_strGuide = set.guide;
  m_strCannotDownload = set.cannotDownload;
  m_strCannotConnect = set.cannotConnect;
  m_strTryAgain = set.tryAgain;
  m_strUpdateCaption = set.updateCaption;
  m_strDownloadCaption = set.downloadCaption;
  m_strCloseCaption = set.closeCaption;
}

void CKestavoDlg::DoDataExchange() {
  m_staticDescription = Item(IDC_DESCRIPTION);
  m_staticVersions = Item(IDC_VERSIONS);
  m_staticStatus = Item(IDC_STATUS);
  m_progress = fw::ProgressBar(Item(IDC_PROGRESS).Handle());
}

bool CKestavoDlg::OnInitDialog() {
  DoDataExchange();

  // The About item; the string table has it in one language only.
  if (HMENU menu = GetSystemMenu(hwnd_, FALSE)) {
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, reinterpret_cast<LPWSTR>(&text), 0);
    if (length > 0) {
      const std::wstring about(text, static_cast<size_t>(length));
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, about.c_str());
    }
  }

  Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  LoadTextSet();
  // No caption bar: the title shows on the taskbar button.
  SetText(L"Tavrine System BIOS Update");
  m_font.reset(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, FIXED_PITCH, L"Malgun Gothic"));

  m_imgSkin.LoadPng(IDP_SKIN);
  m_imgIcon.LoadPng(IDP_ICON);
  m_imgTitle.LoadPng(IDP_TITLE);
  m_imgBios.LoadPng(IDP_BIOS);
  m_imgBar.LoadPng(IDP_HEADING);
  m_rcSkin = Gdiplus::Rect(0, 0, 468, 364);
  m_rcIcon = Gdiplus::Rect(12, 12, 16, 16);
  m_rcTitle = Gdiplus::Rect(33, 14, 193, 15);
  m_rcBios = Gdiplus::Rect(34, 129, 85, 71);
  m_rcBar = Gdiplus::Rect(34, 56, 248, 18);

  // Every position is in pixels, whatever the dialog units of the system font. The top-left
  // corner stays where it was created, so the dialog is then centred on the screen.
  Move(0, 0, kWindowWidth, kWindowHeight, true);
  fw::UniqueRegion region(CreateRoundRectRgn(3, 3, 466, 362, 3, 3));
  if (region && SetWindowRgn(hwnd_, region.get(), TRUE)) region.release();  // the window owns it now

  // Each button's background, images, caption and colours must be final before it first paints.
  for (const ButtonLayout& layout : kButtons) {
    CGdipButton& button = this->*layout.button;
    button.SubclassDlgItem(layout.id, hwnd_);
    button.SetImages(layout.width, layout.height, layout.normal, layout.hover, layout.disabled, layout.pressed,
                     layout.spare);
    button.Move(layout.x, layout.y, layout.width, layout.height, true);
    if (layout.caption) button.SetCaption((this->*layout.caption).c_str());
    button.m_crTextNormal = kCaptionColour;
    button.m_crTextHot = kCaptionColour;
    button.m_crTextDisabled = kDisabledCaptionColour;
    if (layout.startsDisabled) {
      button.m_bDisabled = TRUE;
      button.Enable(false);
      button.Invalidate(true);
    }
  }

  m_bmpBottomBand.reset(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_BAND_BOTTOM)));
  m_bmpTopBand.reset(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_BAND_TOP)));
  Item(IDC_SEPARATOR).Move(9, 95, 450, 10);

  m_staticDescription.SetText(m_strDescription);
  m_staticDescription.SetFont(m_font.get(), true);
  m_staticDescription.Move(134, 130, 300, 45);

  m_strBiosVersion = GetBiosVersion();
  m_staticVersions.Move(134, 190, 307, 54);
  m_staticVersions.SetFont(m_font.get(), true);
  m_staticVersions.SetText(m_strCurVersionLabel + L" " + m_strBiosVersion + L"\n" + m_strLatestVersionLabel + L" - ");

  m_staticStatus.Move(34, 250, 409, 32);
  m_staticStatus.SetFont(m_font.get(), true);

  m_strPlatformId = MakePlatformId(m_strBiosVersion);

  m_progress.Move(34, 290, 409, 10);
  m_progress.Show(SW_HIDE);
  m_progress.SetRange(0, 100);

  // The update check runs on the ticks of this timer.
  SetTimer(hwnd_, 1, 100, nullptr);
  return true;
}

bool CKestavoDlg::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_UPDATE:
      OnBnClickedUpdate();
      return true;
    case IDC_DOWNLOAD:
      OnBnClickedDownload();
      return true;
    case IDC_CLOSE:
    case IDC_TITLE_CLOSE:
      OnCancel();
      return true;
    case IDC_TITLE_MINIMIZE:
      Show(SW_MINIMIZE);
      return true;
  }
  return false;
}

bool CKestavoDlg::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_SYSCOMMAND:
      return OnSysCommand(static_cast<UINT>(wp), lp);
    case WM_PAINT:
      return OnPaint();
    case WM_QUERYDRAGICON:
      result = reinterpret_cast<LRESULT>(m_hIcon);
      return true;
    case WM_TIMER:
      OnTimer(wp);
      return true;
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
      result = reinterpret_cast<LRESULT>(OnCtlColor(msg, wp, lp));
      return true;
    case WM_ERASEBKGND:
      result = OnEraseBkgnd(reinterpret_cast<HDC>(wp));
      return true;
    case WM_NCHITTEST:
      result = OnNcHitTest(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      return true;
  }
  return fw::ModalDialog::OnMessage(msg, wp, lp, result);
}

bool CKestavoDlg::OnSysCommand(UINT nID, LPARAM) {
  if ((nID & 0xFFF0) != IDM_ABOUTBOX) return false;  // minimise, move, close...: the default handling
  // Owned by this window, so the About box stays modal to it.
  CAboutDlg about(hwnd_);
  about.DoModal();
  return true;
}

bool CKestavoDlg::OnPaint() {
  if (!IsIconic(hwnd_)) return false;  // the skin is drawn by the erase handler and the controls
  fw::PaintScope paint(hwnd_);
  Send(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.get()), 0);
  const int iconWidth = GetSystemMetrics(SM_CXICON);
  const int iconHeight = GetSystemMetrics(SM_CYICON);
  RECT client{};
  GetClientRect(hwnd_, &client);
  DrawIcon(paint.get(), (client.right - client.left - iconWidth + 1) / 2,
           (client.bottom - client.top - iconHeight + 1) / 2, m_hIcon);
  return true;
}

HBRUSH CKestavoDlg::OnCtlColor(UINT msg, WPARAM wp, LPARAM lp) {
  // The control sees the message first: the image buttons compose their pictures here.
  LRESULT reflected = 0;
  if (!ReflectToChild(msg, wp, lp, reflected)) DefWindowProcW(hwnd_, msg, wp, lp);
  if (msg == WM_CTLCOLORSTATIC) {
    // The text areas sit on white, like the skin's body.
    HDC dc = reinterpret_cast<HDC>(wp);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  }
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

LRESULT CKestavoDlg::OnNcHitTest(POINT point) {
  // The top band acts as the title bar; the buttons in it are child windows with clicks of their own.
  RECT band{};
  GetWindowRect(hwnd_, &band);
  band.bottom = band.top + kDragBandHeight;
  if (PtInRect(&band, point)) return HTCAPTION;
  return DefWindowProcW(hwnd_, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
}
