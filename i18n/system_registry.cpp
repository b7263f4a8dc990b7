// The registry reader over the Windows registry.
#include <windows.h>

#include "framework/handles.h"
#include "i18n/language_code.h"

namespace i18n {
namespace {

class SystemKey : public RegistryKey {
 public:
  explicit SystemKey(fw::UniqueKey key) : key_(std::move(key)) {}
  bool Query(const wchar_t* name, unsigned char* buffer, unsigned long size) override {
    DWORD bytes = size;
    return RegQueryValueExW(key_.get(), name, nullptr, nullptr, buffer, &bytes) == ERROR_SUCCESS;
  }

 private:
  fw::UniqueKey key_;
};

class SystemRegistry : public RegistryReader {
 public:
  std::unique_ptr<RegistryKey> Open(RegistryRoot root, const wchar_t* subkey) override {
    HKEY parent = root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
    return std::make_unique<SystemKey>(fw::UniqueKey(key));
  }
};

}  // namespace

std::unique_ptr<RegistryReader> MakeSystemRegistryReader() { return std::make_unique<SystemRegistry>(); }

}  // namespace i18n
