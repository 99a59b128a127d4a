#include "win32/keyboard.h"

#include <algorithm>

namespace tint::win32 {

namespace {

// Every control with a window of its own takes the focus, picture boxes
// too: the designs give them places in the tab order, and a face starts on
// its tool bar or status bar, where a stray Enter presses nothing. Labels and
// images have no window and never take it.
bool TakesFocus(const Record& record) {
    using forms::ControlKind;
    switch (record.spec.kind) {
        case ControlKind::CommandButton:
        case ControlKind::GraphicalButton:
        case ControlKind::OptionButton:
        case ControlKind::TextBox:
        case ControlKind::PictureBox: break;
        default: return false;
    }
    // IsWindowVisible also answers for the containers: nothing in a hidden
    // picture box can be reached.
    return record.hwnd != nullptr && ::IsWindowVisible(record.hwnd) && ::IsWindowEnabled(record.hwnd);
}

bool IsPushButton(const Record& record) {
    return record.spec.kind == forms::ControlKind::CommandButton || record.spec.kind == forms::ControlKind::GraphicalButton;
}

// Input that only a user in front of a visible window can give: keys, the
// mouse, clicks, and commands and system commands posted from outside (the
// program posts none of its own).
bool IsUserInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           message == BM_CLICK || message == WM_COMMAND || message == WM_SYSCOMMAND;
}

// A request to close a window may come to a hidden face too (from the task
// list, another program, the end of the session): closing any face ends the
// program, visible or not.
bool IsCloseRequest(const MSG& msg) { return msg.message == WM_SYSCOMMAND && (msg.wParam & 0xFFF0) == SC_CLOSE; }

void FocusControl(HWND form, HWND control) {
    // Whatever the system's setting for focus cues, a form driven from the
    // keyboard shows where the focus is.
    ::SendMessageW(form, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    ::SetFocus(control);
}

}  // namespace

bool Keyboard::Intercept(const MSG& msg) { return ForHiddenForm(msg) || HandleKey(msg); }

std::vector<Record*> Keyboard::TabOrder(HWND form) const {
    // The design's tab order, not the stacking order that Windows would walk:
    // the designs order the two differently.
    std::vector<Record*> order;
    for (const auto& [handle, record] : records_) {
        if (!record->isForm && TakesFocus(*record) && ::GetAncestor(record->hwnd, GA_ROOT) == form) order.push_back(record.get());
    }
    std::stable_sort(order.begin(), order.end(), [](const Record* a, const Record* b) { return a->spec.tabIndex < b->spec.tabIndex; });
    return order;
}

void Keyboard::PaintFocusCue(const Record& box, HDC dc) const {
    if (box.hwnd == nullptr || ::GetFocus() != box.hwnd) return;
    if ((::SendMessageW(box.hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0) return;
    // Inside the border, one pixel in, as a button draws its own.
    RECT rect{};
    ::GetClientRect(box.hwnd, &rect);
    ::InflateRect(&rect, -1, -1);
    ::DrawFocusRect(dc, &rect);
}

void Keyboard::FormDeactivated(Record& form) {
    HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(form.hwnd, focus)) form.lastFocus = focus;
}

void Keyboard::FormFocused(Record& form) {
    // Back from another program the focus returns where it was; a form that
    // has just been shown starts at its first control.
    HWND target = form.lastFocus;
    Record* control = target != nullptr && ::IsChild(form.hwnd, target) ? Find(records_, target) : nullptr;
    if (control == nullptr || !TakesFocus(*control)) {
        std::vector<Record*> order = TabOrder(form.hwnd);
        if (order.empty()) return;
        target = order.front()->hwnd;
    }
    FocusControl(form.hwnd, target);
}

void Keyboard::MoveFocus(Record& form, bool backwards) {
    std::vector<Record*> order = TabOrder(form.hwnd);
    if (order.empty()) return;
    const size_t count = order.size();
    size_t next = backwards ? count - 1 : 0;
    HWND focus = ::GetFocus();
    for (size_t i = 0; i < count; ++i) {
        if (order[i]->hwnd == focus) {
            next = backwards ? (i + count - 1) % count : (i + 1) % count;
            break;
        }
    }
    FocusControl(form.hwnd, order[next]->hwnd);
}

bool Keyboard::HandleKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.hwnd == nullptr) return false;
    Record* form = FormOf(msg.hwnd);
    if (form == nullptr) return false;
    const bool control = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    const bool alt = (::GetKeyState(VK_MENU) & 0x8000) != 0;
    if (msg.wParam == VK_TAB && !control && !alt) {
        MoveFocus(*form, (::GetKeyState(VK_SHIFT) & 0x8000) != 0);
        return true;
    }
    // Space reaches the focused button itself; Enter and the arrows are what
    // a dialog would handle, and a face is no dialog.
    HWND focus = ::GetFocus();
    Record* focused = focus != nullptr ? Find(records_, focus) : nullptr;
    if (focused == nullptr || focused->isForm) return false;
    if (msg.wParam == VK_RETURN && IsPushButton(*focused)) {
        // One press, one click: a held key's repeats press nothing more.
        if ((msg.lParam & (1L << 30)) != 0) return true;
        ::SendMessageW(::GetParent(focus), WM_COMMAND, MAKEWPARAM(focused->spec.id, BN_CLICKED), reinterpret_cast<LPARAM>(focus));
        return true;
    }
    const bool arrow = msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT || msg.wParam == VK_UP || msg.wParam == VK_DOWN;
    if (arrow && focused->spec.kind == forms::ControlKind::OptionButton) {
        // An option button alone in its group: the arrows can only select it.
        ::SendMessageW(focus, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

bool Keyboard::ForHiddenForm(const MSG& msg) const {
    if (msg.hwnd == nullptr || !IsUserInput(msg.message) || IsCloseRequest(msg)) return false;
    Record* form = FormOf(msg.hwnd);
    return form != nullptr && !::IsWindowVisible(form->hwnd);
}

}  // namespace tint::win32
