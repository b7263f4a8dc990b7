// Prints what the program's own identity rules make of the BIOS values this system reports:
// the installed version on the first line, the platform identifier on the second (UTF-8).
// The end-to-end tests compare the service's request log with it.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

#include "sysinfo/bios_identity.h"

int main() {
  const std::wstring version = GetBiosVersion();
  const std::wstring text = version + L"\n" + MakePlatformId(version) + L"\n";
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  _setmode(_fileno(stdout), _O_BINARY);
  fwrite(bytes.data(), 1, bytes.size(), stdout);
  return 0;
}
