// Usage counts: what is counted, and that no answered count is ever lost.
#include <gtest/gtest.h>

#include <signal.h>

#include <atomic>
#include <thread>

#include "service_process.h"

namespace {

using testsupport::readCounts;
using testsupport::ServiceProcess;
using testsupport::TempDataDir;
using Counts = std::vector<std::pair<std::string, long long>>;

const std::string kCounts = "/KestavoWebServiceProc.asmx/SetKestavoCounts";

int report(httplib::Client& cli, const std::string& query)
{
    auto res = cli.Get(kCounts + query);
    return res ? res->status : -1;
}

TEST(UsageCount, CountsEachItemNoAsSent)
{
    TempDataDir data;
    ServiceProcess svc(data.path());
    auto cli = svc.client();

    EXPECT_EQ(readCounts(data.path()), Counts{});
    for (const char* query : {"?ItemNo=1234", "?ItemNo=1234", "?ItemNo=1234", "?ItemNo=", "?ItemNo=12&34",
                              "?ItemNo=A%20B", "?ItemNo=a+b", "?x=1&ItemNo=77"})
        EXPECT_EQ(report(cli, query), 200) << query;
    // Without an ItemNo parameter nothing is counted.
    for (const char* query : {"", "?", "?itemno=5", "?XItemNo=5"})
        EXPECT_EQ(report(cli, query), 400) << query;

    Counts expected = {{"", 1}, {"12&34", 1}, {"1234", 3}, {"77", 1}, {"A%20B", 1}, {"a+b", 1}};
    EXPECT_EQ(readCounts(data.path()), expected);
}

TEST(UsageCount, NoCountLostUnderConcurrentRequestsOrAcrossRestart)
{
    TempDataDir data;
    constexpr int kThreads = 8, kPerThread = 200;
    std::atomic<int> failures{0};
    {
        ServiceProcess svc(data.path());
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&, t] {
                auto cli = svc.client();
                for (int i = 0; i < kPerThread; ++i) {
                    if (report(cli, t % 2 ? "?ItemNo=odd" : "?ItemNo=even") != 200)
                        ++failures;
                }
            });
        }
        for (auto& t : threads)
            t.join();
        ASSERT_EQ(failures.load(), 0);
        // Read by a second process while the service still runs.
        EXPECT_EQ(readCounts(data.path()), (Counts{{"even", 800}, {"odd", 800}}));
    }

    ServiceProcess again(data.path());
    auto cli = again.client();
    EXPECT_EQ(report(cli, "?ItemNo=odd"), 200);
    EXPECT_EQ(readCounts(data.path()), (Counts{{"even", 800}, {"odd", 801}}));
}

TEST(UsageCount, AnsweredCountsSurviveSigkill)
{
    TempDataDir data;
    constexpr int kThreads = 4;
    std::atomic<long long> sent{0}, answered{0};
    std::atomic<bool> stop{false};
    {
        ServiceProcess svc(data.path());
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&] {
                auto cli = svc.client();
                cli.set_read_timeout(2, 0);
                while (!stop) {
                    ++sent;
                    if (report(cli, "?ItemNo=42") == 200)
                        ++answered;
                }
            });
        }
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (answered < 300 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        svc.stop(SIGKILL);
        stop = true;
        for (auto& t : threads)
            t.join();
    }
    ASSERT_GE(answered.load(), 300);

    // Requests in flight at the kill may have been committed without an answer.
    Counts counts = readCounts(data.path());
    ASSERT_EQ(counts.size(), 1u);
    EXPECT_EQ(counts[0].first, "42");
    EXPECT_GE(counts[0].second, answered.load());
    EXPECT_LE(counts[0].second, sent.load());

    ServiceProcess again(data.path());
    auto cli = again.client();
    EXPECT_EQ(report(cli, "?ItemNo=42"), 200);
    EXPECT_EQ(readCounts(data.path()), (Counts{{"42", counts[0].second + 1}}));
}

}  // namespace
