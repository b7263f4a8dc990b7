#include "ui/kestavo_dlg.h"

#include "i18n/text_catalogue.h"

CKestavoDlg::CKestavoDlg() : fw::ModalDialog(IDD_KESTAVO_DIALOG) {
  m_hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

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

bool CKestavoDlg::OnInitDialog() {
  Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  LoadTextSet();
  SetText(L"Tavrine System BIOS Update");
  Item(IDC_DESCRIPTION).SetText(m_strDescription);
  return true;
}

bool CKestavoDlg::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return false;
  switch (id) {
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
