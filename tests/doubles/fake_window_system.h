// A window system that makes no windows: it keeps each form's and control's
// state, records every call in order, runs posted tasks when the test says,
// and lets a test click, close and tick as a user and the clock would.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
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
    // A picture's or a picture box's pixels, 0x00BBGGRR, row by row.
    struct PixelMap {
        int width = 0, height = 0;
        std::vector<forms::Colour> pixels;
        forms::Colour At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    };
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
        PixelMap image;            // a picture box's persistent image
        forms::Colour foreColour = 0;
    };
    struct Box {
        forms::Handle owner;
        std::wstring text;
        std::wstring title;
    };

    std::vector<std::string> log;
    std::vector<Box> messageBoxes;
    std::map<forms::Handle, Window> windows;
    // The pictures the program carries, by resource name, and the pixels of
    // every bitmap by handle. A new double carries a bitmap for every name
    // the faces use; a test can replace one.
    std::map<std::wstring, forms::Picture> pictures;
    std::map<std::intptr_t, PixelMap> bitmaps;
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
    forms::Picture LoadPicture(const std::wstring& name) override;
    void SetPicture(forms::Handle control, const forms::Picture& picture) override;
    void SetAutoRedraw(forms::Handle box, bool on) override { windows.at(box).spec.autoRedraw = on; }
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
    std::wstring TodayAsText() override { return today; }
    forms::TimeOfDay Now() override { return now; }
    wchar_t TimeSeparator() override { return timeSeparator; }
    std::wstring ProgramFolder() override { return folder; }
    bool CanOpenForInput(const std::wstring& path) override { return files.count(path) != 0; }
    std::wstring today = L"2026/12/9";
    forms::TimeOfDay now{14, 5, 9};
    wchar_t timeSeparator = L':';
    std::wstring folder = L"C:\\Programs\\tint";
    std::set<std::wstring> files{L"C:\\Programs\\tint\\集结号.wav"};
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
    // A bitmap of the given size whose pixel (x, y) is colour(x, y).
    forms::Picture MakeBitmap(int width, int height, const std::function<forms::Colour(int, int)>& colour);
    forms::Picture MakeIcon(int width, int height);
    // The device context ImageDC gives for a box, and the box a DC belongs to.
    static constexpr forms::Handle kImageDCBase = 1000000;
    static constexpr forms::Handle kFormDCBase = 2000000;

    FakeWindowSystem();

private:
    forms::Handle next_ = 100;
    std::deque<std::function<void()>> posted_;
};

}  // namespace tint::testing
