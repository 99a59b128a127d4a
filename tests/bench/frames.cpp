// Keeps the scroller's frames as they were: every face of every build runs a
// full pass of its about text on the real window system, and each frame, as
// the tick built it in picBody, is hashed together with the scroller's state
// after the tick. "record FILE" writes the hashes, "check FILE" compares them
// with a recording, so a change meant only to make the tick cheaper shows if
// it changed a single pixel or field.
// The face's window must show each frame whole: it is read back after every
// tick, except where the tool bar and status bar cover it, and compared with
// picBody. Now and then the face, or a part of it, is repainted first, which
// wipes the frame there.
// Each face also spends a full pass hidden, its frames unseen, and is then
// shown again: the frames after that must be the ones a face that was never
// hidden shows at the same place of its text.
// Usage: tint_frames record|check FILE   (the recording: tests/bench/frames.golden,
// headed by "# " lines naming the environment it was made in, which frames.sh
// writes and compares)
#include "faces/face.h"
#include "win32/win32_api.h"
#include "win32/win32_window_system.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

// The about text carries today's date; a fixed one keeps the frames the same
// from day to day.
class FixedDateWindowSystem : public tint::win32::Win32WindowSystem {
public:
    using Win32WindowSystem::Win32WindowSystem;
    std::wstring TodayAsText() override { return L"2026/5/1"; }
};

