#include "i18n/language_code.h"

#include <cwchar>
#include <cwctype>

namespace i18n {
namespace {

// 256 UTF-16 units, of which a read may fill at most the first 256 bytes: the second half
// stays zero, so a text taken from the buffer is always terminated.
constexpr size_t kBufferUnits = 256;
constexpr unsigned long kReadBytes = 256;

struct ValueBuffer {
  wchar_t units[kBufferUnits] = {};
  unsigned char* bytes() { return reinterpret_cast<unsigned char*>(units); }
  std::wstring Text() const { return std::wstring(units); }
};

std::wstring Right(const std::wstring& text, size_t count) {
  return text.size() <= count ? text : text.substr(text.size() - count);
}

std::wstring UpperCase(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
  return text;
}

}  // namespace

std::wstring TrimLeft(const std::wstring& text) {
  size_t first = 0;
  while (first < text.size() && std::iswspace(text[first])) ++first;
  return text.substr(first);
}

std::wstring GetMuiLanguageCode(RegistryReader& registry) {
  ValueBuffer buffer;
  std::wstring code;
  auto desktop = registry.Open(RegistryRoot::CurrentUser, L"Control Panel\\Desktop");
  if (!desktop) return code;  // the machine-wide value is not consulted then
  if (desktop->Query(L"MultiUILanguageId", buffer.bytes(), kReadBytes)) {
    code = Right(buffer.Text(), 4);
  } else if (auto language =
                 registry.Open(RegistryRoot::LocalMachine, L"SYSTEM\\CurrentControlSet\\Control\\Nls\\Language")) {
    language->Query(L"InstallLanguage", buffer.bytes(), kReadBytes);
    code = buffer.Text();
  }
  return UpperCase(code);
}

std::wstring GetSchemeLanguageCode(RegistryReader& registry) {
  ValueBuffer buffer;
  if (auto appearance = registry.Open(RegistryRoot::CurrentUser, L"Control Panel\\Appearance"))
    appearance->Query(L"SchemeLangID", buffer.bytes(), kReadBytes);
  const unsigned char* b = buffer.bytes();
  unsigned low = b[0] | (b[1] << 8);
  unsigned high = b[2] | (b[3] << 8);
  wchar_t text[16];
  std::swprintf(text, sizeof text / sizeof text[0], L"%1X%2X", high, low);
  return text;
}

std::wstring DecideLanguageCode(unsigned long majorVersion, const std::wstring& commandLine,
                                RegistryReader& registry) {
  if (majorVersion != 5 && majorVersion != 6) return {};
  if (!TrimLeft(commandLine).empty()) return commandLine;
  return majorVersion == 5 ? GetMuiLanguageCode(registry) : GetSchemeLanguageCode(registry);
}

}  // namespace i18n
