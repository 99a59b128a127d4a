// The program's entry: one theme table, chosen when the program is built.
// The portable headers come first: the Windows headers define macros (RGB
// among them) that would otherwise rewrite the forms layer's names.
#include "faces/face.h"
#include "win32/win32_api.h"
#include "win32/win32_window_system.h"

#ifndef TINT_THEME
#error "TINT_THEME names the theme table this program is built with"
#endif

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    tint::win32::Win32WindowSystem system(instance);
    tint::win32::Win32Api api;
    forms::Application app(system, tint::faces::kProgramTitle);
    tint::faces::Program program(app, api, tint::themes::TINT_THEME);
    program.Run();
    return 0;
}
