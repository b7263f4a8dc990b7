// The usage count report over the real WinINet against a local server.
#include "support/test_http_server.h"

#include <gtest/gtest.h>

#include <chrono>

#include "service/usage_count.h"
#include "support/temp_folder.h"

namespace {

std::string RequestLine(const std::string& head) { return head.substr(0, head.find("\r\n")); }

TEST(UsageCount, SendsOneRequestPerCallWhateverTheAnswer) {
  TestHttpServer server;
  ScopedEnvironment host(L"KESTAVO_UPDATE_HOST", server.Host().c_str());
  const struct {
    const wchar_t* itemId;
    std::string reply;
    const char* requestLine;
  } cases[] = {
      {L"1234", TestHttpServer::Ok("<int>1</int>"), "GET /KestavoWebServiceProc.asmx/SetKestavoCounts?ItemNo=1234 HTTP/1.1"},
      {L"1234", TestHttpServer::Response("500 Internal Server Error", "Content-Length: 0\r\n", ""),
       "GET /KestavoWebServiceProc.asmx/SetKestavoCounts?ItemNo=1234 HTTP/1.1"},
      {L"", TestHttpServer::Response("404 Not Found", "Content-Length: 0\r\n", ""),
       "GET /KestavoWebServiceProc.asmx/SetKestavoCounts?ItemNo= HTTP/1.1"},
      {L"a&b", TestHttpServer::Response("302 Found", "Location: /x\r\nContent-Length: 0\r\n", ""),
       "GET /KestavoWebServiceProc.asmx/SetKestavoCounts?ItemNo=a&b HTTP/1.1"},
      // The blank goes to WinINet as it stands; WinINet (Wine's, as seen here) sends %20.
      {L"12 34", TestHttpServer::Ok(""), "GET /KestavoWebServiceProc.asmx/SetKestavoCounts?ItemNo=12%2034 HTTP/1.1"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(testing::Message() << "case " << i);
    server.Reply(cases[i].reply);
    EXPECT_EQ(service::ReportUsageCount(cases[i].itemId), 0);
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), i + 1);  // one per call, redirects not followed
    EXPECT_EQ(RequestLine(requests[i]), cases[i].requestLine);
    EXPECT_NE(requests[i].find("\r\nUser-Agent: My Session\r\n"), std::string::npos);
  }
}

TEST(UsageCount, UnreachableOrSilentServiceStillReturns) {
  const std::wstring refused = L"127.0.0.1:" + std::to_wstring(TestHttpServer::UnusedPort());
  {
    ScopedEnvironment host(L"KESTAVO_UPDATE_HOST", refused.c_str());
    EXPECT_EQ(service::ReportUsageCount(L"1234"), 0);
  }

  TestHttpServer server;
  server.SetHandler([](TestHttpServer::Connection& c) { c.Hold(); });
  ScopedEnvironment host(L"KESTAVO_UPDATE_HOST", server.Host().c_str());
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(service::ReportUsageCount(L"1234", 1000), 0);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_GE(elapsed, std::chrono::milliseconds(900));
  EXPECT_LT(elapsed, std::chrono::milliseconds(5000));
  EXPECT_EQ(server.Requests().size(), 1u);
}

}  // namespace
