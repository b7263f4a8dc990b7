// The latest-item query: asks the update service for the latest BIOS item of a platform and
// stores the reply's body as the content file in the current directory.
#pragma once

#include <string>

#include "service/update_service.h"

namespace service {

// The part number every latest-item query carries.
inline constexpr wchar_t kPartNumber[] = L"AAAA";

// 1 when the service answered 200 and the whole reply (up to its Content-Length, the end of
// the body, or 100000000 bytes, whichever comes first) was stored as KestavoContent.xml with
// every line feed as carriage return and line feed; 0 otherwise. Any other status, a redirect
// included, and any failure before the status leave an existing content file untouched; a
// transfer broken later leaves what arrived so far, with 0. The caller compares with 1.
// `timeoutMs` limits connecting, sending and each wait for data.
int QueryContents(const std::wstring& platformId, const std::wstring& partNumber,
                  unsigned long timeoutMs = kServiceTimeoutMs);

}  // namespace service
