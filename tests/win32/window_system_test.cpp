// The real window system, in this process: real windows made through the
// forms layer's interface and checked for what only they show (stacking,
// where commands arrive, what a paint leaves on screen, timers, GDI objects).
// The doubles stand in for all of this in the native tests.
//
#include "faces/face.h"
#include "win32/gdi_objects.h"
#include "win32/real_windows.h"
#include "win32/win32_api.h"

#include <vector>

namespace {

using forms::ControlKind;
using forms::ControlSpec;
using forms::Handle;
using forms::PixelRect;
using tint::testing::RealWindows;
using tint::testing::System;
using tint::testing::Window;

constexpr forms::Colour kRed = 0x0000FF;
constexpr forms::Colour kBlue = 0xFF0000;
constexpr forms::Colour kGreen = 0x00C000;

// Whether a lies above b: siblings, a found first going down the Z order.
bool LiesAbove(HWND a, HWND b) {
    if (::GetParent(a) != ::GetParent(b)) return false;
    for (HWND w = ::GetWindow(::GetParent(a), GW_CHILD); w != nullptr; w = ::GetWindow(w, GW_HWNDNEXT)) {
        if (w == a) return true;
        if (w == b) return false;
    }
    return false;
}

// Made earlier in a container means lying on top, on real windows as in the
// faces' design: the exit button covers the clock button, with which it
// shares a rectangle, and the change-face pair lies over the status bar. The
// third face's own order puts the music button over the exit button in the
// pixel column they share, and picBody right under Option1.
TEST(FaceOnRealWindows, StacksAsDesigned) {
    tint::win32::Win32Api api;
    forms::Application app(System(), tint::faces::kProgramTitle);
    tint::faces::Program program(app, api, tint::themes::kPostGreen);
    for (tint::faces::Face* face : {&program.frmFancyfrm(), &program.frmFancyfrm2()}) {
        face->Load();
        const bool third = face == &program.frmFancyfrm2();
        EXPECT_TRUE(LiesAbove(Window(face->cmdExit.hWnd()), Window(face->cmdClock.hWnd())));
        EXPECT_TRUE(LiesAbove(Window(face->Command2.hWnd()), Window(face->picStatusBar.hWnd())));
        EXPECT_TRUE(LiesAbove(Window(face->Option1.hWnd()), Window(face->picStatusBar.hWnd())));
        HWND atColumn78 = ::ChildWindowFromPointEx(Window(face->picToolBar.hWnd()), POINT{78, 5}, CWP_ALL);
        EXPECT_EQ(atColumn78, Window((third ? face->cmdMusic : face->cmdExit).hWnd()));
        EXPECT_EQ(::GetWindow(Window(face->Option1.hWnd()), GW_HWNDNEXT) == Window(face->picBody.hWnd()), third);
    }
}

TEST_F(RealWindows, ButtonsInsidePictureBoxesCommandTheForm) {
    Handle box = Make(ControlKind::PictureBox, 0, {10, 10, 200, 100});
    Handle inBox = Make(ControlKind::CommandButton, box, {5, 5, 60, 25}, 42);
    Handle graphical = Make(ControlKind::GraphicalButton, box, {70, 5, 30, 25}, 43);
    Handle onForm = Make(ControlKind::CommandButton, 0, {10, 150, 60, 25}, 44);
    ShowAndPaint();
    for (Handle button : {inBox, graphical, onForm}) ::SendMessageW(Window(button), BM_CLICK, 0, 0);
    system_.DoEvents();
    EXPECT_EQ(events_.commands, (std::vector<int>{42, 43, 44}));
}

// Labels and images have no window: their container paints them, over its
// persistent image where it has one.
TEST_F(RealWindows, ContainersPaintTheirLabelsAndImages) {
    Handle box = Make(ControlKind::PictureBox, 0, {10, 10, 200, 120}, 0, kBlue);
    ControlSpec label;
    label.kind = ControlKind::Label;
    label.rect = {10, 10, 60, 40};
    label.backColour = kRed;
    label.caption = L"Ab";
    Make(label, box);
    label.rect = {10, 150, 60, 20};
    Make(label, 0);

    // An image showing a picture of one colour, taken from another box.
    Handle source = Box(0, {250, 10, 16, 16});
    system_.FillBox(source, 0, 0, 16, 16, kGreen);
    ControlSpec image;
    image.kind = ControlKind::Image;
    image.rect = {120, 10, 16, 16};
    image.picture = system_.CopyImage(source);
    Make(image, box);
    ShowAndPaint();

    EXPECT_EQ(Shown(box, 60, 40), kRed);  // clear of the caption's letters
    EXPECT_EQ(Shown(box, 150, 100), kBlue);
    EXPECT_EQ(Shown(form_, 60, 165), kRed);
    EXPECT_EQ(Shown(box, 125, 15), kGreen);
}

TEST_F(RealWindows, PersistentImageSurvivesARepaint) {
    Handle box = Box(0, {10, 10, 120, 80}, kBlue);
    system_.FillBox(box, 0, 0, 40, 30, kRed);
    system_.SetPixel(box, 100, 60, kGreen);
    ShowAndPaint();
    ::InvalidateRect(Window(box), nullptr, TRUE);
    ::UpdateWindow(Window(box));
    EXPECT_EQ(Shown(box, 5, 5), kRed);
    EXPECT_EQ(Shown(box, 100, 60), kGreen);
    EXPECT_EQ(Shown(box, 80, 20), kBlue);
    EXPECT_EQ(system_.GetPixel(box, 100, 60), kGreen);
}

// What shows a system colour shows the one in force when it paints; only
// what was drawn into a persistent image keeps the colour it was drawn in.
TEST_F(RealWindows, SystemColoursArePaintedAsTheyStandWhenPainted) {
    const int elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT};
    const COLORREF changed[] = {0x329696, 0x3232FF}, saved[] = {::GetSysColor(elements[0]), ::GetSysColor(elements[1])};
    struct Restore {
        const int* elements;
        const COLORREF* colours;
        ~Restore() { ::SetSysColors(2, elements, colours); }
    } restore{elements, saved};
    Handle plain = Make(ControlKind::PictureBox, 0, {10, 10, 60, 40});
    Handle kept = Box(0, {80, 10, 60, 40});
    ControlSpec option;
    option.kind = ControlKind::OptionButton;
    option.rect = {10, 60, 200, 40};
    // Solid blocks, whose middles the text colour fills whatever the smoothing.
    option.caption = L"\u2588\u2588\u2588\u2588";
    option.font = forms::FontSpec{L"Arial", 20, true, 0};
    Handle button = Make(option, 0);
    ShowAndPaint();
    ::SetSysColors(2, elements, changed);
    Settle();
    EXPECT_EQ(Shown(plain, 30, 20), changed[0]);
    EXPECT_EQ(Shown(kept, 30, 20), saved[0]);
    int textPixels = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 200; ++x) textPixels += Shown(button, x, y) == changed[1];
    }
    EXPECT_GT(textPixels, 50);
}

