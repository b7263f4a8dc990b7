// A dialog control whose messages, and the notifications its parent reflects back to it,
// reach a C++ object (comctl32 window subclassing).
#pragma once

#include "framework/window.h"

namespace fw {

class SubclassedControl : public Window {
 public:
  SubclassedControl() = default;
  SubclassedControl(const SubclassedControl&) = delete;
  SubclassedControl& operator=(const SubclassedControl&) = delete;
  virtual ~SubclassedControl() { Detach(); }

  bool SubclassDlgItem(int id, HWND parent);
  void Detach();

  // The object subclassing `hwnd`, or null.
  static SubclassedControl* FromHandle(HWND hwnd);

  // WM_DRAWITEM / WM_CTLCOLOR* sent to the parent about this control; true when answered.
  virtual bool OnReflected(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/, LRESULT& /*result*/) { return false; }

 protected:
  // Runs right after SubclassDlgItem has attached the control (to adjust its styles).
  virtual void OnAttached() {}
  // The control's own messages; return true when handled (then `result` is the answer).
  virtual bool OnMessage(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/, LRESULT& /*result*/) { return false; }
  // The control's original behaviour for a message.
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) const { return DefSubclassProc(hwnd_, msg, wp, lp); }

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
};

}  // namespace fw
