// What the BIOS identity rules need of WMI: run a query, hand over its result objects in order,
// and read a property as text or as 32-bit integers. The rules see only this, so tests can
// feed any answer; the system implementation speaks COM.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sysinfo {

// One result object; valid only while it is being visited.
class WmiObject {
 public:
  virtual ~WmiObject() = default;
  // Empty when the property is missing or holds no string.
  virtual std::wstring ReadText(const wchar_t* property) = 0;
  // The elements that could be fetched, in index order; nullopt when the property holds no
  // array of integers.
  virtual std::optional<std::vector<std::int32_t>> ReadInt32Array(const wchar_t* property) = 0;
};

class WmiSource {
 public:
  virtual ~WmiSource() = default;
  // Visits every result object of the WQL query in the order WMI hands them over; a query
  // that fails visits nothing.
  virtual void Query(const wchar_t* wql, const std::function<void(WmiObject&)>& visit) = 0;
};

// The local "ROOT\CIMV2" namespace (Windows build only); connects on its first query.
WmiSource& SystemWmi();

}  // namespace sysinfo
