// The application: the message loop's start, handlers run under the run-time's
// error trap, the message box, files by number, and which form is active.
#include "forms/forms.h"

#include <cstdlib>
#include <utility>

namespace forms {

Application::Application(WindowSystem& system, std::wstring title) : system_(system), title_(std::move(title)) {}

void Application::Run(Form& startup) {
    Dispatch([&] { startup.Show(); });
    system_.RunMessageLoop();
}

void Application::Dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const RuntimeError& error) {
        MsgBox(L"Run-time error '" + Str(error.Number()) + L"':\n\n" + error.Description());
        End();
    }
}

void Application::MsgBox(const std::wstring& text) {
    Handle owner = (lastActivated_ != nullptr && lastActivated_->Visible()) ? lastActivated_->hWnd() : 0;
    system_.ShowMessage(owner, text, title_);
}

void Application::End() {
    system_.EndProgram();
    std::abort();  // not reached: the compiler cannot see that the override never returns
}

int Application::FreeFile() const {
    int number = 1;
    while (openFiles_.count(number) != 0) ++number;
    return number;
}

void Application::OpenForInput(const std::wstring& path, int fileNumber) {
    if (openFiles_.count(fileNumber) != 0) Raise(kFileAlreadyOpen);
    if (path.empty() || !system_.CanOpenForInput(path)) Raise(kFileNotFound);
    // Nothing is ever read: the platform has closed the file again, and the
    // number only stands taken until Close.
    openFiles_.insert(fileNumber);
}

void Application::Close(int fileNumber) { openFiles_.erase(fileNumber); }

void Application::FormActivated(Form& form) {
    // Only a change of active form between our own forms is an activation:
    // coming back from another program, or from our own message box, is not.
    if (&form == lastActivated_) return;
    lastActivated_ = &form;
    // Run after the event that caused it (a Show inside a click handler),
    // so the handler's later writes are in place when the form reads them.
    system_.Post([this, &form] {
        if (!form.Loaded()) return;
        Dispatch([&form] { form.Form_Activate(); });
    });
}

void Application::FormUnloaded() {
    if (--loadedForms_ <= 0) End();
}

}  // namespace forms
