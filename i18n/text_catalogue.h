// The UI text sets: 29 sets for 31 language codes, and the default set for every other code.
#pragma once

#include <string>

namespace i18n {

struct TextSet {
  const wchar_t* description;
  const wchar_t* curVersionLabel;
  const wchar_t* latestVersionLabel;
  const wchar_t* guide;
  const wchar_t* cannotDownload;
  const wchar_t* cannotConnect;
  const wchar_t* tryAgain;
  const wchar_t* updateCaption;
  const wchar_t* downloadCaption;
  const wchar_t* closeCaption;
};

// The set of the first catalogue code equal to `languageCode` (same length, same characters,
// case-sensitive); the default set when none is.
const TextSet& FindTextSet(const std::wstring& languageCode);

}  // namespace i18n
