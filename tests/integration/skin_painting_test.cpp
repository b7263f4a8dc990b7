// The main dialog's background as it composes it, pixel by pixel, against a model built from
// the same images: skin, icon, title and BIOS picture over what the window showed, the two band
// strips at their rows, the heading over the top band.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/gdi_test_support.h"
#include "support/live_dialog.h"

namespace {

constexpr COLORREF kShown = RGB(255, 0, 255);  // what the window shows before the skin is drawn
constexpr int kWidth = 468;
constexpr int kHeight = 364;

COLORREF Grey(int v) { return RGB(v, v, v); }
int RoundHalfUp(double v) { return static_cast<int>(std::floor(v + 0.5)); }

// The strips' rows: 247 to 228 over 59 rows, then 194; 160, 212, then 195 to 162 over 49 rows.
COLORREF TopBandRow(int row) { return row < 59 ? Grey(RoundHalfUp(247 + (228 - 247) * row / 58.0)) : Grey(194); }
COLORREF BottomBandRow(int row) {
  if (row == 0) return Grey(160);
  if (row == 1) return Grey(212);
  return Grey(RoundHalfUp(195 + (162 - 195) * (row - 2) / 48.0));
}

class Model {
 public:
  Model() : pixels_(kWidth * kHeight, kShown), exact_(kWidth * kHeight, true) {}

  void Draw(Gdiplus::GpBitmap* image, const Gdiplus::Rect& at) {
    if (!image) return;
    for (int y = 0; y < at.Height; ++y)
      for (int x = 0; x < at.Width; ++x) {
        const Gdiplus::ARGB argb = test::PixelOf(image, x, y);
        const int a = test::AlphaOf(argb);
        if (a == 0) continue;
        const size_t i = static_cast<size_t>((at.Y + y) * kWidth + at.X + x);
        pixels_[i] = test::Over(argb, pixels_[i]);
        exact_[i] = exact_[i] && a == 255;
      }
  }
  // A strip stretched across x 9..458; its rows beyond the strip's own keep what lies under them.
  void Band(int top, int rows, COLORREF (*row)(int)) {
    for (int y = 0; y < rows; ++y)
      for (int x = 9; x < 459; ++x) {
        const size_t i = static_cast<size_t>((top + y) * kWidth + x);
        pixels_[i] = row(y);
        exact_[i] = true;
      }
  }
  COLORREF At(int x, int y) const { return pixels_[static_cast<size_t>(y * kWidth + x)]; }
  bool Exact(int x, int y) const { return exact_[static_cast<size_t>(y * kWidth + x)]; }

 private:
  std::vector<COLORREF> pixels_;
  std::vector<bool> exact_;  // no partial alpha took part: no rounding to allow for
};

Model ModelOf(const CKestavoDlg& dlg) {
  Model model;
  model.Draw(dlg.m_imgSkin.m_pGdipBitmap, dlg.m_rcSkin);
  model.Draw(dlg.m_imgIcon.m_pGdipBitmap, dlg.m_rcIcon);
  model.Draw(dlg.m_imgTitle.m_pGdipBitmap, dlg.m_rcTitle);
  model.Draw(dlg.m_imgBios.m_pGdipBitmap, dlg.m_rcBios);
  model.Band(35, 60, TopBandRow);
  model.Band(304, 51, BottomBandRow);
  model.Draw(dlg.m_imgBar.m_pGdipBitmap, dlg.m_rcBar);
  return model;
}

// Lets the window show kShown everywhere, then composes the background into a surface.
void ComposeOverKnownScreen(test::LiveKestavoDlg& dlg, test::Surface& out) {
  fw::WindowDc screen(dlg.hwnd());
  RECT all{0, 0, kWidth, kHeight};
  fw::UniqueHandle<HBRUSH, DeleteObject> brush(CreateSolidBrush(kShown));
  FillRect(screen.get(), &all, brush.get());
  dlg.DrawSkin(out.dc());
}

// Only pixels inside the window region exist on the screen; what is read outside it is undefined.
int CountMismatches(HWND window, const test::Surface& out, const Model& model) {
  fw::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_NE(GetWindowRgn(window, region.get()), ERROR);
  int mismatches = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      if (!PtInRegion(region.get(), x, y)) continue;
      const COLORREF want = model.At(x, y);
      const COLORREF got = out.At(x, y);
      if (test::Near(got, want, model.Exact(x, y) ? 0 : 2)) continue;
      if (++mismatches <= 5)
        ADD_FAILURE() << "pixel " << x << "," << y << ": got " << std::hex << got << ", want " << want;
    }
  return mismatches;
}

