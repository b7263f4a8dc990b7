// The main dialog: the program's only window and the record every part of it reads and writes.
#pragma once

#include <windows.h>

#include <string>

#include "framework/modal_dialog.h"
#include "resource.h"

class CKestavoDlg : public fw::ModalDialog {
 public:
  CKestavoDlg();

  // Fills the ten UI texts from the catalogue entry of m_strLangCode.
  void LoadTextSet();

  HICON m_hIcon = nullptr;

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

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
};
