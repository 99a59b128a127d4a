#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "doubles/test_program.h"
#include "faces/face.h"

namespace tint::themes {
// A build shows by its name in the listing and in a failure.
void PrintTo(const Build& build, std::ostream* os) { *os << build.name; }
}  // namespace tint::themes

namespace {

using tint::faces::Face;
using tint::faces::Program;
using tint::testing::FakeWindowSystem;
using tint::testing::TestProgram;
namespace themes = tint::themes;
using themes::FaceId;

class Switching : public ::testing::TestWithParam<themes::Build>, protected TestProgram {
protected:
    Switching() : TestProgram(GetParam().table) {}

    void StartReady() { program.Run(); }

    // Selects the face's option button and clicks its change-face button, as
    // the user would, then lets the message loop run.
    void SwitchFrom(Face& face) {
        face.Option1.SetValue(forms::True);
        system.Click(face.hWnd(), L"Command2");
        system.RunPosted();
    }

    int Count(const std::string& prefix) {
        return static_cast<int>(std::count_if(system.log.begin(), system.log.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
    }

};

TEST_P(Switching, UnselectedOptionButtonMakesTheClickDoNothing) {
    program.Run();
    Face& startup = program.frmFancyfrm();
    size_t before = system.log.size();
    system.Click(startup.hWnd(), L"Command2");
    system.RunPosted();
    EXPECT_EQ(system.log.size(), before);
    EXPECT_FALSE(program.Exists(FaceId::Second));
    EXPECT_TRUE(startup.Visible());
}

TEST_P(Switching, ShowsNextFaceThenHidesThisOneThenWritesTheHandOff) {
    StartReady();
    Face& startup = program.frmFancyfrm();
    startup.Option1.SetValue(forms::True);
    system.log.clear();
    system.Click(startup.hWnd(), L"Command2");
    Face& second = program.frmFancyfrm1();
    std::vector<std::string> order;
    for (const std::string& l : system.log) {
        if (l.rfind("ShowForm", 0) == 0 || l.rfind("HideForm", 0) == 0 || l.rfind("SetCaption Text", 0) == 0) order.push_back(l);
    }
    const auto& h = GetParam().table.Profile(FaceId::Startup).handoffRgb;
    EXPECT_EQ(order, (std::vector<std::string>{"ShowForm " + std::to_string(second.hWnd()) + " owner " + std::to_string(startup.hWnd()),
                                               "HideForm " + std::to_string(startup.hWnd()), "SetCaption Text3 " + std::to_string(h[0]),
                                               "SetCaption Text4 " + std::to_string(h[1]), "SetCaption Text5 " + std::to_string(h[2])}));
    // The activation ran after the writes: the hand-off colour is applied at once.
    system.RunPosted();
    EXPECT_EQ(api.sysColours[15], forms::RGB(h[0], h[1], h[2]));
    EXPECT_EQ(api.sysColours[GetParam().table.Profile(FaceId::Second).accentColourElement], GetParam().table.Profile(FaceId::Second).accentColour);
}

TEST_P(Switching, FullCycleLoadsEachFaceOnceAndLeavesTheHandOffValues) {
    StartReady();
    Face& startup = program.frmFancyfrm();
    SwitchFrom(startup);
    Face& second = program.frmFancyfrm1();
    SwitchFrom(second);
    Face& third = program.frmFancyfrm2();
    SwitchFrom(third);
    EXPECT_EQ(Count("CreateForm"), 3);
    SwitchFrom(startup);
    SwitchFrom(second);
    SwitchFrom(third);
    EXPECT_EQ(Count("CreateForm"), 3);  // no face loads a second time

    const themes::ThemeTable& t = GetParam().table;
    auto texts = [](Face& f) { return std::vector<std::wstring>{f.Text3.Text(), f.Text4.Text(), f.Text5.Text()}; };
    auto handoff = [&](FaceId from) {
        const auto& h = t.Profile(from).handoffRgb;
        return std::vector<std::wstring>{std::to_wstring(h[0]), std::to_wstring(h[1]), std::to_wstring(h[2])};
    };
    EXPECT_EQ(texts(second), handoff(FaceId::Startup));
    EXPECT_EQ(texts(third), handoff(FaceId::Second));
    EXPECT_EQ(texts(startup), handoff(FaceId::Third));
    EXPECT_TRUE(startup.Visible());
    EXPECT_FALSE(second.Visible());
    EXPECT_FALSE(third.Visible());
    // The third face shows the start-up face without an owner; the others are owned by it.
    EXPECT_EQ(system.windows.at(startup.hWnd()).owner, 0);
    EXPECT_EQ(system.windows.at(second.hWnd()).owner, startup.hWnd());
    EXPECT_EQ(system.windows.at(third.hWnd()).owner, startup.hWnd());
    // The start-up face, back in front, applied what the third face handed it.
    const auto& h = t.Profile(FaceId::Third).handoffRgb;
    EXPECT_EQ(api.sysColours[t.Profile(FaceId::Startup).primaryColourElement], forms::RGB(h[0], h[1], h[2]));
}

TEST_P(Switching, HiddenFaceKeepsItsTimersRunning) {
    StartReady();
    Face& startup = program.frmFancyfrm();
    SwitchFrom(startup);
    EXPECT_FALSE(startup.Visible());
    EXPECT_TRUE(startup.Timer1.Enabled());
    EXPECT_TRUE(startup.Timer2.Enabled());
    EXPECT_EQ(system.windows.at(startup.hWnd()).timers.at(2), 10);
}

TEST_P(Switching, EachFaceHasItsOwnOptionButton) {
    StartReady();
    Face& startup = program.frmFancyfrm();
    SwitchFrom(startup);
    Face& second = program.frmFancyfrm1();
    EXPECT_EQ(second.Option1.Value(), forms::False);
    system.Click(second.hWnd(), L"Command2");
    system.RunPosted();
    EXPECT_FALSE(program.Exists(FaceId::Third));
    EXPECT_TRUE(second.Visible());
    EXPECT_EQ(startup.Option1.Value(), forms::True);  // the face left behind keeps its selection
}

INSTANTIATE_TEST_SUITE_P(Builds, Switching,
                         ::testing::ValuesIn(themes::AllBuilds()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SwitchingPostGreen, HandOffTextsAreTheDesignedOnes) {
    TestProgram t(themes::kPostGreen);
    FakeWindowSystem& system = t.system;
    Program& program = t.program;
    program.Run();
    for (FaceId id : {FaceId::Startup, FaceId::Second, FaceId::Third}) {
        Face& face = program.Get(id);
        face.Option1.SetValue(forms::True);
        system.Click(face.hWnd(), L"Command2");
        system.RunPosted();
    }
    EXPECT_EQ(program.frmFancyfrm1().Text3.Text() + L"," + program.frmFancyfrm1().Text4.Text() + L"," + program.frmFancyfrm1().Text5.Text(), L"50,150,150");
    EXPECT_EQ(program.frmFancyfrm2().Text3.Text() + L"," + program.frmFancyfrm2().Text4.Text() + L"," + program.frmFancyfrm2().Text5.Text(), L"110,251,30");
    EXPECT_EQ(program.frmFancyfrm().Text3.Text() + L"," + program.frmFancyfrm().Text4.Text() + L"," + program.frmFancyfrm().Text5.Text(), L"220,125,50");
}

}  // namespace
