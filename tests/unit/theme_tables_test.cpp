// The theme tables are hand-typed constant data; these tests pin down the
// values that tell the builds and faces apart, with colours written as the
// packed 0x00BBGGRR values rather than through Rgb(), so a swapped channel or
// a slip in either form shows up.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "themes/theme.h"

namespace tint::themes {
namespace {

constexpr FaceId kFaces[] = {FaceId::Startup, FaceId::Second, FaceId::Third};

const char* NameOf(const ThemeTable& t) {
    for (const Build& b : AllBuilds())
        if (&b.table == &t) return b.name;
    return "?";
}

std::wstring Text(const wchar_t* s) { return s ? std::wstring(s) : std::wstring(L"<null>"); }

// The value of a design text that is a plain decimal number; -1 for any other
// text, so a stray sign, space or empty text fails the range check.
int DecimalValue(const wchar_t* s) {
    if (s == nullptr || *s == L'\0') return -1;
    int value = 0;
    for (; *s; ++s) {
        if (*s < L'0' || *s > L'9' || value > 100000) return -1;
        value = value * 10 + (*s - L'0');
    }
    return value;
}

const TwipsRect* FindRect(const FaceDesign& design, Placed control) {
    for (const RectOverride& r : design.rects)
        if (r.control == control) return &r.rect;
    return nullptr;
}

void ExpectRect(const ThemeTable& table, FaceId face, Placed control, TwipsRect want) {
    const TwipsRect* got = FindRect(table.Design(face), control);
    ASSERT_NE(got, nullptr) << NameOf(table) << " face " << static_cast<int>(face) << " control "
                            << static_cast<int>(control);
    EXPECT_EQ(got->left, want.left);
    EXPECT_EQ(got->top, want.top);
    EXPECT_EQ(got->width, want.width);
    EXPECT_EQ(got->height, want.height);
}

// ---------------------------------------------------------------------------
// Rules every build must keep; the rest of the program relies on them.

TEST(ThemeTableInvariants, HoldInEveryFaceOfEveryBuild) {
    for (const Build& b : AllBuilds()) {
        SCOPED_TRACE(b.name);
        const ThemeTable& t = b.table;
        for (FaceId id : kFaces) {
            SCOPED_TRACE(static_cast<int>(id));
            const FaceProfile& p = t.Profile(id);

            // Setting the accent after the primary must not undo it.
            EXPECT_NE(p.accentColourElement, p.primaryColourElement);

            for (const wchar_t* text : p.designRgb) {
                const int v = DecimalValue(text);
                EXPECT_GE(v, 0) << "not a plain number: " << Text(text);
                EXPECT_LE(v, 255);
            }
            for (std::int16_t v : p.handoffRgb) {
                EXPECT_GE(v, 0);
                EXPECT_LE(v, 255);
            }
            EXPECT_GE(p.gradientStart, 0);
            EXPECT_LE(p.gradientStart, 255);
            EXPECT_GE(p.gradientRed, 0);
            EXPECT_LE(p.gradientRed, 255);
            EXPECT_GE(p.gradientGreen, 0);
            EXPECT_LE(p.gradientGreen, 255);

            // Every face names its tool-bar label, and a label without a name
            // must not carry a caption (nothing could show it).
            const FaceDesign& d = t.Design(id);
            EXPECT_NE(d.toolBarLabel.name, nullptr);
            EXPECT_EQ(Text(d.toolBarLabel.caption), L"Quorlan向全世界勤劳的人民致敬!");
            EXPECT_FALSE(d.toolBarLabel.hasForeColour);
            for (const LabelDesign* l : {&d.swordLabel, &d.hintLabel}) {
                EXPECT_EQ(l->name == nullptr, l->caption == nullptr);
            }
            EXPECT_NE(d.lblMusicCaption, nullptr);

            // An override that names one control twice would leave the
            // layout depending on which entry is applied last.
            std::set<Placed> seen;
            for (const RectOverride& r : d.rects) {
                EXPECT_TRUE(seen.insert(r.control).second) << static_cast<int>(r.control);
                EXPECT_GT(r.rect.width, 0);
                EXPECT_GT(r.rect.height, 0);
            }
        }

        // The change-face cycle, and who owns the face it shows.
        EXPECT_EQ(t.Profile(FaceId::Startup).nextFace, FaceId::Second);
        EXPECT_EQ(t.Profile(FaceId::Second).nextFace, FaceId::Third);
        EXPECT_EQ(t.Profile(FaceId::Third).nextFace, FaceId::Startup);
        EXPECT_TRUE(t.Profile(FaceId::Startup).nextFaceOwned);
        EXPECT_TRUE(t.Profile(FaceId::Second).nextFaceOwned);
        EXPECT_FALSE(t.Profile(FaceId::Third).nextFaceOwned);
    }
}

TEST(ThemeTableInvariants, ValuesSharedByAllBuildsAgree) {
    std::set<std::wstring> names;
    for (const Build& b : AllBuilds()) {
        SCOPED_TRACE(b.name);
        const ThemeTable& t = b.table;
        const FaceProfile& s = t.Profile(FaceId::Startup);
        const FaceProfile& f2 = t.Profile(FaceId::Second);
        const FaceProfile& f3 = t.Profile(FaceId::Third);

        const std::string name = b.name;
        EXPECT_EQ(Text(t.programName), L"tint_" + std::wstring(name.begin(), name.end()));
        EXPECT_TRUE(names.insert(Text(t.programName)).second);

        EXPECT_EQ(s.accentColour, 0x0000FFFFu);
        EXPECT_EQ(f2.primaryColourElement, 15);
        EXPECT_EQ(f3.primaryColourElement, 9);
        EXPECT_EQ(f3.accentColourElement, 30);
        EXPECT_EQ(f3.accentColour, 0x0000FFFFu);
        EXPECT_EQ(Text(f3.designRgb[0]), L"0");
        EXPECT_EQ(Text(f3.designRgb[1]), L"0");
        EXPECT_EQ(Text(f3.designRgb[2]), L"1");
        EXPECT_EQ(f3.gradientRed, 100);
        EXPECT_EQ(f3.gradientGreen, 200);
        EXPECT_EQ(f3.gradientStart, 200);
        EXPECT_EQ(f3.frameColourTopLeft, 0x006464C8u);
        EXPECT_EQ(f3.frameColourBottomRight, 0x00C864C8u);
        for (const FaceProfile* p : {&f2, &f3}) {
            EXPECT_EQ(p->middleZoneColour.red, 255);
            EXPECT_EQ(p->middleZoneColour.green, 255);
            EXPECT_EQ(p->middleZoneColour.blue, 100);
        }
        EXPECT_EQ(s.aboutTable, AboutTable::Full);
        EXPECT_EQ(f2.aboutTable, AboutTable::Full);
        EXPECT_EQ(s.formForeColour, 0x000080FFu);
        EXPECT_EQ(f3.formForeColour, 0x000080FFu);
        EXPECT_EQ(s.formBackColour, 0x0080FFFFu);
        EXPECT_EQ(f2.formBackColour, 0x0080FFFFu);

        EXPECT_TRUE(t.Design(FaceId::Startup).musicButtonTabFirst);
        EXPECT_TRUE(t.Design(FaceId::Second).musicButtonTabFirst);
    }
}

// ---------------------------------------------------------------------------
// Face profiles: what each build does differently.

TEST(ThemeProfiles, ElementsAndAccentColours) {
    struct Face {
        int primary, accent;
        Colour colour;
    };
    struct Want {
        const ThemeTable& table;
        Face f[3];
    };
    const Want wants[] = {
        {kPeach, {{7, 3, 0x0000FFFF}, {15, 20, 0x0000FFFF}, {9, 30, 0x0000FFFF}}},
        {kPostGreen, {{7, 3, 0x0000FFFF}, {15, 20, 0x0000FFFF}, {9, 30, 0x0000FFFF}}},
        {kSeaBlue, {{18, 20, 0x0000FFFF}, {15, 9, 0x003FF59A}, {9, 30, 0x0000FFFF}}},
        {kArmyGreen, {{18, 20, 0x0000FFFF}, {15, 9, 0x0000FFFF}, {9, 30, 0x0000FFFF}}},
        {kPinkRose, {{18, 20, 0x0000FFFF}, {15, 9, 0x006912DE}, {9, 30, 0x0000FFFF}}},
    };
    for (const Want& w : wants) {
        SCOPED_TRACE(NameOf(w.table));
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            const FaceProfile& p = w.table.faces[i];
            EXPECT_EQ(p.primaryColourElement, w.f[i].primary);
            EXPECT_EQ(p.accentColourElement, w.f[i].accent);
            EXPECT_EQ(p.accentColour, w.f[i].colour);
        }
    }
}

TEST(ThemeProfiles, DesignAndHandOffValues) {
    struct Want {
        const ThemeTable& table;
        const wchar_t* design[3][3];
        int handoff[3][3];
    };
    const Want wants[] = {
        {kPeach,
         {{L"250", L"100", L"180"}, {L"0", L"0", L"0"}, {L"0", L"0", L"1"}},
         {{250, 100, 150}, {210, 251, 30}, {20, 50, 250}}},
        {kPostGreen,
         {{L"50", L"100", L"110"}, {L"10", L"10", L"10"}, {L"0", L"0", L"1"}},
         {{50, 150, 150}, {110, 251, 30}, {220, 125, 50}}},
        {kSeaBlue,
         {{L"255", L"200", L"110"}, {L"10", L"10", L"10"}, {L"0", L"0", L"1"}},
         {{50, 110, 220}, {110, 111, 30}, {110, 225, 10}}},
        {kArmyGreen,
         {{L"50", L"250", L"110"}, {L"10", L"10", L"10"}, {L"0", L"0", L"1"}},
         {{110, 115, 20}, {150, 210, 210}, {110, 225, 10}}},
        {kPinkRose,
         {{L"50", L"50", L"255"}, {L"10", L"10", L"10"}, {L"0", L"0", L"1"}},
         {{210, 110, 220}, {110, 111, 30}, {110, 225, 10}}},
    };
    for (const Want& w : wants) {
        SCOPED_TRACE(NameOf(w.table));
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            for (int c = 0; c < 3; ++c) {
                EXPECT_EQ(Text(w.table.faces[i].designRgb[c]), w.design[i][c]) << "channel " << c;
                EXPECT_EQ(w.table.faces[i].handoffRgb[c], w.handoff[i][c]) << "channel " << c;
            }
        }
    }
}

