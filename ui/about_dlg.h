// The About box opened from the system menu.
#pragma once

#include "framework/modal_dialog.h"
#include "resource.h"

class CAboutDlg : public fw::ModalDialog {
 public:
  CAboutDlg() : fw::ModalDialog(IDD_ABOUTBOX) {}
};
