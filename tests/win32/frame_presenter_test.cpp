// The frame presenter on real GDI: the faces' whole-image BitBlts, of a
// background into picBody and of the frame onto the form, reach only where
// GDI saw drawing unless the frame is not known; the form's paint mends from
// the image.
#include "win32/real_windows.h"
#include "win32/win32_api.h"

namespace {

using forms::ControlKind;
using forms::Handle;

constexpr forms::Colour kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00C000;
constexpr int kX = 50, kY = 40;

class FramePresenter : public tint::testing::RealWindows {
protected:
    // A background as the faces hold theirs: a bitmap in a memory device context.
    HDC Background(forms::Colour colour) {
        const Handle source = Box(0, {200, 0, 100, 80}, colour);
        pictures_.push_back(system_.CopyImage(source));
        dcs_.emplace_back(::CreateCompatibleDC(nullptr));
        ::SelectObject(dcs_.back().Get(), reinterpret_cast<HGDIOBJ>(pictures_.back().Handle()));
        return dcs_.back().Get();
    }
    // One frame as the scroller makes it: the background, a red square at x, y, the copy.
    void Frame(int x, int y, HDC background) {
        api_.BitBlt(system_.ImageDC(box_), 0, 0, 100, 80, reinterpret_cast<Handle>(background), 0, 0, SRCCOPY);
        system_.FillBox(box_, x, y, x + 10, y + 10, kRed);
        api_.BitBlt(system_.FormDC(form_), kX, kY, 100, 80, system_.ImageDC(box_), 0, 0, SRCCOPY);
    }
    // Straight onto the form, where no frame here draws.
    void Scribble(forms::Colour colour) {
        const RECT spot{kX + 80, kY + 60, kX + 90, kY + 70};
        tint::win32::OwnedBrush brush(::CreateSolidBrush(colour));
        ::FillRect(reinterpret_cast<HDC>(system_.FormDC(form_)), &spot, brush.Get());
    }
    COLORREF OnFrame(int x, int y) { return Shown(form_, kX + x, kY + y); }

    tint::win32::Win32Api api_;
    Handle box_ = 0;
    std::vector<forms::Picture> pictures_;
    std::vector<tint::win32::OwnedDC> dcs_;  // free their pictures' bitmaps first
};

TEST_F(FramePresenter, CopiesOnlyWhatChangedUnlessTheFrameIsNotKnownAndPaintsMendFromTheImage) {
    const HDC blue = Background(kBlue), green = Background(kGreen);
    box_ = Box(0, {0, 0, 100, 80});
    system_.SetVisible(box_, false);
    ShowAndPaint();
    Frame(10, 10, blue);
    EXPECT_EQ(OnFrame(15, 15), kRed);
    // The last square is put back and the new one drawn; the rest of the form is left as it is.
    Scribble(kGreen);
    Frame(30, 30, blue);
    EXPECT_EQ(OnFrame(15, 15), kBlue);
    EXPECT_EQ(OnFrame(35, 35), kRed);
    EXPECT_EQ(OnFrame(85, 65), kGreen);
    // An erase and a paint of the form: the frame comes back from the image.
    ::RedrawWindow(tint::testing::Window(form_), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(OnFrame(85, 65), kBlue);
    EXPECT_EQ(OnFrame(35, 35), kRed);
    // Hidden and shown again, whatever its paint left, the form gets the next frame whole.
    system_.HideForm(form_);
    ShowAndPaint();
    Scribble(kGreen);
    Frame(30, 40, blue);
    EXPECT_EQ(OnFrame(85, 65), kBlue);
    // Another background is put back whole, and goes out whole.
    Scribble(kRed);
    Frame(30, 40, green);
    EXPECT_EQ(OnFrame(85, 65), kGreen);
    // However much is known, a whole frame within a hundred.
    Scribble(kRed);
    int frames = 0;
    for (; OnFrame(85, 65) == kRed && frames < 200; ++frames) Frame(frames % 50, 10, green);
    EXPECT_LE(frames, 100);
}

// A minimised form has no client area, and a frame centred on it lands far
// off; once restored, the form shows the frame where it stood, and no part
// of it anywhere else.
TEST_F(FramePresenter, AFrameSentToAMinimisedFormIsShownWhereItStoodOnceRestored) {
    const HDC blue = Background(kBlue);
    box_ = Box(0, {0, 0, 100, 80});
    system_.SetVisible(box_, false);
    ShowAndPaint();
    Frame(10, 10, blue);
    ::ShowWindow(tint::testing::Window(form_), SW_MINIMIZE);
    Settle();
    api_.BitBlt(system_.FormDC(form_), -100 / 2, -80 / 2, 100, 80, system_.ImageDC(box_), 0, 0, SRCCOPY);
    ::ShowWindow(tint::testing::Window(form_), SW_RESTORE);
    Settle();
    EXPECT_EQ(OnFrame(5, 5), kBlue);
    EXPECT_EQ(OnFrame(15, 15), kRed);
    EXPECT_EQ(Shown(form_, 5, 5), ::GetSysColor(COLOR_BTNFACE));
}

}  // namespace
