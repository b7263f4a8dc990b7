#include "framework/subclassed_control.h"

namespace fw {
namespace {
// Identifies our subclass among others on the same window.
constexpr UINT_PTR kSubclassId = 0x4B53;
// Window property that leads from a control's handle to its object.
constexpr wchar_t kObjectProperty[] = L"fw.SubclassedControl";
}  // namespace

bool SubclassedControl::SubclassDlgItem(int id, HWND parent) {
  Detach();
  HWND hwnd = GetDlgItem(parent, id);
  if (!hwnd || !SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) return false;
  SetPropW(hwnd, kObjectProperty, this);
  hwnd_ = hwnd;
  OnAttached();
  return true;
}

void SubclassedControl::Detach() {
  if (hwnd_) {
    RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    RemovePropW(hwnd_, kObjectProperty);
  }
  hwnd_ = nullptr;
}

SubclassedControl* SubclassedControl::FromHandle(HWND hwnd) {
  return static_cast<SubclassedControl*>(GetPropW(hwnd, kObjectProperty));
}

LRESULT CALLBACK SubclassedControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
  auto* control = reinterpret_cast<SubclassedControl*>(self);
  if (msg == WM_NCDESTROY) {
    control->Detach();
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  LRESULT result = 0;
  try {
    if (control->OnMessage(msg, wp, lp, result)) return result;
  } catch (...) {
    // Nothing may unwind through the window procedure.
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace fw
