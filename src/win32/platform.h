// The real platform under the forms layer, for the program's entry: no
// Windows header comes with it, so it can be included in any order.
#pragma once

#include <memory>

#include "forms/win_api.h"
#include "forms/window_system.h"

namespace tint::win32 {

// The window system of the running program (its resources are the
// program's own), and the Windows calls of the faces.
std::unique_ptr<forms::WindowSystem> MakeWindowSystem();
std::unique_ptr<forms::WinApi> MakeWinApi();

}  // namespace tint::win32
