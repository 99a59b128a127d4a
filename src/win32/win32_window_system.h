// The real window system: Win32 windows and child controls under the forms
// layer's interface. Labels and images have no window of their own and are
// painted by their container, so they always lie below the container's
// windowed controls.
//
// One class, its concerns in files of their own: records and the forms'
// windows (win32_window_system.cpp), window classes and procedures
// (window_classes.cpp), controls (controls.cpp), picture boxes
// (picture_boxes.cpp, over persistent_image.h), the message loop
// (message_loop.cpp), clock, locale and files (services.cpp) and the test
// probe's questions (probe_answers.cpp). Focus and keyboard are a class of
// their own (keyboard.h). What a handle names is said in records.h.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "forms/window_system.h"
#include "win32/fonts.h"
#include "win32/keyboard.h"
#include "win32/painting.h"
#include "win32/records.h"

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
    void SetAutoRedraw(forms::Handle box, bool on) override;
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

private:
    // records (win32_window_system.cpp)
    Record& Lookup(forms::Handle handle);
    Record* RecordOf(HWND hwnd);
    Record* FormOf(HWND hwnd);
    static HWND FormWindowOf(const Record& record);
    void FitClientArea(Record& form);
    void Redraw(Record& record);

    // window classes and procedures (window_classes.cpp)
    void RegisterWindowClasses();
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK DispatcherProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT HandleMessage(Record& record, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    std::optional<LRESULT> HandleFormMessage(Record& form, HWND hwnd, UINT msg, WPARAM wp);

    // controls (controls.cpp)
    forms::Handle AddMenu(Record& form, std::unique_ptr<Record> record);
    forms::Handle AddMenuItem(Record& form, forms::Handle menu, std::unique_ptr<Record> record);
    forms::Handle AddWindowless(forms::Handle parent, std::unique_ptr<Record> record);
    forms::Handle AddWindowed(forms::Handle parent, std::unique_ptr<Record> record);
    void UpdateToolTip(Record& control);

    // picture boxes (picture_boxes.cpp)
    void Changed(Record& box, const RECT* area = nullptr);
    // The image's device context with the box's font in force.
    HDC TextDC(Record& box);

    // message loop (message_loop.cpp)
    void Dispatch(MSG& msg);
    void RunOnePostedTask();

    // the test probe's questions (probe_answers.cpp): a form's WM_COPYDATA
    LRESULT AnswerProbe(HWND form, WPARAM wp, LPARAM lp);
    std::wstring PlaceOf(const Record& windowless);

    HINSTANCE instance_;
    HWND dispatcher_ = nullptr;
    // Before the records: their images hold fonts selected until they go.
    FontCache fonts_;
    BrushCache brushes_;
    RecordMap records_;
    Keyboard keyboard_{records_};
    std::deque<std::function<void()>> posted_;
};

}  // namespace tint::win32
