// The rules that turn WMI readings into the BIOS version text and the platform identifier.
// No Windows headers: every case can be fed through a WmiSource.
#pragma once

#include <string>

#include "sysinfo/wmi_source.h"

namespace sysinfo {

// Leading white space removed, then cut before the first full stop when it stands after
// index 0, else cut to the first four characters.
std::wstring CutBiosVersion(const std::wstring& smbiosVersion);

// The cut version of the last BIOS object; empty when there is none.
std::wstring ReadBiosVersion(WmiSource& wmi);

// Every fetched ChassisTypes element overwrites the class, so the last element of the last
// object holding an array decides.
int ReadChassisClass(WmiSource& wmi);

// Class 1: first character and last two; otherwise the last two.
std::wstring PlatformIdFor(const std::wstring& biosVersion, int chassisClass);

}  // namespace sysinfo
