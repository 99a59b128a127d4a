// Focus and keyboard on real windows: a form is no dialog, so the window
// system itself walks the tab order and answers Enter and the arrows.
#include "win32/real_windows.h"

#include <vector>

namespace {

using forms::ControlKind;
using forms::ControlSpec;
using forms::Handle;
using tint::testing::RealWindows;
using tint::testing::RecordedEvents;
using tint::testing::Window;

class Focus : public RealWindows {
protected:
    Handle Button(int tabIndex, int id, Handle parent = 0, ControlKind kind = ControlKind::CommandButton) {
        ControlSpec spec;
        spec.kind = kind;
        spec.rect = {10 + 70 * (tabIndex % 4), 10 + 40 * (tabIndex / 4), 60, 25};
        spec.id = id;
        spec.tabIndex = tabIndex;
        return Make(spec, parent);
    }
    // A key as the message loop gets it, to the control that holds the focus.
    void Key(WPARAM key, bool shift = false) {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        ::SetKeyboardState(keys);
        ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
        ::PostMessageW(::GetFocus(), WM_KEYUP, key, 0xC0000001);
        system_.DoEvents();
        keys[VK_SHIFT] = 0;
        ::SetKeyboardState(keys);
    }
    HWND Focused() { return ::GetFocus(); }
};

// Visible, enabled windowed controls, picture boxes among them, in tab order
// whatever their stacking, inside picture boxes too; hidden and disabled ones
// and labels are passed over. The walk wraps at both ends, and a picture box
// that holds the focus shows a focus rectangle.
TEST_F(Focus, TabWalksTheTabOrderRound) {
    Handle later = Button(3, 1);
    Handle first = Button(1, 2);
    Handle option = Button(2, 3, 0, ControlKind::OptionButton);
    ControlSpec hidden;
    hidden.kind = ControlKind::PictureBox;
    hidden.tabIndex = 0;
    hidden.visible = false;
    Make(hidden, 0);
    ControlSpec disabled = hidden;
    disabled.kind = ControlKind::CommandButton;
    disabled.visible = true;
    disabled.enabled = false;
    disabled.tabIndex = 4;
    Make(disabled, 0);
    ControlSpec label = disabled;
    label.kind = ControlKind::Label;
    label.enabled = true;
    label.tabIndex = 0;
    Make(label, 0);
    Handle box = Button(5, 0, 0, ControlKind::PictureBox);
    Handle inBox = Button(6, 4, box);
    ShowAndPaint();

    EXPECT_EQ(Focused(), Window(first)) << "a form shown starts at its first control";
    // Two neighbours on the rectangle's top edge: its dots fall on one of them.
    auto cue = [&] { return std::vector<COLORREF>{Shown(box, 1, 1), Shown(box, 2, 1)}; };
    const std::vector<COLORREF> unfocused = cue();
    std::vector<HWND> walk;
    std::vector<COLORREF> focusedBox = unfocused;
    for (int i = 0; i < 5; ++i) {
        Key(VK_TAB);
        walk.push_back(Focused());
        if (Focused() == Window(box)) {
            Settle();
            focusedBox = cue();
        }
    }
    EXPECT_EQ(walk, (std::vector<HWND>{Window(option), Window(later), Window(box), Window(inBox), Window(first)}));
    EXPECT_NE(focusedBox, unfocused) << "the focus rectangle of the picture box";
    Settle();
    EXPECT_EQ(cue(), unfocused) << "gone with the focus";
    Key(VK_TAB, true);
    EXPECT_EQ(Focused(), Window(inBox));
    Key(VK_TAB, true);
    EXPECT_EQ(Focused(), Window(box));
    Key(VK_RETURN);
    EXPECT_TRUE(events_.commands.empty()) << "Enter on a picture box presses nothing";
}

TEST_F(Focus, EnterSpaceAndArrowsActOnTheFocusedControl) {
    Handle button = Button(1, 11);
    Handle graphical = Button(2, 12, 0, ControlKind::GraphicalButton);
    Handle option = Button(3, 13, 0, ControlKind::OptionButton);
    ShowAndPaint();
    Key(VK_RETURN);
    // A held Enter repeats its key-down: still one click.
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, VK_RETURN, 1 | (1L << 30));
    system_.DoEvents();
    Key(VK_TAB);
    ASSERT_EQ(Focused(), Window(graphical));
    Key(VK_SPACE);
    Key(VK_TAB);
    ASSERT_EQ(Focused(), Window(option));
    Key(VK_RETURN);  // no default button: Enter on an option button does nothing
    EXPECT_FALSE(system_.GetChecked(option));
    Key(VK_RIGHT);
    EXPECT_TRUE(system_.GetChecked(option));
    EXPECT_EQ(events_.commands, (std::vector<int>{11, 12, 13}));
    (void)button;
}

