// The identifiers of a face's windowed controls and menu items: what
// GetDlgCtrlID reads from a control's window and what WM_COMMAND carries when
// it is clicked or chosen. They are fixed here, by design name, so that
// another process (the end-to-end probe) finds a control or sends a command
// without asking the face; every face of every build carries the same ones.
// Windowless labels and images need none. The captions that such a process
// finds the faces and the program's message boxes by are here too.
#pragma once

#include <string_view>

namespace tint::faces {

inline constexpr wchar_t kFormCaption[] = L"Quorlan皮肤v5.1(国际劳动节特别奉献版)";
inline constexpr wchar_t kProgramTitle[] = L"Brindlemark王v5.1";

struct ControlId {
    std::wstring_view name;
    int id;
};

// From 100 up: clear of the declaration-order identifiers the forms layer
// gives any control not named here.
inline constexpr ControlId kControlIds[] = {
    {L"Text5", 101},        {L"Text4", 102},       {L"Text3", 103},        {L"Command2", 104},    {L"Option1", 105},
    {L"picToolBar", 106},   {L"cmdExit", 107},     {L"cmdClock", 108},     {L"cmdMusic", 109},    {L"Command1", 110},
    {L"picStatusBar", 111}, {L"picSBPanel1", 112}, {L"picLogo(1)", 113},   {L"picLogo(0)", 114},  {L"picBody", 115},
    {L"mnuFileMusic", 116}, {L"mnuFileClock", 117}, {L"mnuFileExit", 118},
};

// 0 for a name not listed.
constexpr int ControlIdOf(std::wstring_view name) {
    for (const ControlId& c : kControlIds) {
        if (c.name == name) return c.id;
    }
    return 0;
}

// Empty for an identifier not listed.
constexpr std::wstring_view ControlNameOf(int id) {
    for (const ControlId& c : kControlIds) {
        if (c.id == id) return c.name;
    }
    return {};
}

}  // namespace tint::faces
