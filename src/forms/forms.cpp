#include "forms/forms.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace forms {

// ---- Application ----------------------------------------------------------

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

// ---- Control --------------------------------------------------------------

Control::Control(Form& form, Control* container, ControlKind kind, std::wstring name) : form_(form), container_(container) {
    spec_.kind = kind;
    spec_.name = std::move(name);
    form.controls_.push_back(this);
    spec_.id = static_cast<int>(form.controls_.size());
}

WindowSystem& Control::System() { return form_.App().System(); }

bool Control::HasWindow() const {
    switch (spec_.kind) {
        case ControlKind::Label:
        case ControlKind::Image:
        case ControlKind::Menu:
        case ControlKind::MenuItem: return false;
        default: return true;
    }
}

void Control::SetVisible(bool visible) {
    spec_.visible = visible;
    if (Created()) System().SetVisible(handle_, visible);
}

void Control::SetEnabled(bool enabled) {
    spec_.enabled = enabled;
    if (Created()) System().SetEnabled(handle_, enabled);
}

void Control::SetToolTipText(const std::wstring& text) {
    spec_.toolTip = text;
    if (Created()) System().SetToolTip(handle_, text);
}

void Control::ApplyBounds() {
    if (Created()) System().SetBounds(handle_, spec_.rect);
}

void Control::SetLeft(int left) {
    spec_.rect.left = left;
    ApplyBounds();
}

void Control::SetWidth(int width) {
    if (width < 0) Raise(kInvalidProcedureCall);
    spec_.rect.width = width;
    ApplyBounds();
}

void Control::SetHeight(int height) {
    if (height < 0) Raise(kInvalidProcedureCall);
    spec_.rect.height = height;
    ApplyBounds();
}

void Control::Move(int left, int top) {
    spec_.rect.left = left;
    spec_.rect.top = top;
    ApplyBounds();
}

void Control::Move(int left, int top, int width, int height) {
    if (width < 0 || height < 0) Raise(kInvalidProcedureCall);
    spec_.rect = {left, top, width, height};
    ApplyBounds();
}

void Control::SetPicture(const forms::Picture& picture) {
    spec_.picture = picture;
    if (Created()) System().SetPicture(handle_, picture);
    PictureChanged();
}

void CaptionedControl::SetCaption(const std::wstring& text) {
    spec_.caption = text;
    if (Created()) System().SetCaption(handle_, text);
}

CommandButton::CommandButton(Form& form, Control* container, std::wstring name, bool graphical)
    : CaptionedControl(form, container, graphical ? ControlKind::GraphicalButton : ControlKind::CommandButton, std::move(name)) {}

void CommandButton::OnClick() {
    if (Click) Click();
}

OptionButton::OptionButton(Form& form, Control* container, std::wstring name)
    : CaptionedControl(form, container, ControlKind::OptionButton, std::move(name)) {}

Boolean OptionButton::Value() const {
    if (handle_ == 0) return False;
    return ToBoolean(form_.App().System().GetChecked(handle_));
}

void OptionButton::SetValue(Boolean value) {
    if (handle_ != 0) System().SetChecked(handle_, value != False);
}

TextBox::TextBox(Form& form, Control* container, std::wstring name) : Control(form, container, ControlKind::TextBox, std::move(name)) {
    spec_.backColour = SystemColour(5);
    spec_.foreColour = SystemColour(8);
}

std::wstring TextBox::Text() const {
    if (handle_ == 0) return spec_.caption;
    return form_.App().System().GetCaption(handle_);
}

void TextBox::SetText(const std::wstring& text) {
    spec_.caption = text;
    if (Created()) System().SetCaption(handle_, text);
}

Label::Label(Form& form, Control* container, std::wstring name) : CaptionedControl(form, container, ControlKind::Label, std::move(name)) {}

PictureBox::PictureBox(Form& form, Control* container, std::wstring name) : Control(form, container, ControlKind::PictureBox, std::move(name)) {
    spec_.border = BorderStyle::ThreeD;
}

void PictureBox::SetAlign(int align) {
    if (align < 0 || align > 4) Raise(kInvalidProcedureCall);
    align_ = align;
    if (align == 0) return;
    double width = form_.ScaleWidth();
    double height = form_.ScaleHeight();
    int top = align == 2 ? static_cast<int>(height) - spec_.rect.height : 0;
    Move(0, top, static_cast<int>(width), spec_.rect.height);
}

void PictureBox::SetAppearance(int appearance) {
    if (spec_.border == BorderStyle::None) return;
    spec_.border = appearance == 0 ? BorderStyle::Flat : BorderStyle::ThreeD;
    if (Created()) System().SetBorder(handle_, spec_.border);
}

void PictureBox::SetAutoSize(bool on) {
    autoSize_ = on;
    PictureChanged();
}

void PictureBox::PictureChanged() {
    if (!autoSize_ || spec_.picture.Empty()) return;
    spec_.rect.width = spec_.picture.Width() + 2 * BorderWidth(spec_.border);
    spec_.rect.height = spec_.picture.Height() + 2 * BorderWidth(spec_.border);
    ApplyBounds();
}

void PictureBox::RequireCreated() const {
    // Drawing needs the box's image, which exists once the form is loaded.
    if (handle_ == 0) Raise(kInvalidProcedureCall);
}

Handle PictureBox::hDC() {
    RequireCreated();
    return System().ImageDC(handle_);
}

forms::Picture PictureBox::Image() {
    RequireCreated();
    return System().CopyImage(handle_);
}

void PictureBox::SetForeColor(OleColour colour) {
    spec_.foreColour = colour;
    if (Created()) System().SetForeColour(handle_, colour);
}

void PictureBox::LineFilledBox(double x1, double y1, double x2, double y2, Colour colour) {
    RequireCreated();
    System().FillBox(handle_, CLng(x1), CLng(y1), CLng(x2), CLng(y2), colour);
}

void PictureBox::PSet(double x, double y, Colour colour) {
    RequireCreated();
    System().SetPixel(handle_, CLng(x), CLng(y), colour);
}

std::int32_t PictureBox::Point(double x, double y) {
    RequireCreated();
    return static_cast<std::int32_t>(System().GetPixel(handle_, CLng(x), CLng(y)));
}

void PictureBox::SetFontSize(double points) {
    if (points <= 0 || points > 2160) Raise(kInvalidProcedureCall);
    spec_.font.points = points;
    if (Created()) System().SetFont(handle_, spec_.font);
}

void PictureBox::Print(const std::wstring& text) {
    RequireCreated();
    System().PrintText(handle_, CLng(currentX_), CLng(currentY_), text);
    currentY_ += static_cast<float>(TextHeight(text));
    currentX_ = 0;
}

double PictureBox::TextWidth(const std::wstring& text) {
    RequireCreated();
    return System().MeasureText(handle_, text).width;
}

double PictureBox::TextHeight(const std::wstring& text) {
    RequireCreated();
    return System().MeasureText(handle_, text).height;
}

Image::Image(Form& form, Control* container, std::wstring name) : Control(form, container, ControlKind::Image, std::move(name)) {}


Menu::Menu(Form& form, std::wstring name) : CaptionedControl(form, nullptr, ControlKind::Menu, std::move(name)) {}

MenuItem::MenuItem(Menu& menu, std::wstring name) : CaptionedControl(menu.OwnerForm(), &menu, ControlKind::MenuItem, std::move(name)) {}

void MenuItem::OnClick() {
    if (Click) Click();
}

// ---- Timer ----------------------------------------------------------------

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

void Form::OnPaint() {
    app_.Dispatch([this] { Form_Paint(); });
}

}  // namespace forms
