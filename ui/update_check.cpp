#include "ui/update_check.h"

void RunUpdateCheckTick(std::uintptr_t timerId, int& retryCount, UpdateCheckView& view) {
  if (timerId != kUpdateCheckTimer) return;
  if (view.QueryContents() == 1) {
    view.StopCheckTimer();
    if (view.ReadContentFile() == 1)
      view.ShowReady();
    else
      view.ShowNoItem();
    return;
  }
  // One failed query is retried on the next tick; the second failure is final.
  if (++retryCount == 2) {
    view.StopCheckTimer();
    view.ShowUnreachable();
  }
}

std::wstring FormatVersions(const std::wstring& currentLabel, const std::wstring& installed,
                            const std::wstring& latestLabel, const std::wstring& latest) {
  return currentLabel + L" " + installed + L"\n" + latestLabel + L" " + latest;
}
