// Non-owning wrappers over window handles: one line per operation the program uses.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace fw {

class Window {
 public:
  Window() = default;
  explicit Window(HWND hwnd) : hwnd_(hwnd) {}

  HWND Handle() const { return hwnd_; }
  explicit operator bool() const { return hwnd_ != nullptr; }

  LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageW(hwnd_, msg, wp, lp); }
  Window Item(int id) const { return Window(GetDlgItem(hwnd_, id)); }

  void SetText(const std::wstring& text) const { SetWindowTextW(hwnd_, text.c_str()); }
  std::wstring Text() const;
  void SetFont(HFONT font, bool redraw = true) const { Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw); }

  bool Move(int x, int y, int width, int height, bool repaint = true) const {
    return MoveWindow(hwnd_, x, y, width, height, repaint) != FALSE;
  }
  bool Show(int command) const { return ShowWindow(hwnd_, command) != FALSE; }
  bool Enable(bool enable) const { return EnableWindow(hwnd_, enable) != FALSE; }
  bool Invalidate(bool erase = true) const { return InvalidateRect(hwnd_, nullptr, erase) != FALSE; }

 protected:
  HWND hwnd_ = nullptr;
};

class ProgressBar : public Window {
 public:
  using Window::Window;
  void SetRange(int low, int high) const { Send(PBM_SETRANGE, 0, MAKELPARAM(low, high)); }
  int SetPos(int pos) const { return static_cast<int>(Send(PBM_SETPOS, pos, 0)); }
  int Pos() const { return static_cast<int>(Send(PBM_GETPOS, 0, 0)); }
};

}  // namespace fw
