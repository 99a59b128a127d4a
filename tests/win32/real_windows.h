// What the tests of real windows share: one window system for the process, a
// form of each test's own that records what it is told, and ways to make
// controls, run the message loop and read what a window shows.
#pragma once

#include "forms/window_system.h"
#include "win32/win32_window_system.h"

#include <gtest/gtest.h>

#include <vector>

namespace tint::testing {

struct RecordedEvents : forms::WindowEvents {
    std::vector<int> commands;
    std::vector<int> ticks;
    int activations = 0;
    int closeRequests = 0;
    void OnActivated() override { ++activations; }
    void OnCloseRequest(int) override { ++closeRequests; }
    void OnCommand(int controlId) override { commands.push_back(controlId); }
    void OnTimer(int timerId) override { ticks.push_back(timerId); }
};

// One window system for the whole process, as a program has: its window
// classes and its dispatcher window are made once.
inline tint::win32::Win32WindowSystem& System() {
    static tint::win32::Win32WindowSystem system(::GetModuleHandleW(nullptr));
    return system;
}

inline HWND Window(forms::Handle handle) { return reinterpret_cast<HWND>(handle); }

class RealWindows : public ::testing::Test {
protected:
    void SetUp() override {
        forms::FormSpec spec;
        spec.caption = L"tint window system test";
        spec.clientSize = {320, 240};
        form_ = system_.CreateForm(spec, events_);
    }
    void TearDown() override { system_.DestroyForm(form_); }

    // A control of the test's form; parent 0 stands for the form.
    forms::Handle Make(forms::ControlKind kind, forms::Handle parent, forms::PixelRect rect, int id = 0,
                       forms::OleColour back = forms::SystemColour(15)) {
        forms::ControlSpec spec;
        spec.kind = kind;
        spec.rect = rect;
        spec.id = id;
        spec.backColour = back;
        return Make(spec, parent);
    }
    forms::Handle Make(forms::ControlSpec spec, forms::Handle parent) { return system_.CreateControl(form_, parent == 0 ? form_ : parent, spec); }
    // A picture box that keeps what is drawn on it.
    forms::Handle Box(forms::Handle parent, forms::PixelRect rect, forms::OleColour back = forms::SystemColour(15)) {
        const forms::Handle box = Make(forms::ControlKind::PictureBox, parent, rect, 0, back);
        system_.SetAutoRedraw(box, true);
        return box;
    }

    // Shows the form and lets every window paint what it has to.
    void ShowAndPaint() {
        system_.ShowForm(form_, 0);
        Settle();
    }
    void Settle() {
        ::RedrawWindow(Window(form_), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        system_.DoEvents();
    }

    // Runs the message loop until the condition holds or the time is up.
    template <class Condition>
    bool PumpUntil(Condition done, DWORD ms) {
        const DWORD start = ::GetTickCount();
        while (!done()) {
            if (::GetTickCount() - start > ms) return false;
            system_.DoEvents();
            ::Sleep(5);
        }
        return true;
    }

    // What the window shows at a point of its client area.
    static COLORREF Shown(forms::Handle window, int x, int y) {
        HDC dc = ::GetDC(Window(window));
        COLORREF colour = ::GetPixel(dc, x, y);
        ::ReleaseDC(Window(window), dc);
        return colour;
    }

    tint::win32::Win32WindowSystem& system_ = System();
    RecordedEvents events_;
    forms::Handle form_ = 0;
};

}  // namespace tint::testing
