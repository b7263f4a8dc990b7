// The process-wide WMI connection and the readers of property values (Windows build only).
#pragma once

#include <windows.h>
#include <wbemidl.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Made once per process by ConnectWmi and never released: the program queries WMI only while
// its window sets itself up, and the pointers live until the process ends.
extern IWbemLocator* g_pLocator;
extern IWbemServices* g_pServices;
// True once ConnectWmi has run, whatever it achieved, so a failed connection is not retried.
extern bool g_bWmiConnected;

// Connects to "ROOT\CIMV2" as the current user. Reports nothing: when a step fails the
// pointers stay null and queries yield no object.
void ConnectWmi();

namespace sysinfo {

// The string a VARIANT holds (up to an embedded terminator); empty for any other kind.
std::wstring VariantText(const VARIANT& value);

// The elements of a one-dimensional integer array held directly or by reference, fetched by
// the indices 0 .. count-1; elements that cannot be fetched are skipped. nullopt when the
// VARIANT holds no such array.
std::optional<std::vector<std::int32_t>> VariantInt32Array(const VARIANT& value);

}  // namespace sysinfo
