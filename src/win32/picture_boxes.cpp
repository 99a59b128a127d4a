// Pictures on controls, and drawing into picture boxes' persistent images.
#include "win32/win32_window_system.h"

#include <algorithm>

#include "win32/painting.h"
#include "win32/picture_decoding.h"

namespace tint::win32 {

forms::Picture Win32WindowSystem::LoadPicture(const std::wstring& name) { return DecodePicture(instance_, name); }

void Win32WindowSystem::SetPicture(forms::Handle control, const forms::Picture& picture) {
    Record& record = Lookup(control);
    record.spec.picture = picture;
    if (record.image.Exists()) record.image.Reset(record.spec.backColour, picture);
    Redraw(record);
}

void Win32WindowSystem::SetAutoRedraw(forms::Handle box, bool on) {
    Record& record = Lookup(box);
    record.spec.autoRedraw = on;
    // Turned off, what was drawn stays as the box's background, as in the
    // forms run-time; no face turns it off.
    if (!on || record.image.Exists()) return;
    // What the box shows now, in the colours now in force, is where the
    // image starts; from then on it keeps what is drawn as it was drawn.
    record.image.Make(record.hwnd, record.spec, fonts_.For(record.spec.font));
    record.imageFontCurrent = true;
    Redraw(record);
}

forms::Handle Win32WindowSystem::ImageDC(forms::Handle box) {
    Record& record = Lookup(box);
    if (!record.image.Exists()) return 0;
    TextDC(record);
    return ToHandle(record.image.HandOut());
}

HDC Win32WindowSystem::TextDC(Record& box) {
    if (!box.imageFontCurrent && box.image.Exists()) {
        box.image.SetFont(fonts_.For(box.spec.font));
        box.imageFontCurrent = true;
    }
    return box.image.DC();
}

forms::Picture Win32WindowSystem::CopyImage(forms::Handle box) {
    const Record& record = Lookup(box);
    return record.image.Exists() ? record.image.Copy() : forms::Picture();
}

void Win32WindowSystem::Changed(Record& box, const RECT* area) {
    if (box.hwnd != nullptr && ::IsWindowVisible(box.hwnd)) ::InvalidateRect(box.hwnd, area, FALSE);
}

void Win32WindowSystem::FillBox(forms::Handle box, int x1, int y1, int x2, int y2, forms::Colour colour) {
    Record& record = Lookup(box);
    RECT rect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    FillWith(record.image.HandOut(), rect, colour & 0x00FFFFFFu);
    Changed(record, &rect);
}

void Win32WindowSystem::SetPixel(forms::Handle box, int x, int y, forms::Colour colour) {
    Record& record = Lookup(box);
    ::SetPixelV(record.image.HandOut(), x, y, colour & 0x00FFFFFFu);
    RECT rect{x, y, x + 1, y + 1};
    Changed(record, &rect);
}

forms::Colour Win32WindowSystem::GetPixel(forms::Handle box, int x, int y) { return ::GetPixel(Lookup(box).image.DC(), x, y); }

void Win32WindowSystem::SetForeColour(forms::Handle box, forms::Colour colour) {
    Record& record = Lookup(box);
    record.spec.foreColour = colour;
    if (record.image.Exists()) record.image.SetForeColour(ToColorRef(colour));
}

void Win32WindowSystem::SetFont(forms::Handle box, const forms::FontSpec& font) {
    Record& record = Lookup(box);
    // The scroller sets a size for most rows, mostly the one in force.
    if (record.spec.font == font) return;
    record.spec.font = font;
    record.imageFontCurrent = false;
}

forms::PixelSize Win32WindowSystem::MeasureText(forms::Handle box, const std::wstring& text) {
    SIZE size{};
    ::GetTextExtentPoint32W(TextDC(Lookup(box)), text.c_str(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

void Win32WindowSystem::PrintText(forms::Handle box, int x, int y, const std::wstring& text) {
    Record& record = Lookup(box);
    TextDC(record);
    ::TextOutW(record.image.HandOut(), x, y, text.c_str(), static_cast<int>(text.size()));
    Changed(record);
}

}  // namespace tint::win32
