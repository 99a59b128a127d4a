// tint_armygreen. The sword button does nothing here, and the third face
// keeps its whole status bar hidden.
#include "themes/common.h"
#include "themes/theme.h"

namespace tint::themes {

namespace {

constexpr RectOverride kStartupRects[] = {
    {Placed::Command1, {8610, 0, 345, 345}},
    {Placed::Command2, {8010, 8880, 1005, 285}},
    {Placed::ToolBarLabel, {3690, 60, 2835, 255}},
    {Placed::Option1, {6840, 8880, 1155, 285}},
    {Placed::cmdClock, {1200, 0, 1185, 345}},
    {Placed::cmdExit, {1230, 0, 1185, 345}},
    {Placed::picBody, {0, 390, 9000, 8385}},
    {Placed::picSBPanel1, {-30, 30, 6060, 1860}},
    {Placed::picStatusBar, {0, 8760, 9045, 435}},
};

constexpr RectOverride kSecondRects[] = {
    {Placed::Command1, {8610, 0, 345, 345}},
    {Placed::Command2, {8010, 8760, 1005, 285}},
    {Placed::ToolBarLabel, {3630, 90, 2715, 225}},
    {Placed::Option1, {6840, 8790, 1155, 255}},
    {Placed::picBody, {-270, 450, 9270, 8205}},
    {Placed::picStatusBar, {0, 8655, 9045, 435}},
};

constexpr RectOverride kThirdRects[] = {
    {Placed::Command2, {8010, 8940, 1005, 285}},
    {Placed::ToolBarLabel, {3690, 90, 3045, 225}},
    {Placed::Option1, {6840, 8970, 1155, 255}},
    {Placed::cmdClock, {1200, 0, 1185, 345}},
    {Placed::cmdExit, {1170, 0, 1215, 345}},
    {Placed::picBody, {0, 450, 9000, 8385}},
    {Placed::picStatusBar, {0, 8835, 9045, 435}},
};

}  // namespace

const ThemeTable kArmyGreen{
    .programName = L"tint_armygreen",
    .faces = {{
        {
            .primaryColourElement = kButtonTextElement,
            .accentColourElement = kButtonHighlightElement,
            .accentColour = kYellow,
            .designRgb = {L"50", L"250", L"110"},
            .nextFace = FaceId::Second,
            .nextFaceOwned = true,
            .handoffRgb = {110, 115, 20},
            .gradientRed = 255,
            .gradientGreen = 50,
            .gradientStart = 200,
            .frameColourTopLeft = Rgb(200, 100, 100),
            .frameColourBottomRight = Rgb(200, 100, 200),
            .middleZoneColour = kMiddleZoneYellow,
            .aboutTable = AboutTable::Full,
            .formBackColour = kPaleYellow,
            .formForeColour = kOrange,
        },
        {
            .primaryColourElement = kButtonFaceElement,
            .accentColourElement = kCaptionTextElement,
            .accentColour = kYellow,
            .designRgb = {L"10", L"10", L"10"},
            .nextFace = FaceId::Third,
            .nextFaceOwned = true,
            .handoffRgb = {150, 210, 210},
            .gradientRed = 50,
            .gradientGreen = 100,
            .gradientStart = 200,
            .frameColourTopLeft = Rgb(200, 100, 100),
            .frameColourBottomRight = Rgb(200, 100, 200),
            .middleZoneColour = kMiddleZoneYellow,
            .aboutTable = AboutTable::Full,
            .formBackColour = kPaleYellow,
            .formForeColour = kOrange,
        },
        {
            .primaryColourElement = kCaptionTextElement,
            .accentColourElement = kMenuBarElement,
            .accentColour = kYellow,
            .designRgb = {L"0", L"0", L"1"},
            .nextFace = FaceId::Startup,
            .nextFaceOwned = false,
            .handoffRgb = {110, 225, 10},
            .gradientRed = 100,
            .gradientGreen = 200,
            .gradientStart = 200,
            .frameColourTopLeft = Rgb(200, 100, 100),
            .frameColourBottomRight = Rgb(200, 100, 200),
            .middleZoneColour = kMiddleZoneYellow,
            .aboutTable = AboutTable::Short,
            .formBackColour = kPaleYellow,
            .formForeColour = kOrange,
        },
    }},
    .optionCaption = L"军绿",
    .menuTitle = kShortMenuTitle,
    .swordAction = SwordAction::None,
    .swordToolTip = nullptr,
    .designs = {{
        {
            .clientWidth = 9045,
            .clientHeight = 9195,
            .toolBarLabel = ToolBarLabel(L"Label1"),
            .swordLabel = kNoLabel,
            .hintLabel = kNoLabel,
            .visible = {.picStatusBar = false, .picSBPanel1 = true, .lblMusic = true, .lblClock = false},
            .lblMusicCaption = L"lblMusic",
            .musicButtonTabFirst = true,
            .rects = kStartupRects,
        },
        {
            .clientWidth = 9045,
            .clientHeight = 9090,
            .toolBarLabel = ToolBarLabel(L"Label1"),
            .swordLabel = kNoLabel,
            .hintLabel = kNoLabel,
            .visible = {.picStatusBar = false, .picSBPanel1 = true, .lblMusic = true, .lblClock = false},
            .lblMusicCaption = L"lblMusic",
            .musicButtonTabFirst = true,
            .rects = kSecondRects,
        },
        {
            .clientWidth = 9045,
            .clientHeight = 9270,
            .toolBarLabel = ToolBarLabel(L"Label1"),
            .swordLabel = kNoLabel,
            .hintLabel = kNoLabel,
            .visible = {.picStatusBar = false, .picSBPanel1 = false, .lblMusic = false, .lblClock = false},
            .lblMusicCaption = L"lblMusic",
            .musicButtonTabFirst = true,
            .rects = kThirdRects,
        },
    }},
};

}  // namespace tint::themes
