// How another process (the end-to-end probe) asks a running face what no
// standard call reads from outside: a windowless label's caption, a
// control's tool tip. Everything else it reads as any program would: a
// control's window by its identifier (faces/control_ids.h, GetDlgCtrlID),
// the window's text with WM_GETTEXT, the focus with GetGUIThreadInfo.
//
// A question is a WM_COPYDATA sent to the face's window: dwData says what is
// asked, the data are the control's design name in UTF-16 (no terminator),
// wParam is a window of the asker's. Before the question returns, the face
// sends the answer there as a WM_COPYDATA of its own: dwData kAnswer, the
// data the text in UTF-16, empty for none. A question the face cannot
// answer gets no answer and FALSE. Nothing is left behind in the session:
// the system frees both copies when each message returns.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tint::probe {

// A windowless control's caption (a windowed one's is its window text).
inline constexpr std::uintptr_t kCaption = 0x54494E01;
// A control's tool tip.
inline constexpr std::uintptr_t kToolTip = 0x54494E02;
// Where a windowless control is seen: its container's design name ("form"
// for the face itself) and its rectangle on the screen, "NAME X Y W H";
// empty where it is not seen.
inline constexpr std::uintptr_t kPlace = 0x54494E04;
// What the face sends back; never a question.
inline constexpr std::uintptr_t kAnswer = 0x54494E03;
// The longest design name a question may carry, in characters.
inline constexpr std::size_t kMaxName = 64;

}  // namespace tint::probe
