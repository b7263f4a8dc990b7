#include "sysinfo/bios_rules.h"

#include <cwctype>

namespace sysinfo {
namespace {

constexpr int kDesktop = 3;
constexpr int kAllInOne = 13;

std::wstring Left(const std::wstring& text, size_t count) { return text.substr(0, count); }

std::wstring Right(const std::wstring& text, size_t count) {
  return text.size() <= count ? text : text.substr(text.size() - count);
}

std::wstring TrimLeft(const std::wstring& text) {
  size_t first = 0;
  while (first < text.size() && std::iswspace(text[first])) ++first;
  return text.substr(first);
}

}  // namespace

std::wstring CutBiosVersion(const std::wstring& smbiosVersion) {
  std::wstring version = TrimLeft(smbiosVersion);
  size_t stop = version.find(L'.');
  // A full stop at index 0 would leave nothing to show, so it counts as no cut point.
  if (stop != std::wstring::npos && stop > 0) return Left(version, stop);
  return Left(version, 4);
}

std::wstring ReadBiosVersion(WmiSource& wmi) {
  std::wstring version;
  wmi.Query(L"SELECT * FROM Win32_bios",
            [&](WmiObject& bios) { version = CutBiosVersion(bios.ReadText(L"SMBIOSBIOSVersion")); });
  return version;
}

int ReadChassisClass(WmiSource& wmi) {
  int chassisClass = 0;
  wmi.Query(L"SELECT * FROM Win32_SystemEnclosure", [&](WmiObject& enclosure) {
    auto types = enclosure.ReadInt32Array(L"ChassisTypes");
    if (!types) return;
    for (std::int32_t type : *types) chassisClass = (type == kDesktop || type == kAllInOne) ? 1 : 2;
  });
  return chassisClass;
}

std::wstring PlatformIdFor(const std::wstring& biosVersion, int chassisClass) {
  if (chassisClass == 1) return Left(biosVersion, 1) + Right(biosVersion, 2);
  return Right(biosVersion, 2);
}

}  // namespace sysinfo
