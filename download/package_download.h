// The steps of the Update and Download actions that talk to the system.
#pragma once

#include <string>

class CCallBack;

// Fetches `url` into `file` (relative names land in the current folder) synchronously,
// reporting to `callback`. True only when the transfer ended with S_OK and, when it announced
// a size, the file written has exactly that size: a transfer the server cut short can end
// with S_OK, and such a package must never be started.
bool DownloadPackage(const std::wstring& url, const std::wstring& file, CCallBack& callback);

// The shell's "open" verb on a file or an address; the result is not looked at.
void OpenWithShell(const std::wstring& target);

// The Windows+B chord, which moves the keyboard focus to the taskbar's notification area.
void PressWindowsB();
