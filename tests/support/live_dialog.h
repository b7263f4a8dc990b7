// Runs a test body inside the real main dialog: after its set-up, once it has painted, within
// its modal loop. The dialog then ends with IDOK.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "ui/kestavo_dlg.h"

namespace test {

class LiveKestavoDlg : public CKestavoDlg {
 public:
  explicit LiveKestavoDlg(std::function<void(LiveKestavoDlg&)> body, const wchar_t* langCode = L"0409")
      : body_(std::move(body)) {
    m_strLangCode = langCode;
  }

  HWND hwnd() const { return hwnd_; }
  LRESULT Message(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageW(hwnd_, msg, wp, lp); }
  // Paints the dialog and its controls now, background included.
  void Repaint() const { RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW); }

 protected:
  bool OnInitDialog() override {
    const bool focus = CKestavoDlg::OnInitDialog();
    PostMessageW(hwnd_, WM_APP, 0, 0);
    return focus;
  }
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg != WM_APP) return CKestavoDlg::OnMessage(msg, wp, lp, result);
    UpdateWindow(hwnd_);
    body_(*this);
    End(IDOK);
    return true;
  }

 private:
  std::function<void(LiveKestavoDlg&)> body_;
};

}  // namespace test