TEST(ThemeProfiles, GradientsAndFrameColours) {
    struct Face {
        int red, green, start;
        Colour frame1, frame2;
    };
    struct Want {
        const ThemeTable& table;
        Face f[3];
    };
    constexpr Colour kRedish = 0x006464C8, kViolet = 0x00C864C8, kOlive = 0x0064C8C8;
    const Want wants[] = {
        {kPeach,
         {{200, 250, 250, 0x0064C864, 0x00C86464},
          {100, 100, 200, kRedish, kOlive},
          {100, 200, 200, kRedish, kViolet}}},
        {kPostGreen,
         {{255, 150, 255, kRedish, kViolet},
          {100, 100, 200, kRedish, kOlive},
          {100, 200, 200, kRedish, kViolet}}},
        {kSeaBlue,
         {{220, 20, 200, kRedish, kViolet},
          {100, 200, 200, kRedish, kViolet},
          {100, 200, 200, kRedish, kViolet}}},
        {kArmyGreen,
         {{255, 50, 200, kRedish, kViolet},
          {50, 100, 200, kRedish, kViolet},
          {100, 200, 200, kRedish, kViolet}}},
        {kPinkRose,
         {{255, 100, 200, kRedish, kViolet},
          {100, 200, 200, kRedish, kViolet},
          {100, 200, 200, kRedish, kViolet}}},
    };
    for (const Want& w : wants) {
        SCOPED_TRACE(NameOf(w.table));
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            const FaceProfile& p = w.table.faces[i];
            EXPECT_EQ(p.gradientRed, w.f[i].red);
            EXPECT_EQ(p.gradientGreen, w.f[i].green);
            EXPECT_EQ(p.gradientStart, w.f[i].start);
            EXPECT_EQ(p.frameColourTopLeft, w.f[i].frame1);
            EXPECT_EQ(p.frameColourBottomRight, w.f[i].frame2);
        }
    }
}

