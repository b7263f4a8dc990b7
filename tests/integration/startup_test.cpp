// The Win32 side of start-up under the real (Wine) system: the registry values the language
// decision reads, and the program's folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/kestavo_app.h"
#include "i18n/language_code.h"

namespace {

// Sets a registry value for the duration of a test and puts the old state back afterwards.
class ScopedValue {
 public:
  ScopedValue(HKEY root, const wchar_t* subkey, const wchar_t* name) : name_(name) {
    RegCreateKeyExW(root, subkey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
    DWORD size = 0;
    if (RegQueryValueExW(key_, name, nullptr, &type_, nullptr, &size) == ERROR_SUCCESS) {
      saved_.resize(size);
      RegQueryValueExW(key_, name, nullptr, &type_, saved_.data(), &size);
      existed_ = true;
    }
  }
  ~ScopedValue() {
    if (existed_)
      RegSetValueExW(key_, name_.c_str(), 0, type_, saved_.data(), static_cast<DWORD>(saved_.size()));
    else
      RegDeleteValueW(key_, name_.c_str());
    RegCloseKey(key_);
  }
  void SetBinary(std::vector<BYTE> bytes) const {
    ASSERT_EQ(RegSetValueExW(key_, name_.c_str(), 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size())), 0);
  }
  void SetText(const std::wstring& text) const {
    ASSERT_EQ(RegSetValueExW(key_, name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
              0);
  }
  void Delete() const { RegDeleteValueW(key_, name_.c_str()); }

 private:
  HKEY key_ = nullptr;
  std::wstring name_;
  DWORD type_ = 0;
  std::vector<BYTE> saved_;
  bool existed_ = false;
};

TEST(RegistryLanguage, SchemeLangIdAsBinaryReachesTheDecision) {
  ScopedValue value(HKEY_CURRENT_USER, L"Control Panel\\Appearance", L"SchemeLangID");
  auto registry = i18n::MakeSystemRegistryReader();
  const struct {
    std::vector<BYTE> bytes;
    const wchar_t* code;
  } cases[] = {{{0x12, 0x04}, L"0412"}, {{0x0C, 0x10}, L"0100C"}, {{0x1E, 0x04, 0x00, 0x00}, L"041E"}};
  for (const auto& c : cases) {
    value.SetBinary(c.bytes);
    EXPECT_EQ(i18n::DecideLanguageCode(6, L"", *registry), c.code);
  }
  value.Delete();
  EXPECT_EQ(i18n::DecideLanguageCode(6, L"", *registry), L"0 0");
}

TEST(RegistryLanguage, MultiUiLanguageIdAsTextReachesTheDecision) {
  ScopedValue value(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"MultiUILanguageId");
  auto registry = i18n::MakeSystemRegistryReader();
  value.SetText(L"0000041f");
  EXPECT_EQ(i18n::DecideLanguageCode(5, L"", *registry), L"041F");
  EXPECT_EQ(i18n::DecideLanguageCode(5, L"0408", *registry), L"0408");
}

TEST(RegistryLanguage, ValuesThatDoNotFitFallBack) {
  ScopedValue multi(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"MultiUILanguageId");
  ScopedValue install(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Nls\\Language", L"InstallLanguage");
  auto registry = i18n::MakeSystemRegistryReader();
  install.SetText(L"0c0a");
  multi.SetText(std::wstring(400, L'9'));  // 802 bytes: more than one read takes
  EXPECT_EQ(i18n::GetMuiLanguageCode(*registry), L"0C0A");
  multi.Delete();
  EXPECT_EQ(i18n::GetMuiLanguageCode(*registry), L"0C0A");
}

TEST(Startup, AppFolderIsTheProgramsFolderWithItsBackslash) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring expected(path);
  expected.erase(expected.rfind(L'\\') + 1);
  const std::wstring folder = app::QueryAppFolder();
  EXPECT_EQ(folder, expected);
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), L'\\');
}

TEST(Startup, ExtendedVersionQuerySucceeds) {
  const app::OsVersion version = app::QueryOsVersion();
  EXPECT_TRUE(version.extendedOk);
  EXPECT_FALSE(version.basicOk);  // only tried when the extended query fails
  EXPECT_GE(version.major, 5u);
}

}  // namespace
