// The frame presenter on real GDI: a background put back and a frame copied
// onto the form, both by the plain whole-image BitBlt the faces call, reach
// only where GDI saw drawing, unless the frame is not known; the form's paint
// mends what it paints from the image.
#include "win32/frame_presenter.h"
#include "win32/gdi_objects.h"
#include "win32/real_windows.h"
#include "win32/win32_api.h"

namespace {

using forms::ControlKind;
using forms::Handle;
using tint::testing::RealWindows;
using tint::testing::Window;

constexpr forms::Colour kRed = 0x0000FF;
constexpr forms::Colour kBlue = 0xFF0000;
constexpr forms::Colour kGreen = 0x00C000;
constexpr int kX = 50, kY = 40, kWidth = 100, kHeight = 80;

class FramePresenter : public RealWindows {
protected:
    void SetUp() override {
        RealWindows::SetUp();
        box_ = Make(ControlKind::PictureBox, 0, {0, 0, kWidth, kHeight});
        system_.SetVisible(box_, false);
        for (auto* background : {&blue_, &green_}) {
            background->dc = tint::win32::OwnedDC(::CreateCompatibleDC(nullptr));
            HDC screen = ::GetDC(nullptr);
            background->bitmap = tint::win32::OwnedBitmap(::CreateCompatibleBitmap(screen, kWidth, kHeight));
            ::ReleaseDC(nullptr, screen);
            ::SelectObject(background->dc.Get(), background->bitmap.Get());
            const RECT all{0, 0, kWidth, kHeight};
            tint::win32::OwnedBrush brush(::CreateSolidBrush(background == &blue_ ? kBlue : kGreen));
            ::FillRect(background->dc.Get(), &all, brush.Get());
        }
        ShowAndPaint();
    }

    // One frame, as the scroller makes it: the background, a red square at
    // x, y, and the copy onto the form.
    void Frame(int x, int y, HDC background = nullptr) {
        const Handle image = system_.ImageDC(box_);
        api_.BitBlt(image, 0, 0, kWidth, kHeight, reinterpret_cast<Handle>(background != nullptr ? background : blue_.dc.Get()), 0, 0,
                    SRCCOPY);
        system_.FillBox(box_, x, y, x + 10, y + 10, kRed);
        api_.BitBlt(system_.FormDC(form_), kX, kY, kWidth, kHeight, system_.ImageDC(box_), 0, 0, SRCCOPY);
    }
    // Straight onto the form, where no frame draws.
    void Scribble(forms::Colour colour = kGreen) {
        HDC dc = reinterpret_cast<HDC>(system_.FormDC(form_));
        const RECT spot{kX + 80, kY + 60, kX + 90, kY + 70};
        tint::win32::OwnedBrush brush(::CreateSolidBrush(colour));
        ::FillRect(dc, &spot, brush.Get());
    }
    COLORREF OnFrame(int x, int y) { return Shown(form_, kX + x, kY + y); }
    COLORREF Scribbled() { return OnFrame(85, 65); }

    struct Background {
        tint::win32::OwnedBitmap bitmap;
        tint::win32::OwnedDC dc;
    } blue_, green_;
    tint::win32::Win32Api api_;
    Handle box_ = 0;
};

TEST_F(FramePresenter, CopiesOnlyWhatChangedUnlessTheFrameIsNotKnownAndPaintsMendFromTheImage) {
    Frame(10, 10);
    EXPECT_EQ(OnFrame(15, 15), kRed);
    EXPECT_EQ(OnFrame(50, 50), kBlue);

    // The last square is put back and the new one drawn; the rest of the
    // form is left as it is.
    Scribble();
    Frame(30, 30);
    EXPECT_EQ(OnFrame(15, 15), kBlue);
    EXPECT_EQ(OnFrame(35, 35), kRed);
    EXPECT_EQ(Scribbled(), kGreen);
    EXPECT_EQ(system_.GetPixel(box_, 15, 15), kBlue);

    // An erase and a paint of the form: the frame comes back from the image.
    ::RedrawWindow(Window(form_), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(Scribbled(), kBlue);
    EXPECT_EQ(OnFrame(35, 35), kRed);

    // Hidden and shown again, whatever the paint left: the next frame goes out whole.
    system_.HideForm(form_);
    ShowAndPaint();
    Scribble();
    Frame(30, 40);
    EXPECT_EQ(Scribbled(), kBlue);

    // Another background is put back whole, and the frame that shows it goes out whole.
    Scribble(kRed);
    Frame(30, 40, green_.dc.Get());
    EXPECT_EQ(system_.GetPixel(box_, 5, 5), kGreen);
    EXPECT_EQ(Scribbled(), kGreen);
    EXPECT_EQ(OnFrame(5, 5), kGreen);

    // Whatever is known, a whole frame within a hundred.
    Scribble(kRed);
    int frames = 0;
    while (Scribbled() == kRed && frames < 200) {
        Frame(frames % 50, 10, green_.dc.Get());
        ++frames;
    }
    EXPECT_LE(frames, 100);
}

}  // namespace
