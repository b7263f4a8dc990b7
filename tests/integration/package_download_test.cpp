// The package download through the URL moniker against a local server: a complete package,
// a missing one, and one that the server cuts short.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "download/ccallback.h"
#include "download/package_download.h"
#include "support/temp_folder.h"
#include "support/test_http_server.h"

namespace {

std::string FileBytes(const wchar_t* name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::wstring PackageUrl(const TestHttpServer& server) {
  return L"http://" + server.Host() + L"/upload/KestavoItem/PKG%201.exe";
}

TEST(PackageDownload, CompletePackageArrivesByteForByte) {
  ScopedTempFolder folder;
  TestHttpServer server;
  std::string body;
  for (int i = 0; i < 300000; ++i) body += static_cast<char>(i * 7 + i / 256);
  server.Reply(TestHttpServer::Ok(body));
  CCallBack callback;
  EXPECT_TRUE(DownloadPackage(PackageUrl(server), L"PKG 1.exe", callback));
  EXPECT_EQ(FileBytes(L"PKG 1.exe"), body);
  EXPECT_EQ(callback.m_ulAnnouncedSize, body.size());
  EXPECT_EQ(callback.m_dwResponseCode, 200u);
  ASSERT_FALSE(server.Requests().empty());
  EXPECT_EQ(server.Requests()[0].rfind("GET /upload/KestavoItem/PKG%201.exe HTTP/1.1\r\n", 0), 0u);
}

TEST(PackageDownload, MissingPackageFails) {
  ScopedTempFolder folder;
  TestHttpServer server;
  server.Reply(TestHttpServer::Response("404 Not Found", "Content-Length: 9\r\n", "not found"));
  CCallBack callback;
  EXPECT_FALSE(DownloadPackage(PackageUrl(server), L"PKG 1.exe", callback));
  EXPECT_EQ(callback.m_dwResponseCode, 404u);
}

TEST(PackageDownload, PackageCutShortFailsWhateverTheTransferSays) {
  ScopedTempFolder folder;
  TestHttpServer server;
  server.SetHandler([](TestHttpServer::Connection& c) {
    c.Send("HTTP/1.1 200 OK\r\nContent-Length: 500000\r\n\r\n");
    c.SendRepeated('x', 200000);  // then the connection closes
  });
  CCallBack callback;
  EXPECT_FALSE(DownloadPackage(PackageUrl(server), L"PKG 1.exe", callback));
}

TEST(PackageDownload, UnreachableServiceFails) {
  ScopedTempFolder folder;
  CCallBack callback;
  const std::wstring url = L"http://127.0.0.1:" + std::to_wstring(TestHttpServer::UnusedPort()) + L"/upload/KestavoItem/P.exe";
  EXPECT_FALSE(DownloadPackage(url, L"P.exe", callback));
}

}  // namespace
