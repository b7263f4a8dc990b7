#include "sysinfo/wmi.h"

#include <cwchar>

#include "framework/handles.h"
#include "sysinfo/wmi_source.h"

IWbemLocator* g_pLocator = nullptr;
IWbemServices* g_pServices = nullptr;
bool g_bWmiConnected = false;

void ConnectWmi() {
  g_pLocator = nullptr;
  // COM may already be set up for another apartment model on this thread; WMI works either way.
  CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT, RPC_C_IMP_LEVEL_IMPERSONATE,
                       nullptr, EOAC_NONE, nullptr);
  CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                   reinterpret_cast<void**>(&g_pLocator));
  g_pServices = nullptr;
  if (g_pLocator) {
    fw::UniqueBstr ns(SysAllocString(L"ROOT\\CIMV2"));
    g_pLocator->ConnectServer(ns.get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr, &g_pServices);
  }
  if (g_pServices) {
    CoSetProxyBlanket(g_pServices, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                      RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
  }
  g_bWmiConnected = true;
}

namespace sysinfo {
namespace {

// Fetches one element of the array's own type and widens it; false when the fetch fails.
template <typename Element>
bool FetchElement(SAFEARRAY* array, LONG index, std::int32_t& out) {
  Element element{};
  if (FAILED(SafeArrayGetElement(array, &index, &element))) return false;
  out = static_cast<std::int32_t>(element);
  return true;
}

using Fetch = bool (*)(SAFEARRAY*, LONG, std::int32_t&);

// Only integer types up to 32 bits: SafeArrayGetElement copies a whole element into the
// destination, so any wider or non-integer type would overrun it.
Fetch FetchFor(VARTYPE type, UINT elementSize) {
  switch (type) {
    case VT_I4:
    case VT_INT:
      return elementSize == 4 ? FetchElement<std::int32_t> : nullptr;
    case VT_UI4:
    case VT_UINT:
      return elementSize == 4 ? FetchElement<std::uint32_t> : nullptr;
    case VT_I2:
      return elementSize == 2 ? FetchElement<std::int16_t> : nullptr;
    case VT_UI2:
      return elementSize == 2 ? FetchElement<std::uint16_t> : nullptr;
    case VT_I1:
      return elementSize == 1 ? FetchElement<std::int8_t> : nullptr;
    case VT_UI1:
      return elementSize == 1 ? FetchElement<std::uint8_t> : nullptr;
    default:
      return nullptr;
  }
}

class SystemObject : public WmiObject {
 public:
  explicit SystemObject(IWbemClassObject* object) : object_(object) {}

  std::wstring ReadText(const wchar_t* property) override {
    fw::UniqueVariant value;
    object_->Get(property, 0, value.get(), nullptr, nullptr);
    return VariantText(*value);
  }

  std::optional<std::vector<std::int32_t>> ReadInt32Array(const wchar_t* property) override {
    fw::UniqueVariant value;
    object_->Get(property, 0, value.get(), nullptr, nullptr);
    return VariantInt32Array(*value);
  }

 private:
  IWbemClassObject* object_;
};

class SystemWmiSource : public WmiSource {
 public:
  void Query(const wchar_t* wql, const std::function<void(WmiObject&)>& visit) override {
    if (!g_bWmiConnected) ConnectWmi();
    if (!g_pServices) return;

    fw::ComPtr<IEnumWbemClassObject> results;
    {
      fw::UniqueBstr language(SysAllocString(L"WQL"));
      fw::UniqueBstr query(SysAllocString(wql));
      g_pServices->ExecQuery(language.get(), query.get(), WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY,
                             nullptr, results.put());
    }
    while (results) {
      fw::ComPtr<IWbemClassObject> object;
      ULONG returned = 0;
      // An empty out-count ends the walk both at the end of the results and on failure.
      results->Next(WBEM_INFINITE, 1, object.put(), &returned);
      if (returned == 0 || !object) break;
      SystemObject current(object.get());
      visit(current);
    }
  }
};

}  // namespace

std::wstring VariantText(const VARIANT& value) {
  if (value.vt != VT_BSTR || !value.bstrVal) return {};
  return std::wstring(value.bstrVal, wcsnlen(value.bstrVal, SysStringLen(value.bstrVal)));
}

std::optional<std::vector<std::int32_t>> VariantInt32Array(const VARIANT& value) {
  if (!(value.vt & VT_ARRAY)) return std::nullopt;
  SAFEARRAY* array = nullptr;
  if (value.vt & VT_BYREF)
    array = value.pparray ? *value.pparray : nullptr;
  else
    array = value.parray;
  if (!array) return std::nullopt;
  // Fetching with one index reads as many indices as the array has dimensions.
  if (SafeArrayGetDim(array) != 1) return std::nullopt;
  Fetch fetch = FetchFor(static_cast<VARTYPE>(value.vt & VT_TYPEMASK), SafeArrayGetElemsize(array));
  if (!fetch) return std::nullopt;

  LONG lower = 0, upper = 0;
  SafeArrayGetLBound(array, 1, &lower);
  SafeArrayGetUBound(array, 1, &upper);
  const long long count = static_cast<long long>(upper) - lower + 1;
  std::vector<std::int32_t> elements;
  // WMI arrays start at 0, so the indices count from 0 whatever the lower bound says.
  for (long long i = 0; i < count; ++i) {
    std::int32_t element = 0;
    if (fetch(array, static_cast<LONG>(i), element)) elements.push_back(element);
  }
  return elements;
}

WmiSource& SystemWmi() {
  static SystemWmiSource source;
  return source;
}

}  // namespace sysinfo
