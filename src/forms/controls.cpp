// Controls: their design values, and the properties that reach their windows.
#include "forms/forms.h"

#include <utility>

namespace forms {

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

Image::Image(Form& form, Control* container, std::wstring name) : Control(form, container, ControlKind::Image, std::move(name)) {}

Menu::Menu(Form& form, std::wstring name) : CaptionedControl(form, nullptr, ControlKind::Menu, std::move(name)) {}

MenuItem::MenuItem(Menu& menu, std::wstring name) : CaptionedControl(menu.OwnerForm(), &menu, ControlKind::MenuItem, std::move(name)) {}

void MenuItem::OnClick() {
    if (Click) Click();
}

}  // namespace forms
