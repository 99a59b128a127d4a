// tint_seablue. The sword button hides the scroller's body instead of giving
// the colours back, and the faces carry one label only, in the tool bar.
#include "themes/common.h"
#include "themes/theme.h"

namespace tint::themes {

namespace {

constexpr RectOverride kStartupRects[] = {
    {Placed::Command1, {8640, 30, 345, 345}},
    {Placed::Command2, {7980, 8850, 1005, 285}},
    {Placed::ToolBarLabel, {3660, 60, 4905, 285}},
    {Placed::Option1, {6900, 8850, 1095, 285}},
    {Placed::cmdClock, {1200, 0, 1185, 345}},
    {Placed::cmdExit, {1200, 0, 1185, 345}},
    {Placed::picBody, {0, 390, 9000, 8385}},
    {Placed::picSBPanel1, {-30, 30, 6060, 1860}},
    {Placed::picStatusBar, {0, 8760, 9045, 435}},
};

constexpr RectOverride kSecondRects[] = {
    {Placed::Command2, {7980, 8760, 1005, 285}},
    {Placed::ToolBarLabel, {3630, 90, 2745, 225}},
    {Placed::Option1, {6900, 8760, 1095, 285}},
    {Placed::cmdClock, {1200, 0, 1185, 345}},
    {Placed::cmdExit, {1200, 0, 1185, 345}},
    {Placed::picBody, {-270, 450, 9270, 8205}},
    {Placed::picStatusBar, {0, 8655, 9045, 435}},
};

constexpr RectOverride kThirdRects[] = {
    {Placed::Command1, {8910, 30, 345, 345}},
    {Placed::Command2, {8250, 8940, 1005, 285}},
    {Placed::ToolBarLabel, {3630, 60, 2595, 255}},
    {Placed::Option1, {7110, 8940, 1155, 285}},
    {Placed::cmdClock, {1200, 0, 1185, 345}},
    {Placed::cmdExit, {1200, 0, 1185, 345}},
    {Placed::picBody, {0, 450, 9270, 8355}},
    {Placed::picStatusBar, {0, 8820, 9330, 435}},
    {Placed::picToolBar, {0, 0, 9330, 405}},
};

}  // namespace

const ThemeTable kSeaBlue{
    .programName = L"tint_seablue",
    .faces = {{
        {
            .primaryColourElement = kButtonTextElement,
            .accentColourElement = kButtonHighlightElement,
            .accentColour = kYellow,
            .designRgb = {L"255", L"200", L"110"},
            .nextFace = FaceId::Second,
            .nextFaceOwned = true,
            .handoffRgb = {50, 110, 220},
            .gradientRed = 220,
            .gradientGreen = 20,
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
            .accentColour = Rgb(154, 245, 63),
            .designRgb = {L"10", L"10", L"10"},
            .nextFace = FaceId::Third,
            .nextFaceOwned = true,
            .handoffRgb = {110, 111, 30},
            .gradientRed = 100,
            .gradientGreen = 200,
            .gradientStart = 200,
            .frameColourTopLeft = Rgb(200, 100, 100),
            .frameColourBottomRight = Rgb(200, 100, 200),
            .middleZoneColour = kMiddleZoneYellow,
            .aboutTable = AboutTable::Full,
            .formBackColour = kPaleYellow,
            .formForeColour = Rgb(154, 245, 63),
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
    .optionCaption = L"海蓝",
    .menuTitle = kShortMenuTitle,
    .swordAction = SwordAction::HideBody,
    .swordToolTip = nullptr,
    .designs = {{
        {
            .clientWidth = 9045,
            .clientHeight = 9195,
            .toolBarLabel = ToolBarLabel(L"Label1"),
            .swordLabel = kNoLabel,
            .hintLabel = kNoLabel,
            .visible = {.picStatusBar = false, .picSBPanel1 = true, .lblMusic = true, .lblClock = true},
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
            .visible = {.picStatusBar = false, .picSBPanel1 = true, .lblMusic = true, .lblClock = true},
            .lblMusicCaption = L"lblMusic",
            .musicButtonTabFirst = true,
            .rects = kSecondRects,
        },
        {
            .clientWidth = 9330,
            .clientHeight = 9255,
            .toolBarLabel = ToolBarLabel(L"Label1"),
            .swordLabel = kNoLabel,
            .hintLabel = kNoLabel,
            .visible = {.picStatusBar = false, .picSBPanel1 = true, .lblMusic = true, .lblClock = true},
            .lblMusicCaption = L"lblMusic",
            .musicButtonTabFirst = true,
            .rects = kThirdRects,
        },
    }},
};

}  // namespace tint::themes
