#include <gtest/gtest.h>

#include <string>

#include "app/app_folder.h"

namespace {

TEST(AppFolder, CutsAfterTheLastBackslash) {
  const struct {
    std::wstring path;
    const wchar_t* folder;
  } cases[] = {
      {L"C:\\Program Files\\Tavrine\\kestavo.exe", L"C:\\Program Files\\Tavrine\\"},
      {L"C:\\kestavo.exe", L"C:\\"},
      {L"\\\\server\\share\\kestavo.exe", L"\\\\server\\share\\"},
      {L"kestavo.exe", L""},
      {L"", L""},
      {L"C:\\dir\\", L"C:\\dir\\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "path " << c.path);
    wchar_t buffer[260] = {};
    c.path.copy(buffer, c.path.size());
    EXPECT_EQ(app::FolderOfModulePath(buffer, 260), c.folder);
  }
}

TEST(AppFolder, PathThatFillsTheBufferIsCutToWhatFits) {
  // 260 units and no terminator: the text is the whole buffer, and nothing beyond it is read.
  wchar_t buffer[261];
  std::wstring path = L"C:\\" + std::wstring(251, L'a') + L"\\bcdef";  // 260 units
  ASSERT_EQ(path.size(), 260u);
  path.copy(buffer, 260);
  buffer[260] = L'\\';  // just past the buffer: must not count
  EXPECT_EQ(app::FolderOfModulePath(buffer, 260), path.substr(0, 255));
}

}  // namespace
