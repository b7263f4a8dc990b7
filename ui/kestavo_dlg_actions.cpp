// The dialog's update check and its two actions.
#include "ui/kestavo_dlg.h"

void CKestavoDlg::OnTimer(UINT_PTR) {}

void CKestavoDlg::OnBnClickedUpdate() {}

void CKestavoDlg::OnBnClickedDownload() {}
