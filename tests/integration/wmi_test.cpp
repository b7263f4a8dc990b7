// The real WMI queries under the running system. The values are whatever this machine reports;
// the checks hold for any machine. Wine without SMBIOS tables reports the version 'Wine' and one
// ChassisTypes element whose low 16 bits are 2 (Unknown) and whose high 16 bits are not zero,
// unlike Windows, which hands the 16-bit codes over widened; either way the class is 2.
#include <gtest/gtest.h>

#include <cwctype>

#include "sysinfo/bios_identity.h"
#include "sysinfo/bios_rules.h"
#include "sysinfo/wmi.h"

namespace {

// The raw SMBIOSBIOSVersion values and ChassisTypes lists as the system hands them over.
struct Readings {
  std::vector<std::wstring> versions;
  std::vector<std::vector<std::int32_t>> chassisTypes;
};

Readings ReadRaw() {
  Readings raw;
  sysinfo::SystemWmi().Query(L"SELECT * FROM Win32_bios", [&](sysinfo::WmiObject& bios) {
    raw.versions.push_back(bios.ReadText(L"SMBIOSBIOSVersion"));
  });
  sysinfo::SystemWmi().Query(L"SELECT * FROM Win32_SystemEnclosure", [&](sysinfo::WmiObject& enclosure) {
    if (auto types = enclosure.ReadInt32Array(L"ChassisTypes")) raw.chassisTypes.push_back(*types);
  });
  return raw;
}

TEST(Wmi, ConnectsOnceAndKeepsTheConnection) {
  GetBiosVersion();
  ASSERT_TRUE(g_bWmiConnected);
  ASSERT_NE(g_pServices, nullptr) << "no WMI namespace on this system";
  IWbemServices* first = g_pServices;
  GetChassisClass();
  ReadRaw();
  EXPECT_EQ(g_pServices, first);  // a second connection would leave a new pointer behind
}

TEST(Wmi, IdentityFollowsWhatTheSystemReports) {
  const Readings raw = ReadRaw();
  const std::wstring version = GetBiosVersion();
  const int chassisClass = GetChassisClass();
  std::wstring types;
  for (const auto& list : raw.chassisTypes)
    for (std::int32_t t : list) types += std::to_wstring(t) + L" ";
  std::wcout << L"[ reported ] SMBIOSBIOSVersion '" << (raw.versions.empty() ? L"(no object)" : raw.versions.back())
             << L"' -> '" << version << L"'; ChassisTypes [ " << types << L"] -> class " << chassisClass
             << L"; platform identifier '" << MakePlatformId(version) << L"'\n";

  ASSERT_FALSE(raw.versions.empty()) << "no Win32_bios object";
  EXPECT_EQ(version, sysinfo::CutBiosVersion(raw.versions.back()));
  EXPECT_LE(version.size(), raw.versions.back().size());
  int expected = 0;
  for (const auto& list : raw.chassisTypes)
    for (std::int32_t t : list) expected = (t == 3 || t == 13) ? 1 : 2;
  EXPECT_EQ(chassisClass, expected);
  EXPECT_EQ(MakePlatformId(version), sysinfo::PlatformIdFor(version, chassisClass));
}

}  // namespace
