// The window classes and their procedures: what the forms' and picture
// boxes' windows do with the messages they get.
#include "win32/window_classes.h"

#include "win32/painting.h"
#include "win32/win32_window_system.h"

namespace tint::win32 {

namespace {
constexpr wchar_t kRecordProperty[] = L"TintItem";
}  // namespace

void SetRecordProperty(HWND control, const Record& record) {
    ::SetPropW(control, kRecordProperty, reinterpret_cast<HANDLE>(const_cast<Record*>(&record)));
}

const Record* RecordProperty(HWND control) { return static_cast<const Record*>(::GetPropW(control, kRecordProperty)); }

void Win32WindowSystem::RegisterWindowClasses() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &Win32WindowSystem::WindowProc;
    wc.hInstance = instance_;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = ::LoadIconW(instance_, MAKEINTRESOURCEW(1));
    wc.lpszClassName = kFormClass;
    // A device context of its own, so the form's hDC stays the same for its
    // whole life and needs no release.
    wc.style = CS_OWNDC;
    ::RegisterClassExW(&wc);
    wc.style = 0;

    wc.hIcon = nullptr;
    wc.lpszClassName = kPictureClass;
    ::RegisterClassExW(&wc);

    wc.lpfnWndProc = &Win32WindowSystem::DispatcherProc;
    wc.lpszClassName = kDispatcherClass;
    ::RegisterClassExW(&wc);
    dispatcher_ = ::CreateWindowExW(0, kDispatcherClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance_, this);
}

LRESULT Win32WindowSystem::HandleMessage(Record& record, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND: {
            if (record.image.Exists()) return 1;  // the image covers it all
            RECT rect{};
            ::GetClientRect(hwnd, &rect);
            FillWith(reinterpret_cast<HDC>(wp), rect, record.isForm ? record.formSpec.backColour : record.spec.backColour);
            return 1;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd, &ps);
            if (record.image.Exists()) {
                SIZE size = record.image.Size();
                ::BitBlt(dc, 0, 0, size.cx, size.cy, record.image.DC(), 0, 0, SRCCOPY);
            } else if (!record.isForm) {
                DrawPicture(dc, record.spec.picture, 0, 0);
            }
            PaintWindowless(record.windowless, dc, fonts_);
            if (record.isForm) {
                FramePresenter::Paint(hwnd, dc, ps.rcPaint);
            } else {
                keyboard_.PaintFocusCue(record, dc);
            }
            ::EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (record.isForm) break;
            // A picture box's focus cue comes or goes: painted whole again,
            // since the cue is drawn by inverting.
            Redraw(record);
            return 0;
        case WM_CTLCOLORSTATIC: {
            // The option button's colours are its design's, system colours
            // read as they are when it paints; without this its text would be
            // the window text colour. Push buttons take the system's button
            // colours, which are their design's, whatever is answered.
            const Record* button = RecordProperty(reinterpret_cast<HWND>(lp));
            if (button == nullptr || button->spec.kind != forms::ControlKind::OptionButton) break;
            HDC dc = reinterpret_cast<HDC>(wp);
            ::SetTextColor(dc, ToColorRef(button->spec.foreColour));
            ::SetBkColor(dc, ToColorRef(button->spec.backColour));
            return reinterpret_cast<LRESULT>(brushes_.For(button->spec.backColour));
        }
        case WM_DRAWITEM: {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            const Record* button = RecordProperty(draw->hwndItem);
            if (button == nullptr) break;
            DrawGraphicalButton(*button, *draw);
            return TRUE;
        }
        case WM_COMMAND:
            // Menu commands, and clicks of buttons inside picture boxes, all
            // go to the form that owns them.
            if (lp == 0 || HIWORD(wp) == BN_CLICKED) {
                Record* form = FormOf(hwnd);
                // A hidden form's controls are out of the user's reach; a
                // click sent to one past our message loop (a modal loop
                // dispatches what is posted too) is not the user's.
                if (form != nullptr && form->events != nullptr && ::IsWindowVisible(form->hwnd)) form->events->OnCommand(LOWORD(wp));
                return 0;
            }
            break;
        case WM_COPYDATA:
            // Another process's question.
            if (record.isForm) return AnswerProbe(hwnd, wp, lp);
            break;
        default: break;
    }
    if (record.isForm && record.events != nullptr) {
        if (std::optional<LRESULT> result = HandleFormMessage(record, hwnd, msg, wp)) return *result;
    }
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

std::optional<LRESULT> Win32WindowSystem::HandleFormMessage(Record& form, HWND hwnd, UINT msg, WPARAM wp) {
    switch (msg) {
        case WM_ACTIVATE:
            if (LOWORD(wp) == WA_INACTIVE) {
                keyboard_.FormDeactivated(form);
                return std::nullopt;
            }
            form.events->OnActivated();
            // The default gives the form the focus, unless it is minimised,
            // and WM_SETFOCUS passes it on.
            return std::nullopt;
        case WM_SETFOCUS:
            // The form itself takes no keys: as in a dialog, the focus goes
            // on to a control, after activation and after a restore alike.
            if (::IsWindowVisible(hwnd)) keyboard_.FormFocused(form);
            return 0;
        case WM_CLOSE: form.events->OnCloseRequest(0); return 0;
        case WM_QUERYENDSESSION: form.events->OnCloseRequest(2); return TRUE;
        case WM_TIMER: form.events->OnTimer(static_cast<int>(wp)); return 0;
        default: break;
    }
    return std::nullopt;
}

LRESULT CALLBACK Win32WindowSystem::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* record = reinterpret_cast<Record*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (record == nullptr || record->system == nullptr) return ::DefWindowProcW(hwnd, msg, wp, lp);
    return record->system->HandleMessage(*record, hwnd, msg, wp, lp);
}

}  // namespace tint::win32
