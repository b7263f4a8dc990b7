// The image holder against the program's real PNG resources and the tests' broken ones, and the
// off-screen DC against real memory DCs.
#include <windows.h>

#include <gtest/gtest.h>

#include "integration/test_resources.h"
#include "resource.h"
#include "support/gdi_test_support.h"
#include "ui/skin/gdiplus_bitmap.h"
#include "ui/skin/mem_dc.h"

namespace {

using Gdiplus::DllExports::GdipGetImageHeight;
using Gdiplus::DllExports::GdipGetImageWidth;

class ImageHolder : public ::testing::Test {
 protected:
  void SetUp() override { test::StartGdiplus(); }
};

UINT LockCount(HGLOBAL block) { return GlobalFlags(block) & GMEM_LOCKCOUNT; }

TEST_F(ImageHolder, LoadsWhatDecodesAndStaysEmptyOtherwise) {
  const struct {
    UINT id;
    bool loads;
    UINT width, height;
  } cases[] = {
      {IDP_SKIN, true, 468, 364},
      {IDP_TEST_MISSING, false, 0, 0},
      {IDP_HEADING, true, 248, 18},
      {IDP_TEST_TRUNCATED_HEADER, false, 0, 0},
      {IDP_BUTTON_NORMAL, true, 120, 31},
      {IDP_TEST_TRUNCATED_DATA, false, 0, 0},
      {IDP_TEST_NOT_PNG, false, 0, 0},
      {IDP_TEST_EMPTY, false, 0, 0},
      {IDB_BAND_TOP, false, 0, 0},  // a bitmap, not of type "PNG"
      {IDP_CLOSE_NORMAL, true, 16, 16},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    // Every load starts from a loaded holder, so a failure must also empty it.
    CGdiPlusBitmapResource holder;
    ASSERT_TRUE(holder.LoadPng(IDP_ICON));
    EXPECT_EQ(holder.LoadPng(c.id), c.loads);
    if (!c.loads) {
      EXPECT_EQ(holder.m_pGdipBitmap, nullptr);
      EXPECT_EQ(holder.m_hImageData, nullptr);
      continue;
    }
    ASSERT_NE(holder.m_pGdipBitmap, nullptr);
    UINT width = 0xdeadbeef, height = 0xdeadbeef;
    GdipGetImageWidth(holder.m_pGdipBitmap, &width);
    GdipGetImageHeight(holder.m_pGdipBitmap, &height);
    EXPECT_EQ(width, c.width);
    EXPECT_EQ(height, c.height);
    // The bitmap reads from the block, which stays locked, once.
    ASSERT_NE(holder.m_hImageData, nullptr);
    EXPECT_EQ(LockCount(holder.m_hImageData), 1u);
  }
}

TEST_F(ImageHolder, SecondLoadReleasesTheFirstBlock) {
  CGdiPlusBitmapResource holder;
  ASSERT_TRUE(holder.LoadPng(IDP_SKIN));
  HGLOBAL first = holder.m_hImageData;
  ASSERT_TRUE(holder.LoadPng(IDP_BIOS));
  UINT width = 0;
  GdipGetImageWidth(holder.m_pGdipBitmap, &width);
  EXPECT_EQ(width, 85u);
  // Freed, or handed out again for the second load: never still held beside it.
  if (holder.m_hImageData != first) {
    EXPECT_EQ(GlobalFlags(first), static_cast<UINT>(GMEM_INVALID_HANDLE));
  }
  EXPECT_EQ(LockCount(holder.m_hImageData), 1u);

  holder.Clear();
  EXPECT_EQ(holder.m_pGdipBitmap, nullptr);
  EXPECT_EQ(holder.m_hImageData, nullptr);
}

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

TEST(OffscreenDc, AllZeroRectangleCoversTheClipBox) {
  test::Surface target(60, 40, kWhite);
  IntersectClipRect(target.dc(), 10, 5, 30, 25);
  {
    CmyMemDC buffer(target.dc(), RECT{0, 0, 0, 0});
    EXPECT_EQ(buffer.Area().left, 10);
    EXPECT_EQ(buffer.Area().top, 5);
    EXPECT_EQ(buffer.Area().right, 30);
    EXPECT_EQ(buffer.Area().bottom, 25);
    EXPECT_NE(buffer.GetSafeHdc(), target.dc());
    RECT all{0, 0, 60, 40};
    FillRect(buffer.GetSafeHdc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    // Nothing reaches the target before the buffer is destroyed; without the clip, only the
    // buffer's area can change then.
    EXPECT_EQ(target.At(15, 10), kWhite);
    SelectClipRgn(target.dc(), nullptr);
  }
  EXPECT_EQ(target.At(10, 5), RGB(0, 0, 0));
  EXPECT_EQ(target.At(29, 24), RGB(0, 0, 0));
  EXPECT_EQ(target.At(9, 5), kWhite);
  EXPECT_EQ(target.At(30, 24), kWhite);
  EXPECT_EQ(target.At(29, 25), kWhite);
}

TEST(OffscreenDc, RectangleAwayFromTheOriginTakesTargetCoordinates) {
  test::Surface target(60, 40, kWhite);
  {
    CmyMemDC buffer(target.dc(), RECT{15, 10, 35, 30});
    RECT area{15, 10, 35, 30};
    FillRect(buffer.GetSafeHdc(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetPixel(buffer.GetSafeHdc(), 15, 10, kRed);
    SetPixel(buffer.GetSafeHdc(), 34, 29, kRed);
  }
  EXPECT_EQ(target.At(15, 10), kRed);
  EXPECT_EQ(target.At(34, 29), kRed);
  EXPECT_EQ(target.At(16, 11), kWhite);
  // A drawing outside the rectangle lands nowhere.
  test::Surface other(60, 40, kWhite);
  {
    CmyMemDC buffer(other.dc(), RECT{15, 10, 35, 30});
    RECT area{0, 0, 60, 40};
    FillRect(buffer.GetSafeHdc(), &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  EXPECT_EQ(other.At(14, 10), kWhite);
  EXPECT_EQ(other.At(15, 9), kWhite);
  EXPECT_EQ(other.At(35, 29), kWhite);
  EXPECT_EQ(other.At(15, 10), RGB(0, 0, 0));
}

TEST(OffscreenDc, PrinterTargetIsDrawnDirectlyAndKept) {
  // The spooler is looked up at run time: the program itself never prints.
  using DefaultPrinter = BOOL(WINAPI*)(LPWSTR, LPDWORD);
  HMODULE spooler = LoadLibraryW(L"winspool.drv");
  auto defaultPrinter =
      spooler ? reinterpret_cast<DefaultPrinter>(reinterpret_cast<void*>(GetProcAddress(spooler, "GetDefaultPrinterW"))) : nullptr;
  wchar_t name[256];
  DWORD size = 256;
  if (!defaultPrinter || !defaultPrinter(name, &size)) GTEST_SKIP() << "no printer is installed here";
  HDC printer = CreateDCW(nullptr, name, nullptr, nullptr);
  if (!printer) GTEST_SKIP() << "the default printer gives no device context";
  HGDIOBJ bitmap = GetCurrentObject(printer, OBJ_BITMAP);
  {
    CmyMemDC buffer(printer, RECT{0, 0, 100, 100});
    EXPECT_EQ(buffer.GetSafeHdc(), printer);
  }
  EXPECT_EQ(GetObjectType(printer), static_cast<DWORD>(OBJ_DC));
  EXPECT_EQ(GetCurrentObject(printer, OBJ_BITMAP), bitmap);
  DeleteDC(printer);
}

}  // namespace
