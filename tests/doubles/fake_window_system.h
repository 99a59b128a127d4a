// A window system that makes no windows: it keeps each form's and control's
// state, records every call in order, runs posted tasks when the test says,
// and lets a test click, close and tick as a user and the clock would.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/window_system.h"

namespace tint::testing {

// What EndProgram throws, so a test can watch the program end.
struct ProgramEnded {};

std::string Narrow(const std::wstring& text);

class FakeWindowSystem : public forms::WindowSystem {
public:
    struct Window {
        bool isForm = false;
        forms::FormSpec formSpec;
        forms::ControlSpec spec;
        forms::Handle form = 0;
        forms::Handle parent = 0;
        forms::Handle owner = 0;
        bool visible = false;
        bool checked = false;
        forms::WindowEvents* events = nullptr;
        std::map<int, int> timers;  // id -> interval
    };
    struct Box {
        forms::Handle owner;
        std::wstring text;
        std::wstring title;
    };

    std::vector<std::string> log;
    std::vector<Box> messageBoxes;
    std::map<forms::Handle, Window> windows;
    forms::Handle active = 0;
    int doEventsCalls = 0;
    // Runs inside every DoEvents, as other events would.
    std::function<void()> onDoEvents;

    forms::Handle CreateForm(const forms::FormSpec& spec, forms::WindowEvents& events) override;
    void DestroyForm(forms::Handle form) override;
    forms::Handle CreateControl(forms::Handle form, forms::Handle parent, const forms::ControlSpec& spec) override;
    void ShowForm(forms::Handle form, forms::Handle owner) override;
    void HideForm(forms::Handle form) override;
    forms::PixelSize ClientSize(forms::Handle form) override;
    void SetVisible(forms::Handle control, bool visible) override;
    void SetEnabled(forms::Handle control, bool enabled) override;
    void SetCaption(forms::Handle control, const std::wstring& text) override;
    std::wstring GetCaption(forms::Handle control) override;
    void SetToolTip(forms::Handle control, const std::wstring& text) override;
    void SetBounds(forms::Handle control, const forms::PixelRect& rect) override;
    void SetBorder(forms::Handle control, forms::BorderStyle border) override;
    void SetChecked(forms::Handle control, bool checked) override;
    bool GetChecked(forms::Handle control) override;
    void SetTimer(forms::Handle form, int timerId, int intervalMs) override;
    void Post(std::function<void()> task) override;
    void DoEvents() override;
    void RunMessageLoop() override;
    void ShowMessage(forms::Handle owner, const std::wstring& text, const std::wstring& title) override;
    [[noreturn]] void EndProgram() override;

    // ---- driving the program as a user and the message loop would ----
    void RunPosted();
    void Activate(forms::Handle form);  // the user brings a window to the front
    void Click(forms::Handle form, const std::wstring& controlName);
    void Close(forms::Handle form, int mode = 0);
    void Tick(forms::Handle form, int timerId);
    forms::Handle Find(forms::Handle form, const std::wstring& controlName) const;
    size_t PendingTasks() const { return posted_.size(); }

private:
    forms::Handle next_ = 100;
    std::deque<std::function<void()>> posted_;
};

}  // namespace tint::testing
