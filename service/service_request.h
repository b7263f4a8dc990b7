// One GET to the update service with the settings every call of the program uses: agent
// "My Session", the system's proxy settings, nothing from or into a cache, no redirection
// followed, no extra headers (Windows build only).
#pragma once

#include <windows.h>
#include <wininet.h>

#include <optional>
#include <string>

#include "framework/handles.h"

namespace service {

using UniqueInternet = fw::UniqueHandle<HINTERNET, InternetCloseHandle>;

inline constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_AUTO_REDIRECT;
static_assert(kRequestFlags == 0x84200000);

class ServiceRequest {
 public:
  // Connects and sends; true once the reply's status line and headers have arrived. A failed
  // step leaves the object holding what was opened so far, closed with it.
  bool Send(const std::wstring& url, DWORD timeoutMs);
  // False when the reply has no readable status.
  bool QueryStatus(DWORD& status) const;
  // The Content-Length header's text; nullopt when the reply has none.
  std::optional<std::wstring> QueryContentLength() const;
  // Up to `wanted` body bytes; false on a broken transfer. `got` is 0 at the end of the body.
  bool Read(char* buffer, DWORD wanted, DWORD& got) const;

 private:
  // Closed in reverse: the request, the connection, the session.
  UniqueInternet session_;
  UniqueInternet connection_;
  UniqueInternet request_;
};

}  // namespace service
