// The message loop, DoEvents, timers, tasks posted to run after the event in
// hand, the message box and the end of the program.
#include "win32/win32_window_system.h"

namespace tint::win32 {

namespace {
constexpr UINT kRunPostedTask = WM_APP + 1;
}  // namespace

void Win32WindowSystem::SetTimer(forms::Handle form, int timerId, int intervalMs) {
    HWND hwnd = Lookup(form).hwnd;
    if (intervalMs > 0) {
        ::SetTimer(hwnd, static_cast<UINT_PTR>(timerId), static_cast<UINT>(intervalMs), nullptr);
    } else {
        ::KillTimer(hwnd, static_cast<UINT_PTR>(timerId));
    }
}

void Win32WindowSystem::Post(std::function<void()> task) {
    posted_.push_back(std::move(task));
    ::PostMessageW(dispatcher_, kRunPostedTask, 0, 0);
}

void Win32WindowSystem::RunOnePostedTask() {
    if (posted_.empty()) return;
    std::function<void()> task = std::move(posted_.front());
    posted_.pop_front();
    task();
}

LRESULT CALLBACK Win32WindowSystem::DispatcherProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32WindowSystem*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == kRunPostedTask && self != nullptr) {
        self->RunOnePostedTask();
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

void Win32WindowSystem::Dispatch(MSG& msg) {
    // A click posted to a control of a hidden form would make that form the
    // active window behind the user's back; a form's keys are no dialog's.
    if (keyboard_.Intercept(msg)) return;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

void Win32WindowSystem::DoEvents() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Dispatch(msg);
    }
}

void Win32WindowSystem::RunMessageLoop() {
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
}

void Win32WindowSystem::ShowMessage(forms::Handle owner, const std::wstring& text, const std::wstring& title) {
    ::MessageBoxW(reinterpret_cast<HWND>(owner), text.c_str(), title.c_str(), MB_OK);
}

void Win32WindowSystem::EndProgram() { ::ExitProcess(0); }

}  // namespace tint::win32
