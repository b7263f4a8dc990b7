// The status callback of the package download: moves the main dialog's progress bar and
// remembers the size the transfer announced and the HTTP status of the answer. Lives on the
// caller's stack for one synchronous download, so it keeps no reference count.
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
  // The HTTP status of the answer, 0 until one arrived. A moniker may store an error page
  // (404, 500) as if it were the file and still report success, so the caller checks this.
  DWORD m_dwResponseCode = 0;

 private:
  // The only interface handed out: how the transfer tells us the answer's status.
  class ResponseWatch : public IHttpNegotiate {
   public:
    explicit ResponseWatch(CCallBack& owner) : owner_(owner) {}
    STDMETHODIMP QueryInterface(REFIID, void**) override { return E_NOTIMPL; }
    STDMETHODIMP_(ULONG) AddRef() override { return 0; }
    STDMETHODIMP_(ULONG) Release() override { return 0; }
    STDMETHODIMP BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* additionalHeaders) override {
      if (additionalHeaders) *additionalHeaders = nullptr;
      return S_OK;
    }
    STDMETHODIMP OnResponse(DWORD responseCode, LPCWSTR, LPCWSTR, LPWSTR* additionalHeaders) override {
      if (additionalHeaders) *additionalHeaders = nullptr;
      owner_.m_dwResponseCode = responseCode;
      return S_OK;
    }

   private:
    CCallBack& owner_;
  };
  ResponseWatch m_responseWatch{*this};
};
