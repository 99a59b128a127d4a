// How another process (the end-to-end probe) asks a running face about its
// controls, by the names the design gives them. Each is a registered window
// message sent to the face's window; wParam is a global atom holding the
// design name, except where said otherwise. Answers that are text come back
// as a global atom, which the asking process reads and deletes.
#pragma once

namespace tint::probe {

// The control's window, or 0 for a windowless one.
inline constexpr wchar_t kFindControl[] = L"TintFindControl";
// The command identifier its click or choice sends (menus cannot be read
// from another process under Wine).
inline constexpr wchar_t kFindCommand[] = L"TintFindCommand";
// Its caption, windowless controls' too; "(none)" for an empty one.
inline constexpr wchar_t kGetCaption[] = L"TintGetCaption";
// Its tool tip; "(none)" for an empty one.
inline constexpr wchar_t kGetToolTip[] = L"TintGetToolTip";
// wParam is a window of the face: the design name of the control it is.
inline constexpr wchar_t kNameOf[] = L"TintNameOf";

}  // namespace tint::probe
