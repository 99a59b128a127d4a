#include <gtest/gtest.h>

#include <algorithm>

#include "doubles/fake_window_system.h"
#include "forms/areas.h"
#include "forms/forms.h"

namespace {

using tint::testing::FakeWindowSystem;
using tint::testing::ProgramEnded;

class TestForm : public forms::Form {
public:
    explicit TestForm(forms::Application& app) : forms::Form(app, forms::FormSpec{L"Test", {100, 80}}) {}

    forms::CommandButton button{*this, nullptr, L"button"};
    forms::TextBox text{*this, nullptr, L"text"};
    forms::Timer timer{*this, true, 0};
    forms::Menu menu{*this, L"menu"};
    forms::MenuItem item{menu, L"item"};

    int loads = 0;
    int activations = 0;
    std::function<void()> onLoad;
    forms::Boolean cancelUnload = forms::False;
    std::int16_t lastUnloadMode = -1;
    std::function<void()> onActivate;

protected:
    void Form_Load() override {
        ++loads;
        if (onLoad) onLoad();
    }
    void Form_Activate() override {
        ++activations;
        if (onActivate) onActivate();
    }
    void Form_QueryUnload(forms::Boolean& cancel, std::int16_t& mode) override {
        lastUnloadMode = mode;
        cancel = cancelUnload;
    }
};

class FormsTest : public ::testing::Test {
protected:
    FakeWindowSystem system;
    forms::Application app{system, L"Title"};
    TestForm a{app};
    TestForm b{app};
};

TEST_F(FormsTest, ActivationRunsAfterTheEventThatShowedTheForm) {
    int writtenBeforeActivation = 0;
    a.onActivate = [&] { writtenBeforeActivation = a.text.Text() == L"written" ? 1 : 0; };
    app.Dispatch([&] {
        a.Show();
        a.text.SetText(L"written");
        EXPECT_EQ(a.activations, 0);
    });
    system.RunPosted();
    EXPECT_EQ(a.activations, 1);
    EXPECT_EQ(writtenBeforeActivation, 1);
    EXPECT_EQ(a.loads, 1);
}

TEST_F(FormsTest, OnlyAChangeOfActiveFormIsAnActivation) {
    a.Show();
    system.RunPosted();
    // Back from another program, or from the form's own message box: the same form again.
    system.Activate(a.hWnd());
    app.MsgBox(L"hello");
    system.RunPosted();
    EXPECT_EQ(a.activations, 1);

    b.Show(&a);
    system.RunPosted();
    system.Activate(a.hWnd());
    system.RunPosted();
    EXPECT_EQ(b.activations, 1);
    EXPECT_EQ(a.activations, 2);
    EXPECT_EQ(system.windows.at(b.hWnd()).owner, a.hWnd());

    // A hidden form made active by a message from outside is not shown to anyone.
    b.Hide();
    system.Activate(b.hWnd());
    system.RunPosted();
    system.Activate(a.hWnd());
    system.RunPosted();
    EXPECT_EQ(b.activations, 1);
    EXPECT_EQ(a.activations, 2);
}

TEST_F(FormsTest, ShowLoadsOnceAndHideKeepsTheFormLoaded) {
    a.Show();
    a.Hide();
    EXPECT_TRUE(a.Loaded());
    EXPECT_FALSE(system.windows.at(a.hWnd()).visible);
    a.Show();
    EXPECT_EQ(a.loads, 1);
    EXPECT_TRUE(system.windows.at(a.hWnd()).visible);
}

TEST_F(FormsTest, ShowDuringTheFormsOwnLoadWaitsForTheLoadToEnd) {
    // A second click on the button that shows the form, handled while the
    // form's load yields, must not show a half-built form.
    int shownDuringLoad = 0;
    b.onLoad = [&] {
        b.Show(&a);
        shownDuringLoad = static_cast<int>(std::count(system.log.begin(), system.log.end(),
                                                      "ShowForm " + std::to_string(b.hWnd()) + " owner " + std::to_string(a.hWnd())));
    };
    a.Show();
    b.Show(&a);
    EXPECT_EQ(shownDuringLoad, 0);
    EXPECT_EQ(b.loads, 1);
    EXPECT_TRUE(system.windows.at(b.hWnd()).visible);
    system.RunPosted();
    EXPECT_EQ(b.activations, 1);
}

TEST_F(FormsTest, UntrappedRunTimeErrorIsShownAndEndsTheProgram) {
    a.Show();
    system.RunPosted();
    a.button.Click = [] { (void)forms::CInt(std::wstring_view(L"abc")); };
    EXPECT_THROW(system.Click(a.hWnd(), L"button"), ProgramEnded);
    ASSERT_EQ(system.messageBoxes.size(), 1u);
    EXPECT_EQ(system.messageBoxes[0].text, L"Run-time error '13':\n\nType mismatch");
    EXPECT_EQ(system.messageBoxes[0].title, L"Title");
    EXPECT_EQ(system.messageBoxes[0].owner, a.hWnd());
}

TEST_F(FormsTest, ClicksReachTheirHandlers) {
    int buttonClicks = 0, itemClicks = 0;
    a.button.Click = [&] { ++buttonClicks; };
    a.item.Click = [&] { ++itemClicks; };
    a.Show();
    system.Click(a.hWnd(), L"button");
    system.Click(a.hWnd(), L"item");
    system.Click(a.hWnd(), L"item");
    EXPECT_EQ(buttonClicks, 1);
    EXPECT_EQ(itemClicks, 2);
}

TEST_F(FormsTest, TimerTicksOnlyWhileEnabledWithAnInterval) {
    int ticks = 0;
    a.timer.Tick = [&] { ++ticks; };
    a.Show();
    auto& timers = system.windows.at(a.hWnd()).timers;
    EXPECT_EQ(timers.at(1), 0);  // enabled, interval 0: never ticks
    system.Tick(a.hWnd(), 1);
    EXPECT_EQ(ticks, 0);

    a.timer.SetInterval(10);
    EXPECT_EQ(timers.at(1), 10);
    system.Tick(a.hWnd(), 1);
    EXPECT_EQ(ticks, 1);

    a.timer.SetEnabled(false);
    EXPECT_EQ(timers.at(1), 0);
    EXPECT_EQ(a.timer.Interval(), 10);
    system.Tick(a.hWnd(), 1);  // a tick already queued when the timer stopped
    EXPECT_EQ(ticks, 1);
    EXPECT_THROW(a.timer.SetInterval(-1), forms::RuntimeError);
}

TEST_F(FormsTest, UnloadAsksQueryUnloadAndTheLastFormGoingEndsTheProgram) {
    a.Show();
    b.Show();
    a.cancelUnload = forms::True;
    a.Unload();
    EXPECT_TRUE(a.Loaded());
    EXPECT_EQ(a.lastUnloadMode, forms::vbFormCode);

    a.cancelUnload = forms::False;
    system.Close(a.hWnd());
    EXPECT_FALSE(a.Loaded());
    EXPECT_EQ(a.lastUnloadMode, forms::vbFormControlMenu);
    EXPECT_THROW(b.Unload(), ProgramEnded);
}

TEST_F(FormsTest, PropertiesSetBeforeLoadBecomeTheDesign) {
    a.text.SetText(L"50");
    a.button.Design().caption = L"go";
    a.button.SetVisible(false);
    a.Show();
    auto& button = system.windows.at(system.Find(a.hWnd(), L"button"));
    EXPECT_EQ(button.spec.caption, L"go");
    EXPECT_FALSE(button.visible);
    EXPECT_EQ(a.text.Text(), L"50");
    a.button.SetVisible(true);
    EXPECT_TRUE(button.visible);
}

// Each drawn area gains a margin and loses what lies off the image; the first
// two overlap and the last two touch: two areas, as wide and deep as they join.
TEST(DrawnAreas, AreWidenedOnTheImageAndMergedByRows) {
    using forms::Area;
    EXPECT_EQ(forms::WidenedOnImage({10, 300, 500, 320}, 2, 601, 557), (Area{8, 298, 502, 322}));
    EXPECT_EQ(forms::WidenedOnImage({-5, 550, 700, 600}, 2, 601, 557), (Area{0, 548, 601, 557}));
    EXPECT_FALSE(forms::WidenedOnImage({0, 560, 50, 600}, 2, 601, 557).has_value());
    EXPECT_EQ(forms::MergedByRows({{0, 335, 601, 340}, {10, 300, 500, 320}, {100, 340, 200, 345}, {5, 318, 520, 330}}),
              (std::vector<Area>{{5, 300, 520, 330}, {0, 335, 601, 345}}));
}

}  // namespace
