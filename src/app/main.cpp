// The program's entry: one theme table, chosen when the program is built.
#include <windows.h>

#include "faces/face.h"
#include "win32/platform.h"

#ifndef TINT_THEME
#error "TINT_THEME names the theme table this program is built with"
#endif

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::unique_ptr<forms::WindowSystem> system = tint::win32::MakeWindowSystem();
    std::unique_ptr<forms::WinApi> api = tint::win32::MakeWinApi();
    forms::Application app(*system, tint::faces::kProgramTitle);
    tint::faces::Program program(app, *api, tint::themes::TINT_THEME);
    program.Run();
    return 0;
}
