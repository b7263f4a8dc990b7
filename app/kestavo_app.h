// The application object: prepares the process, decides the UI language and runs the main
// dialog; the process ends when the dialog closes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/application.h"

class CKestavoApp : public fw::Application {
 public:
  CKestavoApp() = default;

  std::uintptr_t m_gdiplusToken = 0;
  std::wstring m_strAppFolder;
  std::wstring m_strLangCode;

 protected:
  bool InitInstance() override;
};

namespace app {

// What the two version queries of start-up gave.
struct OsVersion {
  bool extendedOk = false;  // GetVersionExW with OSVERSIONINFOEXW succeeded
  bool basicOk = false;     // the fallback with OSVERSIONINFOW succeeded
  unsigned long major = 0;
};
OsVersion QueryOsVersion();

// The program's folder: the program file's path cut after its last backslash.
std::wstring QueryAppFolder();

}  // namespace app
