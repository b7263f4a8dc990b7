// Packages from the upload folder: exact bytes, streaming, and nothing from outside.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <random>

#include "service_process.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ServiceProcess;
using testsupport::TempDataDir;

std::string randomBytes(size_t size, unsigned seed)
{
    std::mt19937 gen(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(gen());
    return bytes;
}

// Peak resident memory of a process, in kB, from /proc.
long peakResidentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 20, '\n');
    }
    return -1;
}

TEST(Package, ServedByteForByteWithContentLength)
{
    TempDataDir data;
    // Sizes around the service's 1 MiB read size, and the empty package.
    const size_t sizes[] = {0, 1, (1u << 20) - 1, 1u << 20, (1u << 20) + 1, 5 * (1u << 20) + 123};
    for (size_t i = 0; i < std::size(sizes); ++i)
        data.writeFile("upload/KestavoItem/P" + std::to_string(i) + ".exe", randomBytes(sizes[i], static_cast<unsigned>(i)));
    data.writeFile("upload/KestavoItem/ITEM 05QX.exe", "blank in the name");
    ServiceProcess svc(data.path());
    auto cli = svc.client();

    for (size_t i = 0; i < std::size(sizes); ++i) {
        SCOPED_TRACE("size " + std::to_string(sizes[i]));
        auto res = cli.Get("/upload/KestavoItem/P" + std::to_string(i) + ".exe");
        ASSERT_TRUE(res);
        EXPECT_EQ(res->status, 200);
        EXPECT_EQ(res->get_header_value("Content-Length"), std::to_string(sizes[i]));
        EXPECT_TRUE(res->body == randomBytes(sizes[i], static_cast<unsigned>(i)));
    }
    // Ranges are not offered; a Range header still gets the whole package.
    const std::string last = "/upload/KestavoItem/P" + std::to_string(std::size(sizes) - 1) + ".exe";
    for (const char* range : {"bytes=100-199", "bytes=100-999999999999", "bytes=999999999999-", "bytes=-50"}) {
        auto res = cli.Get(last, {{"Range", range}});
        ASSERT_TRUE(res) << range;
        EXPECT_EQ(res->status, 200) << range;
        EXPECT_EQ(res->get_header_value("Content-Length"), std::to_string(sizes[std::size(sizes) - 1])) << range;
        EXPECT_EQ(res->body.size(), sizes[std::size(sizes) - 1]) << range;
    }

    auto spaced = cli.Get("/upload/KestavoItem/ITEM%2005QX.exe");
    ASSERT_TRUE(spaced);
    EXPECT_EQ(spaced->status, 200);
    EXPECT_EQ(spaced->body, "blank in the name");
}

TEST(Package, LargePackageIsStreamedInBoundedMemory)
{
    TempDataDir data;
    const size_t size = 256u << 20;
    {
        // Sparse, so the test costs no disk; a marker at each end proves the offsets.
        std::ofstream out(data.uploadDir() / "BIG.exe", std::ios::binary);
        out << "HEAD";
        out.seekp(static_cast<std::streamoff>(size - 4));
        out << "TAIL";
    }
    ServiceProcess svc(data.path());
    long before = peakResidentKb(svc.pid());

    size_t received = 0;
    std::string head, tail;
    auto started = std::chrono::steady_clock::now();
    auto res = svc.client().Get("/upload/KestavoItem/BIG.exe", [&](const char* p, size_t n) {
        if (head.size() < 4)
            head.append(p, std::min<size_t>(n, 4 - head.size()));
        tail.append(p, n);
        if (tail.size() > 4)
            tail.erase(0, tail.size() - 4);
        received += n;
        return true;
    });
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(res->get_header_value("Content-Length"), std::to_string(size));
    EXPECT_EQ(received, size);
    EXPECT_EQ(head, "HEAD");
    EXPECT_EQ(tail, "TAIL");

    long after = peakResidentKb(svc.pid());
    ASSERT_GT(before, 0);
    // The whole package in memory would add 256 MB; streaming adds about one read buffer.
    EXPECT_LT(after - before, 32 * 1024) << "peak RSS grew from " << before << " kB to " << after << " kB";
    std::cout << "[ figures  ] 256 MiB in " << seconds << " s (" << (256 / seconds) << " MiB/s), peak RSS " << before
              << " -> " << after << " kB\n";
}

TEST(Package, NamesReachingOutsideTheFolderAreRefused)
{
    TempDataDir data;
    const std::string secret = "SECRET-OUTSIDE";
    data.writeFile("secret", secret);
    data.writeFile("upload/secret", secret);
    data.writeFile("upload/KestavoItem/ok.bin", "inside");
    fs::create_directory(data.uploadDir() / "sub");
    data.writeFile("upload/KestavoItem/sub/inner.bin", "inside too");
    fs::create_symlink(data.path() / "secret", data.uploadDir() / "link-out");
    fs::create_symlink("../secret", data.uploadDir() / "relative-link-out");
    fs::create_symlink(data.path() / "upload", data.uploadDir() / "dir-link-out");
    fs::create_symlink("ok.bin", data.uploadDir() / "link-in");
    ServiceProcess svc(data.path());

    const std::string prefix = "/upload/KestavoItem/";
    ASSERT_EQ(testsupport::statusOf(testsupport::rawGet(svc.port(), prefix + "ok.bin")), 200);
    ASSERT_EQ(testsupport::statusOf(testsupport::rawGet(svc.port(), prefix + "link-in")), 200);

    const std::string refused[] = {
        "..%2f..%2fsecret",
        "..%2F..%2Fsecret",
        "..%2fsecret",
        "%2e%2e/secret",
        "%2e%2e%2fsecret",
        "%2E%2E%2F%2E%2E%2Fsecret",
        "../secret",
        "../../secret",
        "..\\secret",
        "..%5csecret",
        "..%5Csecret",
        "%5csecret",
        "..%252fsecret",  // encoded twice
        "%u002e%u002e%u002fsecret",
        "/" + data.path().string() + "/secret",  // absolute path after the prefix
        "%2f" + data.path().string().substr(1) + "/secret",
        "ok.bin%00.txt",
        "%00",
        "..",
        ".",
        "%2e",
        "%2e%2e",
        "sub",
        "sub/inner.bin",
        "sub%2finner.bin",
        "link-out",
        "relative-link-out",
        "dir-link-out%2fsecret",
        "missing.exe",
    };
    for (const std::string& name : refused) {
        std::string reply = testsupport::rawGet(svc.port(), prefix + name);
        EXPECT_EQ(testsupport::statusOf(reply), 404) << name;
        EXPECT_EQ(reply.find(secret), std::string::npos) << name;
        EXPECT_EQ(reply.find("inside"), std::string::npos) << name;
    }
    // An encoded prefix is not the upload folder, even though it decodes to it.
    EXPECT_EQ(testsupport::statusOf(testsupport::rawGet(svc.port(), "/upload/%4bestavoItem/ok.bin")), 404);

    // A raw NUL on the request line never reaches the file system.
    std::string nul = "GET " + prefix + "ok.bin";
    nul += '\0';
    nul += ".txt HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
    std::string reply = testsupport::rawExchange(svc.port(), nul);
    EXPECT_NE(testsupport::statusOf(reply), 200) << reply;
    EXPECT_EQ(reply.find("inside"), std::string::npos);
}

}  // namespace
