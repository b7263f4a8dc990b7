// The machine's identity as the update service knows it: the installed BIOS version and the
// platform identifier made from it. Both read WMI on the calling thread; the first call makes
// the process-wide WMI connection.
#pragma once

#include <string>

// The installed BIOS version as shown to the user: SMBIOSBIOSVersion up to its first full
// stop, or its first four characters. Empty when WMI yields nothing.
std::wstring GetBiosVersion();

// 0: no enclosure type read; 1: desktop-type enclosure (Desktop or All in One); 2: any other.
int GetChassisClass();

// The identifier the update service files this machine's items under, made of characters of
// `biosVersion` (at most three) chosen by the chassis class. Empty for an empty version.
std::wstring MakePlatformId(std::wstring biosVersion);