TEST(ThemeProfiles, MiddleZoneAboutTableAndFormColours) {
    // Only the peach start-up face draws its middle zone in red.
    for (const Build& b : AllBuilds()) {
        const Channels& c = b.table.Profile(FaceId::Startup).middleZoneColour;
        const bool peach = &b.table == &kPeach;
        SCOPED_TRACE(b.name);
        EXPECT_EQ(c.red, 255);
        EXPECT_EQ(c.green, peach ? 50 : 255);
        EXPECT_EQ(c.blue, peach ? 50 : 100);
    }

    EXPECT_EQ(kPeach.Profile(FaceId::Third).aboutTable, AboutTable::Short);
    EXPECT_EQ(kPostGreen.Profile(FaceId::Third).aboutTable, AboutTable::Short);
    EXPECT_EQ(kSeaBlue.Profile(FaceId::Third).aboutTable, AboutTable::Short);
    EXPECT_EQ(kArmyGreen.Profile(FaceId::Third).aboutTable, AboutTable::Short);
    EXPECT_EQ(kPinkRose.Profile(FaceId::Third).aboutTable, AboutTable::TwentySix);

    EXPECT_EQ(kPeach.Profile(FaceId::Third).formBackColour, 0x00779951u);
    EXPECT_EQ(kPostGreen.Profile(FaceId::Third).formBackColour, 0x006912DEu);
    EXPECT_EQ(kSeaBlue.Profile(FaceId::Third).formBackColour, 0x0080FFFFu);
    EXPECT_EQ(kArmyGreen.Profile(FaceId::Third).formBackColour, 0x0080FFFFu);
    EXPECT_EQ(kPinkRose.Profile(FaceId::Third).formBackColour, 0x0068F4BCu);

    EXPECT_EQ(kPeach.Profile(FaceId::Second).formForeColour, 0x000080FFu);
    EXPECT_EQ(kPostGreen.Profile(FaceId::Second).formForeColour, 0x000080FFu);
    EXPECT_EQ(kSeaBlue.Profile(FaceId::Second).formForeColour, 0x003FF59Au);
    EXPECT_EQ(kArmyGreen.Profile(FaceId::Second).formForeColour, 0x000080FFu);
    EXPECT_EQ(kPinkRose.Profile(FaceId::Second).formForeColour, 0x006912DEu);
}

