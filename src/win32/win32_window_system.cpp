// The records of forms and controls, and the forms' windows.
#include "win32/win32_window_system.h"

#include <commctrl.h>
#include <ole2.h>

#include "win32/painting.h"
#include "win32/platform.h"
#include "win32/win32_api.h"
#include "win32/window_classes.h"

namespace tint::win32 {

Win32WindowSystem::Win32WindowSystem(HINSTANCE instance) : instance_(instance) {
    // The pictures are decoded by OLE.
    ::CoInitialize(nullptr);
    RegisterWindowClasses();
    INITCOMMONCONTROLSEX common{sizeof(common), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&common);
}

Win32WindowSystem::~Win32WindowSystem() = default;

std::unique_ptr<forms::WindowSystem> MakeWindowSystem() { return std::make_unique<Win32WindowSystem>(::GetModuleHandleW(nullptr)); }

std::unique_ptr<forms::WinApi> MakeWinApi() { return std::make_unique<Win32Api>(); }

Record& Win32WindowSystem::Lookup(forms::Handle handle) { return *records_.at(handle); }

Record* Win32WindowSystem::RecordOf(HWND hwnd) { return Find(records_, hwnd); }

Record* Win32WindowSystem::FormOf(HWND hwnd) { return RecordOf(::GetAncestor(hwnd, GA_ROOT)); }

HWND Win32WindowSystem::FormWindowOf(const Record& record) {
    if (record.hwnd != nullptr) return ::GetAncestor(record.hwnd, GA_ROOT);
    if (record.parent != nullptr) return ::GetAncestor(record.parent, GA_ROOT);
    return record.menuOwner;
}

forms::Handle Win32WindowSystem::CreateForm(const forms::FormSpec& spec, forms::WindowEvents& events) {
    auto record = std::make_unique<Record>();
    record->system = this;
    record->isForm = true;
    record->formSpec = spec;
    record->events = &events;
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT rect{0, 0, spec.clientSize.width, spec.clientSize.height};
    ::AdjustWindowRectEx(&rect, style, TRUE, 0);
    HWND hwnd = ::CreateWindowExW(0, kFormClass, spec.caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, rect.right - rect.left,
                                  rect.bottom - rect.top, nullptr, nullptr, instance_, record.get());
    record->hwnd = hwnd;
    forms::Handle handle = ToHandle(hwnd);
    records_[handle] = std::move(record);
    return handle;
}

void Win32WindowSystem::DestroyForm(forms::Handle form) {
    HWND hwnd = Lookup(form).hwnd;
    // The form's records go with its window: its controls, labels and menus.
    std::vector<forms::Handle> gone;
    for (const auto& [handle, record] : records_) {
        if (FormWindowOf(*record) == hwnd) gone.push_back(handle);
    }
    ::DestroyWindow(hwnd);
    FramePresenter::WindowDestroyed(hwnd);
    for (forms::Handle handle : gone) records_.erase(handle);
}

void Win32WindowSystem::FitClientArea(Record& form) {
    // The menu bar can take more than one line, which no advance computation
    // knows about: measure the client area and correct the outer size.
    RECT client{};
    ::GetClientRect(form.hwnd, &client);
    RECT window{};
    ::GetWindowRect(form.hwnd, &window);
    int width = (window.right - window.left) + form.formSpec.clientSize.width - client.right;
    int height = (window.bottom - window.top) + form.formSpec.clientSize.height - client.bottom;
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int x = work.left + ((work.right - work.left) - width) / 2;
    int y = work.top + ((work.bottom - work.top) - height) / 2;
    ::SetWindowPos(form.hwnd, nullptr, x < work.left ? work.left : x, y < work.top ? work.top : y, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    form.sized = true;
}

void Win32WindowSystem::ShowForm(forms::Handle form, forms::Handle owner) {
    Record& record = Lookup(form);
    if (!record.sized) FitClientArea(record);
    ::SetWindowLongPtrW(record.hwnd, GWLP_HWNDPARENT, static_cast<LONG_PTR>(owner));
    ::ShowWindow(record.hwnd, SW_SHOW);
    ::SetForegroundWindow(record.hwnd);
    ::SetActiveWindow(record.hwnd);
}

void Win32WindowSystem::HideForm(forms::Handle form) {
    Record& record = Lookup(form);
    ::ShowWindow(record.hwnd, SW_HIDE);
    FramePresenter::WindowHidden(record.hwnd);
    keyboard_.FormHidden(record);
}

forms::PixelSize Win32WindowSystem::ClientSize(forms::Handle form) {
    RECT client{};
    ::GetClientRect(Lookup(form).hwnd, &client);
    return {client.right, client.bottom};
}

forms::Handle Win32WindowSystem::FormDC(forms::Handle form) { return ToHandle(::GetDC(Lookup(form).hwnd)); }

void Win32WindowSystem::Redraw(Record& record) {
    if (record.hwnd != nullptr) {
        ::InvalidateRect(record.hwnd, nullptr, TRUE);
    } else if (record.parent != nullptr) {
        RECT rect = ToRect(record.spec.rect);
        ::InvalidateRect(record.parent, &rect, TRUE);
    }
}

}  // namespace tint::win32
