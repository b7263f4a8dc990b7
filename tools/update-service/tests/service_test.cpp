// The latest-item call, routing and the request log, against the running program.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include "service_process.h"

namespace {

using testsupport::ServiceProcess;
using testsupport::TempDataDir;

const std::string kContents = "/KestavoWebServiceProc.asmx/GetContents";

std::vector<std::string> linesOf(const std::string& body)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < body.size()) {
        size_t nl = body.find('\n', start);
        if (nl == std::string::npos)
            nl = body.size();
        std::string line = body.substr(start, nl - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = nl + 1;
    }
    return lines;
}

// The value of an element that stands alone on its line, as the client reads it;
// "<none>" when no line holds the start tag, "<shared>" when the line holds more.
std::string elementLine(const std::string& body, const std::string& name)
{
    const std::string open = "<" + name + ">", close = "</" + name + ">";
    std::string found = "<none>";
    for (const std::string& line : linesOf(body)) {
        size_t at = line.find(open);
        if (at == std::string::npos)
            continue;
        size_t end = line.find(close);
        if (end == std::string::npos || line.find_first_not_of(' ') != at || end + close.size() != line.size())
            return "<shared>";
        found = line.substr(at + open.size(), end - at - open.size());
    }
    return found;
}

struct Contents {
    int status = -1;
    std::string contentType;
    std::string body;
};

Contents getContents(ServiceProcess& svc, const std::string& platform)
{
    auto res = svc.client().Get(kContents + "?platformID=" + platform + "&PartNumber=AAAA");
    Contents c;
    if (res) {
        c.status = res->status;
        c.contentType = res->get_header_value("Content-Type");
        c.body = res->body;
    }
    return c;
}

