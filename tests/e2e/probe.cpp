// The end-to-end tests' second process: finds the program's windows, reads
// system colours and window state, and acts as the user would, through window
// messages. One command per run; results on standard output; exit code 0 when
// the command succeeded.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

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

DWORD_PTR Ask(HWND form, const wchar_t* message, WPARAM wp) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(form, ::RegisterWindowMessageW(message), wp, 0, SMTO_ABORTIFHUNG, 5000, &result);
    return result;
}

// Asks the form about one of its controls by design name.
DWORD_PTR AskForm(HWND form, const wchar_t* message, const wchar_t* name) {
    ATOM atom = ::GlobalAddAtomW(name);
    DWORD_PTR result = Ask(form, message, atom);
    ::GlobalDeleteAtom(atom);
    return result;
}

// Text the form answered with, as a global atom that is ours to delete.
bool TakeAtomText(DWORD_PTR answer, std::wstring& text) {
    auto atom = static_cast<ATOM>(answer);
    if (atom == 0) return false;
    wchar_t buffer[256] = {};
    ::GlobalGetAtomNameW(atom, buffer, 256);
    ::GlobalDeleteAtom(atom);
    text = buffer;
    return true;
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
        line += TextOf(reinterpret_cast<HWND>(AskForm(hwnd, tint::probe::kFindControl, name)));
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

int Usage() {
    std::fputs(
        "usage: tint_probe syscolor N [N...]          (one line each)\n"
        "       tint_probe wait-window TITLE [MS]       (prints the client size)\n"
        "       tint_probe wait-msgbox TITLE [MS]       (prints the message text)\n"
        "       tint_probe close TITLE\n"
        "       tint_probe origin TITLE                 (screen coordinates of the client area)\n"
        "       tint_probe click TITLE CONTROL          (a button, by its design name)\n"
        "       tint_probe menu TITLE ITEM              (a menu item, by its design name)\n"
        "       tint_probe faces TITLE [all]            (each visible face, or all: number fields, active, hidden, owned)\n"
        "       tint_probe centre TITLE CONTROL         (screen coordinates of the control's middle)\n"
        "       tint_probe checked TITLE CONTROL        (prints 1 or 0)\n"
        "       tint_probe enabled TITLE CONTROL        (prints 1 or 0)\n"
        "       tint_probe caption TITLE CONTROL        (a control's caption, windowless ones too)\n"
        "       tint_probe tooltip TITLE CONTROL        (a control's tool tip)\n"
        "       tint_probe focus TITLE                  (the control that holds the focus in the face's thread)\n"
        "       tint_probe click-hidden TITLE CONTROL   (a button of a hidden face)\n"
        "       tint_probe close-hidden TITLE           (asks a hidden face to close)\n",
        stderr);
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return Usage();
    std::wstring command = argv[1];
    int timeout = argc > 3 ? _wtoi(argv[3]) : 10000;
    if (command == L"syscolor") {
        // A process reads the system colours once, when it starts, so only a
        // fresh probe sees a change.
        for (int i = 2; i < argc; ++i) std::printf("0x%08lX\n", static_cast<unsigned long>(::GetSysColor(_wtoi(argv[i]))));
        return 0;
    }
    if (command == L"wait-window") {
        HWND hwnd = WaitFor(argv[2], nullptr, timeout);
        if (hwnd == nullptr) return 1;
        RECT client{};
        ::GetClientRect(hwnd, &client);
        std::printf("%ld %ld\n", client.right, client.bottom);
        return 0;
    }
    if (command == L"wait-msgbox") {
        HWND box = WaitFor(argv[2], L"#32770", timeout);
        if (box == nullptr) return 1;
        std::wstring text;
        ::EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&text));
        PrintUtf8(text);
        return 0;
    }
    if (command == L"faces") {
        FaceList list{argv[2], argc > 3 && std::wcscmp(argv[3], L"all") == 0, L""};
        ::EnumWindows(ListFace, reinterpret_cast<LPARAM>(&list));
        if (!list.out.empty()) list.out.pop_back();
        PrintUtf8(list.out);
        return 0;
    }
    if ((command == L"click-hidden" && argc > 3) || command == L"close-hidden") {
        // No user can reach a hidden face; only a message from outside can.
        HiddenSearch search{argv[2], nullptr};
        ::EnumWindows(FindHidden, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) return 1;
        if (command == L"close-hidden") {
            // What the task list or another program sends to close a window.
            ::PostMessageW(search.found, WM_SYSCOMMAND, SC_CLOSE, 0);
            return 0;
        }
        HWND control = reinterpret_cast<HWND>(AskForm(search.found, tint::probe::kFindControl, argv[3]));
        if (control == nullptr) return 1;
        ::PostMessageW(control, BM_CLICK, 0, 0);
        return 0;
    }
    HWND form = WaitFor(argv[2], nullptr, 0);
    if (form == nullptr) return 1;
    if (command == L"focus") {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(form, nullptr), &info)) return 1;
        std::wstring name = L"(none)";
        if (info.hwndFocus != nullptr && !TakeAtomText(Ask(form, tint::probe::kNameOf, reinterpret_cast<WPARAM>(info.hwndFocus)), name)) {
            name = L"(not a control)";
        }
        PrintUtf8(name);
        return 0;
    }
    if (command == L"centre" && argc > 3) {
        // Screen coordinates, which are the X display's: the virtual desktop
        // lies at its top-left corner. A real click there comes from xdotool,
        // since input injected with SendInput does not reach other processes
        // under Wine's virtual desktop.
        HWND control = reinterpret_cast<HWND>(AskForm(form, tint::probe::kFindControl, argv[3]));
        if (control == nullptr) return 1;
        RECT rect{};
        ::GetWindowRect(control, &rect);
        std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        return 0;
    }
    if ((command == L"caption" || command == L"tooltip") && argc > 3) {
        std::wstring text;
        if (!TakeAtomText(AskForm(form, command == L"caption" ? tint::probe::kGetCaption : tint::probe::kGetToolTip, argv[3]), text)) return 1;
        PrintUtf8(text);
        return 0;
    }
    if (command == L"enabled" && argc > 3) {
        HWND control = reinterpret_cast<HWND>(AskForm(form, tint::probe::kFindControl, argv[3]));
        if (control == nullptr) return 1;
        std::printf("%d\n", ::IsWindowEnabled(control) ? 1 : 0);
        return 0;
    }
    if (command == L"checked" && argc > 3) {
        HWND control = reinterpret_cast<HWND>(AskForm(form, tint::probe::kFindControl, argv[3]));
        if (control == nullptr) return 1;
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
    if (command == L"close") {
        ::PostMessageW(form, WM_CLOSE, 0, 0);
        return 0;
    }
    if (command == L"click" && argc > 3) {
        HWND control = reinterpret_cast<HWND>(AskForm(form, tint::probe::kFindControl, argv[3]));
        if (control == nullptr) return 1;
        ::PostMessageW(control, BM_CLICK, 0, 0);
        return 0;
    }
    if (command == L"menu" && argc > 3) {
        // What choosing the item sends: WM_COMMAND with its identifier.
        DWORD_PTR id = AskForm(form, tint::probe::kFindCommand, argv[3]);
        if (id == 0) return 1;
        ::PostMessageW(form, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        return 0;
    }
    return Usage();
}