// A frame, read back from the device context it was built in.
class FrameReader {
public:
    FrameReader(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = ::CreateCompatibleDC(nullptr);
        bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        ::SelectObject(dc_, bitmap_);
    }
    FrameReader(const FrameReader&) = delete;
    FrameReader& operator=(const FrameReader&) = delete;
    ~FrameReader() {
        ::DeleteDC(dc_);
        ::DeleteObject(bitmap_);
    }
    const std::uint32_t* Read(HDC from, int x, int y) {
        ::BitBlt(dc_, 0, 0, width_, height_, from, x, y, SRCCOPY);
        ::GdiFlush();
        return bits_;
    }
    std::uint64_t Hash(HDC from, int x, int y, std::uint64_t state) {
        Read(from, x, y);
        std::uint64_t h = 0xcbf29ce484222325ull ^ state;
        for (std::size_t i = 0, n = static_cast<std::size_t>(width_) * height_; i < n; ++i) {
            h = (h ^ (bits_[i] & 0x00FFFFFFu)) * 0x100000001b3ull;
        }
        return h;
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

std::uint64_t Mix(std::uint64_t h, double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return (h ^ bits) * 0x100000001b3ull;
}

std::uint64_t Finish(std::uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ull;
    return h ^ (h >> 33);
}

// Whether the face's window shows picBody's frame, except where its
// children cover the frame.
bool FaceShowsFrame(tint::faces::Face& face, FrameReader& body, FrameReader& window) {
    HWND form = reinterpret_cast<HWND>(face.hWnd());
    const int x = forms::CLng((face.ScaleWidth() - face.bodyWidth) / 2);
    const int y = forms::CLng((face.ScaleHeight() - face.bodyHeight) / 2);
    std::vector<RECT> covered;
    for (HWND child = ::GetWindow(form, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        if (!::IsWindowVisible(child) || !::GetWindowRect(child, &r)) continue;
        ::MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
        covered.push_back({r.left - x, r.top - y, r.right - x, r.bottom - y});
    }
    const std::uint32_t* want = body.Read(reinterpret_cast<HDC>(face.picBody.hDC()), 0, 0);
    const std::uint32_t* got = window.Read(reinterpret_cast<HDC>(face.hDC()), x, y);
    for (int row = 0; row < face.bodyHeight; ++row) {
        for (int column = 0; column < face.bodyWidth; ++column) {
            const std::size_t i = static_cast<std::size_t>(row) * face.bodyWidth + column;
            if (((want[i] ^ got[i]) & 0x00FFFFFFu) == 0) continue;
            const POINT at{column, row};
            if (std::none_of(covered.begin(), covered.end(), [&](const RECT& r) { return ::PtInRect(&r, at) != FALSE; })) return false;
        }
    }
    return true;
}

int shownTicks = 0;
int wrongOnFace = 0;

// One tick, and what it leaves: the fields always, and the frame when the
// face is shown. Now and then part of the face is left to be erased and
// painted from outside while the tick runs, as a window dragged across it and
// away leaves it; painted before the next tick, the face must be whole again.
std::uint64_t Tick(tint::faces::Face& face, FrameReader& reader, FrameReader& window) {
    const RECT dragged{120, 200, 420, 380};
    const bool uncovered = face.Visible() && ++shownTicks % 89 == 0;
    if (uncovered) ::RedrawWindow(reinterpret_cast<HWND>(face.hWnd()), &dragged, nullptr, RDW_INVALIDATE | RDW_ERASE);
    if (face.Visible() && shownTicks % 97 == 0) {
        // The whole face, or a band across the middle of it.
        HWND form = reinterpret_cast<HWND>(face.hWnd());
        RECT band{};
        ::GetClientRect(form, &band);
        band.top = band.bottom / 3;
        band.bottom = band.top * 2;
        ::RedrawWindow(form, shownTicks % 2 == 0 ? &band : nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    face.Timer2_Timer();
    for (MSG paint; uncovered && ::PeekMessageW(&paint, reinterpret_cast<HWND>(face.hWnd()), WM_PAINT, WM_PAINT, PM_REMOVE);) ::DispatchMessageW(&paint);
    std::uint64_t state = 0;
    state = Mix(state, face.scrollTop);
    state = Mix(state, face.picBody.ForeColor());
    state = Mix(state, face.picBody.FontSize());
    state = Mix(state, face.picBody.CurrentX());
    state = Mix(state, face.picBody.CurrentY());
    if (!face.Visible()) return Finish(state);
    if (!FaceShowsFrame(face, reader, window)) ++wrongOnFace;
    return Finish(reader.Hash(reinterpret_cast<HDC>(face.picBody.hDC()), 0, 0, state));
}

// A face's ticks, one line a tick shown: a full pass, on past the restart;
// then a full pass hidden, again past the restart, in one line; then shown
// for a while.
std::vector<std::string> Run(tint::faces::Face& face) {
    FrameReader reader(face.bodyWidth, face.bodyHeight);
    FrameReader window(face.bodyWidth, face.bodyHeight);
    std::vector<std::string> lines;
    std::uint64_t hidden = 0;
    int hiddenTicks = 0;
    auto tick = [&] {
        const std::uint64_t h = Tick(face, reader, window);
        char line[40];
        if (face.Visible()) {
            std::snprintf(line, sizeof line, "%08llx", static_cast<unsigned long long>(h >> 32));
            lines.push_back(line);
        } else {
            hidden = Mix(hidden, static_cast<double>(h >> 11));
            ++hiddenTicks;
        }
    };
    auto pass = [&] {
        for (int ticks = 0; ticks < 100000; ++ticks) {
            const std::int32_t before = face.scrollTop;
            tick();
            if (face.scrollTop > before) break;
        }
        for (int i = 0; i < 3; ++i) tick();
    };
    pass();
    face.Hide();
    pass();
    char line[64];
    std::snprintf(line, sizeof line, "hidden %d ticks %016llx", hiddenTicks, static_cast<unsigned long long>(hidden));
    lines.push_back(line);
    face.Show();
    for (int i = 0; i < 50; ++i) tick();
    return lines;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "record") != 0 && std::strcmp(argv[1], "check") != 0)) {
        std::fprintf(stderr, "usage: tint_frames record|check FILE\n");
        return 2;
    }
    const bool record = std::strcmp(argv[1], "record") == 0;
    const char* faceNames[] = {"frmFancyfrm", "frmFancyfrm1", "frmFancyfrm2"};
    std::vector<std::string> got;
    FixedDateWindowSystem system(::GetModuleHandleW(nullptr));
    tint::win32::Win32Api api;
    for (const tint::themes::Build& build : tint::themes::AllBuilds()) {
        // Each build's program lives to the end of the run, as its windows do.
        auto* app = new forms::Application(system, tint::faces::kProgramTitle);
        auto* program = new tint::faces::Program(*app, api, build.table);
        tint::faces::Face* faces[] = {&program->frmFancyfrm(), &program->frmFancyfrm1(), &program->frmFancyfrm2()};
        for (tint::faces::Face* face : faces) face->Load();
        for (int i = 0; i < 3; ++i) {
            // The face alone on show; the timers stay off and the ticks are called here.
            faces[i]->Show();
            got.push_back(std::string(build.name) + " " + faceNames[i]);
            for (std::string& line : Run(*faces[i])) got.push_back(std::move(line));
            faces[i]->Hide();
        }
    }
    if (record) {
        std::ofstream out(argv[2], std::ios::binary);
        for (const std::string& line : got) out << line << '\n';
        std::printf("frames: %zu lines recorded\n", got.size());
        return out ? 0 : 1;
    }
    std::ifstream in(argv[2], std::ios::binary);
    std::vector<std::string> want;
    std::size_t headLines = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("# ", 0) == 0 && want.empty()) {
            ++headLines;
        } else {
            want.push_back(line);
        }
    }
    std::string where;
    int tick = 0;
    int differing = 0;
    for (std::size_t i = 0; i < std::max(got.size(), want.size()); ++i) {
        const std::string g = i < got.size() ? got[i] : "(none)";
        const std::string w = i < want.size() ? want[i] : "(none)";
        if (g.find(" frm") != std::string::npos) {
            where = g;
            tick = 0;
        } else {
            ++tick;
        }
        if (g == w) continue;
        if (++differing <= 10) {
            std::printf("frames: %s, line %zu (shown tick %d): expected '%s', got '%s'\n", where.c_str(), headLines + i + 1, tick, w.c_str(), g.c_str());
        }
    }
    std::printf("frames: the face showed a frame other than picBody's after %d of %d ticks\n", wrongOnFace, shownTicks);
    std::printf("frames: %zu lines, %d differ\n", got.size(), differing);
    return differing == 0 && wrongOnFace == 0 ? 0 : 1;
}
