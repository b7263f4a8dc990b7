// The image button on a plain dialog of one known colour: its state pictures pixel by pixel
// against its PNG images blended over that colour, its caption's place and colour per state,
// and its mouse behaviour.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/modal_dialog.h"
#include "integration/test_resources.h"
#include "resource.h"
#include "support/gdi_test_support.h"
#include "ui/controls/gdip_button.h"

namespace {

constexpr COLORREF kBackground = RGB(90, 90, 90);  // neutral: tinted by no caption colour
constexpr int kButtonX = 20, kButtonY = 20;

// A dialog from the main template whose background is one colour, with the image button on
// control 1003; the test body runs once everything has painted.
class ButtonHost : public fw::ModalDialog {
 public:
  using Body = std::function<void(ButtonHost&)>;
  ButtonHost(std::function<void(CGdipButton&)> setUp, Body body)
      : fw::ModalDialog(IDD_KESTAVO_DIALOG), setUp_(std::move(setUp)), body_(std::move(body)) {}

  CGdipButton button;
  int clicks = 0;
  int doubleClicks = 0;

  HWND hwnd() const { return hwnd_; }
  // The button drawn into a surface as the control would have it drawn for `itemState`.
  void Render(test::Surface& out, UINT itemState) {
    DRAWITEMSTRUCT item{ODT_BUTTON, IDC_UPDATE, 0, ODA_DRAWENTIRE, itemState, button.Handle(), out.dc(),
                        RECT{0, 0, out.width(), out.height()}, 0};
    SendMessageW(hwnd_, WM_DRAWITEM, IDC_UPDATE, reinterpret_cast<LPARAM>(&item));
  }

 protected:
  bool OnInitDialog() override {
    Move(0, 0, 300, 120);
    button.SubclassDlgItem(IDC_UPDATE, hwnd_);
    setUp_(button);
    PostMessageW(hwnd_, WM_APP, 0, 0);
    return true;
  }
  bool OnCommand(int id, int code) override {
    if (id != IDC_UPDATE) return false;
    if (code == BN_CLICKED) ++clicks;
    if (code == BN_DOUBLECLICKED) ++doubleClicks;
    return true;
  }
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_ERASEBKGND) {
      RECT client{};
      GetClientRect(hwnd_, &client);
      fw::UniqueHandle<HBRUSH, DeleteObject> brush(CreateSolidBrush(kBackground));
      FillRect(reinterpret_cast<HDC>(wp), &client, brush.get());
      result = TRUE;
      return true;
    }
    if (msg == WM_APP) {
      UpdateWindow(hwnd_);
      body_(*this);
      End(IDOK);
      return true;
    }
    return fw::ModalDialog::OnMessage(msg, wp, lp, result);
  }

 private:
  std::function<void(CGdipButton&)> setUp_;
  Body body_;
};

void RunHost(std::function<void(CGdipButton&)> setUp, ButtonHost::Body body) {
  test::StartGdiplus();
  ButtonHost host(std::move(setUp), std::move(body));
  EXPECT_EQ(host.DoModal(), IDOK);
}

void CaptionedButton(CGdipButton& b, const wchar_t* caption) {
  b.SetImages(120, 31, IDP_BUTTON_NORMAL, IDP_BUTTON_HOVER, IDP_BUTTON_DISABLED, IDP_BUTTON_PRESSED, IDP_BUTTON_SPARE);
  b.Move(kButtonX, kButtonY, 120, 31);
  if (caption) b.SetCaption(caption);
  // Colours no face has, so the caption can be told from the picture.
  b.m_crTextNormal = RGB(230, 0, 0);
  b.m_crTextHot = RGB(0, 180, 0);
  b.m_crTextDisabled = RGB(0, 0, 230);
}

// Mismatches between a picture and `image` blended over the background, drawn at dx, dy.
int PictureMismatches(const test::Surface& picture, UINT imageId, int dx, int dy) {
  CGdiPlusBitmapResource image;
  if (!image.LoadPng(imageId)) return -1;
  int mismatches = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const bool covered = x >= dx && y >= dy;
      const COLORREF want =
          covered ? test::Over(test::PixelOf(image.m_pGdipBitmap, x - dx, y - dy), kBackground) : kBackground;
      if (test::Near(picture.At(x, y), want, 2)) continue;
      if (++mismatches <= 3)
        ADD_FAILURE() << "image " << imageId << " pixel " << x << "," << y << ": got " << std::hex
                      << picture.At(x, y) << ", want " << want;
    }
  return mismatches;
}

