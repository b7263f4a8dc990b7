// The progress callback against a real progress bar in a real main window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "download/ccallback.h"
#include "framework/application.h"
#include "framework/window.h"
#include "resource.h"

namespace {

class TestApplication : public fw::Application {
 protected:
  bool InitInstance() override { return false; }
};

class CCallBackWithMainWindow : public testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    parent_ = CreateWindowExW(0, L"STATIC", L"main", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    bar_ = fw::ProgressBar(CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD, 0, 0, 100, 10, parent_,
                                           reinterpret_cast<HMENU>(IDC_PROGRESS), nullptr, nullptr));
    ASSERT_TRUE(bar_);
    bar_.SetRange(0, 100);
    main_ = fw::Window(parent_);
    app_.SetMainWindow(&main_);
  }
  void TearDown() override { DestroyWindow(parent_); }

  TestApplication app_;
  HWND parent_ = nullptr;
  fw::Window main_;
  fw::ProgressBar bar_;
};

TEST_F(CCallBackWithMainWindow, MovesTheBar) {
  CCallBack callback;
  ASSERT_EQ(callback.m_pMainWnd, &main_);
  EXPECT_EQ(callback.OnProgress(999, 1000, BINDSTATUS_DOWNLOADINGDATA, L"x"), S_OK);
  EXPECT_EQ(bar_.Pos(), 99);
  EXPECT_EQ(callback.OnProgress(1000, 1000, BINDSTATUS_ENDDOWNLOADDATA, nullptr), S_OK);
  EXPECT_EQ(bar_.Pos(), 0);
  EXPECT_EQ(callback.m_ulAnnouncedSize, 1000u);
}

TEST_F(CCallBackWithMainWindow, NoSizeSendsNothing) {
  CCallBack callback;
  callback.OnProgress(30, 100, 0, nullptr);
  EXPECT_EQ(callback.OnProgress(70, 0, 0, nullptr), S_OK);
  EXPECT_EQ(bar_.Pos(), 30);
  EXPECT_EQ(callback.m_nPercent, 30);
}

}  // namespace
