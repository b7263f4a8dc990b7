// Reading the content file from the current directory: line ends, odd bytes, long lines and the
// message when the file cannot be opened.
#include <gtest/gtest.h>

#include <cstring>

#include "service/content_file.h"
#include "support/temp_folder.h"

namespace {

using service::ContentItem;
using service::kContentFileName;

// Collects the texts that would go into a message box.
struct Messages {
  std::vector<std::wstring> shown;
  service::FileErrorSink Sink() {
    return [this](const std::wstring& text) { shown.push_back(text); };
  }
};

class ContentFile : public testing::Test {
 protected:
  int Read(const std::string& bytes, ContentItem& item) {
    EXPECT_TRUE(WriteBytes(kContentFileName, bytes));
    const int result = service::ReadContentFile(item, messages_.Sink());
    EXPECT_TRUE(messages_.shown.empty());
    return result;
  }
  ScopedTempFolder folder_;
  Messages messages_;
};

TEST_F(ContentFile, TakesTheThreeValuesWhateverTheLineEnds) {
  const std::string lines[] = {
      "<?xml version=\"1.0\"?>", "<Item xmlns=\"urn:x\">", "  <ID>1234</ID>", "  <Version>05QX</Version>",
      "  <FilePathName>ITEM05QX.exe</FilePathName>", "</Item>",
  };
  for (const char* end : {"\n", "\r\n", "\r\r\n"}) {
    SCOPED_TRACE(testing::Message() << "line end of " << std::string(end).size() << " bytes");
    std::string bytes;
    for (const std::string& line : lines) bytes += line + end;
    bytes.resize(bytes.size() - std::string(end).size());  // the last line has no line end
    ContentItem item;
    EXPECT_EQ(Read(bytes, item), 1);
    EXPECT_EQ(item.itemId, L"1234");
    EXPECT_EQ(item.latestVersion, L"05QX");
    EXPECT_EQ(item.filePathName, L"ITEM05QX.exe");
  }
}

TEST_F(ContentFile, DecisionNeedsAllThreeOnLinesOfTheirOwn) {
  const struct {
    const char* name;
    std::string bytes;
    ContentItem expected;
    int result;
  } cases[] = {
      {"empty file", "", {}, 0},
      {"one line for all three", "<ID>1234</ID><Version>05QX</Version><FilePathName>X.exe</FilePathName>\n",
       {L"1234", L"", L""}, 0},
      {"empty element", "<ID></ID>\n<Version>05QX</Version>\n<FilePathName>X.exe</FilePathName>\n",
       {L"", L"05QX", L"X.exe"}, 0},
      {"element over two lines", "<ID>1234</ID>\n<Version>05QX\n</Version>\n<FilePathName>X.exe</FilePathName>\n",
       {L"1234", L"", L"X.exe"}, 0},
      {"last line wins", "<ID>1</ID>\n<ID>2</ID>\n<Version>01AB</Version>\n<Version>02AB</Version>\n<FilePathName>X.exe</FilePathName>",
       {L"2", L"02AB", L"X.exe"}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ContentItem item;
    EXPECT_EQ(Read(c.bytes, item), c.result);
    EXPECT_EQ(item.itemId, c.expected.itemId);
    EXPECT_EQ(item.latestVersion, c.expected.latestVersion);
    EXPECT_EQ(item.filePathName, c.expected.filePathName);
  }
}

TEST_F(ContentFile, MembersNoLineSetsKeepTheirValues) {
  ContentItem item{L"old-id", L"old-version", L"old.exe"};
  EXPECT_EQ(Read("<Version>05QX</Version>\n", item), 1);
  EXPECT_EQ(item.itemId, L"old-id");
  EXPECT_EQ(item.latestVersion, L"05QX");
  EXPECT_EQ(item.filePathName, L"old.exe");

  EXPECT_EQ(Read("", item), 1);
  EXPECT_EQ(item.latestVersion, L"05QX");
}

// The package is written under this name and started with administrator rights: a name that
// leads out of the program's folder is treated as no name.
TEST_F(ContentFile, PackageNameOutsideTheFolderIsNoUpdate) {
  const char* const names[] = {
      "..\\BIOS.exe", "../BIOS.exe", "C:\\Windows\\BIOS.exe", "C:BIOS.exe", "sub\\BIOS.exe", ".", "..", "...", ".. ",
      "\\\\server\\share\\BIOS.exe",
  };
  for (const char* name : names) {
    SCOPED_TRACE(name);
    ContentItem item;
    EXPECT_EQ(Read(std::string("<ID>1</ID>\n<Version>2</Version>\n<FilePathName>") + name + "</FilePathName>\n", item), 0);
    EXPECT_EQ(item.filePathName, std::wstring(name, name + std::strlen(name)));  // read as it stands
  }
  ContentItem item;
  const std::string withNul("..\0x.exe", 8);  // Windows would read the name as ".."
  EXPECT_EQ(Read("<ID>1</ID>\n<Version>2</Version>\n<FilePathName>" + withNul + "</FilePathName>\n", item), 0);
  EXPECT_EQ(item.filePathName, std::wstring(L"..\0x.exe", 8));
}

TEST_F(ContentFile, EveryByteIsOneCharacter) {
  ContentItem item;
  const std::string bytes = "<ID>" + std::string("\0\x01\x7f\x80\xe9\xff", 6) +
                            "</ID>\n<Version>\xc3\xa9\x1a\r9</Version>\n<FilePathName>\xef\xbb\xbfP.exe</FilePathName>\n\x1a\n";
  EXPECT_EQ(Read(bytes, item), 1);
  EXPECT_EQ(item.itemId, std::wstring(L"\0\x01\x7f\x80\xe9\xff", 6));
  EXPECT_EQ(item.latestVersion, std::wstring(L"\xc3\xa9\x1a\r9"));  // no UTF-8 decoding; 0x1A is not an end
  EXPECT_EQ(item.filePathName, L"\xef\xbb\xbfP.exe");
}

TEST_F(ContentFile, LinesOfSeveralMegabytes) {
  const std::string big(6 * 1024 * 1024, 'v');
  ContentItem item;
  EXPECT_EQ(Read(std::string(3 * 1024 * 1024, ' ') + "<ID>7</ID>\n<Version>" + big + "</Version>\r\n<FilePathName>P.exe</FilePathName>", item), 1);
  EXPECT_EQ(item.itemId, L"7");
  EXPECT_EQ(item.latestVersion, std::wstring(big.size(), L'v'));
  EXPECT_EQ(item.filePathName, L"P.exe");
}

TEST(ContentFileMissing, BoxNamesTheFileAndTheCause) {
  ScopedTempFolder folder;
  Messages messages;
  ContentItem item{L"id", L"", L"x.exe"};
  EXPECT_EQ(service::ReadContentFile(item, messages.Sink()), 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  const std::wstring& text = messages.shown[0];
  std::wcout << L"[ message  ] " << text << L"\n";
  EXPECT_EQ(text.find(folder.Path() + L"\\KestavoContent.xml"), 0u);
  wchar_t cause[512] = {};
  FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_FILE_NOT_FOUND, 0, cause, 512,
                 nullptr);
  std::wstring expectedCause = cause;
  while (!expectedCause.empty() && iswspace(expectedCause.back())) expectedCause.pop_back();
  ASSERT_FALSE(expectedCause.empty());
  EXPECT_NE(text.find(expectedCause), std::wstring::npos);
  EXPECT_EQ(item.itemId, L"id");
  EXPECT_EQ(item.filePathName, L"x.exe");
}

}  // namespace
