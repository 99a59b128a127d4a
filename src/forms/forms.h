// Our forms layer: forms with named controls and one handler per event,
// timers, the message box, DoEvents and End. The faces are written against
// these classes; a WindowSystem underneath makes the real windows.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "forms/picture.h"
#include "forms/value.h"
#include "forms/window_system.h"

namespace forms {

class Form;

// Unload modes passed to Form_QueryUnload.
inline constexpr std::int16_t vbFormControlMenu = 0;
inline constexpr std::int16_t vbFormCode = 1;
inline constexpr std::int16_t vbAppWindows = 2;

// Design lengths are twips; the faces are laid out at 15 twips a pixel.
inline constexpr int kTwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }

class Application {
public:
    Application(WindowSystem& system, std::wstring title);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    WindowSystem& System() { return system_; }

    // Loads and shows the start-up form, then dispatches events until End.
    void Run(Form& startup);

    // Runs one event handler. A run-time error that no handler trapped is
    // shown to the user and ends the program, as nothing can recover from it.
    void Dispatch(const std::function<void()>& handler);

    // An OK-only box with the program's title, owned by the active form.
    void MsgBox(const std::wstring& text);
    void DoEvents() { system_.DoEvents(); }
    // Today's date as text, in the user's short date format.
    std::wstring Date() { return system_.TodayAsText(); }
    TimeOfDay Now() { return system_.Now(); }
    wchar_t TimeSeparator() { return system_.TimeSeparator(); }
    // The program's folder (App.Path).
    std::wstring Path() { return system_.ProgramFolder(); }
    // A free file number, and opening a file for input under it: the open
    // fails with "File not found" when the file cannot be opened.
    int FreeFile() const;
    void OpenForInput(const std::wstring& path, int fileNumber);
    void Close(int fileNumber);
    [[noreturn]] void End();

private:
    friend class Form;
    void FormActivated(Form& form);
    void FormUnloaded();

    WindowSystem& system_;
    std::wstring title_;
    Form* lastActivated_ = nullptr;
    int loadedForms_ = 0;
    std::set<int> openFiles_;
};

class Control {
public:
    Control(Form& form, Control* container, ControlKind kind, std::wstring name);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    // The design values; changed freely before the form loads.
    ControlSpec& Design() { return spec_; }
    const std::wstring& Name() const { return spec_.name; }
    // The control's window. Labels, images and menus have none: their hWnd
    // is 0, and only Ref, the window system's name for any control, names them.
    Handle hWnd() const { return HasWindow() ? handle_ : 0; }
    Handle Ref() const { return handle_; }
    bool HasWindow() const;
    Form& OwnerForm() const { return form_; }
    // The picture the control carries (graphical buttons and picture boxes
    // show it; a standard button only stores it).
    const forms::Picture& Picture() const { return spec_.picture; }
    void SetPicture(const forms::Picture& picture);
    // A picture the program carries, put in when the form loads.
    void DesignPicture(std::wstring resourceName) { pictureResource_ = std::move(resourceName); }

    // A control this design leaves out: it makes no window and shows nothing.
    void Omit() { present_ = false; }
    bool Present() const { return present_; }

    bool Visible() const { return spec_.visible; }
    void SetVisible(bool visible);
    bool Enabled() const { return spec_.enabled; }
    void SetEnabled(bool enabled);
    void SetToolTipText(const std::wstring& text);

    int Left() const { return spec_.rect.left; }
    int Top() const { return spec_.rect.top; }
    int Width() const { return spec_.rect.width; }
    int Height() const { return spec_.rect.height; }
    void SetLeft(int left);
    void SetWidth(int width);
    void SetHeight(int height);
    void Move(int left, int top);
    void Move(int left, int top, int width, int height);

protected:
    WindowSystem& System();
    bool Created() const { return handle_ != 0; }
    void ApplyBounds();

    Form& form_;
    Control* container_;
    ControlSpec spec_;
    Handle handle_ = 0;
    bool present_ = true;
    std::wstring pictureResource_;

private:
    friend class Form;
    virtual void OnClick() {}
    virtual void PictureChanged() {}
};

// Controls that show a caption: buttons, option buttons, labels, menus.
class CaptionedControl : public Control {
public:
    using Control::Control;
    std::wstring Caption() const { return spec_.caption; }
    void SetCaption(const std::wstring& text);
};

class CommandButton : public CaptionedControl {
public:
    CommandButton(Form& form, Control* container, std::wstring name, bool graphical = false);
    std::function<void()> Click;

private:
    void OnClick() override;
};

class OptionButton : public CaptionedControl {
public:
    OptionButton(Form& form, Control* container, std::wstring name);
    // Selecting the button is the user's; the window holds the truth.
    Boolean Value() const;
    void SetValue(Boolean value);
};

class TextBox : public Control {
public:
    TextBox(Form& form, Control* container, std::wstring name);
    std::wstring Text() const;
    void SetText(const std::wstring& text);
};