// ---------------------------------------------------------------------------
// Build-wide items.

TEST(ThemeBuildItems, CaptionsTitlesAndSwordButton) {
    const std::wstring longTitle = L"Quorlan皮肤v5.1可变四种菜单颜色 邮政绿 桔红 天蓝 胭脂红";
    struct Want {
        const ThemeTable& table;
        const wchar_t* option;
        std::wstring title;
        SwordAction action;
        bool toolTip;
    };
    const Want wants[] = {
        {kPeach, L"桃红", longTitle, SwordAction::StopAndGiveBack, true},
        {kPostGreen, L"邮政绿", longTitle, SwordAction::StopAndGiveBack, true},
        {kSeaBlue, L"海蓝", L"Quorlan", SwordAction::HideBody, false},
        {kArmyGreen, L"军绿", L"Quorlan", SwordAction::None, false},
        {kPinkRose, L"粉红玫瑰", L"Quorlan", SwordAction::HideBody, false},
    };
    for (const Want& w : wants) {
        SCOPED_TRACE(NameOf(w.table));
        EXPECT_EQ(Text(w.table.optionCaption), w.option);
        EXPECT_EQ(Text(w.table.menuTitle), w.title);
        EXPECT_EQ(w.table.swordAction, w.action);
        if (w.toolTip)
            EXPECT_EQ(Text(w.table.swordToolTip), L"Brindlemark神剑");
        else
            EXPECT_EQ(w.table.swordToolTip, nullptr);
    }
}

// ---------------------------------------------------------------------------
// Face designs.

TEST(ThemeDesigns, ClientAreas) {
    struct Want {
        const ThemeTable& table;
        int size[3][2];
    };
    const Want wants[] = {
        {kPeach, {{9045, 9135}, {9045, 9135}, {9045, 9135}}},
        {kPostGreen, {{9045, 9135}, {9045, 9135}, {9045, 9135}}},
        {kSeaBlue, {{9045, 9195}, {9045, 9090}, {9330, 9255}}},
        {kArmyGreen, {{9045, 9195}, {9045, 9090}, {9045, 9270}}},
        {kPinkRose, {{9045, 9195}, {9045, 9090}, {9240, 9255}}},
    };
    for (const Want& w : wants) {
        SCOPED_TRACE(NameOf(w.table));
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(w.table.designs[i].clientWidth, w.size[i][0]);
            EXPECT_EQ(w.table.designs[i].clientHeight, w.size[i][1]);
        }
    }
}

