// A whole program on the doubles: the window system, the Windows calls, the
// run-time and the faces of one build.
#pragma once

#include "doubles/fake_window_system.h"
#include "doubles/recording_win_api.h"
#include "faces/face.h"

namespace tint::testing {

struct TestProgram {
    explicit TestProgram(const themes::ThemeTable& theme = themes::kPostGreen) : program(app, api, theme) {}

    // What the window system holds for a control it made.
    const FakeWindowSystem::Window& Window(const forms::Control& c) const { return system.windows.at(c.Ref()); }

    FakeWindowSystem system;
    RecordingWinApi api;
    forms::Application app{system, faces::kProgramTitle};
    faces::Program program;
};

}  // namespace tint::testing
