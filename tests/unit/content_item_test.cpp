#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "service/content_item.h"

namespace {

using service::ContentItem;

const wchar_t kUnset[] = L"(unset)";

TEST(ContentLine, ValueIsTheTextBetweenTheTags) {
  const struct {
    const wchar_t* line;
    const wchar_t* id;
    const wchar_t* version;
    const wchar_t* file;
  } cases[] = {
      {L"  <ID>1234</ID>", L"1234", kUnset, kUnset},
      {L"<ID> 1234 </ID>", L" 1234 ", kUnset, kUnset},
      {L"<ID>a&amp;b</ID>", L"a&amp;b", kUnset, kUnset},
      {L"<ID><![CDATA[7]]></ID>", L"<![CDATA[7]]>", kUnset, kUnset},
      {L"<ID></ID>", L"", kUnset, kUnset},
      {L"<ID>1234", L"", kUnset, kUnset},            // no end tag
      {L"</ID><ID>1234</ID>", L"", kUnset, kUnset},  // the first end tag stands before the start
      {L"<ID>1</ID><ID>2</ID>", L"1", kUnset, kUnset},
      {L"<ID>1</ID><Version>2</Version>", L"1", kUnset, kUnset},  // one element per line, ID first
      {L"<id>1234</id>", kUnset, kUnset, kUnset},
      {L"<ID >1234</ID>", kUnset, kUnset, kUnset},
      {L"<ID a=\"1\">1234</ID>", kUnset, kUnset, kUnset},
      {L"<ItemID>5</ItemID>", kUnset, kUnset, kUnset},
      {L"<Version>05QX</Version>", kUnset, L"05QX", kUnset},
      {L"<Version>05QX</Version><FilePathName>X.exe</FilePathName>", kUnset, L"05QX", kUnset},
      {L"<Version>05QX", kUnset, L"", kUnset},
      {L"<FilePathName>ITEM05QX.exe</FilePathName>", kUnset, kUnset, L"ITEM05QX.exe"},
      {L"<FilePathName>a</FilePathName></FilePathName>", kUnset, kUnset, L"a"},
      {L"<FilePathName>", kUnset, kUnset, L""},
      {L"", kUnset, kUnset, kUnset},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "line '" << c.line << "'");
    ContentItem item{kUnset, kUnset, kUnset};
    service::ParseContentLine(item, c.line);
    EXPECT_EQ(item.itemId, c.id);
    EXPECT_EQ(item.latestVersion, c.version);
    EXPECT_EQ(item.filePathName, c.file);
  }
}

TEST(ContentLine, LinesAreCutAsATextModeReadCutsThem) {
  const struct {
    std::string bytes;
    std::vector<std::wstring> lines;
  } cases[] = {
      {"", {}},
      {"\n", {L""}},
      {"a", {L"a"}},
      {"a\nb", {L"a", L"b"}},
      {"a\nb\n", {L"a", L"b"}},
      {"a\r\nb\r\n", {L"a", L"b"}},
      {"a\r\r\n", {L"a\r"}},  // one carriage return goes with the line feed
      {"a\rb\n", {L"a\rb"}},
      {"a\r", {L"a\r"}},
      {"\n\n", {L"", L""}},
      {std::string("\0\x80\xff\n", 4), {std::wstring(L"\0\x80\xff", 3)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "bytes of size " << c.bytes.size() << ": " << c.bytes);
    // Whole, and then byte by byte so every split between two reads is crossed.
    for (size_t piece : {c.bytes.size(), size_t{1}}) {
      std::vector<std::wstring> lines;
      service::ContentLineSplitter splitter([&](const std::wstring& line) { lines.push_back(line); });
      for (size_t at = 0; at < c.bytes.size(); at += piece) splitter.Feed(c.bytes.data() + at, std::min(piece, c.bytes.size() - at));
      splitter.Finish();
      EXPECT_EQ(lines, c.lines);
    }
  }
}

TEST(PackageName, OnlyPlainNamesStayInTheFolder) {
  const struct {
    std::wstring name;
    bool plain;
  } cases[] = {
      {L"ITEM05QX.exe", true},
      {L"a", true},
      {L".hidden", true},
      {L"a..b.exe", true},
      {L"name with blanks.exe", true},
      {L"\u00e9t\u00e9.exe", true},
      {L"", false},
      {L".", false},
      {L"..", false},
      {L"...", false},
      {L".. ", false},
      {L" ", false},
      {L"..\\x.exe", false},
      {L"../x.exe", false},
      {L"dir/x.exe", false},
      {L"C:x.exe", false},
      {L"x.exe:stream", false},
      {L"\\\\?\\C:\\x.exe", false},
      {std::wstring(L"..\0x", 4), false},
      {L"x\t.exe", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "name '" << c.name << "'");
    EXPECT_EQ(service::IsPlainFileName(c.name), c.plain);
  }
}

TEST(UpdateDecision, NeedsEveryValueAndAPlainName) {
  EXPECT_EQ(service::UpdateDecision({L"1234", L"05QX", L"ITEM05QX.exe"}), 1);
  EXPECT_EQ(service::UpdateDecision({L"", L"05QX", L"ITEM05QX.exe"}), 0);
  EXPECT_EQ(service::UpdateDecision({L"1234", L"", L"ITEM05QX.exe"}), 0);
  EXPECT_EQ(service::UpdateDecision({L"1234", L"05QX", L""}), 0);
  EXPECT_EQ(service::UpdateDecision({L"1234", L"05QX", L"..\\ITEM05QX.exe"}), 0);
  EXPECT_EQ(service::UpdateDecision({L" ", L" ", L"x"}), 1);  // blanks are values
}

}  // namespace
