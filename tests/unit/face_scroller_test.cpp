#include <gtest/gtest.h>

#include <sstream>

#include "doubles/test_program.h"
#include "faces/face.h"

namespace {

using tint::faces::Face;
using tint::faces::Program;
using tint::faces::ScrollLimits;
using tint::faces::ScrollZone;
using tint::testing::FakeWindowSystem;
using tint::testing::RecordingWinApi;
using tint::testing::TestProgram;
namespace themes = tint::themes;
using themes::FaceId;

struct Printed {
    int x, y;
    double points;
    std::string text;
};

class Scroller : public ::testing::Test, protected TestProgram {
protected:

    // A face on show: a hidden face draws no frames.
    Face& Loaded(FaceId id = FaceId::Startup) {
        Face& face = program.Get(id);
        face.Show();
        return face;
    }

    // Runs one tick and keeps what it did.
    void Tick(Face& face) {
        api.calls.clear();
        system.log.clear();
        face.Timer2_Timer();
    }

    std::vector<Printed> Prints() const {
        std::vector<Printed> out;
        for (const std::string& line : system.log) {
            if (line.rfind("PrintText ", 0) != 0) continue;
            std::istringstream in(line.substr(10));
            Printed p{};
            in >> p.x >> p.y >> p.points;
            std::getline(in >> std::ws, p.text);
            out.push_back(p);
        }
        return out;
    }

    std::vector<forms::Colour> ForeColours() const {
        std::vector<forms::Colour> out;
        for (const std::string& line : system.log) {
            if (line.rfind("SetForeColour ", 0) != 0) continue;
            out.push_back(static_cast<forms::Colour>(std::stoul(line.substr(line.rfind(' ') + 1))));
        }
        return out;
    }

    std::string BodyDC(Face& face) { return std::to_string(FakeWindowSystem::kImageDCBase + face.picBody.hWnd()); }
    std::string DC(forms::PictureBox& box) { return std::to_string(FakeWindowSystem::kImageDCBase + box.hWnd()); }