TEST_F(RealWindows, TimerTicksWhileItHasAnIntervalAndNotAfter) {
    system_.SetTimer(form_, 7, 15);
    EXPECT_TRUE(PumpUntil([&] { return events_.ticks.size() >= 2; }, 2000));
    system_.SetTimer(form_, 7, 0);
    system_.DoEvents();
    events_.ticks.clear();
    PumpUntil([] { return false; }, 150);
    EXPECT_TRUE(events_.ticks.empty());
}

// What a running face does to its picture boxes over and over must free all
// it makes.
TEST_F(RealWindows, RepeatedImageDrawingHoldsNoMoreGdiObjects) {
    Handle box = Box(0, {10, 10, 200, 120});
    ControlSpec image;
    image.kind = ControlKind::Image;
    image.rect = {210, 10, 16, 16};
    Handle shown = Make(image, 0);
    ShowAndPaint();
    const auto drawRound = [&](int i) {
        system_.FillBox(box, 0, 0, 200, 120, static_cast<forms::Colour>(i * 0x010203));
        for (double points : {9.0, 12.0, 18.0}) {
            system_.SetFont(box, forms::FontSpec{L"Arial", points, i % 2 == 0, 0});
            system_.PrintText(box, 5, 5, L"tint");
        }
        forms::Picture copy = system_.CopyImage(box);
        system_.SetPicture(shown, copy);
        system_.SetPicture(box, copy);
        system_.SetBounds(box, {10, 10, 200 + i % 3, 120});
        Settle();
    };
    // The fonts are made on first use and kept for the whole run.
    drawRound(0);
    drawRound(1);
    const long before = tint::win32::LiveGdiObjects();
    for (int i = 2; i < 200; ++i) drawRound(i);
    EXPECT_EQ(tint::win32::LiveGdiObjects(), before);
}

}  // namespace
