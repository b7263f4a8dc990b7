// The dialog's update check and its two actions.
#include "download/ccallback.h"
#include "download/package_download.h"
#include "service/content_file.h"
#include "service/content_item.h"
#include "service/content_query.h"
#include "service/update_service.h"
#include "service/usage_count.h"
#include "ui/kestavo_dlg.h"
#include "ui/update_check.h"

namespace {

// What the update-check sequence does to the dialog.
class DialogCheckView : public UpdateCheckView {
 public:
  explicit DialogCheckView(CKestavoDlg& dialog) : dialog_(dialog) {}

  int QueryContents() override { return dialog_.QueryContents(); }
  int ReadContentFile() override { return dialog_.ReadContentFile(); }
  void StopCheckTimer() override { KillTimer(dialog_.Handle(), kUpdateCheckTimer); }
  void ShowReady() override {
    dialog_.m_staticVersions.SetText(FormatVersions(dialog_.m_strCurVersionLabel, dialog_.m_strBiosVersion,
                                                    dialog_.m_strLatestVersionLabel, dialog_.m_strLatestVersion));
    dialog_.m_staticStatus.SetText(dialog_.m_strGuide);
    for (CGdipButton* button : {&dialog_.m_btnUpdate, &dialog_.m_btnDownload}) {
      button->m_bDisabled = FALSE;
      button->Enable(true);
      button->Invalidate(true);
    }
  }
  void ShowNoItem() override { dialog_.m_staticStatus.SetText(dialog_.m_strCannotDownload); }
  void ShowUnreachable() override { dialog_.m_staticStatus.SetText(dialog_.m_strCannotConnect); }

 private:
  CKestavoDlg& dialog_;
};

}  // namespace

int CKestavoDlg::QueryContents() {
  m_strPartNumber = service::kPartNumber;
  return service::QueryContents(m_strPlatformId, m_strPartNumber);
}

int CKestavoDlg::ReadContentFile() {
  service::ContentItem item{m_strItemId, m_strLatestVersion, m_strFilePathName};
  const int decision = service::ReadContentFile(item);
  m_strItemId = item.itemId;
  m_strLatestVersion = item.latestVersion;
  m_strFilePathName = item.filePathName;
  return decision;
}

void CKestavoDlg::OnTimer(UINT_PTR nIDEvent) {
  DialogCheckView view(*this);
  RunUpdateCheckTick(nIDEvent, m_nRetryCount, view);
}

void CKestavoDlg::OnBnClickedUpdate() {
  m_progress.Show(SW_SHOW);
  m_progress.SetPos(0);
  CCallBack callback;
  const bool downloaded = DownloadPackage(service::PackageUrl(m_strFilePathName), m_strFilePathName, callback);
  m_progress.SetPos(100);
  if (downloaded) {
    service::ReportUsageCount(m_strItemId);
    OpenWithShell(m_strFilePathName);
  } else {
    m_staticStatus.SetText(m_strCannotDownload + m_strTryAgain);
  }
  Show(SW_SHOWNA);
}

void CKestavoDlg::OnBnClickedDownload() {
  OpenWithShell(service::PackageUrl(m_strFilePathName));
  service::ReportUsageCount(m_strItemId);
  PressWindowsB();
  // A null insert-after window is HWND_TOP: raised, not made topmost, and not activated.
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}
