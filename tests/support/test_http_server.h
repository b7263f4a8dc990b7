// A loopback HTTP server on a thread of the test process. It reads each request head, records
// it, and then does whatever the test's handler says: answer, answer badly, or say nothing.
// Connections are served one at a time, in arrival order.
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TestHttpServer {
 public:
  // One accepted connection, open while the handler runs; closed afterwards.
  class Connection {
   public:
    Connection(SOCKET socket, const std::atomic<bool>& stopping) : socket_(socket), stopping_(stopping) {}
    // False when the client has gone.
    bool Send(const std::string& bytes) { return SendRaw(bytes.data(), bytes.size()); }
    bool SendRepeated(char byte, std::uint64_t count) {
      const std::string block(64 * 1024, byte);
      while (count > 0) {
        const size_t now = static_cast<size_t>(std::min<std::uint64_t>(count, block.size()));
        if (!SendRaw(block.data(), now)) return false;
        count -= now;
      }
      return true;
    }
    // Says nothing until the client gives up or the server stops.
    void Hold() {
      char scratch[256];
      while (!stopping_) {
        if (!WaitReadable(socket_, 50)) continue;
        if (recv(socket_, scratch, sizeof scratch, 0) <= 0) return;
      }
    }

   private:
    bool SendRaw(const char* data, size_t size) {
      while (size > 0) {
        const int sent = send(socket_, data, static_cast<int>(std::min<size_t>(size, 1 << 20)), 0);
        if (sent <= 0) return false;
        data += sent;
        size -= static_cast<size_t>(sent);
      }
      return true;
    }
    SOCKET socket_;
    const std::atomic<bool>& stopping_;
  };

  using Handler = std::function<void(Connection&)>;

  TestHttpServer() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = Loopback(0);
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 16);
    int size = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  TestHttpServer(const TestHttpServer&) = delete;
  TestHttpServer& operator=(const TestHttpServer&) = delete;
  ~TestHttpServer() {
    stopping_ = true;
    thread_.join();
    closesocket(listener_);
    WSACleanup();
  }

  unsigned short Port() const { return port_; }
  // As the program's host setting takes it.
  std::wstring Host() const { return L"127.0.0.1:" + std::to_wstring(port_); }

  void SetHandler(Handler handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    handler_ = std::move(handler);
  }
  // Every connection gets exactly these bytes and is then closed.
  void Reply(std::string bytes) {
    SetHandler([bytes = std::move(bytes)](Connection& c) { c.Send(bytes); });
  }
  // The request heads received so far (request line and headers, up to the blank line).
  std::vector<std::string> Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
  }

  // "HTTP/1.1 <status>" with the given header lines (each ending in CRLF) and body.
  static std::string Response(const std::string& status, const std::string& headers, const std::string& body) {
    return "HTTP/1.1 " + status + "\r\n" + headers + "\r\n" + body;
  }
  static std::string Ok(const std::string& body) {
    return Response("200 OK", "Content-Length: " + std::to_string(body.size()) + "\r\n", body);
  }

  // A port on which nothing listens: taken from the system and given back at once.
  static unsigned short UnusedPort() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = Loopback(0);
    bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    int size = sizeof address;
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
    closesocket(s);
    WSACleanup();
    return ntohs(address.sin_port);
  }

 private:
  static sockaddr_in Loopback(unsigned short port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
  }
  static bool WaitReadable(SOCKET s, long milliseconds) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval wait{milliseconds / 1000, (milliseconds % 1000) * 1000};
    return select(0, &set, nullptr, nullptr, &wait) > 0;
  }

  void Serve() {
    while (!stopping_) {
      if (!WaitReadable(listener_, 50)) continue;
      SOCKET client = accept(listener_, nullptr, nullptr);
      if (client == INVALID_SOCKET) continue;
      std::string head;
      if (ReadHead(client, head)) {
        Handler handler;
        {
          std::lock_guard<std::mutex> lock(mutex_);
          requests_.push_back(head);
          handler = handler_;
        }
        Connection connection(client, stopping_);
        if (handler) handler(connection);
      }
      shutdown(client, SD_SEND);
      closesocket(client);
    }
  }

  // Reads up to the blank line that ends the request head; false when the client sends none.
  bool ReadHead(SOCKET client, std::string& head) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    char buffer[1024];
    while (head.find("\r\n\r\n") == std::string::npos) {
      if (stopping_ || std::chrono::steady_clock::now() > deadline) return false;
      if (!WaitReadable(client, 50)) continue;
      const int got = recv(client, buffer, sizeof buffer, 0);
      if (got <= 0) return false;
      head.append(buffer, static_cast<size_t>(got));
    }
    head.resize(head.find("\r\n\r\n") + 2);
    return true;
  }

  SOCKET listener_ = INVALID_SOCKET;
  unsigned short port_ = 0;
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  Handler handler_;
  std::vector<std::string> requests_;
  std::thread thread_;
};
