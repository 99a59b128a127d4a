#include <gtest/gtest.h>

#include <algorithm>

#include "doubles/test_program.h"
#include "faces/face.h"

namespace {

using tint::faces::Face;
using tint::faces::Program;
using tint::testing::FakeWindowSystem;
using tint::testing::ProgramEnded;
using tint::testing::RecordingWinApi;
using tint::testing::TestProgram;
namespace themes = tint::themes;

std::vector<std::string> Only(const std::vector<std::string>& log, std::initializer_list<const char*> prefixes) {
    std::vector<std::string> out;
    for (const std::string& line : log) {
        for (const char* p : prefixes) {
            if (line.rfind(p, 0) == 0) {
                out.push_back(line);
                break;
            }
        }
    }
    return out;
}

class Faces : public ::testing::Test, protected TestProgram {
protected:
    Faces() {
        api.alsoLog = &system.log;
        api.sysColours = {{7, 0x00000000}, {3, 0x00808080}, {15, 0x00C0C0C0}, {20, 0x00FFFFFF}};
    }

    // Starts the program as the run-time does: load, show, then the loop.
    void Start() { program.Run(); }
    std::string H(forms::Handle h) { return std::to_string(h); }

};

TEST_F(Faces, LoadDisablesTimersFirstThenSavesPrimaryThenAccent) {
    Start();
    Face& face = program.frmFancyfrm();
    std::string f = H(face.hWnd());
    auto log = Only(system.log, {"SetTimer", "GetSysColor", "MessageBox"});
    std::vector<std::string> expected = {"SetTimer " + f + " 1 0", "SetTimer " + f + " 2 0", "SetTimer " + f + " 1 0",
                                         "SetTimer " + f + " 2 0", "GetSysColor 7",       "GetSysColor 3"};
    ASSERT_GE(log.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 6), expected);
    EXPECT_EQ(face.savedPrimaryColour, 0x00000000);
    EXPECT_EQ(face.savedAccentColour, 0x00808080);
    EXPECT_EQ(face.clockOn, forms::True);
    EXPECT_EQ(face.lineGap, 10);
    EXPECT_EQ(face.scrollTop, face.bodyHeight);
    EXPECT_EQ(face.scrollStart, face.bodyHeight);
}

TEST_F(Faces, EveryFaceSavesItsOwnTwoElementsOnceAtItsLoad) {
    Face& second = program.frmFancyfrm1();
    api.sysColours[15] = 0x00123456;  // set earlier by another face or another run
    second.Show(&program.frmFancyfrm());
    EXPECT_EQ(second.savedPrimaryColour, 0x00123456);
    EXPECT_EQ(second.savedAccentColour, 0x00FFFFFF);
    second.Hide();
    second.Show(&program.frmFancyfrm());
    EXPECT_EQ(api.CallsStartingWith("GetSysColor").size(), 2u);
}

TEST_F(Faces, NotReadyActivationShowsTheMessageAndChangesNothing) {
    system.pictures[L"logo"] = system.MakeIcon(32, 32);
    Start();
    Face& face = program.frmFancyfrm();
    ASSERT_EQ(system.messageBoxes.size(), 1u);  // closing the box starts no second activation
    EXPECT_EQ(system.messageBoxes[0].text, L"StdPicture not of bitmap type");
    EXPECT_EQ(system.messageBoxes[0].title, L"Brindlemark王v5.1");
    EXPECT_TRUE(api.CallsStartingWith("SetSysColors").empty());
    EXPECT_FALSE(face.Timer1.Enabled());
    EXPECT_FALSE(face.Timer2.Enabled());
    EXPECT_EQ(face.Timer1.Interval(), 10);
}

TEST_F(Faces, NotReadyActivationLeavesStopRequestedAlone) {
    system.pictures[L"logo"] = system.MakeIcon(32, 32);
    Face& face = program.frmFancyfrm();
    face.stopRequested = forms::True;
    Start();
    EXPECT_EQ(face.stopRequested, forms::True);
}

class ReadyFaces : public Faces {
protected:
    void StartReady() { Start(); }
};

TEST_F(ReadyFaces, ActivationAppliesBothColoursThenStartsBothTimers) {
    Face& face = program.frmFancyfrm();
    face.stopRequested = forms::True;
    StartReady();
    std::string f = H(face.hWnd());
    auto log = Only(system.log, {"SetSysColors", "SetTimer"});
    std::vector<std::string> afterLoad(log.begin() + 4, log.end());
    EXPECT_EQ(afterLoad, (std::vector<std::string>{"SetSysColors 1 7=0x006E6432", "SetSysColors 1 3=0x0000FFFF", "SetTimer " + f + " 1 0",
                                                   "SetTimer " + f + " 1 800", "SetTimer " + f + " 2 0", "SetTimer " + f + " 2 10"}));
    EXPECT_EQ(face.stopRequested, forms::False);
    EXPECT_TRUE(system.messageBoxes.empty());
    EXPECT_EQ(api.sysColours[7], 0x006E6432u);
}

TEST_F(ReadyFaces, NumberFieldAboveTheChannelRangeCountsAs255) {
    program.frmFancyfrm().Text3.SetText(L"300");
    StartReady();
    EXPECT_EQ(api.sysColours[7], 0x006E64FFu);
}

