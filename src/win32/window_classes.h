// The window classes this window system registers, and how a window finds
// its record.
#pragma once

#include "win32/records.h"

namespace tint::win32 {

inline constexpr wchar_t kFormClass[] = L"TintFace";
inline constexpr wchar_t kPictureClass[] = L"TintPictureBox";
inline constexpr wchar_t kDispatcherClass[] = L"TintDispatcher";

// A control's record kept on its window, so that its container can find it
// when it paints the control for it (owner-drawn buttons).
void SetRecordProperty(HWND control, const Record& record);
const Record* RecordProperty(HWND control);

}  // namespace tint::win32