    // The top of row 1 lies below row 0's height plus the gap (the double's
    // metrics make a 24-point row 36 pixels high).
    static constexpr int kRowOneBelowTop = 36 + 10;

};

TEST(ScrollZones, LimitsAreRoundedToSinglePrecisionAndInclusiveAsDesigned) {
    ScrollLimits five = ScrollLimits::For(500);
    EXPECT_EQ(five.ZoneOf(50), ScrollZone::Top);
    EXPECT_EQ(five.ZoneOf(50.5f), ScrollZone::Upper);
    EXPECT_EQ(five.ZoneOf(200), ScrollZone::Upper);
    EXPECT_EQ(five.ZoneOf(201), ScrollZone::Middle);
    EXPECT_EQ(five.ZoneOf(399.5f), ScrollZone::Middle);
    EXPECT_EQ(five.ZoneOf(400), ScrollZone::Bottom);
    EXPECT_EQ(five.ZoneOf(-20), ScrollZone::Top);
    ScrollLimits design = ScrollLimits::For(559);
    EXPECT_EQ(design.ZoneOf(55), ScrollZone::Top);
    EXPECT_EQ(design.ZoneOf(56), ScrollZone::Upper);
    EXPECT_EQ(design.ZoneOf(223), ScrollZone::Upper);
    EXPECT_EQ(design.ZoneOf(224), ScrollZone::Middle);
    EXPECT_EQ(design.ZoneOf(447), ScrollZone::Middle);
    EXPECT_EQ(design.ZoneOf(448), ScrollZone::Bottom);
}

TEST_F(Scroller, FirstTickShowsTheBackgroundAloneAndCopiesTheFrameCentred) {
    const char* offsets[] = {" 1 26 601 557 ", " 1 30 601 549 ", " 1 29 601 551 "};
    for (FaceId id : {FaceId::Startup, FaceId::Second, FaceId::Third}) {
        Face& face = Loaded(id);
        const int height = face.bodyHeight;
        Tick(face);
        auto blits = api.CallsStartingWith("BitBlt");
        ASSERT_GE(blits.size(), 2u);
        EXPECT_EQ(blits.front(), "BitBlt " + BodyDC(face) + " 0 0 601 " + std::to_string(height) + " " + std::to_string(face.memDC[0]) + " 0 0 0x00CC0020");
        EXPECT_EQ(blits.back(), "BitBlt " + std::to_string(FakeWindowSystem::kFormDCBase + face.hWnd()) + offsets[static_cast<int>(id)] +
                                    BodyDC(face) + " 0 0 0x00CC0020");
        for (const Printed& p : Prints()) EXPECT_GE(p.y, height);  // nothing inside the frame yet
        EXPECT_EQ(face.scrollTop, height - 1);
    }
}

TEST_F(Scroller, TitleRisesInTheBottomZonesGreyAndIsOutlinedFromItsLettersOnce) {
    Face& face = Loaded();
    auto titleCalls = [&] {
        std::vector<std::string> out;
        for (const std::string& c : api.calls) {
            if (c.find("Path ") != std::string::npos || c.rfind("PolyDraw", 0) == 0) out.push_back(c);
        }
        return out;
    };
    const std::string dc = BodyDC(face);
    face.scrollTop = face.bodyHeight - 1;
    Tick(face);
    ASSERT_FALSE(ForeColours().empty());
    EXPECT_EQ(ForeColours().front(), forms::RGB(83, 83, 83));
    // The letters' outline is made, flattened into lines and kept.
    EXPECT_EQ(titleCalls(), (std::vector<std::string>{"BeginPath " + dc, "EndPath " + dc, "FlattenPath " + dc, "GetPath " + dc + " 0",
                                                      "GetPath " + dc + " 2", "StrokePath " + dc}));
    EXPECT_EQ(Prints().front().text, tint::testing::Narrow(face.aboutLines[0][0]));

    face.scrollTop = face.bodyHeight - 59;  // 175/3 pixels and more above the edge: white
    Tick(face);
    EXPECT_EQ(ForeColours().front(), forms::RGB(255, 255, 255));
    // The kept outline, moved up the 58 pixels the title has risen, drawn as lines.
    EXPECT_EQ(titleCalls(), (std::vector<std::string>{"PolyDraw " + dc + " 10,-38:6 30,-18:2"}));
    EXPECT_EQ(face.picBody.CurrentX(), 0);

    face.scrollTop = -5;  // reaching above the top edge: from its letters, not kept
    Tick(face);
    EXPECT_EQ(titleCalls(), (std::vector<std::string>{"BeginPath " + dc, "EndPath " + dc, "StrokePath " + dc}));
}

TEST_F(Scroller, RowsFarBelowTheEdgeKeepTheColourOfTheRowBeforeAndAreNotDrawn) {
    Face& face = Loaded();
    Tick(face);  // row 0 at the bottom edge: grey 80; every later row lies 46 and more below
    EXPECT_EQ(ForeColours(), (std::vector<forms::Colour>{forms::RGB(80, 80, 80)}));
    EXPECT_EQ(Prints().size(), 1u);
    // The rows not drawn leave the position where drawing them would have.
    const float unseenY = face.picBody.CurrentY();
    face.scrollTop = face.bodyHeight;
    face.bodyHeight = 5000;
    Tick(face);
    EXPECT_EQ(Prints().size() + api.CallsStartingWith("PolyDraw").size(), face.aboutLines.size());  // the title from its kept outline
    EXPECT_EQ(face.picBody.CurrentY(), unseenY);
}

TEST_F(Scroller, LogoComesFromTheZoneOfTheRowTopAndTheRowColourFromBelowTheLogo) {
    Face& face = Loaded();
    struct Case {
        int rowOneTop;
        std::string source;
        forms::Colour rowColour;
    };
    const Case cases[] = {
        {200, std::to_string(face.memDC[1]), forms::RGB(255, 255, 100)},  // upper zone; moved into the middle
        {300, DC(face.picLogo(1)), forms::RGB(255, 255, 100)},             // middle
        {30, DC(face.picLogo(0)), forms::RGB(255, 100, 209)},              // top; moved 52 down into the upper zone
        {500, DC(face.picLogo(0)), forms::RGB(80 + 3 * 5, 80 + 3 * 5, 80 + 3 * 5)},  // bottom
    };
    for (const Case& c : cases) {
        face.scrollTop = c.rowOneTop - kRowOneBelowTop;
        Tick(face);
        auto blits = api.CallsStartingWith("BitBlt");
        ASSERT_EQ(blits.size(), 3u);
        std::istringstream logo(blits[1].substr(7));
        std::string dst, x, y, w, h, src;
        logo >> dst >> x >> y >> w >> h >> src;
        EXPECT_EQ(src, c.source) << c.rowOneTop;
        EXPECT_EQ(y, std::to_string(c.rowOneTop + 10));
        EXPECT_EQ(w + "x" + h, "32x32");
        EXPECT_EQ(ForeColours().at(1), c.rowColour) << c.rowOneTop;
    }
}

TEST_F(Scroller, EmptySizeCellKeepsTheSizeInForce) {
    Face& face = Loaded();
    face.bodyHeight = 5000;  // room for every row at once
    face.scrollTop = 0;
    Tick(face);
    auto prints = Prints();
    ASSERT_EQ(prints.size(), 30u);
    EXPECT_EQ(prints[0].points, 24);
    EXPECT_EQ(prints[13].points, 14);
    EXPECT_EQ(prints[14].points, 12);
    EXPECT_EQ(prints[16].points, 8);
    EXPECT_EQ(prints[18].points, 16);
    EXPECT_EQ(prints[29].points, 16);
    // Each row is centred in the size it is drawn in.
    const int width = static_cast<int>(face.aboutLines[13][0].size()) * 14 / 2;
    EXPECT_EQ(prints[13].x, forms::CLng(601 / 2.0 - width / 2.0));
}

TEST_F(Scroller, RestartFiresOnTheLastRowAndLeavesTheStart) {
    Face& face = Loaded();
    std::int32_t before = face.scrollTop;
    int ticks = 0;
    for (; ticks < 5000; ++ticks) {
        before = face.scrollTop;
        Tick(face);
        if (face.scrollTop > before) break;
    }
    ASSERT_LT(ticks, 5000);
    EXPECT_EQ(face.scrollTop, face.scrollStart);
    for (const Printed& p : Prints()) EXPECT_NE(p.text, tint::testing::Narrow(face.aboutLines.back()[0]));  // the last row is not drawn
    EXPECT_LT(before, 0);                                     // the text had left the top
    Tick(face);
    EXPECT_EQ(face.scrollTop, face.scrollStart - 1);
    // The title back where its outline was first made, on the first tick.
    EXPECT_EQ(api.CallsStartingWith("PolyDraw"), (std::vector<std::string>{"PolyDraw " + BodyDC(face) + " 10,20:6 30,40:2"}));
}

TEST_F(Scroller, StopRequestedDrawsBackgroundAndTitleOnlyYetMovesAndCopies) {
    Face& face = Loaded();
    face.scrollTop = 100;
    face.stopRequested = forms::True;
    Tick(face);
    EXPECT_EQ(Prints().size(), 1u);
    EXPECT_EQ(api.CallsStartingWith("BitBlt").size(), 2u);  // background and frame: no logo row
    EXPECT_EQ(face.scrollTop, 99);
}

TEST_F(Scroller, HiddenFaceMovesItsTextUnseenAndDrawsAgainOnceShown) {
    Face& face = Loaded();
    face.Hide();
    face.scrollTop = 100;
    Tick(face);
    EXPECT_TRUE(api.CallsStartingWith("BitBlt").empty());
    EXPECT_TRUE(Prints().empty());
    EXPECT_EQ(face.scrollTop, 99);
    face.Show();
    Tick(face);
    EXPECT_EQ(api.CallsStartingWith("BitBlt").size(), 3u);  // background, logo, frame
    EXPECT_EQ(Prints().front().y, 99);
}

TEST_F(Scroller, UpperZoneKeepsTheTopZonesRedAndGreenWithRisingBlue) {
    Face& face = Loaded();
    face.scrollTop = 60;  // row 0 in the upper zone, nothing above it
    Tick(face);
    EXPECT_EQ(ForeColours().front(), forms::RGB(255, 100, 153));
    face.scrollTop = 120;
    Tick(face);
    EXPECT_EQ(ForeColours().front(), forms::RGB(255, 100, 255));
}

TEST_F(Scroller, PeachStartupFaceDrawsItsMiddleZoneInItsOwnColour) {
    TestProgram peach(themes::kPeach);
    FakeWindowSystem& s = peach.system;
    Face& face = peach.program.frmFancyfrm();
    face.Load();
    face.scrollTop = 300;
    s.log.clear();
    face.Timer2_Timer();
    for (const std::string& line : s.log) {
        if (line.rfind("SetForeColour ", 0) == 0) {
            EXPECT_EQ(std::stoul(line.substr(line.rfind(' ') + 1)), forms::RGB(255, 50, 50));
            break;
        }
    }
}

TEST_F(Scroller, AboutTablesOfEveryKind) {
    Face& startup = Loaded(FaceId::Startup);
    Face& third = Loaded(FaceId::Third);
    ASSERT_EQ(startup.aboutLines.size(), 30u);
    ASSERT_EQ(third.aboutLines.size(), 24u);
    EXPECT_EQ(startup.aboutLines[0][0], L"*Brindlemark王5.1*");
    EXPECT_EQ(startup.aboutLines[15][0], L"2026/12/9");
    EXPECT_EQ(startup.aboutLines[15][1], L"8");
    EXPECT_EQ(startup.aboutLines[2][0].front(), L' ');
    for (int row : {13, 16, 18, 20, 23, 29}) EXPECT_TRUE(startup.aboutLines[row][1].empty()) << row;
    for (int row : {1, 4, 12}) EXPECT_EQ(startup.aboutLines[row][1], L"14") << row;
    EXPECT_EQ(startup.aboutLines[1][0], L" ");
    EXPECT_EQ(startup.aboutLines[29][0], L"英特尔核心技术是什么? Quorlan以后回答");
    EXPECT_EQ(third.aboutLines[23][0], startup.aboutLines[25][0]);  // the advertising line ends it
    EXPECT_EQ(third.aboutLines[23][0].rfind(L"广告联系--- ", 0), 0u);

    TestProgram pink(themes::kPinkRose);
    Face& pinkThird = pink.program.frmFancyfrm2();
    pinkThird.Load();
    ASSERT_EQ(pinkThird.aboutLines.size(), 26u);
    const std::wstring& thanks = pinkThird.aboutLines[23][0];
    EXPECT_EQ(thanks.back(), L' ');
    EXPECT_EQ(startup.aboutLines[23][0].rfind(thanks, 0), 0u);  // the full line begins with the short one
    EXPECT_EQ(pinkThird.aboutLines[25][0], startup.aboutLines[25][0]);
}

}  // namespace
