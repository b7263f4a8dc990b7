#include "download/ccallback.h"

#include "framework/application.h"
#include "framework/window.h"
#include "resource.h"

int ProgressPercent(ULONG progress, ULONG progressMax) {
  return static_cast<int>(static_cast<std::uint64_t>(progress) * 100 / progressMax % 100);
}

CCallBack::CCallBack() : m_pMainWnd(fw::Application::MainWindow()) {}

STDMETHODIMP CCallBack::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject && IsEqualIID(riid, IID_IHttpNegotiate)) {
    *ppvObject = static_cast<IHttpNegotiate*>(&m_responseWatch);
    return S_OK;
  }
  return E_NOTIMPL;
}

STDMETHODIMP CCallBack::OnProgress(ULONG ulProgress, ULONG ulProgressMax, ULONG, LPCWSTR) {
  m_ulAnnouncedSize = ulProgressMax;
  if (ulProgressMax != 0) m_nPercent = ProgressPercent(ulProgress, ulProgressMax);
  if (!m_pMainWnd) return S_FALSE;
  if (ulProgressMax != 0) m_pMainWnd->Item(IDC_PROGRESS).Send(PBM_SETPOS, static_cast<WPARAM>(m_nPercent), 0);
  return S_OK;
}
