// tint_peach. Its faces have the postal-green labels and status bars; the
// differences are in colours, some rectangles and the start-up face's clock
// label, which is shown from the start.
#include "themes/common.h"
#include "themes/theme.h"

namespace tint::themes {

namespace {

constexpr RectOverride kStartupRects[] = {
    {Placed::Command2, {7920, 8820, 1005, 285}},
    {Placed::HintLabel, {1350, 60, 4095, 285}},
    {Placed::ToolBarLabel, {3630, 90, 2715, 255}},
    {Placed::lblMusic, {1350, 60, 825, 225}},
    {Placed::picSBPanel1, {-1350, -30, 6060, 1860}},
};

constexpr RectOverride kSecondRects[] = {
    {Placed::Command2, {7980, 8790, 1005, 285}},
    {Placed::ToolBarLabel, {3570, 60, 2685, 255}},
    {Placed::Option1, {6810, 8790, 1155, 285}},
};

constexpr RectOverride kThirdRects[] = {
    {Placed::Command2, {7980, 8790, 1005, 285}},
    {Placed::ToolBarLabel, {3630, 90, 3075, 225}},
    {Placed::Option1, {6840, 8820, 1155, 255}},
    {Placed::picBody, {0, 450, 9000, 8265}},
};

}  // namespace

const ThemeTable kPeach{
    .programName = L"tint_peach",
    .faces = {{
        {
            .primaryColourElement = kMenuTextElement,
            .accentColourElement = kInactiveCaptionElement,
            .accentColour = kYellow,
            .designRgb = {L"250", L"100", L"180"},
            .nextFace = FaceId::Second,
            .nextFaceOwned = true,
            .handoffRgb = {250, 100, 150},
            .gradientRed = 200,
            .gradientGreen = 250,
            .gradientStart = 250,
            .frameColourTopLeft = Rgb(100, 200, 100),
            .frameColourBottomRight = Rgb(100, 100, 200),
            .middleZoneColour = {255, 50, 50},
            .aboutTable = AboutTable::Full,
            .formBackColour = kPaleYellow,
            .formForeColour = kOrange,
        },
        {
            .primaryColourElement = kButtonFaceElement,
            .accentColourElement = kButtonHighlightElement,
            .accentColour = kYellow,
            .designRgb = {L"0", L"0", L"0"},
            .nextFace = FaceId::Third,
            .nextFaceOwned = true,
            .handoffRgb = {210, 251, 30},
            .gradientRed = 100,
            .gradientGreen = 100,
            .gradientStart = 200,
            .frameColourTopLeft = Rgb(200, 100, 100),
            .frameColourBottomRight = Rgb(200, 200, 100),
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
            .handoffRgb = {20, 50, 250},
            .gradientRed = 100,
            .gradientGreen = 200,
            .gradientStart = 200,
            .frameColourTopLeft = Rgb(200, 100, 100),
            .frameColourBottomRight = Rgb(200, 100, 200),
            .middleZoneColour = kMiddleZoneYellow,
            .aboutTable = AboutTable::Short,
            .formBackColour = Rgb(81, 153, 119),
            .formForeColour = kOrange,
        },
    }},
    .optionCaption = L"桃红",
    .menuTitle = kLongMenuTitle,
    .swordAction = SwordAction::StopAndGiveBack,
    .swordToolTip = kSwordToolTip,
    .designs = {{
        {
            .clientWidth = kDesignClientWidth,
            .clientHeight = kDesignClientHeight,
            .toolBarLabel = ToolBarLabel(L"Label3"),
            .swordLabel = SwordLabel(L"Label2", kYellow),
            .hintLabel = kStartupHintLabel,
            .visible = {.picStatusBar = true, .picSBPanel1 = true, .lblMusic = false, .lblClock = true},
            .lblMusicCaption = L"lblMusic",
            .musicButtonTabFirst = true,
            .rects = kStartupRects,
        },
        {
            .clientWidth = kDesignClientWidth,
            .clientHeight = kDesignClientHeight,
            .toolBarLabel = ToolBarLabel(L"Label2"),
            .swordLabel = SwordLabel(L"Label1", kYellow),
            .hintLabel = kNoLabel,
            .visible = {.picStatusBar = false, .picSBPanel1 = true, .lblMusic = true, .lblClock = true},
            .lblMusicCaption = L"音乐",
            .musicButtonTabFirst = true,
            .rects = kSecondRects,
        },
        {
            .clientWidth = kDesignClientWidth,
            .clientHeight = kDesignClientHeight,
            .toolBarLabel = ToolBarLabel(L"Label2"),
            .swordLabel = kNoLabel,
            .hintLabel = kThirdFaceHintLabel,
            .visible = {.picStatusBar = false, .picSBPanel1 = true, .lblMusic = true, .lblClock = true},
            .lblMusicCaption = L"",
            .musicButtonTabFirst = false,
            .rects = kThirdRects,
        },
    }},
};

}  // namespace tint::themes
