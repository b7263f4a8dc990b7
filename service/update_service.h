// Where the update service is and the addresses of its three calls. Every URL the program
// requests is built here, from one host value.
#pragma once

#include <optional>
#include <string>

namespace service {

// Connect, send and receive limit of every exchange with the service, so a service that accepts
// the connection and then says nothing cannot block the window for ever.
inline constexpr unsigned long kServiceTimeoutMs = 30000;

// KESTAVO_UPDATE_HOST when it is set and not empty, else the build's default; either may carry
// ":port".
std::wstring UpdateHost();

// The values are inserted as they stand, unescaped: the service expects them that way.
std::wstring ContentsUrl(const std::wstring& platformId, const std::wstring& partNumber);
std::wstring UsageCountUrl(const std::wstring& itemId);
// The package's address in the service's upload folder, for the download and the browser.
std::wstring PackageUrl(const std::wstring& fileName);

struct UrlParts {
  std::wstring server;  // host name or address, without brackets or port
  std::wstring object;  // path and query, starting with "/"
  unsigned short port = 80;
};

// Splits an "http://server[:port]/object" URL; nullopt when there is no server or the port is
// not a number from 1 to 65535.
std::optional<UrlParts> SplitUrl(const std::wstring& url);

}  // namespace service
