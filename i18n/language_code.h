// How the UI language code is decided: a command-line code wins, otherwise the registry is
// read by the method of the Windows major version. Pure rules over a registry reader, so
// every case can be fed without Windows.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace i18n {

enum class RegistryRoot { CurrentUser, LocalMachine };

// One registry key opened for reading; closed when the object is destroyed.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // Copies the value's data to the start of `buffer` (at most `size` bytes); false when the
  // value is missing or does not fit. A missing value leaves the buffer untouched.
  virtual bool Query(const wchar_t* name, unsigned char* buffer, unsigned long size) = 0;
};

class RegistryReader {
 public:
  virtual ~RegistryReader() = default;
  // Null when the key cannot be opened.
  virtual std::unique_ptr<RegistryKey> Open(RegistryRoot root, const wchar_t* subkey) = 0;
};

// Leading white space removed (the C library's wide-character classification).
std::wstring TrimLeft(const std::wstring& text);

// Major version 5: "MultiUILanguageId" (its last four characters), else "InstallLanguage".
std::wstring GetMuiLanguageCode(RegistryReader& registry);
// Major version 6: the binary "SchemeLangID" formatted as "%1X%2X" of its high and low words.
std::wstring GetSchemeLanguageCode(RegistryReader& registry);

// The code for a process whose extended version query succeeded with `majorVersion`.
// `commandLine` is stored untrimmed when its trimmed form is not empty. Major versions other
// than 5 and 6 give the empty code without looking at the command line or the registry.
std::wstring DecideLanguageCode(unsigned long majorVersion, const std::wstring& commandLine,
                                RegistryReader& registry);

// Reads the real registry (Windows build only).
std::unique_ptr<RegistryReader> MakeSystemRegistryReader();

}  // namespace i18n
