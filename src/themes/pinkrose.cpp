// tint_pinkrose. Like sea blue in its labels and sword button; its third face
// builds the 26-row about text.
#include "themes/common.h"
#include "themes/theme.h"

namespace tint::themes {

namespace {

constexpr RectOverride kStartupRects[] = {
    {Placed::Command1, {8640, 30, 345, 345}},
    {Placed::Command2, {7980, 8880, 1005, 285}},
    {Placed::ToolBarLabel, {3660, 90, 2505, 225}},
    {Placed::Option1, {6870, 8880, 1095, 285}},
    {Placed::cmdClock, {1200, 0, 1185, 345}},
    {Placed::cmdExit, {1200, 0, 1185, 345}},
    {Placed::picBody, {0, 390, 9000, 8385}},
    {Placed::picSBPanel1, {-30, 30, 6060, 1860}},
    {Placed::picStatusBar, {0, 8760, 9045, 435}},
};

constexpr RectOverride kSecondRects[] = {
    {Placed::Command2, {7980, 8760, 1005, 285}},
    {Placed::ToolBarLabel, {3660, 90, 2745, 255}},
    {Placed::Option1, {6840, 8760, 1155, 285}},
    {Placed::cmdClock, {1200, 0, 1185, 345}},
    {Placed::cmdExit, {1200, 0, 1185, 345}},
    {Placed::picBody, {-270, 450, 9270, 8205}},
    {Placed::picStatusBar, {0, 8655, 9045, 435}},
};

constexpr RectOverride kThirdRects[] = {
    {Placed::Command1, {8910, 30, 345, 345}},
    {Placed::Command2, {8220, 8940, 1005, 285}},
    {Placed::ToolBarLabel, {3660, 90, 3045, 225}},
    {Placed::Option1, {7080, 8940, 1155, 285}},
    {Placed::cmdClock, {1200, 0, 1185, 345}},
    {Placed::cmdExit, {1200, 0, 1185, 345}},
    {Placed::picBody, {0, 450, 9270, 8355}},
    {Placed::picStatusBar, {0, 8820, 9240, 435}},
    {Placed::picToolBar, {0, 0, 9240, 405}},
};

}  // namespace

const ThemeTable kPinkRose{
    .programName = L"tint_pinkrose",
    .faces = {{
        {
            .primaryColourElement = kButtonTextElement,
            .accentColourElement = kButtonHighlightElement,
            .accentColour = kYellow,
            .designRgb = {L"50", L"50", L"255"},
            .nextFace = FaceId::Second,
            .nextFaceOwned = true,
            .handoffRgb = {210, 110, 220},
            .gradientRed = 255,
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
            .primaryColourElement = kButtonFaceElement,
            .accentColourElement = kCaptionTextElement,
            .accentColour = Rgb(222, 18, 105),
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
            .formForeColour = Rgb(222, 18, 105),
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
            .aboutTable = AboutTable::TwentySix,
            .formBackColour = Rgb(188, 244, 104),
            .formForeColour = kOrange,
        },
    }},
    .optionCaption = L"粉红玫瑰",
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
            .clientWidth = 9240,
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
