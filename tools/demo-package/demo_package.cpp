// A stand-in BIOS package for the demo and the end-to-end tests: a real Windows program that,
// when started, leaves a marker file beside itself (its path and command line) so a test can
// see that it ran, and tells a person at the screen what a real package would do now.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  wchar_t path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring marker(path, length);
  marker += L".ran";

  std::wstring text = std::wstring(path, length) + L"\n" + commandLine + L"\n";
  int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(bytes > 0 ? bytes - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), bytes, nullptr, nullptr);
  HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    CloseHandle(file);
  }

  if (GetEnvironmentVariableW(L"KESTAVO_DEMO_PACKAGE_QUIET", nullptr, 0) == 0)
    MessageBoxW(nullptr, L"This stand-in BIOS package has started.\nA real package would now install the new BIOS.",
                L"BIOS package", MB_OK | MB_ICONINFORMATION);
  return 0;
}
