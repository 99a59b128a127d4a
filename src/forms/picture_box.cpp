// Picture boxes: docking, border and size, and drawing into the persistent image.
#include "forms/forms.h"

#include <utility>

namespace forms {

PictureBox::PictureBox(Form& form, Control* container, std::wstring name) : Control(form, container, ControlKind::PictureBox, std::move(name)) {
    spec_.border = BorderStyle::ThreeD;
}

void PictureBox::SetAlign(int align) {
    if (align < 0 || align > 4) Raise(kInvalidProcedureCall);
    if (align == 0) return;
    double width = form_.ScaleWidth();
    double height = form_.ScaleHeight();
    int top = align == 2 ? static_cast<int>(height) - spec_.rect.height : 0;
    Move(0, top, static_cast<int>(width), spec_.rect.height);
}

void PictureBox::SetAutoRedraw(bool on) {
    if (spec_.autoRedraw == on) return;
    spec_.autoRedraw = on;
    if (Created()) System().SetAutoRedraw(handle_, on);
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
    // Drawing needs the box's window, which exists once the form is loaded;
    // it is kept only in a box whose AutoRedraw is on, as the faces' are.
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

}  // namespace forms
