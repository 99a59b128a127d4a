// The narrow boundary between the forms layer and a window system. The real
// implementation drives Win32 windows; the tests' double records every call.
// Everything above this line (forms, faces) is portable and never sees a
// Windows header.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "forms/picture.h"
#include "forms/types.h"

namespace forms {

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct PixelSize {
    int width = 0, height = 0;
};

struct TimeOfDay {
    int hour = 0, minute = 0, second = 0;  // 0-23, 0-59, 0-59
};

enum class ControlKind {
    CommandButton,    // standard push button: draws its caption only
    GraphicalButton,  // draws its picture on its back colour
    OptionButton,
    TextBox,
    PictureBox,
    Label,  // windowless: drawn by its container
    Image,  // windowless: drawn by its container
    Menu,   // a drop-down on the form's menu bar
    MenuItem,
};

enum class BorderStyle { None, Flat, ThreeD };

// Pixels a side that a picture box's border takes from its inner area.
constexpr int BorderWidth(BorderStyle border) {
    return border == BorderStyle::ThreeD ? 2 : border == BorderStyle::Flat ? 1 : 0;
}

struct FontSpec {
    std::wstring name;  // empty: the platform's default control font
    double points = 0;
    bool bold = false;
    int charset = 0;
    bool operator==(const FontSpec&) const = default;
};

// Everything a window system needs to make one control. Positions are pixels
// of the container's inner area.
struct ControlSpec {
    ControlKind kind = ControlKind::CommandButton;
    std::wstring name;  // design name, findable from another process
    int id = 0;         // reported back with OnCommand
    PixelRect rect;
    std::wstring caption;
    std::wstring toolTip;
    bool visible = true;
    bool enabled = true;
    OleColour backColour = SystemColour(15);
    OleColour foreColour = SystemColour(18);
    bool transparent = false;
    enum class Align { Left, Centre, Right } textAlign = Align::Left;
    BorderStyle border = BorderStyle::None;
    FontSpec font;
    // A picture box keeps what is drawn on it in a persistent image.
    bool autoRedraw = false;
    int tabIndex = 0;
    Picture picture;  // shown by picture boxes, images and graphical buttons
};

struct FormSpec {
    std::wstring caption;
    PixelSize clientSize;
    OleColour backColour = SystemColour(15);
    OleColour foreColour = SystemColour(18);
};

// What a window system reports back to a form.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    // The form's window became the active window (for any reason).
    virtual void OnActivated() = 0;
    // Something asks the window to close; mode says who (close box 0,
    // the system shutting down 2).
    virtual void OnCloseRequest(int mode) = 0;
    // A button was clicked or a menu item chosen.
    virtual void OnCommand(int controlId) = 0;
    virtual void OnTimer(int timerId) = 0;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    virtual Handle CreateForm(const FormSpec& spec, WindowEvents& events) = 0;
    virtual void DestroyForm(Handle form) = 0;
    // Controls are created in design order; parent is the form or a picture
    // box. Controls created earlier in one container lie above later ones.
    virtual Handle CreateControl(Handle form, Handle parent, const ControlSpec& spec) = 0;

    // Makes the form visible and the active window; owner 0 means none.
    virtual void ShowForm(Handle form, Handle owner) = 0;
    virtual void HideForm(Handle form) = 0;
    virtual PixelSize ClientSize(Handle form) = 0;

    virtual void SetVisible(Handle control, bool visible) = 0;
    virtual void SetEnabled(Handle control, bool enabled) = 0;
    virtual void SetCaption(Handle control, const std::wstring& text) = 0;
    virtual std::wstring GetCaption(Handle control) = 0;
    virtual void SetToolTip(Handle control, const std::wstring& text) = 0;
    virtual void SetBounds(Handle control, const PixelRect& rect) = 0;
    virtual void SetBorder(Handle control, BorderStyle border) = 0;
    virtual void SetChecked(Handle control, bool checked) = 0;
    virtual bool GetChecked(Handle control) = 0;

    // A picture the program carries, by resource name; an empty picture
    // object when there is none of that name.
    virtual Picture LoadPicture(const std::wstring& name) = 0;
    virtual void SetPicture(Handle control, const Picture& picture) = 0;

    // A picture box's persistent image, made when its AutoRedraw comes on:
    // made from what the box shows when it comes, drawing goes into it and
    // stays; its device context is what the box's hDC gives. Coordinates are
    // pixels of the box's inner area. A box without one paints its back
    // colour and picture afresh each time, in the colours then in force.
    virtual void SetAutoRedraw(Handle box, bool on) = 0;
    virtual Handle ImageDC(Handle box) = 0;
    // A bitmap picture of the image as it stands, independent of later drawing.
    virtual Picture CopyImage(Handle box) = 0;
    virtual void FillBox(Handle box, int x1, int y1, int x2, int y2, Colour colour) = 0;
    virtual void SetPixel(Handle box, int x, int y, Colour colour) = 0;
    virtual Colour GetPixel(Handle box, int x, int y) = 0;
    // Text colour and the colour of the device context's pen.
    virtual void SetForeColour(Handle box, Colour colour) = 0;
    virtual void SetFont(Handle box, const FontSpec& font) = 0;
    virtual PixelSize MeasureText(Handle box, const std::wstring& text) = 0;
    virtual void PrintText(Handle box, int x, int y, const std::wstring& text) = 0;

    // A form's device context, for drawing straight onto its client area.
    virtual Handle FormDC(Handle form) = 0;

    virtual std::wstring TodayAsText() = 0;
    // The local time of day, and the user's separator between its parts.
    virtual TimeOfDay Now() = 0;
    virtual wchar_t TimeSeparator() = 0;

    // The folder the program runs from, with no separator at its end except
    // at a drive's root.
    virtual std::wstring ProgramFolder() = 0;
    // Whether the file can be opened for reading; it is closed again at once.
    virtual bool CanOpenForInput(const std::wstring& path) = 0;

    // interval 0 stops the timer.
    virtual void SetTimer(Handle form, int timerId, int intervalMs) = 0;

    // Runs task from the message loop, after the event now running.
    virtual void Post(std::function<void()> task) = 0;
    // Handles what is waiting in the message loop, then returns.
    virtual void DoEvents() = 0;
    virtual void RunMessageLoop() = 0;

    // An OK-only box without icon; returns when the user closed it, while
    // the message loop keeps running.
    virtual void ShowMessage(Handle owner, const std::wstring& text, const std::wstring& title) = 0;

    // Ends the process at once: no handler, no clean-up.
    [[noreturn]] virtual void EndProgram() = 0;
};

}  // namespace forms
