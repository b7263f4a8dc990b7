// Invocation errors and the --counts mode.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "service_process.h"

namespace {

using testsupport::runService;
using testsupport::TempDataDir;

TEST(CommandLine, BadInvocationsFailWithAMessage)
{
    TempDataDir data;
    const std::string dir = data.path().string();
    const std::string missing = dir + "/does-not-exist";
    struct Case {
        std::vector<std::string> args;
        const char* mentions;
    } cases[] = {
        {{}, "--data"},
        {{"--listen", "127.0.0.1:0"}, "--data"},
        {{"--data", dir}, "--listen"},
        {{"--data", dir, "--counts", "--listen", "127.0.0.1:0"}, "exactly one"},
        {{"--data", dir, "--listen"}, "needs a value"},
        {{"--data", dir, "--listen", "127.0.0.1"}, "HOST:PORT"},
        {{"--data", dir, "--listen", "127.0.0.1:"}, "HOST:PORT"},
        {{"--data", dir, "--listen", "127.0.0.1:65536"}, "bad port"},
        {{"--data", dir, "--listen", "127.0.0.1:http"}, "bad port"},
        {{"--data", dir, "--verbose", "--counts"}, "unknown argument: --verbose"},
        {{"--data", missing, "--listen", "127.0.0.1:0"}, "does not exist"},
        {{"--data", missing, "--counts"}, "does not exist"},
        {{"--data", dir, "--listen", "203.0.113.1:0"}, "cannot listen"},  // not an address of this machine
    };
    for (const Case& c : cases) {
        std::string joined;
        for (const auto& a : c.args)
            joined += a + " ";
        auto run = runService(c.args);
        EXPECT_GT(run.exitCode, 0) << joined;
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << joined << "\n" << run.err;
        EXPECT_EQ(run.out, "") << joined;
    }
}

TEST(CommandLine, PortInUseFails)
{
    int sock = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ASSERT_EQ(::listen(sock, 1), 0);
    ASSERT_EQ(::getsockname(sock, reinterpret_cast<sockaddr*>(&addr), &len), 0);
    const std::string port = std::to_string(ntohs(addr.sin_port));

    TempDataDir data;
    auto run = runService({"--listen", "127.0.0.1:" + port, "--data", data.path().string()});
    ::close(sock);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cannot listen on 127.0.0.1:" + port), std::string::npos) << run.err;
}

TEST(CommandLine, CountsOfAFolderWithoutDatabaseAreEmpty)
{
    TempDataDir data;
    auto run = runService({"--data", data.path().string(), "--counts"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(data.path() / "counts.db"));
}

}  // namespace