TEST(ImageButton, StatePicturesAreTheImagesOverTheCapturedBackground) {
  RunHost([](CGdipButton& b) { CaptionedButton(b, nullptr); },
          [](ButtonHost& host) {
            CGdipButton& b = host.button;
            HWND hwnd = b.Handle();
            const struct {
              const char* what;
              std::function<void()> arrange;
              UINT itemState;
              UINT image;
              int shift;
            } cases[] = {
                {"normal", [] {}, 0, IDP_BUTTON_NORMAL, 0},
                {"pressed, one pixel right and down", [] {}, ODS_SELECTED, IDP_BUTTON_PRESSED, 1},
                {"hover", [&] { SendMessageW(hwnd, WM_MOUSEHOVER, 0, 0); }, 0, IDP_BUTTON_HOVER, 0},
                {"pressed while hovered", [] {}, ODS_SELECTED, IDP_BUTTON_PRESSED, 1},
                {"disabled while hovered", [&] { b.m_bDisabled = TRUE; }, 0, IDP_BUTTON_DISABLED, 0},
                {"disabled while pushed", [] {}, ODS_SELECTED, IDP_BUTTON_DISABLED, 0},
                {"enabled again, hovered", [&] { b.m_bDisabled = FALSE; }, 0, IDP_BUTTON_HOVER, 0},
                {"left", [&] { SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0); }, 0, IDP_BUTTON_NORMAL, 0},
            };
            for (const auto& c : cases) {
              SCOPED_TRACE(c.what);
              c.arrange();
              test::Surface picture(120, 31, RGB(0, 0, 0));
              host.Render(picture, c.itemState);
              EXPECT_EQ(PictureMismatches(picture, c.image, c.shift, c.shift), 0);
            }
          });
}

struct Box {
  int left = 1000, top = 1000, right = -1, bottom = -1;  // inclusive; empty while right < left
  int count = 0;
  // The ink's centre, weighted by coverage: over a grey face a pixel's tint is proportional to
  // how much of it the glyph covers, whatever the grey, so a shift shows here exactly.
  double x = 0, y = 0, weight = 0;
};

// Where the caption's ink of one colour lies: its centre, and the box of the pixels clearly tinted by it.
Box InkOf(const test::Surface& picture, COLORREF ink) {
  Box box;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const COLORREF c = picture.At(x, y);
      const int channel[3] = {GetRValue(c), GetGValue(c), GetBValue(c)};
      const int main = GetRValue(ink) ? 0 : GetGValue(ink) ? 1 : 2;
      const int others = std::max(channel[(main + 1) % 3], channel[(main + 2) % 3]);
      const int tint = channel[main] - others;
      if (tint > 8) {  // the faces themselves are grey within a few levels
        box.x += x * tint;
        box.y += y * tint;
        box.weight += tint;
      }
      if (tint <= 100) continue;
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y);
      ++box.count;
    }
  if (box.weight > 0) {
    box.x /= box.weight;
    box.y /= box.weight;
  }
  return box;
}

constexpr COLORREF kNormalInk = RGB(230, 0, 0), kHotInk = RGB(0, 180, 0), kDisabledInk = RGB(0, 0, 230);

TEST(ImageButton, CaptionSitsInTheFaceAndFollowsTheState) {
  RunHost([](CGdipButton& b) { CaptionedButton(b, L"Close"); },
          [](ButtonHost& host) {
            CGdipButton& b = host.button;
            test::Surface normal(120, 31, RGB(0, 0, 0));
            host.Render(normal, 0);
            const Box ink = InkOf(normal, kNormalInk);
            ASSERT_GT(ink.count, 10);
            // Centred in the upper 30 rows; the highlight row stays clear.
            EXPECT_GE(ink.top, 1);
            EXPECT_LE(ink.bottom, 28);
            EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 14.5, 2.0);
            EXPECT_NEAR((ink.left + ink.right) / 2.0, 59.5, 3.0);

            test::Surface pressed(120, 31, RGB(0, 0, 0));
            host.Render(pressed, ODS_SELECTED);
            const Box pushed = InkOf(pressed, kHotInk);
            EXPECT_EQ(InkOf(pressed, kNormalInk).count, 0);
            EXPECT_NEAR(pushed.x, ink.x + 1, 0.2);
            EXPECT_NEAR(pushed.y, ink.y + 1, 0.2);

            SendMessageW(b.Handle(), WM_MOUSEHOVER, 0, 0);
            test::Surface hover(120, 31, RGB(0, 0, 0));
            host.Render(hover, 0);
            const Box hot = InkOf(hover, kHotInk);
            EXPECT_NEAR(hot.x, ink.x, 0.2);
            EXPECT_NEAR(hot.y, ink.y, 0.2);

            // Disabled wins over hover and push, caption colour included.
            b.m_bDisabled = TRUE;
            for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED)}) {
              test::Surface disabled(120, 31, RGB(0, 0, 0));
              host.Render(disabled, state);
              const Box faded = InkOf(disabled, kDisabledInk);
              EXPECT_GT(faded.count, 10);
              EXPECT_NEAR(faded.x, ink.x, 0.2);
              EXPECT_NEAR(faded.y, ink.y, 0.2);
              EXPECT_EQ(InkOf(disabled, kHotInk).count, 0);
              EXPECT_EQ(InkOf(disabled, kNormalInk).count, 0);
            }
          });
}

