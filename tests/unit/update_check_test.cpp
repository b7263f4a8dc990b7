#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/update_check.h"

namespace {

// Plays back scripted results and records what the sequence did, in order.
class ScriptedView : public UpdateCheckView {
 public:
  std::vector<int> queryResults;  // one per expected query
  int readResult = 1;
  std::vector<std::string> calls;

  int QueryContents() override {
    calls.push_back("query");
    int result = queryResults.at(queries++);
    return result;
  }
  int ReadContentFile() override {
    calls.push_back("read");
    return readResult;
  }
  void StopCheckTimer() override { calls.push_back("stop"); }
  void ShowReady() override { calls.push_back("ready"); }
  void ShowNoItem() override { calls.push_back("no item"); }
  void ShowUnreachable() override { calls.push_back("unreachable"); }

 private:
  size_t queries = 0;
};

using Calls = std::vector<std::string>;

TEST(UpdateCheck, TransitionTable) {
  const struct {
    const char* name;
    std::vector<int> queries;
    int read;
    int ticks;
    Calls expected;
    int retries;
  } rows[] = {
      {"first query, item read", {1}, 1, 1, {"query", "stop", "read", "ready"}, 0},
      {"first query, no item", {1}, 0, 1, {"query", "stop", "read", "no item"}, 0},
      {"first query fails: wait for the next tick", {0}, 1, 1, {"query"}, 1},
      {"failure then success", {0, 1}, 1, 2, {"query", "query", "stop", "read", "ready"}, 1},
      {"failure then no item", {0, 1}, 7, 2, {"query", "query", "stop", "read", "no item"}, 1},
      {"two failures", {0, 0}, 1, 2, {"query", "query", "stop", "unreachable"}, 2},
      {"only exactly 1 counts as success", {2, -1}, 1, 2, {"query", "query", "stop", "unreachable"}, 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ScriptedView view;
    view.queryResults = row.queries;
    view.readResult = row.read;
    int retries = 0;
    for (int tick = 0; tick < row.ticks; ++tick) RunUpdateCheckTick(kUpdateCheckTimer, retries, view);
    EXPECT_EQ(view.calls, row.expected);
    EXPECT_EQ(retries, row.retries);
  }
}

TEST(UpdateCheck, OtherTimersChangeNothing) {
  ScriptedView view;
  int retries = 0;
  for (std::uintptr_t id : {0u, 2u, 100u}) RunUpdateCheckTick(id, retries, view);
  EXPECT_TRUE(view.calls.empty());
  EXPECT_EQ(retries, 0);
}

TEST(UpdateCheck, VersionsText) {
  EXPECT_EQ(FormatVersions(L"Current System BIOS version : ", L"P04ABC", L"Latest downloadable BIOS version : ", L"05QX"),
            L"Current System BIOS version :  P04ABC\nLatest downloadable BIOS version :  05QX");
  EXPECT_EQ(FormatVersions(L"a", L"", L"b", L""), L"a \nb ");
}

}  // namespace
