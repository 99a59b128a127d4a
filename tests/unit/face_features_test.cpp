// The clock, the music, the menu bitmaps, the status-bar frame and the sword
// button, against the doubles.
#include <gtest/gtest.h>

#include "doubles/test_program.h"

namespace {

using tint::faces::Face;
using tint::testing::Hex;
using tint::testing::ProgramEnded;
using tint::testing::TestProgram;
namespace themes = tint::themes;
using themes::FaceId;

class Features : public ::testing::Test, protected TestProgram {
protected:
    explicit Features(const themes::ThemeTable& theme = themes::kPostGreen) : TestProgram(theme) {}

    Face& Started() {
        program.Run();
        return program.frmFancyfrm();
    }
    void Click(Face& face, const wchar_t* control) {
        system.Click(face.hWnd(), control);
        system.RunPosted();
    }
    std::string Bitmaps(Face& face, int position, const forms::Image& image) {
        const std::string h = std::to_string(image.Picture().Handle());
        return "SetMenuItemBitmaps " + std::to_string(tint::testing::RecordingWinApi::MenuBarOf(face.hWnd())) + " " +
               std::to_string(500 + position) + " 4 " + h + " " + h;
    }
};

TEST(TimeFormat, TwelveHourClockWithTheUsersSeparator) {
    EXPECT_EQ(forms::Format({14, 5, 9}, L"hh:mm:ss AM/PM", L':'), L"02:05:09 PM");
    EXPECT_EQ(forms::Format({0, 30, 0}, L"hh:mm:ss AM/PM", L':'), L"12:30:00 AM");
    EXPECT_EQ(forms::Format({12, 0, 0}, L"hh:mm:ss AM/PM", L':'), L"12:00:00 PM");
    EXPECT_EQ(forms::Format({0, 0, 1}, L"hh:mm:ss AM/PM", L'.'), L"12.00.01 AM");
    EXPECT_EQ(forms::Format({23, 59, 59}, L"hh:mm:ss", L':'), L"23:59:59");
}

TEST_F(Features, ClockTicksIntoItsLabelAndSwitchesOffAndOn) {
    Face& face = Started();
    system.now = {0, 0, 1};
    system.Tick(face.hWnd(), 1);
    EXPECT_EQ(face.lblClock.Caption(), L"12:00:01 AM  ");
    EXPECT_FALSE(Window(face.lblClock).visible);  // hidden by the design until switched on

    Click(face, L"mnuFileClock");  // on from the load, so this switches off
    EXPECT_EQ(face.clockOn, forms::False);
    EXPECT_EQ(Window(face.cmdClock).spec.toolTip, L"Turn clock on");
    EXPECT_EQ(face.cmdClock.Picture().Handle(), face.imgClock2.Picture().Handle());
    EXPECT_FALSE(face.Timer1.Enabled());
    EXPECT_EQ(api.calls.back(), Bitmaps(face, 1, face.imgClock2));

    Click(face, L"cmdClock");
    EXPECT_EQ(face.clockOn, forms::True);
    EXPECT_TRUE(Window(face.lblClock).visible);
    EXPECT_EQ(Window(face.cmdClock).spec.toolTip, L"Turn clock off");
    EXPECT_TRUE(face.Timer1.Enabled());
    EXPECT_EQ(api.calls.back(), Bitmaps(face, 1, face.imgClock));
}

TEST_F(Features, ActivationRestartsTheClockTimerEvenWhenSwitchedOff) {
    Face& face = Started();
    Click(face, L"cmdClock");
    face.Option1.SetValue(forms::True);
    Click(face, L"Command2");
    Face& second = program.frmFancyfrm1();
    second.Option1.SetValue(forms::True);
    Click(second, L"Command2");
    Face& third = program.frmFancyfrm2();
    third.Option1.SetValue(forms::True);
    Click(third, L"Command2");
    EXPECT_TRUE(face.Timer1.Enabled());
    EXPECT_EQ(face.Timer1.Interval(), 800);
    EXPECT_EQ(face.clockOn, forms::False);
    EXPECT_FALSE(Window(face.lblClock).visible);
}

TEST_F(Features, MusicPlaysFromTheLoadAndTogglesItsFourSigns) {
    Face& face = Started();
    EXPECT_EQ(api.CallsStartingWith("sndPlaySoundW"), (std::vector<std::string>{"sndPlaySoundW C:\\Programs\\tint\\???.wav 9"}));
    EXPECT_EQ(face.musicFile, L"C:\\Programs\\tint\\集结号.wav");
    EXPECT_EQ(face.lblMusic.Caption(), L"音乐打开");
    EXPECT_TRUE(Window(face.cmdMusic).spec.toolTip.empty());

    Click(face, L"cmdMusic");
    EXPECT_EQ(face.musicOn, forms::False);
    EXPECT_EQ(face.lblMusic.Caption(), L"音乐关闭");
    EXPECT_EQ(Window(face.cmdMusic).spec.toolTip, L"音乐关闭");
    EXPECT_EQ(face.cmdMusic.Picture().Handle(), face.ImgMusic2.Picture().Handle());
    EXPECT_EQ(api.CallsStartingWith("sndPlaySoundW").back(), "sndPlaySoundW (null) 1");
    EXPECT_EQ(api.calls.back(), Bitmaps(face, 0, face.ImgMusic2));

    Click(face, L"mnuFileMusic");
    EXPECT_EQ(face.musicOn, forms::True);
    EXPECT_EQ(Window(face.cmdMusic).spec.toolTip, L"音乐打开");
    EXPECT_EQ(api.CallsStartingWith("sndPlaySoundW").back(), "sndPlaySoundW C:\\Programs\\tint\\???.wav 9");
    EXPECT_EQ(api.calls.back(), Bitmaps(face, 0, face.imgMusic));
}

TEST_F(Features, WithoutTheFileTheMusicIsOffAndItsControlsDisabled) {
    system.files.clear();
    Face& face = Started();
    EXPECT_EQ(face.musicFound, forms::False);
    EXPECT_EQ(face.musicOn, forms::False);
    EXPECT_EQ(face.lblMusic.Caption(), L"音乐关闭");
    EXPECT_FALSE(Window(face.cmdMusic).spec.enabled);
    EXPECT_FALSE(Window(face.mnuFileMusic).spec.enabled);
    EXPECT_TRUE(api.CallsStartingWith("sndPlaySoundW").empty());
    face.cmdMusic_Click();  // a direct call is ignored too
    EXPECT_EQ(face.musicOn, forms::False);
    // The Music item keeps the on bitmap of the load.
    EXPECT_EQ(api.CallsStartingWith("SetMenuItemBitmaps")[0], Bitmaps(face, 0, face.imgMusic));
}

TEST_F(Features, IsFileThereOpensNothingItDoesNotClose) {
    Face& face = Started();
    EXPECT_EQ(face.IsFileThere(face.musicFile), forms::True);
    EXPECT_EQ(face.IsFileThere(L"C:\\nothing.wav"), forms::False);
    EXPECT_EQ(face.IsFileThere(L""), forms::False);
    EXPECT_EQ(app.FreeFile(), 1);
}

TEST_F(Features, MenuBitmapsAtLoadOnePerItemForBothCheckStates) {
    Face& face = Started();
    auto calls = api.CallsStartingWith("SetMenuItemBitmaps");
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0], Bitmaps(face, 0, face.imgMusic));
    EXPECT_EQ(calls[1], Bitmaps(face, 1, face.imgClock));
    EXPECT_EQ(calls[2], Bitmaps(face, 2, face.imgExit));
    EXPECT_EQ(api.CallsStartingWith("GetMenu ").front(), "GetMenu " + std::to_string(face.hWnd()));
}