TEST(LatestItem, OwnRowWildcardRowAndValuesAsTheyStand)
{
    TempDataDir data;
    data.writeCatalogue(
        "# platformID\tID\tVersion\tFilePathName\n"
        "*\t9000\t99ZZ\tANY99ZZ.exe\n"
        "BC\t1234\t05QX\tITEM05QX.exe\n"
        "AM\ta&amp;b\t <v> \tA B.exe\n");
    ServiceProcess svc(data.path());

    struct Case {
        std::string platform, id, version, file;
    } cases[] = {
        {"BC", "1234", "05QX", "ITEM05QX.exe"},
        {"QQ", "9000", "99ZZ", "ANY99ZZ.exe"},
        {"", "9000", "99ZZ", "ANY99ZZ.exe"},
        {"AM", "a&amp;b", " <v> ", "A B.exe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("platform '" + c.platform + "'");
        Contents got = getContents(svc, c.platform);
        EXPECT_EQ(got.status, 200);
        EXPECT_EQ(got.contentType, "text/xml");
        EXPECT_EQ(got.body.rfind("<?xml ", 0), 0u) << got.body;
        EXPECT_EQ(elementLine(got.body, "ID"), c.id);
        EXPECT_EQ(elementLine(got.body, "Version"), c.version);
        EXPECT_EQ(elementLine(got.body, "FilePathName"), c.file);
    }
}

TEST(LatestItem, PlatformWithoutRowGetsDocumentWithoutItem)
{
    TempDataDir data;
    data.writeCatalogue("BC\t1234\t05QX\tITEM05QX.exe\n");
    ServiceProcess svc(data.path());

    Contents got = getContents(svc, "QQ");
    EXPECT_EQ(got.status, 200);
    EXPECT_EQ(got.contentType, "text/xml");
    EXPECT_EQ(got.body.rfind("<?xml ", 0), 0u) << got.body;
    EXPECT_NE(got.body.find("<KestavoContents"), std::string::npos) << got.body;
    for (const char* name : {"ID", "Version", "FilePathName"})
        EXPECT_EQ(elementLine(got.body, name), "<none>") << name;
}

TEST(LatestItem, CatalogueEditsAreSeenWhileRunning)
{
    TempDataDir data;
    data.writeCatalogue("BC\t1\t01AA\tA.exe\n");
    ServiceProcess svc(data.path());
    EXPECT_EQ(elementLine(getContents(svc, "BC").body, "Version"), "01AA");

    data.writeCatalogue("BC\t2\t02BB\tB.exe\n");
    EXPECT_EQ(elementLine(getContents(svc, "BC").body, "Version"), "02BB");

    // A broken catalogue is reported, not answered with a stale or empty item.
    data.writeCatalogue("BC\t3\t03CC\n");
    Contents broken = getContents(svc, "BC");
    EXPECT_EQ(broken.status, 500);
    EXPECT_NE(broken.body.find("line 1"), std::string::npos) << broken.body;

    std::filesystem::remove(data.path() / "catalogue.tsv");
    EXPECT_EQ(getContents(svc, "BC").status, 500);

    data.writeCatalogue("*\t4\t04DD\tD.exe\n");
    EXPECT_EQ(elementLine(getContents(svc, "BC").body, "Version"), "04DD");
}

TEST(Routing, AnswersOnlyTheThreeCalls)
{
    TempDataDir data;
    data.writeCatalogue("*\t1\t01AA\tA.exe\n");
    data.writeFile("upload/KestavoItem/A.exe", "package");
    ServiceProcess svc(data.path());
    auto cli = svc.client();

    const char* missing[] = {
        "/",
        "/KestavoWebServiceProc.asmx",
        "/KestavoWebServiceProc.asmx/GetContents/extra?platformID=BC",
        "/KestavoWebServiceProc.asmx/GetLatest?platformID=BC",
        "/upload/KestavoItem",
        "/upload/KestavoItem/",
        "/upload/A.exe",
        "/A.exe",
    };
    for (const char* target : missing) {
        auto res = cli.Get(target);
        ASSERT_TRUE(res) << target;
        EXPECT_EQ(res->status, 404) << target;
    }
    auto post = cli.Post(kContents + "?platformID=BC&PartNumber=AAAA", "", "text/plain");
    ASSERT_TRUE(post);
    EXPECT_EQ(post->status, 404);

    auto head = cli.Head("/upload/KestavoItem/A.exe");
    ASSERT_TRUE(head);
    EXPECT_EQ(head->status, 200);
    EXPECT_EQ(head->get_header_value("Content-Length"), "7");
}

TEST(RequestLog, OneLinePerRequestWithTheRawTarget)
{
    TempDataDir data;
    data.writeCatalogue("*\t1\t01AA\tA.exe\n");
    data.writeFile("upload/KestavoItem/A B.exe", "0123456789");
    ServiceProcess svc(data.path());
    auto cli = svc.client();

    const std::string contents = kContents + "?platformID=B%20C&PartNumber=AAAA";
    const std::string counts = "/KestavoWebServiceProc.asmx/SetKestavoCounts?ItemNo=12&34";
    const std::string package = "/upload/KestavoItem/A%20B.exe";
    const std::string nothing = "/nothing/%2e%2e?x=%41";

    auto first = cli.Get(contents);
    ASSERT_TRUE(first);
    ASSERT_TRUE(cli.Get(counts));
    ASSERT_TRUE(cli.Get(package));
    ASSERT_TRUE(cli.Get(nothing));
    ASSERT_TRUE(cli.Head(package));

    const std::string last = "HEAD 200 0 " + package;
    ASSERT_EQ(svc.waitForLogLine([&](const std::string& l) { return l == last; }), last);
    std::vector<std::string> expected = {
        "GET 200 " + std::to_string(first->body.size()) + " " + contents,
        "GET 200 3 " + counts,  // "OK\n"
        "GET 200 10 " + package,
        "GET 404 0 " + nothing,
        last,
    };
    EXPECT_EQ(svc.logLines(), expected);
}

TEST(RequestLog, BrokenDownloadIsLoggedOnceWithTheBytesSent)
{
    TempDataDir data;
    const size_t size = 64u << 20;
    std::filesystem::resize_file((data.writeFile("upload/KestavoItem/BIG.exe", ""), data.uploadDir() / "BIG.exe"), size);
    ServiceProcess svc(data.path());

    auto res = svc.client().Get("/upload/KestavoItem/BIG.exe", [](const char*, size_t) { return false; });
    EXPECT_FALSE(res);

    const std::string suffix = " /upload/KestavoItem/BIG.exe";
    std::string line = svc.waitForLogLine([&](const std::string& l) { return l.find(suffix) != std::string::npos; });
    ASSERT_EQ(line.rfind("GET 200 ", 0), 0u) << line;
    unsigned long long sent = std::stoull(line.substr(8));
    EXPECT_LT(sent, size) << line;
    // Give a late second line the chance to appear.
    ASSERT_TRUE(svc.client().Get("/"));
    svc.waitForLogLine([](const std::string& l) { return l == "GET 404 0 /"; });
    EXPECT_EQ(svc.logLines().size(), 2u);
}

TEST(RequestLog, RequestLineTheLibraryCannotParseIsStillLogged)
{
    TempDataDir data;
    data.writeCatalogue("*\t1\t01AA\tA.exe\n");
    ServiceProcess svc(data.path());

    // A blank inside the target splits the request line; the answer is 400, and the
    // log shows what was parsed, so a client that failed to escape is visible.
    std::string reply = testsupport::rawGet(svc.port(), kContents + "?platformID=B C&PartNumber=AAAA");
    EXPECT_EQ(testsupport::statusOf(reply), 400) << reply;
    std::string line = svc.waitForLogLine([](const std::string& l) { return l.find(" 400 ") != std::string::npos; });
    EXPECT_EQ(line, "GET 400 0 " + kContents + "?platformID=B");
}

TEST(Lifecycle, StopsCleanlyOnSigterm)
{
    TempDataDir data;
    ServiceProcess svc(data.path());
    int status = svc.stop(SIGTERM);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace

namespace {

// The misbehaviour the end-to-end tests ask for: failing latest-item answers, cut packages.
TEST(Misbehaviour, FailLatestAnswers503ThenServes)
{
    TempDataDir data;
    data.writeCatalogue("*\t1\t01AA\tP.exe\n");
    ServiceProcess svc(data.path(), {"--fail-latest", "2"});
    std::vector<int> statuses;
    for (int i = 0; i < 3; ++i)
        statuses.push_back(getContents(svc, "BC").status);
    EXPECT_EQ(statuses, (std::vector<int>{503, 503, 200}));
}

TEST(Misbehaviour, CutPackagesAnnounceTheFullLengthAndStop)
{
    TempDataDir data;
    data.writeCatalogue("*\t1\t01AA\tP.exe\n");
    data.writeFile("upload/KestavoItem/P.exe", std::string(3 << 20, 'p'));
    ServiceProcess svc(data.path(), {"--cut-packages", "1500000"});
    httplib::Client raw("127.0.0.1", svc.port());
    std::string received;
    std::string length;
    auto res = raw.Get("/upload/KestavoItem/P.exe",
                       [&](const httplib::Response& r) {
                           length = r.get_header_value("Content-Length");
                           return true;
                       },
                       [&](const char* data, size_t size) {
                           received.append(data, size);
                           return true;
                       });
    EXPECT_EQ(length, std::to_string(3 << 20));
    EXPECT_EQ(received.size(), 1500000u);
    EXPECT_FALSE(res);  // the transfer ended short of its length
}

TEST(Misbehaviour, BadNumbersAreUsageErrors)
{
    TempDataDir data;
    for (const char* bad : {"", "-1", "x", "12x"}) {
        auto result = testsupport::runService({"--listen", "127.0.0.1:0", "--data", data.path().string(), "--fail-latest", bad});
        EXPECT_EQ(result.exitCode, 2) << bad;
    }
}

}  // namespace
