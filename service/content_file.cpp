#include "service/content_file.h"

#include <windows.h>

#include <iterator>
#include <vector>

#include "framework/handles.h"

namespace service {
namespace {

using UniqueFile = fw::UniqueHandle<HANDLE, CloseHandle>;

const wchar_t kProgramTitle[] = L"Tavrine System BIOS Update";

std::wstring FullName(const wchar_t* name) {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    DWORD length = GetFullPathNameW(name, static_cast<DWORD>(path.size()), path.data(), nullptr);
    if (length == 0) return name;
    if (length < path.size()) return std::wstring(path.data(), length);
    path.resize(length);
  }
}

}  // namespace

std::wstring FileErrorText(unsigned long error) {
  wchar_t description[1024] = {};
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                description, static_cast<DWORD>(std::size(description)), nullptr);
  std::wstring text(description, length);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  if (text.empty()) text = L"Error " + std::to_wstring(error);
  return FullName(kContentFileName) + L"\n\n" + text;
}

void ShowFileErrorBox(const std::wstring& text) { MessageBoxW(GetActiveWindow(), text.c_str(), kProgramTitle, MB_OK); }

int ReadContentFile(ContentItem& item, const FileErrorSink& showError) {
  HANDLE opened = CreateFileW(kContentFileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (showError) showError(FileErrorText(error));
    return 0;
  }
  UniqueFile file(opened);

  ContentLineSplitter lines([&](const std::wstring& line) { ParseContentLine(item, line); });
  std::vector<char> chunk(64 * 1024);
  for (;;) {
    DWORD got = 0;
    // A read that fails half way leaves the item partly read; it is not offered.
    if (!ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr)) return 0;
    if (got == 0) break;
    lines.Feed(chunk.data(), got);
  }
  lines.Finish();
  return UpdateDecision(item);
}

}  // namespace service
