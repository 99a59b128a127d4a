// Values that several theme tables share. Only the table sources include
// this; the rest of the program reads everything through ThemeTable.
#pragma once

#include <cstdint>

#include "themes/theme.h"

namespace tint::themes {

// System colour elements, numbered as GetSysColor and SetSysColors take them.
// Spelled out here because the tables are built and tested without windows.h.
inline constexpr std::int32_t kInactiveCaptionElement = 3;   // COLOR_INACTIVECAPTION
inline constexpr std::int32_t kMenuTextElement = 7;          // COLOR_MENUTEXT
inline constexpr std::int32_t kCaptionTextElement = 9;       // COLOR_CAPTIONTEXT
inline constexpr std::int32_t kButtonFaceElement = 15;       // COLOR_BTNFACE
inline constexpr std::int32_t kButtonTextElement = 18;       // COLOR_BTNTEXT
inline constexpr std::int32_t kButtonHighlightElement = 20;  // COLOR_BTNHIGHLIGHT
inline constexpr std::int32_t kMenuBarElement = 30;          // COLOR_MENUBAR

// The accent colour of most faces, and the colour of the sword label and
// third-face hint where they are yellow.
inline constexpr Colour kYellow = Rgb(255, 255, 0);
// The window text colour of the faces, and the orange of labels drawn in it.
inline constexpr Colour kOrange = Rgb(255, 128, 0);
// The pale window background of the start-up and second faces.
inline constexpr Colour kPaleYellow = Rgb(255, 255, 128);

// The middle-zone colour of the about text everywhere but one face.
inline constexpr Channels kMiddleZoneYellow{255, 255, 100};

inline constexpr const wchar_t* kLongMenuTitle =
    L"Quorlan皮肤v5.1可变四种菜单颜色 邮政绿 桔红 天蓝 胭脂红";
inline constexpr const wchar_t* kShortMenuTitle = L"Quorlan";

inline constexpr const wchar_t* kSwordToolTip = L"Brindlemark神剑";

inline constexpr const wchar_t* kToolBarCaption = L"Quorlan向全世界勤劳的人民致敬!";
inline constexpr const wchar_t* kSwordCaption = L"Quorlan神剑";

inline constexpr LabelDesign kNoLabel{nullptr, nullptr, false, 0, false};

// The tool-bar label keeps the run-time's default colours in every build.
constexpr LabelDesign ToolBarLabel(const wchar_t* name) {
    return {name, kToolBarCaption, false, 0, false};
}

constexpr LabelDesign SwordLabel(const wchar_t* name, Colour foreColour) {
    return {name, kSwordCaption, true, foreColour, false};
}

// Both hint labels sit on a picture (the banner, or the black status bar), so
// they are drawn without a background of their own.
inline constexpr LabelDesign kStartupHintLabel{
    L"Label1", L"点Quorlan神剑按钮改变菜单颜色,重启程序从头再变。", true, kOrange, true};
inline constexpr LabelDesign kThirdFaceHintLabel{
    L"Label1", L"点音按钮两次打开音乐", true, kYellow, true};

// The client area every face of the peach and postal-green builds has.
inline constexpr int kDesignClientWidth = 9045;
inline constexpr int kDesignClientHeight = 9135;

}  // namespace tint::themes