TEST_F(ReadyFaces, BadNumberFieldEndsTheActivationBeforeAnyColourIsSet) {
    for (const wchar_t* bad : {L"-1", L"abc", L"40000"}) {
        TestProgram t(themes::kPostGreen);
        FakeWindowSystem& localSystem = t.system;
        RecordingWinApi& localApi = t.api;
        Program& local = t.program;
        local.frmFancyfrm().Text4.SetText(bad);
        EXPECT_THROW(local.Run(), ProgramEnded);
        EXPECT_TRUE(localApi.CallsStartingWith("SetSysColors").empty());
        ASSERT_EQ(localSystem.messageBoxes.size(), 1u);
        EXPECT_EQ(localSystem.messageBoxes[0].text.rfind(L"Run-time error", 0), 0u);
        EXPECT_FALSE(local.frmFancyfrm().Timer2.Enabled());
    }
}

TEST_F(ReadyFaces, EveryActivationAppliesTheColoursAgainFromTheNumberFields) {
    StartReady();
    Face& startup = program.frmFancyfrm();
    Face& second = program.frmFancyfrm1();
    second.Show(&startup);
    system.RunPosted();
    EXPECT_EQ(api.sysColours[15], 0x000A0A0Au);
    startup.Text3.SetText(L"220");
    system.Activate(startup.hWnd());
    system.RunPosted();
    EXPECT_EQ(api.sysColours[7], 0x006E64DCu);
    EXPECT_EQ(api.CallsStartingWith("SetSysColors 1 7=").size(), 2u);
}

TEST_F(Faces, ExitButtonExitCommandAndCloseBoxEachEndTheProgram) {
    for (int way = 0; way < 3; ++way) {
        TestProgram t(themes::kPostGreen);
        FakeWindowSystem& localSystem = t.system;
        RecordingWinApi& localApi = t.api;
        Program& local = t.program;
        local.Run();
        Face& second = local.frmFancyfrm1();
        second.Show(&local.frmFancyfrm());  // an owned face ends it the same way
        localSystem.RunPosted();
        const size_t coloursSet = localApi.CallsStartingWith("SetSysColors").size();
        forms::Handle h = way == 0 ? local.frmFancyfrm().hWnd() : second.hWnd();
        if (way == 0) {
            EXPECT_THROW(localSystem.Click(h, L"cmdExit"), ProgramEnded);
        } else if (way == 1) {
            EXPECT_THROW(localSystem.Click(h, L"mnuFileExit"), ProgramEnded);
        } else {
            EXPECT_THROW(localSystem.Close(h, forms::vbAppWindows), ProgramEnded);
        }
        EXPECT_EQ(localSystem.log.back(), "End");
        EXPECT_EQ(std::count(localSystem.log.begin(), localSystem.log.end(), "End"), 1);
        EXPECT_EQ(localApi.CallsStartingWith("SetSysColors").size(), coloursSet);  // nothing is given back
    }
}

TEST_F(Faces, FaceWindowTakesItsBuildsCaptionSizeAndColours) {
    struct Case {
        const themes::ThemeTable* theme;
        themes::FaceId face;
        int width, height;
        forms::OleColour back, fore;
    };
    const Case cases[] = {
        {&themes::kPostGreen, themes::FaceId::Startup, 603, 609, 0x0080FFFF, 0x000080FF},
        {&themes::kPostGreen, themes::FaceId::Third, 603, 609, 0x006912DE, 0x000080FF},
        {&themes::kSeaBlue, themes::FaceId::Startup, 603, 613, 0x0080FFFF, 0x000080FF},
        {&themes::kSeaBlue, themes::FaceId::Second, 603, 606, 0x0080FFFF, 0x003FF59A},
        {&themes::kSeaBlue, themes::FaceId::Third, 622, 617, 0x0080FFFF, 0x000080FF},
        {&themes::kPinkRose, themes::FaceId::Third, 616, 617, 0x0068F4BC, 0x000080FF},
        {&themes::kArmyGreen, themes::FaceId::Third, 603, 618, 0x0080FFFF, 0x000080FF},
    };
    for (const Case& c : cases) {
        TestProgram t(*c.theme);
        FakeWindowSystem& localSystem = t.system;
        Program& local = t.program;
        Face& face = local.Get(c.face);
        face.Load();
        const auto& spec = localSystem.windows.at(face.hWnd()).formSpec;
        EXPECT_EQ(spec.caption, L"Quorlan皮肤v5.1(国际劳动节特别奉献版)");
        EXPECT_EQ(spec.clientSize.width, c.width);
        EXPECT_EQ(spec.clientSize.height, c.height);
        EXPECT_EQ(face.ScaleWidth(), c.width);
        EXPECT_EQ(spec.backColour, c.back);
        EXPECT_EQ(spec.foreColour, c.fore);
        EXPECT_EQ(face.Text3.Text(), c.theme->Profile(c.face).designRgb[0]);
        EXPECT_EQ(face.Text5.Text(), c.theme->Profile(c.face).designRgb[2]);
    }
}

}  // namespace
