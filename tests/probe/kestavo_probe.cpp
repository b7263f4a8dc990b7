// Looks at a running dialog from outside, for the end-to-end tests: finds the top-level
// window by its title and prints what a user would see of it and of its controls (UTF-8).
//
//   kestavo_probe wait    TITLE [ms]   wait until the window exists and shows, its set-up done
//                                      (a dialog shows once WM_INITDIALOG returns; exit 1 on time-out)
//   kestavo_probe gone    TITLE [ms]   wait until no such window exists
//   kestavo_probe window  TITLE        x y width height visible enabled iconic (screen)
//   kestavo_probe region  TITLE        left top right bottom of the window region, or "none"
//   kestavo_probe control TITLE ID     visible enabled x y width height (dialog client)
//   kestavo_probe text    TITLE ID     the control's text, exactly
//   kestavo_probe center  TITLE ID     x y of the control's centre on the screen
//   kestavo_probe restore TITLE        restore the (minimised) window
//   kestavo_probe pos     TITLE ID     a progress bar's position
//   kestavo_probe waittext TITLE ID TEXT [ms]   poll until the control shows TEXT; prints the
//                                      wall-clock times (Unix ms) the window appeared and the text did
//   kestavo_probe waitpos TITLE ID POS [ms]     poll until the progress bar is at POS; prints the
//                                      wall-clock times (Unix ms) polling began and the position was seen
//
// Output is written as it stands: a text's "\n" stays one line feed.
#include <windows.h>
#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

void Print(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  fwrite(bytes.data(), 1, bytes.size(), stdout);
}

// The shown window with this title, else any with it: a window still closing (hidden, its
// controls gone) may linger beside the next instance's.
HWND FindByTitle(const wchar_t* title) {
  struct Search {
    const wchar_t* title;
    HWND shown;
    HWND any;
  } search{title, nullptr, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        wchar_t text[512];
        if (!GetWindowTextW(hwnd, text, 512) || wcscmp(text, s->title) != 0) return TRUE;
        if (!s->any) s->any = hwnd;
        if (!IsWindowVisible(hwnd)) return TRUE;
        s->shown = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.shown ? search.shown : search.any;
}

bool WaitFor(const wchar_t* title, DWORD ms, bool present) {
  for (DWORD waited = 0;; waited += 50) {
    HWND found = FindByTitle(title);
    if (present ? found && IsWindowVisible(found) : !found) return true;
    if (waited >= ms) return false;
    Sleep(50);
  }
}

long long UnixMs() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const long long ticks = (static_cast<long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return (ticks - 116444736000000000LL) / 10000;
}

std::wstring ControlText(HWND control) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Polls closely (the benchmarks time with it) until `done` holds for the control `id` of the
// window titled `title`; prints the two times and returns 0, or 1 on time-out.
template <typename Done>
int PollControl(const wchar_t* title, int id, DWORD ms, bool fromWindow, Done done) {
  const long long start = UnixMs();
  long long appeared = fromWindow ? 0 : start;
  for (;;) {
    HWND dialog = FindByTitle(title);
    if (dialog && IsWindowVisible(dialog) && !appeared) appeared = UnixMs();
    HWND control = dialog ? GetDlgItem(dialog, id) : nullptr;
    if (control && done(control)) break;
    if (UnixMs() - start > ms) return 1;
    Sleep(2);
  }
  const long long seen = UnixMs();
  wchar_t line[64];
  swprintf(line, 64, L"%lld %lld\n", appeared, seen);
  Print(line);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  _setmode(_fileno(stdout), _O_BINARY);
  const std::wstring command = argv[1];
  const wchar_t* title = argv[2];
  const DWORD ms = argc > 3 ? wcstoul(argv[3], nullptr, 10) : 10000;
  if (command == L"wait") return WaitFor(title, ms, true) ? 0 : 1;
  if (command == L"gone") return WaitFor(title, ms, false) ? 0 : 1;
  if ((command == L"waittext" || command == L"waitpos") && argc >= 5) {
    const int id = _wtoi(argv[3]);
    const std::wstring wanted = argv[4];
    const DWORD limit = argc > 5 ? wcstoul(argv[5], nullptr, 10) : 60000;
    if (command == L"waittext")
      return PollControl(title, id, limit, true, [&](HWND c) { return ControlText(c) == wanted; });
    const LRESULT pos = _wtoi(argv[4]);
    return PollControl(title, id, limit, false, [&](HWND c) { return SendMessageW(c, PBM_GETPOS, 0, 0) == pos; });
  }

  HWND dialog = FindByTitle(title);
  if (!dialog) {
    fwprintf(stderr, L"no window titled %ls\n", title);
    return 1;
  }
  wchar_t line[256];
  if (command == L"window") {
    RECT r;
    GetWindowRect(dialog, &r);
    swprintf(line, 256, L"%ld %ld %ld %ld %d %d %d\n", r.left, r.top, r.right - r.left, r.bottom - r.top,
             IsWindowVisible(dialog) ? 1 : 0, IsWindowEnabled(dialog) ? 1 : 0, IsIconic(dialog) ? 1 : 0);
    Print(line);
    return 0;
  }
  if (command == L"restore") {
    ShowWindow(dialog, SW_RESTORE);
    return 0;
  }
  if (command == L"region") {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    RECT box;
    if (GetWindowRgn(dialog, region) == ERROR || GetRgnBox(region, &box) == ERROR) {
      Print(L"none\n");
    } else {
      swprintf(line, 256, L"%ld %ld %ld %ld\n", box.left, box.top, box.right, box.bottom);
      Print(line);
    }
    DeleteObject(region);
    return 0;
  }
  if (argc < 4) return 2;
  HWND control = GetDlgItem(dialog, _wtoi(argv[3]));
  if (!control) {
    fwprintf(stderr, L"no control %ls\n", argv[3]);
    return 1;
  }
  if (command == L"control") {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    swprintf(line, 256, L"%d %d %ld %ld %ld %ld\n", IsWindowVisible(control) ? 1 : 0,
             IsWindowEnabled(control) ? 1 : 0, r.left, r.top, r.right - r.left, r.bottom - r.top);
    Print(line);
    return 0;
  }
  if (command == L"center") {
    RECT r;
    GetWindowRect(control, &r);
    swprintf(line, 256, L"%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Print(line);
    return 0;
  }
  if (command == L"text") {
    Print(ControlText(control));
    return 0;
  }
  if (command == L"pos") {
    swprintf(line, 256, L"%ld\n", static_cast<long>(SendMessageW(control, PBM_GETPOS, 0, 0)));
    Print(line);
    return 0;
  }
  return 2;
}
