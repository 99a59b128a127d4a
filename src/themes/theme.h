// The per-build theme table: everything that tells one tint program from
// another, and one face from another, as constant data. Each program links
// exactly one table; nothing at run time selects or changes it.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "forms/types.h"

namespace tint::themes {

using forms::Colour;

constexpr Colour Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

// Index 0 is the start-up face; the cycle runs 0 -> 1 -> 2 -> 0.
enum class FaceId { Startup = 0, Second = 1, Third = 2 };

enum class AboutTable { Full, Short, TwentySix };

enum class SwordAction { StopAndGiveBack, HideBody, None };

struct Channels {
    int red, green, blue;
};

struct FaceProfile {
    std::int32_t primaryColourElement;
    std::int32_t accentColourElement;
    Colour accentColour;
    std::array<const wchar_t*, 3> designRgb;  // Text3, Text4, Text5 at creation
    FaceId nextFace;
    bool nextFaceOwned;  // shown with the start-up face as owner
    std::array<std::int16_t, 3> handoffRgb;
    int gradientRed;
    int gradientGreen;
    std::int16_t gradientStart;
    Colour frameColourTopLeft;
    Colour frameColourBottomRight;
    Channels middleZoneColour;
    AboutTable aboutTable;
    Colour formBackColour;
    Colour formForeColour;
};

// A design rectangle in twips of the container (15 twips a pixel).
struct TwipsRect {
    int left, top, width, height;
};

// Controls whose design rectangle can differ between builds. The labels are
// named by role because their control names differ from face to face.
enum class Placed {
    Command1,
    Command2,
    Option1,
    cmdClock,
    cmdExit,
    lblMusic,
    picBody,
    picSBPanel1,
    picStatusBar,
    picToolBar,
    ToolBarLabel,
    HintLabel,
};

struct RectOverride {
    Placed control;
    TwipsRect rect;
};

// A label of the design: its control name (Label1, Label2, Label3), caption
// and, where the design gives one, its text colour.
struct LabelDesign {
    const wchar_t* name;  // nullptr: the face has no such label
    const wchar_t* caption;
    bool hasForeColour;
    Colour foreColour;
    bool transparent;
};

struct StatusBarVisibility {
    bool picStatusBar, picSBPanel1, lblMusic, lblClock;
};

// How one face of a build differs from the full design of the postal-green
// build's same face.
struct FaceDesign {
    int clientWidth, clientHeight;  // twips
    LabelDesign toolBarLabel;
    LabelDesign swordLabel;
    LabelDesign hintLabel;
    StatusBarVisibility visible;
    const wchar_t* lblMusicCaption;
    // Tab order of the tool-bar buttons: cmdMusic, cmdClock, cmdExit when true;
    // cmdClock, cmdExit, cmdMusic when false.
    bool musicButtonTabFirst;
    std::span<const RectOverride> rects;
};

struct ThemeTable {
    const wchar_t* programName;  // "tint_postgreen"
    std::array<FaceProfile, 3> faces;
    const wchar_t* optionCaption;
    const wchar_t* menuTitle;
    SwordAction swordAction;
    const wchar_t* swordToolTip;  // nullptr: no tool tip
    std::array<FaceDesign, 3> designs;

    const FaceProfile& Profile(FaceId id) const { return faces[static_cast<int>(id)]; }
    const FaceDesign& Design(FaceId id) const { return designs[static_cast<int>(id)]; }
};

// The five tables. A program names one of them; the linker takes only the
// table that is named, so each program carries exactly one.
extern const ThemeTable kPeach;
extern const ThemeTable kPostGreen;
extern const ThemeTable kSeaBlue;
extern const ThemeTable kArmyGreen;
extern const ThemeTable kPinkRose;

// A build: the theme a program is named after ("postgreen" for
// tint_postgreen) and its table.
struct Build {
    const char* name;
    const ThemeTable& table;
};

// Every build, in the order of CMakeLists.txt's list of the programs, which
// writes this table: for the tests and benchmarks that take each build in
// turn. The table lies in a file of its own, so a program, which does not
// use it, still links only its own theme.
std::span<const Build> AllBuilds();

}  // namespace tint::themes
