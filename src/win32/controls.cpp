// Making controls, and the properties the forms layer sets on them.
#include "win32/win32_window_system.h"

#include <commctrl.h>

#include "win32/painting.h"
#include "win32/window_classes.h"

namespace tint::win32 {

forms::Handle Win32WindowSystem::CreateControl(forms::Handle form, forms::Handle parent, const forms::ControlSpec& spec) {
    auto record = std::make_unique<Record>();
    record->system = this;
    record->spec = spec;
    Record& formRecord = Lookup(form);
    switch (spec.kind) {
        case forms::ControlKind::Menu: return AddMenu(formRecord, std::move(record));
        case forms::ControlKind::MenuItem: return AddMenuItem(formRecord, parent, std::move(record));
        case forms::ControlKind::Label:
        case forms::ControlKind::Image: return AddWindowless(parent, std::move(record));
        default: return AddWindowed(parent, std::move(record));
    }
}

forms::Handle Win32WindowSystem::AddMenu(Record& form, std::unique_ptr<Record> record) {
    HMENU bar = ::GetMenu(form.hwnd);
    if (bar == nullptr) {
        bar = ::CreateMenu();
        ::SetMenu(form.hwnd, bar);
    }
    record->menu = ::CreatePopupMenu();
    record->menuOwner = form.hwnd;
    ::AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(record->menu), record->spec.caption.c_str());
    ::DrawMenuBar(form.hwnd);
    // The form's load lays out its controls against its client area, so
    // that must be right before the form is shown.
    FitClientArea(form);
    forms::Handle handle = ToHandle(record.get());
    records_[handle] = std::move(record);
    return handle;
}

forms::Handle Win32WindowSystem::AddMenuItem(Record& form, forms::Handle menu, std::unique_ptr<Record> record) {
    const forms::ControlSpec& spec = record->spec;
    record->menu = Lookup(menu).menu;
    record->menuOwner = form.hwnd;
    UINT flags = MF_STRING | (spec.enabled ? MF_ENABLED : MF_GRAYED);
    ::AppendMenuW(record->menu, flags, static_cast<UINT_PTR>(spec.id), spec.caption.c_str());
    forms::Handle handle = ToHandle(record.get());
    records_[handle] = std::move(record);
    return handle;
}

forms::Handle Win32WindowSystem::AddWindowless(forms::Handle parent, std::unique_ptr<Record> record) {
    HWND parentHwnd = reinterpret_cast<HWND>(parent);
    record->parent = parentHwnd;
    Lookup(parent).windowless.push_back(record.get());
    forms::Handle handle = ToHandle(record.get());
    records_[handle] = std::move(record);
    ::InvalidateRect(parentHwnd, nullptr, TRUE);
    return handle;
}

forms::Handle Win32WindowSystem::AddWindowed(forms::Handle parent, std::unique_ptr<Record> record) {
    using forms::ControlKind;
    const forms::ControlSpec& spec = record->spec;
    const wchar_t* windowClass = L"BUTTON";
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    switch (spec.kind) {
        case ControlKind::CommandButton: style |= BS_PUSHBUTTON | WS_TABSTOP; break;
        case ControlKind::GraphicalButton: style |= BS_OWNERDRAW | WS_TABSTOP; break;
        case ControlKind::OptionButton: style |= BS_AUTORADIOBUTTON | WS_TABSTOP; break;
        case ControlKind::TextBox:
            windowClass = L"EDIT";
            style |= ES_AUTOHSCROLL | WS_TABSTOP;
            exStyle |= WS_EX_CLIENTEDGE;
            break;
        case ControlKind::PictureBox:
            windowClass = kPictureClass;
            style |= WS_CLIPCHILDREN;
            exStyle |= WS_EX_CONTROLPARENT;
            if (spec.border == forms::BorderStyle::ThreeD) exStyle |= WS_EX_CLIENTEDGE;
            if (spec.border == forms::BorderStyle::Flat) style |= WS_BORDER;
            break;
        default: break;
    }
    if (spec.visible) style |= WS_VISIBLE;
    if (!spec.enabled) style |= WS_DISABLED;
    HWND parentHwnd = reinterpret_cast<HWND>(parent);
    record->parent = parentHwnd;
    const forms::PixelRect& r = spec.rect;
    HWND hwnd = ::CreateWindowExW(exStyle, windowClass, spec.caption.c_str(), style, r.left, r.top, r.width, r.height, parentHwnd,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance_, record.get());
    record->hwnd = hwnd;
    if (spec.kind == ControlKind::PictureBox && spec.autoRedraw) record->image.Make(hwnd, spec, fonts_.For(spec.font));
    SetRecordProperty(hwnd, *record);
    ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.For(spec.font)), FALSE);
    if (!spec.toolTip.empty()) UpdateToolTip(*record);
    // Each control goes below the ones made before it: the design order is
    // the stacking order, first on top.
    ::SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    forms::Handle handle = ToHandle(hwnd);
    records_[handle] = std::move(record);
    return handle;
}

