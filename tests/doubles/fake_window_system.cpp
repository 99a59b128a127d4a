#include "doubles/fake_window_system.h"

#include <utility>

namespace tint::testing {

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += (c < 128) ? static_cast<char>(c) : '?';
    return out;
}

forms::Handle FakeWindowSystem::CreateForm(const forms::FormSpec& spec, forms::WindowEvents& events) {
    forms::Handle h = next_++;
    Window& w = windows[h];
    w.isForm = true;
    w.formSpec = spec;
    w.events = &events;
    w.form = h;
    log.push_back("CreateForm " + std::to_string(h));
    return h;
}

void FakeWindowSystem::DestroyForm(forms::Handle form) {
    log.push_back("DestroyForm " + std::to_string(form));
    windows.erase(form);
}

forms::Handle FakeWindowSystem::CreateControl(forms::Handle form, forms::Handle parent, const forms::ControlSpec& spec) {
    forms::Handle h = next_++;
    Window& w = windows[h];
    w.spec = spec;
    w.form = form;
    w.parent = parent;
    w.visible = spec.visible;
    return h;
}

void FakeWindowSystem::ShowForm(forms::Handle form, forms::Handle owner) {
    log.push_back("ShowForm " + std::to_string(form) + " owner " + std::to_string(owner));
    Window& w = windows.at(form);
    w.visible = true;
    w.owner = owner;
    Activate(form);
}

void FakeWindowSystem::HideForm(forms::Handle form) {
    log.push_back("HideForm " + std::to_string(form));
    windows.at(form).visible = false;
}

forms::PixelSize FakeWindowSystem::ClientSize(forms::Handle form) { return windows.at(form).formSpec.clientSize; }

void FakeWindowSystem::SetVisible(forms::Handle control, bool visible) { windows.at(control).visible = visible; }

void FakeWindowSystem::SetEnabled(forms::Handle control, bool enabled) { windows.at(control).spec.enabled = enabled; }

void FakeWindowSystem::SetCaption(forms::Handle control, const std::wstring& text) {
    Window& w = windows.at(control);
    log.push_back("SetCaption " + Narrow(w.spec.name) + " " + Narrow(text));
    w.spec.caption = text;
}

std::wstring FakeWindowSystem::GetCaption(forms::Handle control) { return windows.at(control).spec.caption; }

void FakeWindowSystem::SetToolTip(forms::Handle control, const std::wstring& text) { windows.at(control).spec.toolTip = text; }

void FakeWindowSystem::SetBounds(forms::Handle control, const forms::PixelRect& rect) { windows.at(control).spec.rect = rect; }

void FakeWindowSystem::SetBorder(forms::Handle control, forms::BorderStyle border) { windows.at(control).spec.border = border; }

void FakeWindowSystem::SetChecked(forms::Handle control, bool checked) { windows.at(control).checked = checked; }

bool FakeWindowSystem::GetChecked(forms::Handle control) { return windows.at(control).checked; }

void FakeWindowSystem::SetTimer(forms::Handle form, int timerId, int intervalMs) {
    log.push_back("SetTimer " + std::to_string(form) + " " + std::to_string(timerId) + " " + std::to_string(intervalMs));
    windows.at(form).timers[timerId] = intervalMs;
}

void FakeWindowSystem::Post(std::function<void()> task) { posted_.push_back(std::move(task)); }

void FakeWindowSystem::DoEvents() {
    ++doEventsCalls;
    if (onDoEvents) onDoEvents();
    RunPosted();
}

void FakeWindowSystem::RunMessageLoop() { RunPosted(); }

void FakeWindowSystem::ShowMessage(forms::Handle owner, const std::wstring& text, const std::wstring& title) {
    log.push_back("MessageBox " + Narrow(text));
    messageBoxes.push_back({owner, text, title});
    // Closing the box gives the activation back to its owner, as Windows does.
    if (owner != 0 && windows.count(owner) != 0) windows.at(owner).events->OnActivated();
}

void FakeWindowSystem::EndProgram() {
    log.push_back("End");
    throw ProgramEnded{};
}

void FakeWindowSystem::RunPosted() {
    while (!posted_.empty()) {
        std::function<void()> task = std::move(posted_.front());
        posted_.pop_front();
        task();
    }
}

void FakeWindowSystem::Activate(forms::Handle form) {
    active = form;
    windows.at(form).events->OnActivated();
}

forms::Handle FakeWindowSystem::Find(forms::Handle form, const std::wstring& controlName) const {
    for (const auto& [h, w] : windows) {
        if (!w.isForm && w.form == form && w.spec.name == controlName) return h;
    }
    throw std::out_of_range("no control " + Narrow(controlName));
}

void FakeWindowSystem::Click(forms::Handle form, const std::wstring& controlName) {
    const Window& control = windows.at(Find(form, controlName));
    windows.at(form).events->OnCommand(control.spec.id);
}

void FakeWindowSystem::Close(forms::Handle form, int mode) { windows.at(form).events->OnCloseRequest(mode); }

void FakeWindowSystem::Tick(forms::Handle form, int timerId) { windows.at(form).events->OnTimer(timerId); }

}  // namespace tint::testing
