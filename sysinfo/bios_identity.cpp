#include "sysinfo/bios_identity.h"

#include "sysinfo/bios_rules.h"
#include "sysinfo/wmi_source.h"

std::wstring GetBiosVersion() { return sysinfo::ReadBiosVersion(sysinfo::SystemWmi()); }

int GetChassisClass() { return sysinfo::ReadChassisClass(sysinfo::SystemWmi()); }

std::wstring MakePlatformId(std::wstring biosVersion) {
  return sysinfo::PlatformIdFor(biosVersion, GetChassisClass());
}
