#include <gtest/gtest.h>

#include "download/ccallback.h"

namespace {

TEST(ProgressPercent, ExactAndWrappedByTheModulo) {
  const struct {
    ULONG progress, max;
    int percent;
  } cases[] = {
      {0, 1000, 0},
      {500, 1000, 50},
      {999, 1000, 99},
      {1000, 1000, 0},  // finished: the action itself sets 100 afterwards
      {1500, 1000, 50},
      {0xFFFFFFFFu, 0xFFFFFFFFu, 0},
      {0xFFFFFFFEu, 0xFFFFFFFFu, 99},          // no overflow of progress x 100
      {0x80000000u, 0xFFFFFFFFu, 50},
      {0xFFFFFFFFu, 1, 0},                      // 429496729500 % 100
      {0xFFFFFFFFu, 3, 0},                      // 143165576500 % 100
      {0xFFFFFFFFu, 7, 42},                     // 61356675642 % 100
  };
  for (const auto& c : cases) EXPECT_EQ(ProgressPercent(c.progress, c.max), c.percent) << c.progress << " of " << c.max;
}

TEST(CCallBackWithoutMainWindow, ComputesButSendsNothing) {
  CCallBack callback;  // no application object: no main window
  ASSERT_EQ(callback.m_pMainWnd, nullptr);
  EXPECT_EQ(callback.OnProgress(500, 1000, 0, nullptr), S_FALSE);
  EXPECT_EQ(callback.m_nPercent, 50);
  EXPECT_EQ(callback.OnProgress(10, 0, 0, nullptr), S_FALSE);
  EXPECT_EQ(callback.m_nPercent, 50);  // no size reported: the percentage stays
  EXPECT_EQ(callback.m_ulAnnouncedSize, 0u);
}

TEST(CCallBackSlots, AnswerAsTheDownloadExpects) {
  CCallBack callback;
  void* out = reinterpret_cast<void*>(0xdeadbeef);
  EXPECT_EQ(callback.QueryInterface(IID_IUnknown, &out), E_NOTIMPL);
  EXPECT_EQ(out, reinterpret_cast<void*>(0xdeadbeef));
  EXPECT_EQ(callback.QueryInterface(IID_IBindStatusCallback, &out), E_NOTIMPL);
  EXPECT_EQ(out, reinterpret_cast<void*>(0xdeadbeef));
  // The one interface it hands out: the answer's HTTP status.
  IHttpNegotiate* negotiate = nullptr;
  ASSERT_EQ(callback.QueryInterface(IID_IHttpNegotiate, reinterpret_cast<void**>(&negotiate)), S_OK);
  EXPECT_EQ(negotiate->OnResponse(404, L"", nullptr, nullptr), S_OK);
  EXPECT_EQ(callback.m_dwResponseCode, 404u);
  EXPECT_EQ(callback.AddRef(), 0u);
  EXPECT_EQ(callback.Release(), 0u);
  LONG priority = 0;
  DWORD flags = 0;
  BINDINFO info{};
  EXPECT_EQ(callback.OnStartBinding(0, nullptr), E_NOTIMPL);
  EXPECT_EQ(callback.GetPriority(&priority), E_NOTIMPL);
  EXPECT_EQ(callback.OnLowResource(0), E_NOTIMPL);
  EXPECT_EQ(callback.OnStopBinding(S_OK, nullptr), E_NOTIMPL);
  EXPECT_EQ(callback.GetBindInfo(&flags, &info), E_NOTIMPL);
  EXPECT_EQ(callback.OnDataAvailable(0, 0, nullptr, nullptr), E_NOTIMPL);
  EXPECT_EQ(callback.OnObjectAvailable(IID_IUnknown, nullptr), E_NOTIMPL);
}

}  // namespace
