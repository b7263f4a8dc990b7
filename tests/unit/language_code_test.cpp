#include <gtest/gtest.h>

#include "i18n/language_code.h"
#include "support/fake_registry.h"

using i18n::RegistryRoot;

namespace {

const wchar_t kDesktop[] = L"Control Panel\\Desktop";
const wchar_t kLanguage[] = L"SYSTEM\\CurrentControlSet\\Control\\Nls\\Language";
const wchar_t kAppearance[] = L"Control Panel\\Appearance";

struct MuiCase {
  const wchar_t* multiUi;  // null: value missing
  const wchar_t* install;  // null: value missing
  bool desktopOpens;
  const wchar_t* expected;
};

TEST(MuiLanguageCode, FollowsTheRegistryValues) {
  const MuiCase cases[] = {
      {L"00000409", nullptr, true, L"0409"},
      {L"0000040c", nullptr, true, L"040C"},
      {L"409", nullptr, true, L"409"},
      {L"00000412", L"0409", true, L"0412"},  // InstallLanguage not read when MultiUILanguageId exists
      {nullptr, L"0c0a", true, L"0C0A"},
      {nullptr, L"00000c0a", true, L"00000C0A"},  // taken whole, not cut to four
      {nullptr, nullptr, true, L""},
      {nullptr, L"0c0a", false, L""},  // Desktop not openable: the machine-wide value is not consulted
  };
  for (const MuiCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "MultiUILanguageId=" << (c.multiUi ? c.multiUi : L"(none)")
                                    << " InstallLanguage=" << (c.install ? c.install : L"(none)"));
    FakeRegistry registry;
    if (c.desktopOpens) registry.AddKey(RegistryRoot::CurrentUser, kDesktop);
    if (c.multiUi) registry.SetText(RegistryRoot::CurrentUser, kDesktop, L"MultiUILanguageId", c.multiUi);
    if (c.install) registry.SetText(RegistryRoot::LocalMachine, kLanguage, L"InstallLanguage", c.install);
    EXPECT_EQ(i18n::GetMuiLanguageCode(registry), c.expected);
    if (c.multiUi && c.desktopOpens) EXPECT_EQ(registry.queried, std::vector<std::wstring>{L"MultiUILanguageId"});
  }
}

TEST(MuiLanguageCode, ValueLongerThanTheBufferFallsBackToInstallLanguage) {
  FakeRegistry registry;
  registry.SetText(RegistryRoot::CurrentUser, kDesktop, L"MultiUILanguageId", std::wstring(200, L'7'));
  registry.SetText(RegistryRoot::LocalMachine, kLanguage, L"InstallLanguage", L"0415");
  EXPECT_EQ(i18n::GetMuiLanguageCode(registry), L"0415");
}

TEST(MuiLanguageCode, TextIsTakenUpToTheFirstZeroWhateverTheType) {
  FakeRegistry registry;
  // A binary value without a terminator: the zeroed buffer ends the text.
  registry.SetValue(RegistryRoot::CurrentUser, kDesktop, L"MultiUILanguageId", {'1', 0, '2', 0, '3', 0, '4', 0, 'a', 0});
  EXPECT_EQ(i18n::GetMuiLanguageCode(registry), L"234A");
}

TEST(SchemeLanguageCode, FormatsHighThenLowWord) {
  const struct {
    FakeRegistry::Bytes bytes;
    const wchar_t* expected;
  } cases[] = {
      {{0x09, 0x04}, L"0409"},
      {{0x0A, 0x0C}, L"0C0A"},
      {{0x04, 0x08}, L"0804"},
      {{0x1A, 0x0C}, L"0C1A"},
      {{0x0C, 0x10}, L"0100C"},
      {{0x12}, L"012"},
      {{0x09, 0x04, 0x01, 0x00}, L"1409"},
      {{0x01, 0x00}, L"0 1"},  // padded on the left to two characters
      {{0xFF, 0xFF, 0xFF, 0xFF}, L"FFFFFFFF"},
      {std::vector<unsigned char>(256, 0x41), L"41414141"},  // a full 256-byte read
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "expected " << c.expected);
    FakeRegistry registry;
    registry.SetValue(RegistryRoot::CurrentUser, kAppearance, L"SchemeLangID", c.bytes);
    EXPECT_EQ(i18n::GetSchemeLanguageCode(registry), c.expected);
  }
}

TEST(SchemeLanguageCode, MissingValueOrKeyGivesZeroBlankZero) {
  FakeRegistry registry;
  EXPECT_EQ(i18n::GetSchemeLanguageCode(registry), L"0 0");
  registry.AddKey(RegistryRoot::CurrentUser, kAppearance);
  EXPECT_EQ(i18n::GetSchemeLanguageCode(registry), L"0 0");
  registry.SetValue(RegistryRoot::CurrentUser, kAppearance, L"SchemeLangID", FakeRegistry::Bytes(300, 0x11));
  EXPECT_EQ(i18n::GetSchemeLanguageCode(registry), L"0 0");  // too long: the buffer stays zero
}

TEST(LanguageDecision, CommandLineAndMajorVersion) {
  const struct {
    unsigned long major;
    const wchar_t* commandLine;
    const wchar_t* expected;
    bool readsRegistry;
  } cases[] = {
      {5, L"0412", L"0412", false},
      {6, L"0419", L"0419", false},
      {6, L"040c", L"040c", false},            // not upper-cased
      {6, L"0409 ", L"0409 ", false},          // stored with its blank
      {5, L"  0412", L"  0412", false},        // the untrimmed text is stored
      {6, L"/restart", L"/restart", false},    // any non-blank text counts as a code
      {5, L" \t\r\n", L"0000", true},          // blanks only: the registry decides
      {6, L"", L"0804", true},
      {5, L"", L"0000", true},
      {4, L"0412", L"", false},                // other majors: nothing, command line ignored
      {10, L"0412", L"", false},
      {10, L"", L"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "major " << c.major << " command line [" << c.commandLine << "]");
    FakeRegistry registry;
    registry.SetText(RegistryRoot::CurrentUser, kDesktop, L"MultiUILanguageId", L"00000000");
    registry.SetValue(RegistryRoot::CurrentUser, kAppearance, L"SchemeLangID", {0x04, 0x08});
    EXPECT_EQ(i18n::DecideLanguageCode(c.major, c.commandLine, registry), c.expected);
    EXPECT_EQ(registry.opens > 0, c.readsRegistry);
  }
}

TEST(LanguageDecision, CommandLineOfAnyLengthIsStoredWhole) {
  FakeRegistry registry;
  std::wstring huge(100000, L'x');
  huge[50000] = L'\x00E9';
  EXPECT_EQ(i18n::DecideLanguageCode(6, huge, registry), huge);
}

}  // namespace
