#include "framework/modal_dialog.h"

#include "framework/subclassed_control.h"

namespace fw {

ModalDialog::~ModalDialog() {
  // No message may reach this object once it is gone.
  if (hwnd_) SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
}

INT_PTR ModalDialog::DoModal() {
  INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent_, DialogProc,
                                   reinterpret_cast<LPARAM>(this));
  hwnd_ = nullptr;
  return result;
}

INT_PTR CALLBACK ModalDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<ModalDialog*>(lp);
    SetWindowLongPtrW(hwnd, DWLP_USER, lp);
    self->hwnd_ = hwnd;
  }
  if (!self) return FALSE;
  INT_PTR answer = self->Dispatch(msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    self->hwnd_ = nullptr;
  }
  return answer;
}

INT_PTR ModalDialog::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  bool handled = false;
  try {
    switch (msg) {
      case WM_INITDIALOG: {
        RECT before{};
        GetWindowRect(hwnd_, &before);
        bool focus = OnInitDialog();
        CenterIfNotPlaced(before);
        return focus ? TRUE : FALSE;
      }
      case WM_COMMAND:
        handled = OnMessage(msg, wp, lp, result);
        if (!handled) handled = OnCommand(LOWORD(wp), HIWORD(wp));
        if (!handled && LOWORD(wp) == IDOK) {
          OnOK();
          handled = true;
        } else if (!handled && LOWORD(wp) == IDCANCEL) {
          OnCancel();
          handled = true;
        }
        break;
      default:
        handled = OnMessage(msg, wp, lp, result);
        break;
    }
  } catch (...) {
    // An exception must not unwind through the system's dialog manager.
    return FALSE;
  }
  if (!handled) return FALSE;
  switch (msg) {
    // These messages take their answer as the procedure's return value.
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC: case WM_COMPAREITEM:
    case WM_VKEYTOITEM: case WM_CHARTOITEM: case WM_QUERYDRAGICON:
      return static_cast<INT_PTR>(result);
    default:
      SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
      return TRUE;
  }
}

void ModalDialog::CenterIfNotPlaced(const RECT& before) const {
  // A dialog that neither asks for a placement of its own nor was moved by its set-up
  // appears centred over its owner, or over the work area of its monitor.
  RECT now{};
  GetWindowRect(hwnd_, &now);
  LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
  if ((style & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) || now.left != before.left || now.top != before.top) return;
  RECT area{};
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  if (owner && IsWindowVisible(owner) && !IsIconic(owner)) {
    GetWindowRect(owner, &area);
  } else {
    MONITORINFO monitor{sizeof(MONITORINFO)};
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    area = monitor.rcWork;
  }
  int x = area.left + ((area.right - area.left) - (now.right - now.left)) / 2;
  int y = area.top + ((area.bottom - area.top) - (now.bottom - now.top)) / 2;
  SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ModalDialog::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  return ReflectToChild(msg, wp, lp, result);
}

bool ModalDialog::ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  HWND child = nullptr;
  if (msg == WM_DRAWITEM && lp)
    child = reinterpret_cast<const DRAWITEMSTRUCT*>(lp)->hwndItem;
  else if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC)
    child = reinterpret_cast<HWND>(lp);
  SubclassedControl* control = child ? SubclassedControl::FromHandle(child) : nullptr;
  return control && control->OnReflected(msg, wp, lp, result);
}

}  // namespace fw