TEST_F(Features, OnlyTrueItselfShowsTheOnPicture) {
    Face& face = Started();
    api.calls.clear();
    face.musicFound = forms::True;
    face.musicOn = 1;  // not True: Not gives -2, non-zero, so the music is on...
    face.cmdMusic_Click();
    // ...yet the menu shows the off picture, as only -1 counts as on there.
    EXPECT_EQ(api.calls.back(), Bitmaps(face, 0, face.ImgMusic2));
}

TEST_F(Features, FrameAroundTheMusicLabelWorkedExample) {
    Face& face = Started();
    face.lblMusic.Move(10, 4, 55, 15);
    api.calls.clear();
    system.log.clear();
    const int yields = system.doEventsCalls;
    face.Form_Activate();
    const std::string dc = std::to_string(tint::testing::FakeWindowSystem::kImageDCBase + face.picStatusBar.hWnd());
    std::vector<std::string> lines;
    for (const std::string& c : api.calls) {
        if (c.rfind("MoveToEx", 0) == 0 || c.rfind("LineTo", 0) == 0) lines.push_back(c);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"MoveToEx " + dc + " 7 21", "LineTo " + dc + " 7 1", "LineTo " + dc + " 67 1",
                                               "LineTo " + dc + " 67 21", "LineTo " + dc + " 7 21", "MoveToEx " + dc + " 6 22",
                                               "LineTo " + dc + " 6 0", "LineTo " + dc + " 68 0", "LineTo " + dc + " 68 22",
                                               "LineTo " + dc + " 6 22"}));
    EXPECT_EQ(system.doEventsCalls - yields, 2);
    // Left and top in the first frame colour, right and bottom in the second.
    std::vector<std::string> colours;
    for (const std::string& l : system.log) {
        if (l.rfind("SetForeColour " + std::to_string(face.picStatusBar.hWnd()), 0) == 0) colours.push_back(l.substr(l.rfind(' ') + 1));
    }
    EXPECT_EQ(colours, (std::vector<std::string>{std::to_string(0x006464C8), std::to_string(0x00C864C8), std::to_string(0x006464C8),
                                                 std::to_string(0x00C864C8)}));
}

