#include "app/kestavo_app.h"

#include <commctrl.h>
#include <gdiplus.h>

#include "app/app_folder.h"
#include "i18n/language_code.h"
#include "ui/kestavo_dlg.h"

namespace app {

OsVersion QueryOsVersion() {
  OsVersion result;
  OSVERSIONINFOEXW info{};
  info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXW);
  result.extendedOk = GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info)) != FALSE;
  if (!result.extendedOk) {
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
    result.basicOk = GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info)) != FALSE;
  }
  result.major = info.dwMajorVersion;
  return result;
}

std::wstring QueryAppFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return FolderOfModulePath(path, MAX_PATH);
}

}  // namespace app

bool CKestavoApp::InitInstance() {
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  // Windows may restart the program after an update; it then passes the restart switch,
  // which ends up as the language code and selects the default text set.
  RegisterForRestart();

  // GDI+ stays started until the process ends.
  Gdiplus::GdiplusStartupInput gdiplusInput;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &gdiplusInput, nullptr);
  m_gdiplusToken = token;

  // The content file and the package are named relative to the program's folder.
  m_strAppFolder = app::QueryAppFolder();
  SetCurrentDirectoryW(m_strAppFolder.c_str());

  const std::wstring& commandLine = CommandLine();
  const app::OsVersion version = app::QueryOsVersion();
  if (!version.extendedOk && !version.basicOk) {
    MessageBoxW(nullptr, L"GetVersionEx Function Failure", L"ERROR", MB_ICONERROR);
    return false;
  }
  if (version.extendedOk) {
    auto registry = i18n::MakeSystemRegistryReader();
    m_strLangCode = i18n::DecideLanguageCode(version.major, commandLine, *registry);
  }

  CKestavoDlg dialog;
  SetMainWindow(&dialog);
  dialog.m_strLangCode = m_strLangCode;
  dialog.DoModal();
  SetMainWindow(nullptr);
  return false;
}
