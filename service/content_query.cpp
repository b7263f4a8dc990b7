#include "service/content_query.h"

#include <algorithm>

#include "service/content_item.h"
#include "service/service_request.h"
#include "service/transfer_rules.h"

namespace service {
namespace {

// HANDLE owner; INVALID_HANDLE_VALUE is turned into null on the way in.
using UniqueFile = fw::UniqueHandle<HANDLE, CloseHandle>;

UniqueFile CreateContentFile() {
  HANDLE file = CreateFileW(kContentFileName, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  return UniqueFile(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

// Moves the body into the file through one buffer; false on a broken transfer or a failed write.
bool StoreBody(const ServiceRequest& request, HANDLE file, long long length) {
  char buffer[kTransferBuffer];
  long long received = 0;
  DWORD wanted = static_cast<DWORD>(std::min<long long>(length, kReadChunk));
  while (length - received > 0) {
    DWORD got = 0;
    if (!request.Read(buffer, wanted, got)) return false;
    if (got == 0) break;  // the body ended before its announced length
    received += got;
    const DWORD bytes = static_cast<DWORD>(ExpandLineFeeds(buffer, got));
    DWORD written = 0;
    if (!WriteFile(file, buffer, bytes, &written, nullptr) || written != bytes) return false;
    wanted = static_cast<DWORD>(std::min<long long>(length - received, kReadChunk));
  }
  return true;
}

}  // namespace

int QueryContents(const std::wstring& platformId, const std::wstring& partNumber, unsigned long timeoutMs) {
  ServiceRequest request;
  if (!request.Send(ContentsUrl(platformId, partNumber), timeoutMs)) return 0;
  DWORD status = 0;
  if (!request.QueryStatus(status) || status != HTTP_STATUS_OK) return 0;
  const long long length = ReplyLength(request.QueryContentLength());

  UniqueFile file = CreateContentFile();
  if (!file) return 0;
  if (!StoreBody(request, file.get(), length)) return 0;
  return CloseHandle(file.release()) ? 1 : 0;
}

}  // namespace service
