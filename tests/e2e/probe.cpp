// The end-to-end tests' second process: finds the program's windows, reads
// system colours and window state, and acts as the user would, through window
// messages. One command per run; results on standard output; exit code 0 when
// the command succeeded. A control is found by the identifier its design name
// has (faces/control_ids.h); only what no standard call reads from outside is
// asked of the face (win32/probe_protocol.h).
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "faces/control_ids.h"
#include "win32/probe_protocol.h"

namespace {

struct Search {
    const wchar_t* title;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK FindTop(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    wchar_t title[512] = {};
    wchar_t cls[128] = {};
    ::GetWindowTextW(hwnd, title, 512);
    ::GetClassNameW(hwnd, cls, 128);
    if (!::IsWindowVisible(hwnd)) return TRUE;
    if (s->title != nullptr && std::wcscmp(title, s->title) != 0) return TRUE;
    if (s->className != nullptr && std::wcscmp(cls, s->className) != 0) return TRUE;
    s->found = hwnd;
    return FALSE;
}

HWND WaitFor(const wchar_t* title, const wchar_t* className, int timeoutMs) {
    for (int waited = 0;; waited += 50) {
        Search s{title, className, nullptr};
        ::EnumWindows(FindTop, reinterpret_cast<LPARAM>(&s));
        if (s.found != nullptr || waited >= timeoutMs) return s.found;
        ::Sleep(50);
    }
}

struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK FindChild(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<ChildSearch*>(lp);
    if (::GetDlgCtrlID(hwnd) != s->id) return TRUE;
    s->found = hwnd;
    return FALSE;
}

// A control's window, among all the form's descendants, by design name.
HWND ControlWindow(HWND form, const wchar_t* name) {
    ChildSearch s{tint::faces::ControlIdOf(name), nullptr};
    if (s.id != 0) ::EnumChildWindows(form, FindChild, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

// The answer, as the face's WM_COPYDATA brought it to our window.
struct Answer {
    WNDPROC base;
    bool arrived;
    std::wstring text;
};
Answer answer{};

LRESULT CALLBACK TakeAnswer(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
    if (msg != WM_COPYDATA || data == nullptr || data->dwData != tint::probe::kAnswer) return ::CallWindowProcW(answer.base, hwnd, msg, wp, lp);
    if (data->cbData % sizeof(wchar_t) != 0 || (data->cbData != 0 && data->lpData == nullptr)) return FALSE;
    answer.text.assign(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t));
    answer.arrived = true;
    return TRUE;
}

// Asks the face a question of probe_protocol.h with the data given; true when
// an answer came. The window the answer comes to is a message-only one of a
// class Windows already has, so the question registers nothing in the session.
bool AskRaw(HWND form, std::uintptr_t question, WPARAM replyTo, const void* data, DWORD bytes, std::wstring& text) {
    HWND inbox = ::CreateWindowExW(0, L"Static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    answer = {reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(inbox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TakeAnswer))), false, L""};
    COPYDATASTRUCT ask{question, bytes, const_cast<void*>(data)};
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(form, WM_COPYDATA, replyTo == 0 ? reinterpret_cast<WPARAM>(inbox) : replyTo, reinterpret_cast<LPARAM>(&ask),
                          SMTO_ABORTIFHUNG, 5000, &result);
    ::DestroyWindow(inbox);
    text = answer.text;
    return answer.arrived;
}

bool Ask(HWND form, std::uintptr_t question, const std::wstring& name, std::wstring& text) {
    return AskRaw(form, question, 0, name.data(), static_cast<DWORD>(name.size() * sizeof(wchar_t)), text);
}

// Questions no face must answer, nor fall over at, each wrong in one way;
// how many were answered.
int AskMalformed(HWND form) {
    using namespace tint::probe;
    const std::wstring clock = L"lblClock", tooLong(4096, L'x'), withNul(L"lblClock\0lblMusic", 17);
    const auto bytes = [](const std::wstring& s) { return static_cast<DWORD>(s.size() * sizeof(wchar_t)); };
    const struct {
        std::uintptr_t question;
        WPARAM replyTo;  // 0: the probe's own window
        const void* data;
        DWORD bytes;
    } wrong[] = {
        {kCaption, 0, clock.data(), 3},  // half a character
        {kCaption, 0, nullptr, 0},
        {kCaption, 0, tooLong.data(), bytes(tooLong)},
        {kCaption, 0, withNul.data(), bytes(withNul)},  // a name is as long as it says, not to its first nul
        {kAnswer, 0, clock.data(), bytes(clock)},  // not a question
        {kCaption, reinterpret_cast<WPARAM>(form), clock.data(), bytes(clock)},  // answer to the face itself
        {kCaption, 0x7FFF0, clock.data(), bytes(clock)},  // answer to no window
    };
    int answered = 0;
    std::wstring text;
    for (const auto& w : wrong) answered += AskRaw(form, w.question, w.replyTo, w.data, w.bytes, text);
    return answered;
}

// Global atoms in the session's table: those from strings lie in 0xC000-0xFFFF.
int CountAtoms() {
    int count = 0;
    wchar_t name[256];
    for (unsigned atom = 0xC000; atom <= 0xFFFF; ++atom) count += ::GlobalGetAtomNameW(static_cast<ATOM>(atom), name, 256) != 0;
    return count;
}

struct HiddenSearch {
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK FindHidden(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<HiddenSearch*>(lp);
    wchar_t title[512] = {};
    ::GetWindowTextW(hwnd, title, 512);
    if (::IsWindowVisible(hwnd) || std::wcscmp(title, s->title) != 0) return TRUE;
    s->found = hwnd;
    return FALSE;
}

BOOL CALLBACK CollectText(HWND hwnd, LPARAM lp) {
    wchar_t cls[64] = {};
    ::GetClassNameW(hwnd, cls, 64);
    if (std::wcscmp(cls, L"Static") == 0) {
        wchar_t text[1024] = {};
        ::GetWindowTextW(hwnd, text, 1024);
        if (text[0] != 0) *reinterpret_cast<std::wstring*>(lp) += text;
    }
    return TRUE;
}

struct FaceList {
    const wchar_t* title;
    bool hiddenToo;
    std::wstring out;
};

std::wstring TextOf(HWND hwnd) {
    wchar_t text[256] = {};
    // WM_GETTEXT, unlike GetWindowText, reads another process's edit control.
    ::SendMessageTimeoutW(hwnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

BOOL CALLBACK ListFace(HWND hwnd, LPARAM lp) {
    auto* list = reinterpret_cast<FaceList*>(lp);
    wchar_t title[512] = {};
    ::GetWindowTextW(hwnd, title, 512);
    if (std::wcscmp(title, list->title) != 0) return TRUE;
    bool visible = ::IsWindowVisible(hwnd) != FALSE;
    if (!visible && !list->hiddenToo) return TRUE;
    std::wstring line;
    for (const wchar_t* name : {L"Text3", L"Text4", L"Text5"}) {
        if (!line.empty()) line += L",";
        line += TextOf(ControlWindow(hwnd, name));
    }
    if (::GetForegroundWindow() == hwnd) line += L" active";
    if (!visible) line += L" hidden";
    HWND owner = ::GetWindow(hwnd, GW_OWNER);
    wchar_t ownerTitle[512] = {};
    if (owner != nullptr) ::GetWindowTextW(owner, ownerTitle, 512);
    if (owner != nullptr && std::wcscmp(ownerTitle, list->title) == 0) line += L" owned";
    list->out += line + L"\n";
    return TRUE;
}

void PrintUtf8(const std::wstring& text) {
    int n = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
    std::fputs(out.c_str(), stdout);
    std::fputs("\n", stdout);
}

// A line of the places list: NAME X Y W H, a rectangle on the screen.
std::wstring PlaceLine(const std::wstring& name, RECT r) {
    return name + L" " + std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " + std::to_wstring(r.right - r.left) + L" " +
           std::to_wstring(r.bottom - r.top) + L"\n";
}

RECT ClientOnScreen(HWND hwnd) {
    RECT r{};
    ::GetClientRect(hwnd, &r);
    ::MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The frame the face copies from its hidden drawing area: centred on the
// client area, the offsets rounded as the face rounds them, ties to even.
RECT FrameOnScreen(HWND form) {
    RECT client{}, body{};
    ::GetClientRect(form, &client);
    ::GetClientRect(ControlWindow(form, L"picBody"), &body);
    const long x = std::lrint((client.right - body.right) / 2.0), y = std::lrint((client.bottom - body.bottom) / 2.0);
    RECT frame{x, y, x + body.right, y + body.bottom};
    ::MapWindowPoints(form, nullptr, reinterpret_cast<POINT*>(&frame), 2);
    return frame;
}

// A windowless control as the face places it: its container's name and where it is.
struct Windowless {
    std::wstring name, container;
    RECT rect;
};

// What the face shows, from the top down: each window after the windows and
// labels it holds, which lie above it, and its own windowed children in
// their stacking order before its labels, which lie below them; the frame,
// drawn on the face, lies right above the face's own background. Each line
// gives the inner area as far as the containers let it show; a window's
// whole rectangle, border included, follows as a line of the name with
// "/border" added.
void ListPlaces(HWND hwnd, const std::wstring& name, RECT shown, const std::vector<Windowless>& windowless, std::wstring& out) {
    RECT inner = ClientOnScreen(hwnd), whole{};
    ::GetWindowRect(hwnd, &whole);
    ::IntersectRect(&whole, &whole, &shown);
    ::IntersectRect(&inner, &inner, &shown);
    for (HWND child = ::GetWindow(hwnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child)) continue;
        const std::wstring childName(tint::faces::ControlNameOf(::GetDlgCtrlID(child)));
        if (!childName.empty()) ListPlaces(child, childName, inner, windowless, out);
    }
    for (const Windowless& label : windowless) {
        RECT r{};
        if (label.container == name && ::IntersectRect(&r, &label.rect, &inner)) out += PlaceLine(label.name, r);
    }
    if (name == L"form") out += PlaceLine(L"frame", FrameOnScreen(hwnd));
    out += PlaceLine(name, inner);
    if (name != L"form") out += PlaceLine(name + L"/border", whole);
}

int Usage() {
    std::fputs(
        "usage: tint_probe syscolor N [N...]          (one line each)\n"
        "       tint_probe wait-window WINDOW [MS]      (prints the client size)\n"
        "       tint_probe wait-msgbox WINDOW [MS]      (prints the message text)\n"
        "       tint_probe close WINDOW\n"
        "       tint_probe origin WINDOW                (screen coordinates of the client area)\n"
        "       tint_probe places WINDOW                (what the face shows where, from the top down)\n"
        "       tint_probe minimise|restore WINDOW\n"
        "       tint_probe cover WINDOW MS              (a window of the probe's over the face for MS ms)\n"
        "       tint_probe title-bar WINDOW             (screen coordinates of a point on the caption)\n"
        "       tint_probe click WINDOW CONTROL         (a button, by its design name)\n"
        "       tint_probe menu WINDOW ITEM             (a menu item, by its design name)\n"
        "       tint_probe faces WINDOW [all]           (each visible face, or all: number fields, active, hidden, owned)\n"
        "       tint_probe centre WINDOW CONTROL        (screen coordinates of the control's middle)\n"
        "       tint_probe checked WINDOW CONTROL       (prints 1 or 0)\n"
        "       tint_probe enabled WINDOW CONTROL       (prints 1 or 0)\n"
        "       tint_probe caption WINDOW CONTROL       (a control's caption, windowless ones too)\n"
        "       tint_probe tooltip WINDOW CONTROL       (a control's tool tip)\n"
        "       tint_probe focus WINDOW                 (the control that holds the focus in the face's thread)\n"
        "       tint_probe click-hidden WINDOW CONTROL  (a button of a hidden face)\n"
        "       tint_probe close-hidden WINDOW          (asks a hidden face to close)\n"
        "       tint_probe malformed WINDOW             (asks wrong questions; prints how many were answered)\n"
        "       tint_probe atoms                        (how many global atoms the session holds)\n"
        "WINDOW is face (the faces' caption) or msgbox (the title of the program's message boxes)\n",
        stderr);
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wcscmp(argv[1], L"atoms") == 0) {
        std::printf("%d\n", CountAtoms());
        return 0;
    }
    if (argc < 3) return Usage();
    std::wstring command = argv[1];
    int timeout = argc > 3 ? _wtoi(argv[3]) : 10000;
    if (command == L"syscolor") {
        // A process reads the system colours once, when it starts, so only a
        // fresh probe sees a change.
        for (int i = 2; i < argc; ++i) std::printf("0x%08lX\n", static_cast<unsigned long>(::GetSysColor(_wtoi(argv[i]))));
        return 0;
    }
    // The window is named in ASCII and its caption taken from the program's
    // own: Wine makes a command line wide by the caller's locale, which may
    // not hold the Chinese captions.
    const wchar_t* title = std::wcscmp(argv[2], L"face") == 0     ? tint::faces::kFormCaption
                           : std::wcscmp(argv[2], L"msgbox") == 0 ? tint::faces::kProgramTitle
                                                                  : nullptr;
    if (title == nullptr) return Usage();
    if (command == L"wait-window") {
        HWND hwnd = WaitFor(title, nullptr, timeout);
        if (hwnd == nullptr) return 1;
        RECT client{};
        ::GetClientRect(hwnd, &client);
        std::printf("%ld %ld\n", client.right, client.bottom);
        return 0;
    }
    if (command == L"wait-msgbox") {
        HWND box = WaitFor(title, L"#32770", timeout);
        if (box == nullptr) return 1;
        std::wstring text;
        ::EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&text));
        PrintUtf8(text);
        return 0;
    }
    if (command == L"faces") {
        FaceList list{title, argc > 3 && std::wcscmp(argv[3], L"all") == 0, L""};
        ::EnumWindows(ListFace, reinterpret_cast<LPARAM>(&list));
        if (!list.out.empty()) list.out.pop_back();
        PrintUtf8(list.out);
        return 0;
    }
    if ((command == L"click-hidden" && argc > 3) || command == L"close-hidden") {
        // No user can reach a hidden face; only a message from outside can.
        HiddenSearch search{title, nullptr};
        ::EnumWindows(FindHidden, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) return 1;
        if (command == L"close-hidden") {
            // What the task list or another program sends to close a window.
            ::PostMessageW(search.found, WM_SYSCOMMAND, SC_CLOSE, 0);
            return 0;
        }
        HWND control = ControlWindow(search.found, argv[3]);
        if (control == nullptr) return 1;
        ::PostMessageW(control, BM_CLICK, 0, 0);
        return 0;
    }
    HWND form = WaitFor(title, nullptr, 0);
    if (form == nullptr) return 1;
    const bool onWindow = argc > 3 && (command == L"centre" || command == L"enabled" || command == L"checked" || command == L"click");
    HWND control = argc > 3 ? ControlWindow(form, argv[3]) : nullptr;
    if (onWindow && control == nullptr) return 1;
    if (command == L"focus") {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(form, nullptr), &info)) return 1;
        std::wstring name = L"(none)";
        if (info.hwndFocus != nullptr) {
            name = ::IsChild(form, info.hwndFocus) ? tint::faces::ControlNameOf(::GetDlgCtrlID(info.hwndFocus)) : L"";
            if (name.empty()) name = L"(not a control)";
        }
        PrintUtf8(name);
        return 0;
    }
    if (command == L"centre" && argc > 3) {
        // Screen coordinates, which are the X display's: the virtual desktop
        // lies at its top-left corner. A real click there comes from xdotool,
        // since input injected with SendInput does not reach other processes
        // under Wine's virtual desktop.
        RECT rect{};
        ::GetWindowRect(control, &rect);
        std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        return 0;
    }
    if ((command == L"caption" || command == L"tooltip") && argc > 3) {
        // A windowed control's caption is its window's text.
        std::wstring text;
        if (command == L"caption" && control != nullptr) {
            text = TextOf(control);
        } else if (!Ask(form, command == L"caption" ? tint::probe::kCaption : tint::probe::kToolTip, argv[3], text)) {
            return 1;
        }
        PrintUtf8(text.empty() ? L"(none)" : text);
        return 0;
    }
    if (command == L"malformed") {
        std::printf("%d\n", AskMalformed(form));
        return 0;
    }
    if (command == L"enabled" && argc > 3) {
        std::printf("%d\n", ::IsWindowEnabled(control) ? 1 : 0);
        return 0;
    }
    if (command == L"checked" && argc > 3) {
        std::printf("%d\n", ::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
        return 0;
    }
    if (command == L"origin") {
        // The client area's top-left corner on the screen (the X display).
        POINT origin{0, 0};
        ::ClientToScreen(form, &origin);
        std::printf("%ld %ld\n", origin.x, origin.y);
        return 0;
    }
    if (command == L"places") {
        std::vector<Windowless> windowless;
        for (const wchar_t* name : {L"Label1", L"Label2", L"Label3", L"lblMusic", L"lblClock"}) {
            std::wstring place;
            wchar_t container[65] = {};
            RECT r{};
            if (!Ask(form, tint::probe::kPlace, name, place) ||
                std::swscanf(place.c_str(), L"%64ls %ld %ld %ld %ld", container, &r.left, &r.top, &r.right, &r.bottom) != 5) {
                continue;
            }
            windowless.push_back({name, container, {r.left, r.top, r.left + r.right, r.top + r.bottom}});
        }
        std::wstring out;
        RECT screen{0, 0, ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
        ListPlaces(form, L"form", screen, windowless, out);
        out.pop_back();
        PrintUtf8(out);
        return 0;
    }
    if (command == L"minimise" || command == L"restore") {
        ::ShowWindowAsync(form, command == L"minimise" ? SW_MINIMIZE : SW_RESTORE);
        return 0;
    }
    if (command == L"title-bar") {
        RECT whole{};
        ::GetWindowRect(form, &whole);
        const int below = ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYCAPTION) / 2;
        std::printf("%ld %ld\n", (whole.left + whole.right) / 2, whole.top + below);
        return 0;
    }
    if (command == L"cover" && argc > 3) {
        // Another program's window over the face, gone again: what it
        // covered is the face's to paint. It takes the activation while it
        // is there, as another program's window would.
        RECT whole{};
        ::GetWindowRect(form, &whole);
        HWND cover = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"Static", L"", WS_POPUP | WS_VISIBLE | SS_BLACKRECT, whole.left + 40,
                                       whole.top + 60, (whole.right - whole.left) - 80, (whole.bottom - whole.top) - 120, nullptr, nullptr, nullptr,
                                       nullptr);
        for (const DWORD until = ::GetTickCount() + static_cast<DWORD>(_wtoi(argv[3])); ::GetTickCount() < until;) {
            MSG msg;
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
            ::Sleep(10);
        }
        ::DestroyWindow(cover);
        return 0;
    }
    if (command == L"close") {
        ::PostMessageW(form, WM_CLOSE, 0, 0);
        return 0;
    }
    if (command == L"click" && argc > 3) {
        ::PostMessageW(control, BM_CLICK, 0, 0);
        return 0;
    }
    if (command == L"menu" && argc > 3) {
        // What choosing the item sends: WM_COMMAND with its identifier.
        const int id = tint::faces::ControlIdOf(argv[3]);
        if (id == 0) return 1;
        ::PostMessageW(form, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        return 0;
    }
    return Usage();
}
