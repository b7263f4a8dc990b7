#include <windows.h>

#include <gtest/gtest.h>

#include "service/transfer_rules.h"
#include "service/update_service.h"

namespace {

class HostVariable {
 public:
  explicit HostVariable(const wchar_t* value) { SetEnvironmentVariableW(L"KESTAVO_UPDATE_HOST", value); }
  ~HostVariable() { SetEnvironmentVariableW(L"KESTAVO_UPDATE_HOST", nullptr); }
};

TEST(UpdateHost, EnvironmentWinsOverTheBuildDefault) {
  {
    HostVariable unset(nullptr);
    EXPECT_EQ(service::UpdateHost(), KESTAVO_UPDATE_HOST_DEFAULT);
  }
  {
    HostVariable empty(L"");
    EXPECT_EQ(service::UpdateHost(), KESTAVO_UPDATE_HOST_DEFAULT);
  }
  {
    HostVariable local(L"127.0.0.1:8080");
    EXPECT_EQ(service::UpdateHost(), L"127.0.0.1:8080");
  }
  const std::wstring longName = std::wstring(300, L'h') + L".example";  // past the first buffer
  HostVariable longHost(longName.c_str());
  EXPECT_EQ(service::UpdateHost(), longName);
}

TEST(ServiceUrls, AreBuiltFromTheHostWithValuesAsTheyStand) {
  HostVariable host(L"svc.example:8080");
  EXPECT_EQ(service::ContentsUrl(L"BC", L"AAAA"),
            L"http://svc.example:8080/KestavoWebServiceProc.asmx/GetContents?platformID=BC&PartNumber=AAAA");
  EXPECT_EQ(service::ContentsUrl(L"A B&C", L"AAAA"),
            L"http://svc.example:8080/KestavoWebServiceProc.asmx/GetContents?platformID=A B&C&PartNumber=AAAA");
  EXPECT_EQ(service::UsageCountUrl(L"1234"), L"http://svc.example:8080/KestavoWebServiceProc.asmx/SetKestavoCounts?ItemNo=1234");
  EXPECT_EQ(service::UsageCountUrl(L""), L"http://svc.example:8080/KestavoWebServiceProc.asmx/SetKestavoCounts?ItemNo=");
  EXPECT_EQ(service::PackageUrl(L"ITEM05QX.exe"), L"http://svc.example:8080/upload/KestavoItem/ITEM05QX.exe");
}

TEST(ServiceUrls, SplitIntoServerObjectAndPort) {
  const struct {
    const wchar_t* url;
    const wchar_t* server;  // null: no parts
    const wchar_t* object;
    unsigned short port;
  } cases[] = {
      {L"http://svc.example/KestavoWebServiceProc.asmx/GetContents?platformID=BC&PartNumber=AAAA", L"svc.example",
       L"/KestavoWebServiceProc.asmx/GetContents?platformID=BC&PartNumber=AAAA", 80},
      {L"http://127.0.0.1:8080/a?x=1 2&y", L"127.0.0.1", L"/a?x=1 2&y", 8080},
      {L"HTTP://svc.example:65535/", L"svc.example", L"/", 65535},
      {L"http://svc.example", L"svc.example", L"/", 80},
      {L"http://[::1]:81/a", L"::1", L"/a", 81},
      {L"http://svc.example:1/a:b/c", L"svc.example", L"/a:b/c", 1},
      {L"http://svc.example:/a", nullptr, nullptr, 0},
      {L"http://svc.example:0/a", nullptr, nullptr, 0},
      {L"http://svc.example:65536/a", nullptr, nullptr, 0},
      {L"http://svc.example:8x/a", nullptr, nullptr, 0},
      {L"http://:8080/a", nullptr, nullptr, 0},
      {L"http:///a", nullptr, nullptr, 0},
      {L"ftp://svc.example/a", nullptr, nullptr, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "url " << c.url);
    const auto parts = service::SplitUrl(c.url);
    if (!c.server) {
      EXPECT_EQ(parts.has_value(), false);
      continue;
    }
    ASSERT_TRUE(parts.has_value());
    EXPECT_EQ(parts->server, c.server);
    EXPECT_EQ(parts->object, c.object);
    EXPECT_EQ(parts->port, c.port);
  }
}

TEST(ReplyLength, ReadsTheHeaderAsASignedNumberUpToTheCap) {
  const struct {
    std::optional<std::wstring> header;
    long long length;
  } cases[] = {
      {std::nullopt, 100000000},
      {L"0", 0},
      {L"1234", 1234},
      {L"  \t42", 42},
      {L"+7", 7},
      {L"-5", -5},  // nothing is read
      {L"12abc", 12},
      {L"abc", 0},
      {L"", 0},
      {L"- 5", 0},
      {L"100000000", 100000000},
      {L"100000001", 100000000},
      {L"2147483648", 100000000},
      {L"99999999999999999999999999", 100000000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "Content-Length " << (c.header ? *c.header : L"(none)"));
    EXPECT_EQ(service::ReplyLength(c.header), c.length);
  }
}

std::string Repeat(const std::string& piece, size_t times) {
  std::string text;
  for (size_t i = 0; i < times; ++i) text += piece;
  return text;
}

TEST(StoredBytes, LineFeedsBecomeCarriageReturnAndLineFeed) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"", ""},
      {"abc", "abc"},
      {"\n", "\r\n"},
      {"a\r\nb", "a\r\r\nb"},
      {std::string("\0\n\xff", 3), std::string("\0\r\n\xff", 4)},
      // A full read of line feeds fills the buffer exactly.
      {std::string(service::kReadChunk, '\n'), Repeat("\r\n", service::kReadChunk)},
      {Repeat("x\n", service::kReadChunk / 2), Repeat("x\r\n", service::kReadChunk / 2)},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(testing::Message() << "case " << i);
    char buffer[service::kTransferBuffer] = {};
    std::copy(cases[i].in.begin(), cases[i].in.end(), buffer);
    const size_t count = service::ExpandLineFeeds(buffer, cases[i].in.size());
    EXPECT_EQ(std::string(buffer, count), cases[i].out);
  }
}

}  // namespace
