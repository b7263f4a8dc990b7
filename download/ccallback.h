// The status callback of the package download: moves the main dialog's progress bar and
// remembers the size the transfer announced. Lives on the caller's stack for one synchronous
// download, so it keeps no reference count.
#pragma once

#include <windows.h>
#include <urlmon.h>

#include <cstdint>

namespace fw {
class Window;
}

// Percentage of a transfer as the progress bar shows it: 0-99, a finished transfer giving 0;
// exact for every 32-bit progress value.
int ProgressPercent(ULONG progress, ULONG progressMax);

class CCallBack : public IBindStatusCallback {
 public:
  CCallBack();
  virtual ~CCallBack() = default;

  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override { return 0; }
  STDMETHODIMP_(ULONG) Release() override { return 0; }

  STDMETHODIMP OnStartBinding(DWORD, IBinding*) override { return E_NOTIMPL; }
  STDMETHODIMP GetPriority(LONG*) override { return E_NOTIMPL; }
  STDMETHODIMP OnLowResource(DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP OnProgress(ULONG ulProgress, ULONG ulProgressMax, ULONG ulStatusCode, LPCWSTR szStatusText) override;
  STDMETHODIMP OnStopBinding(HRESULT, LPCWSTR) override { return E_NOTIMPL; }
  STDMETHODIMP GetBindInfo(DWORD*, BINDINFO*) override { return E_NOTIMPL; }
  STDMETHODIMP OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  STDMETHODIMP OnObjectAvailable(REFIID, IUnknown*) override { return E_NOTIMPL; }

  const fw::Window* m_pMainWnd;
  int m_nPercent = 0;
  // ulProgressMax of the last report: the size the transfer announced, 0 when it named none.
  ULONG m_ulAnnouncedSize = 0;
};
