#include "download/package_download.h"

#include <windows.h>
#include <shellapi.h>
#include <urlmon.h>
#include <wininet.h>

#include "download/ccallback.h"

bool DownloadPackage(const std::wstring& url, const std::wstring& file, CCallBack& callback) {
  if (URLDownloadToFileW(nullptr, url.c_str(), file.c_str(), 0, &callback) != S_OK) return false;
  if (callback.m_dwResponseCode != 0 && callback.m_dwResponseCode != HTTP_STATUS_OK) return false;
  if (callback.m_ulAnnouncedSize == 0) return true;
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &attributes)) return false;
  return attributes.nFileSizeHigh == 0 && attributes.nFileSizeLow == callback.m_ulAnnouncedSize;
}

void OpenWithShell(const std::wstring& target) {
  ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void PressWindowsB() {
  keybd_event(VK_LWIN, 0x5B, KEYEVENTF_EXTENDEDKEY, 0);
  keybd_event('B', 0x30, 0, 0);
  Sleep(20);
  keybd_event('B', 0x30, KEYEVENTF_KEYUP, 0);
  keybd_event(VK_LWIN, 0x5B, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
  Sleep(20);
}