TEST(ThemeDesigns, LabelsOfPeachAndPostGreen) {
    const std::wstring sword = L"Quorlan神剑";
    for (const ThemeTable* t : {&kPeach, &kPostGreen}) {
        const bool peach = t == &kPeach;
        SCOPED_TRACE(peach ? "peach" : "postgreen");

        const FaceDesign& s = t->Design(FaceId::Startup);
        EXPECT_EQ(Text(s.toolBarLabel.name), L"Label3");
        EXPECT_EQ(Text(s.swordLabel.name), L"Label2");
        EXPECT_EQ(Text(s.swordLabel.caption), sword);
        EXPECT_TRUE(s.swordLabel.hasForeColour);
        EXPECT_EQ(s.swordLabel.foreColour, peach ? 0x0000FFFFu : 0x000000FFu);
        EXPECT_EQ(Text(s.hintLabel.name), L"Label1");
        EXPECT_EQ(Text(s.hintLabel.caption), L"点Quorlan神剑按钮改变菜单颜色,重启程序从头再变。");
        EXPECT_TRUE(s.hintLabel.hasForeColour);
        EXPECT_EQ(s.hintLabel.foreColour, 0x000080FFu);
        EXPECT_TRUE(s.hintLabel.transparent);

        const FaceDesign& f2 = t->Design(FaceId::Second);
        EXPECT_EQ(Text(f2.toolBarLabel.name), L"Label2");
        EXPECT_EQ(Text(f2.swordLabel.name), L"Label1");
        EXPECT_EQ(Text(f2.swordLabel.caption), sword);
        EXPECT_TRUE(f2.swordLabel.hasForeColour);
        EXPECT_EQ(f2.swordLabel.foreColour, peach ? 0x0000FFFFu : 0x000080FFu);
        EXPECT_EQ(f2.hintLabel.name, nullptr);

        const FaceDesign& f3 = t->Design(FaceId::Third);
        EXPECT_EQ(Text(f3.toolBarLabel.name), L"Label2");
        EXPECT_EQ(f3.swordLabel.name, nullptr);
        EXPECT_EQ(Text(f3.hintLabel.name), L"Label1");
        EXPECT_EQ(Text(f3.hintLabel.caption), L"点音按钮两次打开音乐");
        EXPECT_TRUE(f3.hintLabel.hasForeColour);
        EXPECT_EQ(f3.hintLabel.foreColour, 0x0000FFFFu);
        EXPECT_TRUE(f3.hintLabel.transparent);
    }
}

TEST(ThemeDesigns, SingleLabelBuildsHaveOnlyTheToolBarLabel) {
    for (const ThemeTable* t : {&kSeaBlue, &kArmyGreen, &kPinkRose}) {
        SCOPED_TRACE(NameOf(*t));
        for (FaceId id : kFaces) {
            const FaceDesign& d = t->Design(id);
            EXPECT_EQ(Text(d.toolBarLabel.name), L"Label1");
            EXPECT_EQ(d.swordLabel.name, nullptr);
            EXPECT_EQ(d.hintLabel.name, nullptr);
        }
    }
}

TEST(ThemeDesigns, StatusBarMusicCaptionAndTabOrder) {
    struct Face {
        StatusBarVisibility visible;
        const wchar_t* music;
        bool musicFirst;
    };
    struct Want {
        const ThemeTable& table;
        Face f[3];
    };
    constexpr StatusBarVisibility kBarHidden{false, true, true, true};
    const Want wants[] = {
        {kPeach,
         {{{true, true, false, true}, L"lblMusic", true},
          {kBarHidden, L"音乐", true},
          {kBarHidden, L"", false}}},
        {kPostGreen,
         {{{true, true, false, false}, L"lblMusic", true},
          {kBarHidden, L"音乐", true},
          {kBarHidden, L"", false}}},
        {kSeaBlue,
         {{kBarHidden, L"lblMusic", true}, {kBarHidden, L"lblMusic", true}, {kBarHidden, L"lblMusic", true}}},
        {kArmyGreen,
         {{{false, true, true, false}, L"lblMusic", true},
          {{false, true, true, false}, L"lblMusic", true},
          {{false, false, false, false}, L"lblMusic", true}}},
        {kPinkRose,
         {{kBarHidden, L"lblMusic", true}, {kBarHidden, L"lblMusic", true}, {kBarHidden, L"lblMusic", true}}},
    };
    for (const Want& w : wants) {
        SCOPED_TRACE(NameOf(w.table));
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            const FaceDesign& d = w.table.designs[i];
            EXPECT_EQ(d.visible.picStatusBar, w.f[i].visible.picStatusBar);
            EXPECT_EQ(d.visible.picSBPanel1, w.f[i].visible.picSBPanel1);
            EXPECT_EQ(d.visible.lblMusic, w.f[i].visible.lblMusic);
            EXPECT_EQ(d.visible.lblClock, w.f[i].visible.lblClock);
            EXPECT_EQ(Text(d.lblMusicCaption), w.f[i].music);
            EXPECT_EQ(d.musicButtonTabFirst, w.f[i].musicFirst);
        }
    }
}

