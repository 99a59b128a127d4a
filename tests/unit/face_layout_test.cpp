#include <gtest/gtest.h>

#include "doubles/test_program.h"
#include "faces/face.h"

namespace {

using tint::faces::Face;
using tint::testing::FakeWindowSystem;
using tint::testing::TestProgram;
namespace themes = tint::themes;
using themes::FaceId;

// One loaded face of one build, outside any message loop.
struct LoadedFace : TestProgram {
    LoadedFace(const themes::ThemeTable& theme, FaceId id) : TestProgram(theme), face(program.Get(id)) { face.Load(); }

    forms::PixelRect Rect(const forms::Control& c) const { return Window(c).spec.rect; }

    Face& face;
};

void ExpectRect(const forms::PixelRect& r, int left, int top, int width, int height, const char* what) {
    EXPECT_EQ(r.left, left) << what;
    EXPECT_EQ(r.top, top) << what;
    EXPECT_EQ(r.width, width) << what;
    EXPECT_EQ(r.height, height) << what;
}

TEST(FaceLayout, PostGreenFacesAfterTheLoad) {
    struct Expected {
        FaceId id;
        int bodyHeight, musicLeft, panelWidth, panelHeight;
        bool statusBarVisible;
    };
    for (const Expected& e : {Expected{FaceId::Startup, 557, 409, 404, 124, true}, Expected{FaceId::Second, 549, 92, 87, 23, false},
                              Expected{FaceId::Third, 551, 92, 87, 23, false}}) {
        LoadedFace f(themes::kPostGreen, e.id);
        Face& face = f.face;
        SCOPED_TRACE(static_cast<int>(e.id));
        EXPECT_EQ(face.ScaleWidth(), 603);
        EXPECT_EQ(face.ScaleHeight(), 609);
        // The drawing area docks to the top whatever its design left edge and width.
        ExpectRect(f.Rect(face.picBody), 0, 0, 603, e.bodyHeight + 2, "picBody");
        EXPECT_EQ(face.picBody.ScaleWidth(), 601);
        EXPECT_EQ(face.picBody.ScaleHeight(), e.bodyHeight);
        EXPECT_EQ(face.bodyWidth, 601);
        EXPECT_EQ(face.bodyHeight, e.bodyHeight);
        EXPECT_FALSE(f.Window(face.picBody).visible);
        ExpectRect(f.Rect(face.picToolBar), 0, 0, 603, 27, "picToolBar");
        ExpectRect(f.Rect(face.picStatusBar), 0, 580, 603, 29, "picStatusBar");
        EXPECT_EQ(f.Window(face.picStatusBar).visible, e.statusBarVisible);
        ExpectRect(f.Rect(face.picSBPanel1), 1, 0, e.panelWidth, e.panelHeight, "picSBPanel1");
        EXPECT_EQ(f.Rect(face.lblMusic).left, e.musicLeft);
        ExpectRect(f.Rect(face.lblClock), 524, 4, 73, 13, "lblClock");
        ExpectRect(f.Rect(face.picLogo(0)), 28, 40, 34, 34, "picLogo(0)");
        ExpectRect(f.Rect(face.picLogo(1)), 68, 40, 34, 34, "picLogo(1)");
        EXPECT_EQ(face.picLogo(1).ScaleWidth(), 32);
        EXPECT_EQ(f.Window(face.picLogo(0)).spec.border, forms::BorderStyle::Flat);
        EXPECT_FALSE(f.Window(face.picLogo(0)).visible);
        EXPECT_FALSE(f.Window(face.picLogo(1)).visible);
        EXPECT_TRUE(face.picLogo(1).AutoSize());
        EXPECT_TRUE(face.picBody.AutoRedraw());
        EXPECT_TRUE(face.picStatusBar.AutoRedraw());
        EXPECT_THROW(face.picLogo(2), forms::RuntimeError);
    }
}

TEST(FaceLayout, OtherBuildsClientAreasAndPlaces) {
    {
        LoadedFace f(themes::kSeaBlue, FaceId::Third);
        EXPECT_EQ(f.face.ScaleWidth(), 622);
        EXPECT_EQ(f.face.ScaleHeight(), 617);
        ExpectRect(f.Rect(f.face.picBody), 0, 0, 622, 557, "picBody");
        ExpectRect(f.Rect(f.face.picStatusBar), 0, 588, 622, 29, "picStatusBar");
        EXPECT_EQ(f.Rect(f.face.lblClock).left, 622 - 73 - 6);
        ExpectRect(f.Rect(f.face.Command1), 594, 2, 23, 23, "Command1");
        ExpectRect(f.Rect(f.face.Command2), 550, 596, 67, 19, "Command2");
    }
    {
        LoadedFace f(themes::kSeaBlue, FaceId::Startup);
        EXPECT_EQ(f.face.bodyHeight, 557);
        ExpectRect(f.Rect(f.face.cmdExit), 80, 0, 79, 23, "cmdExit");
        EXPECT_FALSE(f.Window(f.face.picStatusBar).visible);
        EXPECT_TRUE(f.Window(f.face.lblMusic).visible);
    }
    {
        LoadedFace f(themes::kArmyGreen, FaceId::Startup);
        ExpectRect(f.Rect(f.face.cmdExit), 82, 0, 79, 23, "cmdExit");
        ExpectRect(f.Rect(f.face.cmdClock), 80, 0, 79, 23, "cmdClock");
    }
    {
        LoadedFace f(themes::kPeach, FaceId::Startup);
        // The panel sits at 1, 0 whatever its design place; the music label follows it.
        ExpectRect(f.Rect(f.face.picSBPanel1), 1, 0, 404, 124, "picSBPanel1");
        EXPECT_EQ(f.Rect(f.face.lblMusic).left, 409);
        EXPECT_TRUE(f.Window(f.face.lblClock).visible);
        ExpectRect(f.Rect(f.face.hintLabel), 90, 4, 273, 19, "hint");
    }
}

TEST(FaceLayout, LabelsAndToolTipFollowTheBuild) {
    LoadedFace green(themes::kPostGreen, FaceId::Startup);
    EXPECT_EQ(green.face.toolBarLabel.Name(), L"Label3");
    EXPECT_EQ(green.face.swordLabel.Name(), L"Label2");
    EXPECT_EQ(green.Window(green.face.swordLabel).spec.foreColour, 0x000000FFu);
    EXPECT_EQ(green.Window(green.face.swordLabel).spec.font.name, L"宋体");
    EXPECT_TRUE(green.Window(green.face.hintLabel).spec.transparent);
    EXPECT_EQ(green.Window(green.face.hintLabel).parent, green.face.picSBPanel1.hWnd());
    EXPECT_EQ(green.Window(green.face.Command1).spec.toolTip, L"Brindlemark神剑");
    EXPECT_EQ(green.Window(green.face.Option1).spec.caption, L"邮政绿");

    LoadedFace greenThird(themes::kPostGreen, FaceId::Third);
    EXPECT_FALSE(greenThird.face.swordLabel.Present());
    EXPECT_EQ(greenThird.face.swordLabel.Ref(), 0);
    EXPECT_EQ(greenThird.Window(greenThird.face.hintLabel).parent, greenThird.face.picStatusBar.hWnd());

    LoadedFace sea(themes::kSeaBlue, FaceId::Second);
    EXPECT_EQ(sea.face.toolBarLabel.Name(), L"Label1");
    EXPECT_FALSE(sea.face.swordLabel.Present());
    EXPECT_FALSE(sea.face.hintLabel.Present());
    EXPECT_TRUE(sea.Window(sea.face.Command1).spec.toolTip.empty());
    EXPECT_EQ(sea.Window(sea.face.Option1).spec.caption, L"海蓝");
}

// The stacking that the design order gives is checked on real windows.
TEST(FaceLayout, TabOrder) {
    for (FaceId id : {FaceId::Startup, FaceId::Third}) {
        LoadedFace f(themes::kPostGreen, id);
        Face& face = f.face;
        const bool third = id == FaceId::Third;
        EXPECT_EQ(f.Window(face.cmdMusic).spec.tabIndex, third ? 16 : 14);
        EXPECT_EQ(f.Window(face.cmdClock).spec.tabIndex, third ? 14 : 15);
        EXPECT_EQ(f.Window(face.cmdExit).spec.tabIndex, third ? 15 : 16);
        EXPECT_EQ(f.Window(face.Command1).spec.tabIndex, 8);
        EXPECT_EQ(f.Window(face.Text5).spec.tabIndex, 13);
    }
    LoadedFace pink(themes::kPinkRose, FaceId::Third);
    EXPECT_EQ(pink.Window(pink.face.cmdMusic).spec.tabIndex, 14);
    EXPECT_EQ(pink.Window(pink.face.cmdExit).spec.tabIndex, 16);
}

TEST(FaceLayout, MenuAndHiddenControlsAsDesigned) {
    LoadedFace f(themes::kPinkRose, FaceId::Startup);
    Face& face = f.face;
    EXPECT_EQ(f.Window(face.mnuFile).spec.caption, L"Quorlan");
    EXPECT_EQ(f.Window(face.mnuFileMusic).spec.caption, L"&Music");
    EXPECT_EQ(f.Window(face.mnuFileClock).spec.caption, L"&Clock");
    EXPECT_EQ(f.Window(face.mnuFileExit).spec.caption, L"E&xit");
    for (const forms::Control* c : {static_cast<const forms::Control*>(&face.Text3), static_cast<const forms::Control*>(&face.imgExit),
                                    static_cast<const forms::Control*>(&face.imgMusic)}) {
        EXPECT_FALSE(f.Window(*c).visible) << tint::testing::Narrow(c->Name());
    }
    ExpectRect(f.Rect(face.imgExit), 148, 308, 16, 16, "imgExit");
    EXPECT_EQ(f.Window(face.lblMusic).spec.caption, L"音乐打开");  // the design caption gives way at load
    EXPECT_EQ(f.Window(face.cmdExit).spec.caption, L"退 出");
}

}  // namespace
