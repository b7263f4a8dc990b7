#include <cwctype>

#include "service/update_service.h"

namespace service {

std::optional<UrlParts> SplitUrl(const std::wstring& url) {
  const std::wstring scheme = L"http://";
  if (url.size() < scheme.size()) return std::nullopt;
  for (size_t i = 0; i < scheme.size(); ++i)
    if (static_cast<wchar_t>(std::towlower(url[i])) != scheme[i]) return std::nullopt;

  const size_t slash = url.find(L'/', scheme.size());
  std::wstring authority = url.substr(scheme.size(), slash == std::wstring::npos ? std::wstring::npos : slash - scheme.size());
  UrlParts parts;
  parts.object = slash == std::wstring::npos ? L"/" : url.substr(slash);

  const size_t bracket = authority.rfind(L']');
  const size_t colon = authority.rfind(L':');
  if (colon != std::wstring::npos && (bracket == std::wstring::npos || colon > bracket)) {
    const std::wstring digits = authority.substr(colon + 1);
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    unsigned long port = 0;
    for (wchar_t c : digits) {
      if (c < L'0' || c > L'9') return std::nullopt;
      port = port * 10 + (c - L'0');
    }
    if (port == 0 || port > 65535) return std::nullopt;
    parts.port = static_cast<unsigned short>(port);
    authority.resize(colon);
  }
  if (authority.size() >= 2 && authority.front() == L'[' && authority.back() == L']')
    authority = authority.substr(1, authority.size() - 2);
  if (authority.empty()) return std::nullopt;
  parts.server = authority;
  return parts;
}

}  // namespace service
