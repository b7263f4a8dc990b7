// The latest-item query over the real WinINet against a local server that answers as each
// test needs, in a throwaway current directory.
#include "support/test_http_server.h"

#include <gtest/gtest.h>

#include <chrono>

#include "service/content_item.h"
#include "service/content_query.h"
#include "support/temp_folder.h"

namespace {

using service::kContentFileName;

class ContentQuery : public testing::Test {
 protected:
  ScopedTempFolder folder_;
  TestHttpServer server_;
  ScopedEnvironment host_{L"KESTAVO_UPDATE_HOST", server_.Host().c_str()};

  std::string RequestLine(size_t index = 0) const {
    const auto requests = server_.Requests();
    if (index >= requests.size()) return "(no request)";
    return requests[index].substr(0, requests[index].find("\r\n"));
  }
};

TEST_F(ContentQuery, SendsTheRequestAsIsAndStoresTheBody) {
  server_.Reply(TestHttpServer::Ok("<?xml version=\"1.0\"?>\n<Item>\n  <ID>1234</ID>\n</Item>\n"));
  EXPECT_EQ(service::QueryContents(L"BC", service::kPartNumber), 1);

  const auto requests = server_.Requests();
  ASSERT_EQ(requests.size(), 1u);
  std::cout << "[ request  ]\n" << requests[0];
  EXPECT_EQ(RequestLine(), "GET /KestavoWebServiceProc.asmx/GetContents?platformID=BC&PartNumber=AAAA HTTP/1.1");
  EXPECT_NE(requests[0].find("\r\nUser-Agent: My Session\r\n"), std::string::npos);
  EXPECT_EQ(requests[0].find("Referer"), std::string::npos);
  EXPECT_EQ(ReadBytes(kContentFileName),
            std::string("<?xml version=\"1.0\"?>\r\n<Item>\r\n  <ID>1234</ID>\r\n</Item>\r\n"));
}

// The program hands WinINet the identifier as it stands; WinINet itself (Wine's, as seen
// here) sends a blank as %20 and leaves the ampersand alone.
TEST_F(ContentQuery, PlatformIdIsInsertedUnescaped) {
  server_.Reply(TestHttpServer::Ok(""));
  const struct {
    const wchar_t* platformId;
    const char* requestLine;
  } cases[] = {
      {L"", "GET /KestavoWebServiceProc.asmx/GetContents?platformID=&PartNumber=AAAA HTTP/1.1"},
      {L"B&C", "GET /KestavoWebServiceProc.asmx/GetContents?platformID=B&C&PartNumber=AAAA HTTP/1.1"},
      {L"X ", "GET /KestavoWebServiceProc.asmx/GetContents?platformID=X%20&PartNumber=AAAA HTTP/1.1"},
      {L"A B&C", "GET /KestavoWebServiceProc.asmx/GetContents?platformID=A%20B&C&PartNumber=AAAA HTTP/1.1"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(testing::Message() << "platform id '" << cases[i].platformId << "'");
    EXPECT_EQ(service::QueryContents(cases[i].platformId, service::kPartNumber), 1);
    std::cout << "[ request  ] " << RequestLine(i) << "\n";
    EXPECT_EQ(RequestLine(i), cases[i].requestLine);
  }
}

TEST_F(ContentQuery, OtherStatusesLeaveTheContentFileAlone) {
  const char* const statuses[] = {
      "404 Not Found", "500 Internal Server Error", "201 Created", "204 No Content", "304 Not Modified",
  };
  for (const char* status : statuses) {
    SCOPED_TRACE(status);
    DeleteFileW(kContentFileName);
    server_.Reply(TestHttpServer::Response(status, "Content-Length: 13\r\n", "<ID>9</ID>\r\n\r\n"));
    EXPECT_EQ(service::QueryContents(L"BC", service::kPartNumber), 0);
    EXPECT_EQ(ReadBytes(kContentFileName), std::nullopt);

    WriteBytes(kContentFileName, "earlier\r\n");
    EXPECT_EQ(service::QueryContents(L"BC", service::kPartNumber), 0);
    EXPECT_EQ(ReadBytes(kContentFileName), std::string("earlier\r\n"));
  }
}

TEST_F(ContentQuery, RedirectIsNotFollowed) {
  WriteBytes(kContentFileName, "earlier");
  const std::string location = "Location: http://127.0.0.1:" + std::to_string(server_.Port()) + "/elsewhere\r\n";
  server_.Reply(TestHttpServer::Response("302 Found", location + "Content-Length: 0\r\n", ""));
  EXPECT_EQ(service::QueryContents(L"BC", service::kPartNumber), 0);
  Sleep(200);  // a followed redirect would reach the server again by now
  EXPECT_EQ(server_.Requests().size(), 1u);
  EXPECT_EQ(ReadBytes(kContentFileName), std::string("earlier"));
}

TEST_F(ContentQuery, BodyLengthRules) {
  const struct {
    const char* name;
    std::string reply;
    std::string stored;
  } cases[] = {
      {"Content-Length 0 empties the file", TestHttpServer::Response("200 OK", "Content-Length: 0\r\n", ""), ""},
      {"no Content-Length: up to the end of the body",
       TestHttpServer::Response("200 OK", "Connection: close\r\n", "<ID>1</ID>\n<Version>2</Version>"),
       "<ID>1</ID>\r\n<Version>2</Version>"},
      {"announced more than sent: up to the close",
       TestHttpServer::Response("200 OK", "Content-Length: 5000\r\n", "short\n"), "short\r\n"},
      {"announced less than sent: the announced bytes",
       TestHttpServer::Response("200 OK", "Content-Length: 4\r\n", "abcdefgh"), "abcd"},
      {"a Content-Length past any integer",
       TestHttpServer::Response("200 OK", "Content-Length: 99999999999999999999999\r\n", "tiny"), "tiny"},
      {"every byte kept, line feeds doubled with carriage returns",
       TestHttpServer::Ok(std::string("a\r\nb\n\n\0\xff\x1a\rc", 11)), std::string("a\r\r\nb\r\n\r\n\0\xff\x1a\rc", 14)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(kContentFileName, "earlier content");
    server_.Reply(c.reply);
    EXPECT_EQ(service::QueryContents(L"BC", service::kPartNumber), 1);
    EXPECT_EQ(ReadBytes(kContentFileName), c.stored);
  }
}

TEST_F(ContentQuery, LongBodyCrossesManyReads) {
  std::string body;
  for (int i = 0; body.size() < 300000; ++i) body += "<Line>" + std::to_string(i) + "</Line>\n";
  std::string stored;
  for (char c : body) stored += c == '\n' ? std::string("\r\n") : std::string(1, c);
  server_.Reply(TestHttpServer::Ok(body));
  EXPECT_EQ(service::QueryContents(L"BC", service::kPartNumber), 1);
  EXPECT_EQ(ReadBytes(kContentFileName), stored);
}

TEST_F(ContentQuery, BodyWithoutLengthStopsAtTheCap) {
  const std::uint64_t cap = 100000000;
  server_.SetHandler([&](TestHttpServer::Connection& c) {
    c.Send(TestHttpServer::Response("200 OK", "Connection: close\r\n", ""));
    c.SendRepeated('x', cap + 3 * 1024 * 1024);
  });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(service::QueryContents(L"BC", service::kPartNumber), 1);
  std::cout << "[ timing   ] " << cap << " bytes in "
            << std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count()
            << " ms\n";
  WIN32_FILE_ATTRIBUTE_DATA info{};
  ASSERT_TRUE(GetFileAttributesExW(kContentFileName, GetFileExInfoStandard, &info));
  EXPECT_EQ((std::uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow, cap);
}

TEST(ContentQueryFailure, RefusedConnectionFailsWithoutAFile) {
  ScopedTempFolder folder;
  const std::wstring host = L"127.0.0.1:" + std::to_wstring(TestHttpServer::UnusedPort());
  ScopedEnvironment environment(L"KESTAVO_UPDATE_HOST", host.c_str());
  EXPECT_EQ(service::QueryContents(L"BC", service::kPartNumber), 0);
  EXPECT_EQ(ReadBytes(kContentFileName), std::nullopt);
}

// A service that accepts and then says nothing ends in failure once the limit has passed, both
// before the status and in the middle of the body. A read waits for all it asked for, so what
// arrived of an unfinished read is lost; the reads finished before stay in the file.
TEST_F(ContentQuery, SilentServiceTimesOut) {
  const unsigned long limit = 1000;
  const struct {
    const char* name;
    std::string sentFirst;
    int result;
    std::optional<std::string> stored;
  } cases[] = {
      {"nothing at all", "", 0, std::nullopt},
      {"half a body", TestHttpServer::Response("200 OK", "Content-Length: 2048\r\n", std::string(1030, 'z')), 0,
       std::string(1024, 'z')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileW(kContentFileName);
    server_.SetHandler([&](TestHttpServer::Connection& connection) {
      connection.Send(c.sentFirst);
      connection.Hold();
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(service::QueryContents(L"BC", service::kPartNumber, limit), c.result);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    std::cout << "[ timing   ] " << c.name << ": "
              << std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() << " ms\n";
    EXPECT_GE(elapsed, std::chrono::milliseconds(limit - 100));
    EXPECT_LT(elapsed, std::chrono::milliseconds(limit * 5));
    EXPECT_EQ(ReadBytes(kContentFileName), c.stored);
  }
}

TEST_F(ContentQuery, ContentFileThatCannotBeCreatedFails) {
  ASSERT_TRUE(CreateDirectoryW(kContentFileName, nullptr));
  server_.Reply(TestHttpServer::Ok("<ID>1</ID>\n"));
  EXPECT_EQ(service::QueryContents(L"BC", service::kPartNumber), 0);
}

}  // namespace