void Win32WindowSystem::SetVisible(forms::Handle control, bool visible) {
    Record& record = Lookup(control);
    record.spec.visible = visible;
    if (record.hwnd != nullptr) {
        ::ShowWindow(record.hwnd, visible ? SW_SHOWNA : SW_HIDE);
    } else {
        Redraw(record);
    }
}

void Win32WindowSystem::SetEnabled(forms::Handle control, bool enabled) {
    Record& record = Lookup(control);
    record.spec.enabled = enabled;
    if (record.spec.kind == forms::ControlKind::MenuItem) {
        ::EnableMenuItem(record.menu, static_cast<UINT>(record.spec.id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    } else if (record.hwnd != nullptr) {
        ::EnableWindow(record.hwnd, enabled ? TRUE : FALSE);
    } else {
        Redraw(record);
    }
}

void Win32WindowSystem::SetCaption(forms::Handle control, const std::wstring& text) {
    Record& record = Lookup(control);
    // A label's container paints it: the same text again, or any text while
    // it is hidden, needs no paint (the clock sets its label every tick).
    const bool windowless = record.hwnd == nullptr && record.spec.kind == forms::ControlKind::Label;
    if (windowless && (record.spec.caption == text || !record.spec.visible)) {
        record.spec.caption = text;
        return;
    }
    record.spec.caption = text;
    if (record.spec.kind == forms::ControlKind::MenuItem) {
        ::ModifyMenuW(record.menu, static_cast<UINT>(record.spec.id), MF_BYCOMMAND | MF_STRING, static_cast<UINT_PTR>(record.spec.id),
                      text.c_str());
    } else if (record.hwnd != nullptr) {
        ::SetWindowTextW(record.hwnd, text.c_str());
    } else {
        Redraw(record);
    }
}

std::wstring Win32WindowSystem::GetCaption(forms::Handle control) {
    Record& record = Lookup(control);
    if (record.hwnd == nullptr) return record.spec.caption;
    int length = ::GetWindowTextLengthW(record.hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int got = ::GetWindowTextW(record.hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

void Win32WindowSystem::SetToolTip(forms::Handle control, const std::wstring& text) {
    Record& record = Lookup(control);
    record.spec.toolTip = text;
    UpdateToolTip(record);
}

void Win32WindowSystem::UpdateToolTip(Record& control) {
    if (control.hwnd == nullptr) return;
    Record* form = FormOf(control.hwnd);
    if (form == nullptr) return;
    if (form->toolTips == nullptr) {
        form->toolTips = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form->hwnd, nullptr, instance_, nullptr);
    }
    TOOLINFOW info{};
    // The size the classic common controls know; no visual-styles manifest.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = ::GetParent(control.hwnd);
    info.uId = reinterpret_cast<UINT_PTR>(control.hwnd);
    info.lpszText = const_cast<wchar_t*>(control.spec.toolTip.c_str());
    ::SendMessageW(form->toolTips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    if (!control.spec.toolTip.empty()) ::SendMessageW(form->toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Win32WindowSystem::SetBounds(forms::Handle control, const forms::PixelRect& rect) {
    Record& record = Lookup(control);
    if (record.hwnd != nullptr) {
        record.spec.rect = rect;
        ::MoveWindow(record.hwnd, rect.left, rect.top, rect.width, rect.height, TRUE);
        if (record.image.Exists()) record.image.Fit(record.hwnd, record.spec.backColour);
        return;
    }
    Redraw(record);
    record.spec.rect = rect;
    Redraw(record);
}

void Win32WindowSystem::SetBorder(forms::Handle control, forms::BorderStyle border) {
    Record& record = Lookup(control);
    record.spec.border = border;
    if (record.hwnd == nullptr) return;
    LONG_PTR style = ::GetWindowLongPtrW(record.hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_BORDER);
    LONG_PTR exStyle = ::GetWindowLongPtrW(record.hwnd, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
    if (border == forms::BorderStyle::Flat) style |= WS_BORDER;
    if (border == forms::BorderStyle::ThreeD) exStyle |= WS_EX_CLIENTEDGE;
    ::SetWindowLongPtrW(record.hwnd, GWL_STYLE, style);
    ::SetWindowLongPtrW(record.hwnd, GWL_EXSTYLE, exStyle);
    ::SetWindowPos(record.hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (record.image.Exists()) record.image.Fit(record.hwnd, record.spec.backColour);
}

void Win32WindowSystem::SetChecked(forms::Handle control, bool checked) {
    ::SendMessageW(Lookup(control).hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32WindowSystem::GetChecked(forms::Handle control) {
    return ::SendMessageW(Lookup(control).hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace tint::win32
