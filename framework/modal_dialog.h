// A modal dialog from a template, with its messages routed to virtual handlers.
#pragma once

#include "framework/window.h"

namespace fw {

class ModalDialog : public Window {
 public:
  explicit ModalDialog(int templateId, HWND parent = nullptr) : templateId_(templateId), parent_(parent) {}
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;
  virtual ~ModalDialog();

  // Runs the dialog until it ends; returns the result given to End, or -1 when it could not be created.
  INT_PTR DoModal();
  void End(INT_PTR result) const { EndDialog(hwnd_, result); }

 protected:
  // Return true to let the system set the initial focus.
  virtual bool OnInitDialog() { return true; }
  virtual void OnOK() { End(IDOK); }
  virtual void OnCancel() { End(IDCANCEL); }
  // A WM_COMMAND from a control or menu; return true when handled.
  virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
  // Every message comes here first. Return true when handled, with `result` the answer
  // (a brush for WM_CTLCOLOR*, an icon for WM_QUERYDRAGICON, DWLP_MSGRESULT otherwise).
  // Unhandled WM_DRAWITEM and WM_CTLCOLOR* are offered to the child control's object.
  virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

  // Offers WM_DRAWITEM / WM_CTLCOLOR* to the object of the child control they concern.
  static bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  INT_PTR Dispatch(UINT msg, WPARAM wp, LPARAM lp);
  void CenterIfNotPlaced(const RECT& before) const;

  int templateId_;
  HWND parent_;
};

}  // namespace fw