TEST(ThemeDesigns, RectangleOverrides) {
    // The postal-green design is the reference, so it overrides nothing.
    for (FaceId id : kFaces) EXPECT_TRUE(kPostGreen.Design(id).rects.empty());

    // Counting catches a row dropped or pasted into the wrong face.
    struct Count {
        const ThemeTable& table;
        std::size_t n[3];
    };
    const Count counts[] = {
        {kPeach, {5, 3, 4}}, {kSeaBlue, {9, 7, 9}}, {kArmyGreen, {9, 6, 7}}, {kPinkRose, {9, 7, 9}},
    };
    for (const Count& c : counts) {
        SCOPED_TRACE(NameOf(c.table));
        for (int i = 0; i < 3; ++i) EXPECT_EQ(c.table.designs[i].rects.size(), c.n[i]) << "face " << i;
    }

    // Labels are placed by role, so the peach start-up hint and tool-bar label
    // must not be swapped.
    ExpectRect(kPeach, FaceId::Startup, Placed::HintLabel, {1350, 60, 4095, 285});
    ExpectRect(kPeach, FaceId::Startup, Placed::ToolBarLabel, {3630, 90, 2715, 255});
    ExpectRect(kPeach, FaceId::Startup, Placed::lblMusic, {1350, 60, 825, 225});
    ExpectRect(kPeach, FaceId::Startup, Placed::picSBPanel1, {-1350, -30, 6060, 1860});
    ExpectRect(kPeach, FaceId::Third, Placed::picBody, {0, 450, 9000, 8265});

    ExpectRect(kSeaBlue, FaceId::Third, Placed::picToolBar, {0, 0, 9330, 405});
    ExpectRect(kSeaBlue, FaceId::Third, Placed::picStatusBar, {0, 8820, 9330, 435});
    ExpectRect(kSeaBlue, FaceId::Second, Placed::picBody, {-270, 450, 9270, 8205});

    ExpectRect(kArmyGreen, FaceId::Startup, Placed::cmdExit, {1230, 0, 1185, 345});
    ExpectRect(kArmyGreen, FaceId::Third, Placed::cmdExit, {1170, 0, 1215, 345});
    ExpectRect(kArmyGreen, FaceId::Second, Placed::Option1, {6840, 8790, 1155, 255});
    EXPECT_EQ(FindRect(kArmyGreen.Design(FaceId::Second), Placed::cmdClock), nullptr);

    ExpectRect(kPinkRose, FaceId::Third, Placed::picToolBar, {0, 0, 9240, 405});
    ExpectRect(kPinkRose, FaceId::Third, Placed::Command2, {8220, 8940, 1005, 285});
    ExpectRect(kPinkRose, FaceId::Startup, Placed::ToolBarLabel, {3660, 90, 2505, 225});

    // The docked bars span their face, and the status bar sits flush with its
    // bottom; a slip in either table breaks this.
    for (const ThemeTable* t : {&kSeaBlue, &kArmyGreen, &kPinkRose}) {
        for (FaceId id : kFaces) {
            const FaceDesign& d = t->Design(id);
            if (const TwipsRect* bar = FindRect(d, Placed::picStatusBar)) {
                EXPECT_EQ(bar->top + bar->height, d.clientHeight)
                    << NameOf(*t) << " face " << static_cast<int>(id);
                EXPECT_EQ(bar->width, d.clientWidth);
            }
            if (const TwipsRect* bar = FindRect(d, Placed::picToolBar)) {
                EXPECT_EQ(bar->width, d.clientWidth) << NameOf(*t) << " face " << static_cast<int>(id);
            }
        }
    }
}

}  // namespace
}  // namespace tint::themes
