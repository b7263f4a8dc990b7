#include "service/service_request.h"

#include <algorithm>
#include <vector>

#include "service/update_service.h"

namespace service {
namespace {

constexpr DWORD_PTR kContext = 1;

}  // namespace

bool ServiceRequest::Send(const std::wstring& url, DWORD timeoutMs) {
  session_.reset(InternetOpenW(L"My Session", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session_) return false;
  const std::optional<UrlParts> parts = SplitUrl(url);
  if (!parts) return false;
  connection_.reset(InternetConnectW(session_.get(), parts->server.c_str(), parts->port, nullptr, nullptr,
                                     INTERNET_SERVICE_HTTP, 0, kContext));
  if (!connection_) return false;
  // The request takes its limits from the connection when it is opened; limits set on the
  // session are not passed on everywhere (Wine ignores them).
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    DWORD value = timeoutMs;
    InternetSetOptionW(connection_.get(), option, &value, sizeof value);
  }
  request_.reset(HttpOpenRequestW(connection_.get(), L"GET", parts->object.c_str(), nullptr, nullptr, nullptr,
                                  kRequestFlags, kContext));
  if (!request_) return false;
  return HttpSendRequestW(request_.get(), nullptr, 0, nullptr, 0) != FALSE;
}

bool ServiceRequest::QueryStatus(DWORD& status) const {
  DWORD size = sizeof status;
  return HttpQueryInfoW(request_.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr) !=
         FALSE;
}

std::optional<std::wstring> ServiceRequest::QueryContentLength() const {
  std::vector<wchar_t> text(64);
  for (;;) {
    DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (HttpQueryInfoW(request_.get(), HTTP_QUERY_CONTENT_LENGTH, text.data(), &bytes, nullptr))
      return std::wstring(text.data(), bytes / sizeof(wchar_t));
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::nullopt;
    // bytes now holds the size needed; grow anyway so a wrong answer cannot loop for ever
    text.resize(std::max(text.size() * 2, bytes / sizeof(wchar_t) + 1));
  }
}

bool ServiceRequest::Read(char* buffer, DWORD wanted, DWORD& got) const {
  got = 0;
  return InternetReadFile(request_.get(), buffer, wanted, &got) != FALSE;
}

}  // namespace service
