// The real window system: Win32 windows and child controls. Labels and
// images have no window of their own and are painted by their container, so
// they always lie below the container's windowed controls.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "forms/window_system.h"
#include "win32/gdi_objects.h"

namespace tint::win32 {

class Win32WindowSystem : public forms::WindowSystem {
public:
    explicit Win32WindowSystem(HINSTANCE instance);
    ~Win32WindowSystem() override;

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

    forms::Picture LoadPicture(const std::wstring& name) override;
    void SetPicture(forms::Handle control, const forms::Picture& picture) override;
    forms::Handle ImageDC(forms::Handle box) override;
    forms::Picture CopyImage(forms::Handle box) override;
    void FillBox(forms::Handle box, int x1, int y1, int x2, int y2, forms::Colour colour) override;
    void SetPixel(forms::Handle box, int x, int y, forms::Colour colour) override;
    forms::Colour GetPixel(forms::Handle box, int x, int y) override;
    void SetForeColour(forms::Handle box, forms::Colour colour) override;
    void SetFont(forms::Handle box, const forms::FontSpec& font) override;
    forms::PixelSize MeasureText(forms::Handle box, const std::wstring& text) override;
    void PrintText(forms::Handle box, int x, int y, const std::wstring& text) override;
    forms::Handle FormDC(forms::Handle form) override;
    std::wstring TodayAsText() override;
    forms::TimeOfDay Now() override;
    wchar_t TimeSeparator() override;
    std::wstring ProgramFolder() override;
    bool CanOpenForInput(const std::wstring& path) override;
    void SetTimer(forms::Handle form, int timerId, int intervalMs) override;
    void Post(std::function<void()> task) override;
    void DoEvents() override;
    void RunMessageLoop() override;
    void ShowMessage(forms::Handle owner, const std::wstring& text, const std::wstring& title) override;
    [[noreturn]] void EndProgram() override;

    // One record per form and control; windowless ones have no hwnd.
    struct Item {
        Win32WindowSystem* system = nullptr;
        bool isForm = false;
        forms::ControlSpec spec;
        forms::FormSpec formSpec;
        HWND hwnd = nullptr;
        HWND parent = nullptr;  // the window that paints a windowless item
        HMENU menu = nullptr;   // a drop-down menu, or the menu an item sits in
        HWND menuOwner = nullptr;
        forms::WindowEvents* events = nullptr;
        HWND toolTips = nullptr;  // a form's tool-tip window, made on first need
        bool sized = false;     // a form's client area has been fitted
        std::vector<Item*> windowless;  // painted by this window, in design order
        // A picture box's persistent image: a memory device context holding a
        // bitmap of the box's inner size, kept for the box's whole life.
        // (The bitmap is declared first so that the device context holding
        // it goes first.)
        OwnedBitmap imageBitmap;
        OwnedDC image;
        SIZE imageSize{};
        // The font selected into the image, which follows spec.font only
        // when text is measured or drawn there or the image's device context
        // is handed out: the scroller sets a size for every row of a tick,
        // and most rows are neither measured nor drawn.
        HFONT imageFont = nullptr;
        bool imageFontCurrent = false;
        HDC ImageDC() const { return image.Get(); }
    };

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK DispatcherProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT HandleMessage(Item& item, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void PaintWindowless(Item& item, HDC dc);
    void FitClientArea(Item& form);
    void RedrawItem(Item& item);
    Item& Lookup(forms::Handle handle);
    Item* FormOf(HWND hwnd);
    static HWND FormWindowOf(const Item& item);
    void RunOnePostedTask();
    HFONT FontFor(const forms::FontSpec& spec);
    void UpdateToolTip(Item& control);
    // Moves the focus along the design's tab order; true when it handled the key.
    bool TabToNext(const MSG& msg);
    void Dispatch(MSG& msg);
    void MakeImage(Item& box);
    void ResizeImage(Item& box);
    void DrawPicture(HDC dc, const forms::Picture& picture, int x, int y);
    void Changed(Item& box, const RECT* area = nullptr);
    // The image's device context with the box's font selected.
    HDC TextDC(Item& box);

    HINSTANCE instance_;
    HWND dispatcher_ = nullptr;
    OwnedFont messageFont_;
    HFONT controlFont_ = nullptr;
    // Fonts the designs name, made once each and kept for the whole run.
    std::map<std::wstring, OwnedFont> fonts_;
    std::map<forms::Handle, std::unique_ptr<Item>> items_;
    std::deque<std::function<void()>> posted_;
};

}  // namespace tint::win32
