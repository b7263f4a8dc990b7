// The About box opened from the system menu.
#pragma once

#include "framework/modal_dialog.h"
#include "resource.h"

class CAboutDlg : public fw::ModalDialog {
 public:
  explicit CAboutDlg(HWND parent = nullptr) : fw::ModalDialog(IDD_ABOUTBOX, parent) {}
  ~CAboutDlg() override = default;
};
