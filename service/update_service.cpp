#include "service/update_service.h"

#include <windows.h>

#include <vector>

namespace service {
namespace {

const wchar_t kServicePath[] = L"/KestavoWebServiceProc.asmx";
const wchar_t kUploadPath[] = L"/upload/KestavoItem/";

std::wstring ServiceRoot() { return L"http://" + UpdateHost(); }

}  // namespace

std::wstring UpdateHost() {
  std::vector<wchar_t> value(256);
  for (;;) {
    DWORD length = GetEnvironmentVariableW(L"KESTAVO_UPDATE_HOST", value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) return KESTAVO_UPDATE_HOST_DEFAULT;  // unset or empty
    if (length < value.size()) return std::wstring(value.data(), length);
    value.resize(length);  // too small: length is the size needed, terminator included
  }
}

std::wstring ContentsUrl(const std::wstring& platformId, const std::wstring& partNumber) {
  return ServiceRoot() + kServicePath + L"/GetContents" + L"?platformID=" + platformId + L"&PartNumber=" + partNumber;
}

std::wstring UsageCountUrl(const std::wstring& itemId) {
  return ServiceRoot() + kServicePath + L"/SetKestavoCounts" + L"?ItemNo=" + itemId;
}

std::wstring PackageUrl(const std::wstring& fileName) { return ServiceRoot() + kUploadPath + fileName; }

}  // namespace service