TEST(ImageButton, CaptionWithCarriageReturnTakesSeveralLinesFromTheTop) {
  Box single;
  RunHost([](CGdipButton& b) { CaptionedButton(b, L"Close"); },
          [&](ButtonHost& host) {
            test::Surface picture(120, 31, RGB(0, 0, 0));
            host.Render(picture, 0);
            single = InkOf(picture, kNormalInk);
          });
  RunHost([](CGdipButton& b) { CaptionedButton(b, L"Close\rClose"); },
          [&](ButtonHost& host) {
            test::Surface picture(120, 31, RGB(0, 0, 0));
            host.Render(picture, 0);
            const Box lines = InkOf(picture, kNormalInk);
            ASSERT_GT(single.count, 0);
            // The first line's box starts at row 0; its ink starts lower by the font's own leading.
            EXPECT_LT(lines.top, single.top - 4);
            EXPECT_LE(lines.top, 6);
            // Two lines, the second one line height below the first (clipped at the face's end).
            EXPECT_GT(lines.bottom - lines.top, 2 * (single.bottom - single.top));
          });
}

TEST(ImageButton, MissingImagesLeaveTheBareBackgroundAndNoImagesDrawNothing) {
  RunHost(
      [](CGdipButton& b) {
        b.SetImages(16, 16, IDP_TEST_MISSING, IDP_TEST_NOT_PNG, IDP_TEST_EMPTY, IDP_TEST_TRUNCATED_DATA,
                    IDP_TEST_MISSING);
        b.Move(kButtonX, kButtonY, 16, 16);
      },
      [](ButtonHost& host) {
        for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED)}) {
          test::Surface picture(16, 16, RGB(0, 0, 0));
          host.Render(picture, state);
          for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) ASSERT_EQ(picture.At(x, y), kBackground) << x << "," << y;
        }
      });
  RunHost([](CGdipButton& b) { b.Move(kButtonX, kButtonY, 16, 16); },
          [](ButtonHost& host) {
            test::Surface picture(16, 16, RGB(1, 2, 3));
            host.Render(picture, 0);
            EXPECT_EQ(picture.At(0, 0), RGB(1, 2, 3));
            EXPECT_EQ(picture.At(15, 15), RGB(1, 2, 3));
          });
}

TEST(ImageButton, DoubleClickCountsAsASecondPress) {
  RunHost([](CGdipButton& b) { CaptionedButton(b, L"Close"); },
          [](ButtonHost& host) {
            HWND hwnd = host.button.Handle();
            const LPARAM at = MAKELPARAM(10, 10);
            SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
            SendMessageW(hwnd, WM_LBUTTONUP, 0, at);
            SendMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
            SendMessageW(hwnd, WM_LBUTTONUP, 0, at);
            EXPECT_EQ(host.clicks, 2);
            EXPECT_EQ(host.doubleClicks, 0);
          });
}

TEST(ImageButton, IsOwnerDrawnWithTheHandCursor) {
  RunHost([](CGdipButton& b) { CaptionedButton(b, L"Close"); },
          [](ButtonHost& host) {
            HWND hwnd = host.button.Handle();
            const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
            EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
            EXPECT_TRUE(style & WS_TABSTOP);  // the template's other styles stay
            EXPECT_EQ(SendMessageW(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                      TRUE);
            EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
            EXPECT_EQ(SendMessageW(hwnd, WM_ERASEBKGND, 0, 0), TRUE);
          });
}

TEST(ImageButton, CaptionFaceFollowsTheWindowsVersion) {
  const struct {
    DWORD major;
    const wchar_t* face;
  } cases[] = {{4, L""}, {5, L"Tahoma"}, {6, L"Malgun Gothic"}, {10, L"Malgun Gothic"}};
  for (const auto& c : cases) EXPECT_STREQ(CaptionFaceForMajorVersion(c.major), c.face) << c.major;
}

}  // namespace