TEST_F(Features, BevelOfNoFramesDrawsOne) {
    Face& face = Started();
    api.calls.clear();
    std::int32_t x = 5, y = 5, w = 0, h = 0, n = 0, c1 = 1, c2 = 2;
    face.DrawBevel(face.picStatusBar, x, y, w, h, n, c1, c2);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(api.CallsStartingWith("MoveToEx").size(), 1u);
    EXPECT_EQ(api.CallsStartingWith("LineTo").size(), 4u);
    // A sum past the 32-bit range fails its one call, which is skipped.
    api.calls.clear();
    std::int32_t far = INT32_MAX;
    n = 1;
    face.DrawBevel(face.picStatusBar, x, y, far, h, n, c1, c2);
    EXPECT_EQ(api.CallsStartingWith("LineTo").size(), 2u);
}

TEST_F(Features, SwordStopsTheShowAndGivesBackTheLoadTimeColours) {
    api.sysColours[7] = 0x00112233;
    api.sysColours[3] = 0x00445566;
    Face& face = Started();
    EXPECT_EQ(api.sysColours[7], 0x006E6432u);
    api.calls.clear();
    int yieldsBefore = system.doEventsCalls;
    Click(face, L"Command1");
    EXPECT_EQ(face.stopRequested, forms::True);
    EXPECT_FALSE(face.Timer1.Enabled());
    EXPECT_FALSE(face.Timer2.Enabled());
    EXPECT_EQ(face.Timer2.Interval(), 10);
    EXPECT_EQ(system.doEventsCalls - yieldsBefore, 2);
    EXPECT_EQ(api.sysColours[7], 0x00112233u);
    EXPECT_EQ(api.sysColours[3], 0x00445566u);
    EXPECT_EQ(api.CallsStartingWith("SelectObject"),
              (std::vector<std::string>{"SelectObject " + std::to_string(face.memDC[0]) + " " + std::to_string(face.oldBitmap[0]),
                                        "SelectObject " + std::to_string(face.memDC[1]) + " " + std::to_string(face.oldBitmap[1])}));
    EXPECT_EQ(api.calls.back(), "sndPlaySoundW (null) 1");
    EXPECT_EQ(face.musicOn, forms::True);

    // The next activation sets the theme again, restarts both timers, and
    // puts the pictures back into their slots before the scroller runs.
    api.calls.clear();
    face.Option1.SetValue(forms::True);
    Click(face, L"Command2");
    system.RunPosted();
    face.Show();
    system.RunPosted();
    EXPECT_EQ(api.sysColours[7], 0x006E6432u);
    EXPECT_TRUE(face.Timer2.Enabled());
    EXPECT_EQ(face.stopRequested, forms::False);
    auto selects = api.CallsStartingWith("SelectObject " + std::to_string(face.memDC[0]));
    ASSERT_FALSE(selects.empty());
    EXPECT_EQ(selects.back(), "SelectObject " + std::to_string(face.memDC[0]) + " " + std::to_string(face.sourcePictures[0].Handle()));
}

TEST_F(Features, SwordLeavesOtherMusicAloneWhenItsFaceIsOff) {
    Face& face = Started();
    Click(face, L"cmdMusic");
    api.calls.clear();
    Click(face, L"Command1");
    EXPECT_TRUE(api.CallsStartingWith("sndPlaySoundW").empty());
}

class HideBodyBuild : public Features {
protected:
    HideBodyBuild() : Features(themes::kSeaBlue) {}
};

TEST_F(HideBodyBuild, SwordOnlyHidesTheHiddenBody) {
    Face& face = Started();
    const auto colours = api.sysColours;
    Click(face, L"Command1");
    EXPECT_FALSE(Window(face.picBody).visible);
    EXPECT_EQ(api.sysColours, colours);
    EXPECT_TRUE(face.Timer2.Enabled());
    EXPECT_EQ(face.stopRequested, forms::False);
}

class NoActionBuild : public Features {
protected:
    NoActionBuild() : Features(themes::kArmyGreen) {}
};

TEST_F(NoActionBuild, SwordDoesNothing) {
    Face& face = Started();
    api.calls.clear();
    size_t logged = system.log.size();
    Click(face, L"Command1");
    EXPECT_TRUE(api.calls.empty());
    EXPECT_EQ(system.log.size(), logged);
    EXPECT_FALSE(static_cast<bool>(face.Command1.Click));
}

}  // namespace