// A form's focus is where the user left it when another window took over;
// hidden and shown again, it starts afresh. Clicks and keys sent to a hidden
// form neither reach it nor make it the active window; a request to close it
// does reach it.
TEST_F(Focus, FocusComesBackAndHiddenFormsTakeNoInput) {
    Handle first = Button(1, 21);
    Handle second = Button(2, 22);
    ShowAndPaint();
    Key(VK_TAB);
    ASSERT_EQ(Focused(), Window(second));

    RecordedEvents otherEvents;
    forms::FormSpec spec;
    spec.caption = L"tint window system test, another form";
    spec.clientSize = {200, 100};
    Handle other = system_.CreateForm(spec, otherEvents);
    forms::ControlSpec otherButton;
    otherButton.kind = ControlKind::CommandButton;
    otherButton.rect = {10, 10, 60, 25};
    otherButton.id = 31;
    Handle otherButtonHandle = system_.CreateControl(other, other, otherButton);
    system_.ShowForm(other, 0);
    system_.DoEvents();
    ::SetActiveWindow(Window(form_));
    system_.DoEvents();
    EXPECT_EQ(Focused(), Window(second)) << "back where it was";
    ::ShowWindow(Window(form_), SW_MINIMIZE);
    system_.DoEvents();
    ::ShowWindow(Window(form_), SW_RESTORE);
    system_.DoEvents();
    EXPECT_EQ(Focused(), Window(second)) << "back where it was after a restore";

    system_.HideForm(other);
    const int activations = otherEvents.activations;
    ::PostMessageW(Window(otherButtonHandle), BM_CLICK, 0, 0);
    ::PostMessageW(Window(otherButtonHandle), WM_KEYDOWN, VK_RETURN, 1);
    ::PostMessageW(Window(otherButtonHandle), WM_KEYDOWN, VK_SPACE, 1);
    ::PostMessageW(Window(otherButtonHandle), WM_KEYUP, VK_SPACE, 0xC0000001);
    system_.DoEvents();
    EXPECT_TRUE(otherEvents.commands.empty());
    EXPECT_EQ(otherEvents.activations, activations);
    EXPECT_EQ(::GetActiveWindow(), Window(form_));
    ::PostMessageW(Window(other), WM_SYSCOMMAND, SC_CLOSE, 0);
    system_.DoEvents();
    EXPECT_EQ(otherEvents.closeRequests, 1) << "closed from outside while hidden";
    EXPECT_EQ(::GetActiveWindow(), Window(form_));

    system_.HideForm(form_);
    system_.ShowForm(form_, 0);
    system_.DoEvents();
    EXPECT_EQ(Focused(), Window(first)) << "shown again, at its first control";

    // Sent straight to the button, as a modal loop would dispatch it, the
    // click still commands nothing.
    ::SendMessageW(Window(otherButtonHandle), BM_CLICK, 0, 0);
    system_.DoEvents();
    EXPECT_TRUE(otherEvents.commands.empty());
    system_.DestroyForm(other);
}

}  // namespace