class Label : public CaptionedControl {
public:
    Label(Form& form, Control* container, std::wstring name);
};

class PictureBox : public Control {
public:
    PictureBox(Form& form, Control* container, std::wstring name);
    // The inner area, inside the border, in pixels.
    double ScaleWidth() const { return spec_.rect.width - 2 * BorderWidth(spec_.border); }
    double ScaleHeight() const { return spec_.rect.height - 2 * BorderWidth(spec_.border); }

    // 0 none, 1 docked to the top of the form's inner area, 2 to the bottom:
    // full width, its own height.
    void SetAlign(int align);
    // Every box works in pixels (3), whatever it is set to.
    void SetScaleMode(int /*mode*/) {}
    bool AutoRedraw() const { return spec_.autoRedraw; }
    void SetAutoRedraw(bool on);
    // 0 flat (1-pixel border), 1 three-dimensional (2 pixels); no border stays none.
    void SetAppearance(int appearance);
    // Sizes the box to its picture whenever it has one.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);

    // ---- drawing, in pixels of the inner area, into the persistent image ----
    // The image's device context.
    Handle hDC();
    // A bitmap picture of the image as it stands now.
    forms::Picture Image();
    OleColour ForeColor() const { return spec_.foreColour; }
    void SetForeColor(OleColour colour);
    // A filled box from (x1, y1) to (x2, y2), the far edges not included.
    void LineFilledBox(double x1, double y1, double x2, double y2, Colour colour);
    void PSet(double x, double y, Colour colour);
    // The colour at (x, y); -1 outside the image.
    std::int32_t Point(double x, double y);
    double FontSize() const { return spec_.font.points; }
    void SetFontSize(double points);
    float CurrentX() const { return currentX_; }
    void SetCurrentX(float x) { currentX_ = x; }
    float CurrentY() const { return currentY_; }
    void SetCurrentY(float y) { currentY_ = y; }
    // Draws text at CurrentX, CurrentY in the current font and ForeColor,
    // then moves to the start of the next line.
    void Print(const std::wstring& text);
    double TextWidth(const std::wstring& text);
    double TextHeight(const std::wstring& text);

private:
    void PictureChanged() override;
    void RequireCreated() const;

    bool autoSize_ = false;
    float currentX_ = 0;
    float currentY_ = 0;
};

class Image : public Control {
public:
    Image(Form& form, Control* container, std::wstring name);
};

class Menu : public CaptionedControl {
public:
    Menu(Form& form, std::wstring name);
};

class MenuItem : public CaptionedControl {
public:
    MenuItem(Menu& menu, std::wstring name);
    std::function<void()> Click;

private:
    void OnClick() override;
};

// Ticks every Interval milliseconds while Enabled; Interval 0 never ticks.
class Timer {
public:
    Timer(Form& form, bool enabled, int interval);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    void SetInterval(int interval);
    std::function<void()> Tick;

private:
    friend class Form;
    void Apply();

    Form& form_;
    int id_;
    bool enabled_;
    int interval_;
};

class Form : public WindowEvents {
public:
    Form(Application& app, FormSpec spec);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form() override = default;

    Application& App() { return app_; }
    FormSpec& Design() { return spec_; }
    Handle hWnd() const { return handle_; }
    bool Loaded() const { return handle_ != 0; }
    bool Visible() const { return visible_; }

    // Creates the window and its controls and runs Form_Load; once only.
    void Load();
    // Modeless; loads the form first when it is not loaded yet. A Show that
    // comes while the form's own load yields (a second click on the button
    // that showed it) does nothing: the first Show shows it once loaded.
    void Show(Form* owner = nullptr);
    void Hide();
    // Asks Form_QueryUnload first; a form that is not cancelled goes away.
    void Unload();

    double ScaleWidth();
    double ScaleHeight();
    // The window's device context: drawing there goes straight to the screen.
    Handle hDC();

    // Puts control right after another in the design order, which is the
    // order of making and so of stacking; before the form loads.
    void PlaceAfter(Control& control, const Control& after);
    // Gives each control the identifier idOf names for it, in place of its
    // declaration order, so that another process can find it by that alone;
    // one that idOf gives 0 keeps its own. Before the form loads.
    void NameControlIds(int (*idOf)(std::wstring_view name));

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_QueryUnload(Boolean& cancel, std::int16_t& unloadMode) {
        (void)cancel;
        (void)unloadMode;
    }

private:
    friend class Application;
    friend class Control;
    friend class Timer;

    void OnActivated() override;
    void OnCloseRequest(int mode) override;
    void OnCommand(int controlId) override;
    void OnTimer(int timerId) override;
    void QueryUnloadThenUnload(std::int16_t mode);

    Application& app_;
    FormSpec spec_;
    Handle handle_ = 0;
    bool visible_ = false;
    bool loading_ = false;
    std::vector<Control*> controls_;
    std::vector<Timer*> timers_;
};

}  // namespace forms