class SkinPainting : public ::testing::Test {
 protected:
  void SetUp() override { test::StartGdiplus(); }
};

TEST_F(SkinPainting, ComposesImagesAndBandsInOrderAtTheirPlaces) {
  test::LiveKestavoDlg dlg([](test::LiveKestavoDlg& d) {
    ASSERT_NE(d.m_imgSkin.m_pGdipBitmap, nullptr);
    ASSERT_NE(d.m_imgBar.m_pGdipBitmap, nullptr);
    test::Surface out(kWidth, kHeight, RGB(0, 0, 0));
    ComposeOverKnownScreen(d, out);
    EXPECT_EQ(CountMismatches(d.hwnd(), out, ModelOf(d)), 0);
    // Spot checks that do not lean on the model: the skin's title band beside the title, the
    // strips' first and last rows, the skin's lower line below the bottom strip.
    EXPECT_EQ(out.At(300, 20), test::Opaque(test::PixelOf(d.m_imgSkin.m_pGdipBitmap, 300, 20)));
    EXPECT_EQ(out.At(20, 35), Grey(247));
    EXPECT_EQ(out.At(458, 94), Grey(194));
    EXPECT_EQ(out.At(9, 304), Grey(160));
    EXPECT_EQ(out.At(200, 354), Grey(162));
    EXPECT_EQ(out.At(200, 355), Grey(127));
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(SkinPainting, EmptyHoldersDrawNothingWhileTheBandsStillShow) {
  test::LiveKestavoDlg dlg([](test::LiveKestavoDlg& d) {
    for (CGdiPlusBitmapResource* holder : {&d.m_imgSkin, &d.m_imgIcon, &d.m_imgTitle, &d.m_imgBios, &d.m_imgBar})
      holder->Clear();
    test::Surface out(kWidth, kHeight, RGB(0, 0, 0));
    ComposeOverKnownScreen(d, out);
    EXPECT_EQ(CountMismatches(d.hwnd(), out, ModelOf(d)), 0);
    EXPECT_EQ(out.At(300, 20), kShown);
    EXPECT_EQ(out.At(100, 60), TopBandRow(25));  // where the heading would lie
    // The erase handler still claims the background.
    test::Surface target(kWidth, kHeight, RGB(0, 0, 0));
    EXPECT_EQ(d.OnEraseBkgnd(target.dc()), TRUE);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(SkinPainting, EraseHandlerCoversTheClientAreaAndLeavesTheDcAsItWas) {
  test::LiveKestavoDlg dlg([](test::LiveKestavoDlg& d) {
    test::Surface target(kWidth, kHeight, RGB(0, 0, 0));
    const UINT kinds[] = {OBJ_BITMAP, OBJ_BRUSH, OBJ_PEN, OBJ_FONT};
    HGDIOBJ before[4];
    for (int i = 0; i < 4; ++i) before[i] = GetCurrentObject(target.dc(), kinds[i]);
    EXPECT_EQ(d.OnEraseBkgnd(target.dc()), TRUE);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(GetCurrentObject(target.dc(), kinds[i]), before[i]) << kinds[i];
    EXPECT_EQ(d.m_pOldBitmap, nullptr);
    EXPECT_EQ(d.m_pOldBandBitmap, nullptr);
    EXPECT_EQ(target.At(200, 200), RGB(255, 255, 255));  // the white body, corner to corner
    EXPECT_EQ(target.At(4, 4), test::Opaque(test::PixelOf(d.m_imgSkin.m_pGdipBitmap, 4, 4)));
    EXPECT_EQ(target.At(463, 358), test::Opaque(test::PixelOf(d.m_imgSkin.m_pGdipBitmap, 463, 358)));
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(SkinPainting, RepaintingKeepsGdiObjectsBalanced) {
  test::LiveKestavoDlg dlg([](test::LiveKestavoDlg& d) {
    HWND close = GetDlgItem(d.hwnd(), IDC_CLOSE);
    auto cycle = [&] {
      d.Repaint();
      SendMessageW(close, WM_MOUSEHOVER, 0, 0);
      UpdateWindow(close);
      SendMessageW(close, WM_MOUSELEAVE, 0, 0);
      UpdateWindow(close);
    };
    cycle();  // the first paints create what lives as long as the dialog
    const int before = test::CountGdiObjects();
    for (int i = 0; i < 40; ++i) cycle();
    EXPECT_EQ(test::CountGdiObjects(), before);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
}

}  // namespace
