// Times the about-text scroller's tick on the real window system: one face
// alone, then all three faces ticking in turn, and counts the program's live
// GDI objects before and after. Beside it, the floor: a tick that does only
// its two block copies (the background in, the frame out), which no frame can
// do without; the tick is judged by its ratio to that. Run under Wine by the
// end-to-end tests.
// Usage: tint_tickbench [TICKS]   (default 10000)
#include "faces/face.h"
#include "win32/gdi_objects.h"
#include "win32/win32_api.h"
#include "win32/win32_window_system.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    double median = ms[ms.size() / 2];
    double p99 = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    std::printf("%s: %zu ticks, median %.3f ms, 99th percentile %.3f ms, max %.3f ms\n", what, ms.size(), median, p99, ms.back());
    return median;
}

// Straight to GDI, whole, as a frame presenter would have to without knowing what changed.
void FloorTick(tint::faces::Face& face) {
    const auto dc = [](forms::Handle handle) { return reinterpret_cast<HDC>(handle); };
    ::BitBlt(dc(face.picBody.hDC()), 0, 0, face.bodyWidth, face.bodyHeight, dc(face.memDC[0]), 0, 0, SRCCOPY);
    const double offX = (face.ScaleWidth() - face.bodyWidth) / 2;
    const double offY = (face.ScaleHeight() - face.bodyHeight) / 2;
    ::BitBlt(dc(face.hDC()), forms::CLng(offX), forms::CLng(offY), face.bodyWidth, face.bodyHeight, dc(face.picBody.hDC()), 0, 0, SRCCOPY);
}

}  // namespace

int main(int argc, char** argv) {
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 10000;
    tint::win32::Win32WindowSystem system(::GetModuleHandleW(nullptr));
    tint::win32::Win32Api api;
    forms::Application app(system, tint::faces::kProgramTitle);
    tint::faces::Program program(app, api, tint::themes::kPostGreen);
    // The faces as a run leaves them: the start-up face shown, the others
    // loaded and hidden. The timers are left off; the ticks are called here.
    tint::faces::Face* faces[] = {&program.frmFancyfrm(), &program.frmFancyfrm1(), &program.frmFancyfrm2()};
    for (tint::faces::Face* face : faces) face->Load();
    faces[0]->Show();

    // One tick each first: the fonts of the text's sizes are made on first
    // use and kept.
    for (tint::faces::Face* face : faces) face->Timer2_Timer();
    const long before = tint::win32::LiveGdiObjects();
    std::vector<double> one;
    for (int i = 0; i < ticks; ++i) {
        double start = Now();
        faces[0]->Timer2_Timer();
        one.push_back(Now() - start);
    }
    std::vector<double> floor;
    for (int i = 0; i < ticks; ++i) {
        double start = Now();
        FloorTick(*faces[0]);
        floor.push_back(Now() - start);
    }
    std::vector<double> three;
    std::vector<double> rounds;
    for (int i = 0; i < ticks; ++i) {
        double roundStart = Now();
        for (tint::faces::Face* face : faces) {
            double start = Now();
            face->Timer2_Timer();
            three.push_back(Now() - start);
        }
        rounds.push_back(Now() - roundStart);
    }
    const long after = tint::win32::LiveGdiObjects();
    const double tick = Report("one face", one);
    const double least = Report("one face, the floor (only the two block copies)", floor);
    std::printf("one face: the tick takes %.2f times the floor\n", tick / least);
    Report("three faces, each tick", three);
    Report("three faces, one tick of each", rounds);
    std::printf("live GDI objects: %ld before, %ld after %d ticks\n", before, after, ticks * 4);
    return after == before ? 0 : 1;
}
