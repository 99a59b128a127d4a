// Forms and their timers: loading, showing, hiding and unloading, and the
// window system's events turned into handlers.
#include "forms/forms.h"

#include <algorithm>
#include <utility>

namespace forms {

Timer::Timer(Form& form, bool enabled, int interval) : form_(form), enabled_(enabled), interval_(interval) {
    form.timers_.push_back(this);
    id_ = static_cast<int>(form.timers_.size());
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Apply();
}

void Timer::SetInterval(int interval) {
    if (interval < 0 || interval > 65535) Raise(kInvalidProcedureCall);
    interval_ = interval;
    Apply();
}

void Timer::Apply() {
    if (!form_.Loaded()) return;
    form_.App().System().SetTimer(form_.hWnd(), id_, enabled_ ? interval_ : 0);
}

// ---- Form -----------------------------------------------------------------

Form::Form(Application& app, FormSpec spec) : app_(app), spec_(std::move(spec)) {}

void Form::Load() {
    if (Loaded()) return;
    WindowSystem& system = app_.System();
    handle_ = system.CreateForm(spec_, *this);
    ++app_.loadedForms_;
    for (Control* control : controls_) {
        if (!control->present_) continue;
        if (!control->pictureResource_.empty()) control->spec_.picture = system.LoadPicture(control->pictureResource_);
        Handle parent = control->container_ != nullptr ? control->container_->handle_ : handle_;
        control->handle_ = system.CreateControl(handle_, parent, control->spec_);
    }
    for (Timer* timer : timers_) timer->Apply();
    loading_ = true;
    struct EndOfLoad {
        bool& loading;
        ~EndOfLoad() { loading = false; }
    } endOfLoad{loading_};
    Form_Load();
}

void Form::Show(Form* owner) {
    if (loading_) return;
    Load();
    visible_ = true;
    app_.System().ShowForm(handle_, owner != nullptr ? owner->hWnd() : 0);
}

void Form::Hide() {
    if (!Loaded()) return;
    visible_ = false;
    app_.System().HideForm(handle_);
}

void Form::Unload() { QueryUnloadThenUnload(vbFormCode); }

void Form::QueryUnloadThenUnload(std::int16_t mode) {
    if (!Loaded()) return;
    Boolean cancel = False;
    Form_QueryUnload(cancel, mode);
    if (cancel != False) return;
    app_.System().DestroyForm(handle_);
    handle_ = 0;
    visible_ = false;
    for (Control* control : controls_) control->handle_ = 0;
    app_.FormUnloaded();
}

double Form::ScaleWidth() { return Loaded() ? app_.System().ClientSize(handle_).width : spec_.clientSize.width; }

double Form::ScaleHeight() { return Loaded() ? app_.System().ClientSize(handle_).height : spec_.clientSize.height; }

Handle Form::hDC() { return Loaded() ? app_.System().FormDC(handle_) : 0; }

void Form::NameControlIds(int (*idOf)(std::wstring_view name)) {
    if (Loaded()) return;
    for (Control* control : controls_) {
        if (int id = idOf(control->Name()); id != 0) control->spec_.id = id;
    }
}

void Form::PlaceAfter(Control& control, const Control& after) {
    auto from = std::find(controls_.begin(), controls_.end(), &control);
    if (from == controls_.end() || Loaded()) return;
    controls_.erase(from);
    auto to = std::find(controls_.begin(), controls_.end(), &after);
    controls_.insert(to == controls_.end() ? to : to + 1, &control);
}

// A hidden form can still be made active by a message aimed at one of its
// controls from outside; that is no showing of the form to the user.
void Form::OnActivated() {
    if (visible_) app_.FormActivated(*this);
}

void Form::OnCloseRequest(int mode) {
    app_.Dispatch([this, mode] { QueryUnloadThenUnload(static_cast<std::int16_t>(mode)); });
}

void Form::OnCommand(int controlId) {
    // Identifiers are given in declaration order, which the design order may not follow.
    auto it = std::find_if(controls_.begin(), controls_.end(), [controlId](const Control* c) { return c->spec_.id == controlId; });
    if (it == controls_.end()) return;
    Control* control = *it;
    app_.Dispatch([control] { control->OnClick(); });
}

void Form::OnTimer(int timerId) {
    if (timerId < 1 || timerId > static_cast<int>(timers_.size())) return;
    Timer* timer = timers_[timerId - 1];
    if (!timer->enabled_ || timer->interval_ == 0 || !timer->Tick) return;
    app_.Dispatch([timer] { timer->Tick(); });
}

}  // namespace forms
