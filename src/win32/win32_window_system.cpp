#include "win32/win32_window_system.h"

#include <ole2.h>
#include <olectl.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace tint::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"TintFace";
constexpr wchar_t kPictureClass[] = L"TintPictureBox";
constexpr wchar_t kDispatcherClass[] = L"TintDispatcher";
// The control's record, for painting owner-drawn buttons.
constexpr wchar_t kItemProperty[] = L"TintItem";
// Another process (the end-to-end probe) asks a form for one of its controls
// by the name the design gives it: wParam is a global atom holding the name;
// the answer is the control's window, or, for the second message, the
// command identifier its click or choice sends (menus cannot be read from
// another process under Wine).
constexpr wchar_t kFindControlMessage[] = L"TintFindControl";
constexpr wchar_t kFindCommandMessage[] = L"TintFindCommand";
// The caption of a control, windowless ones too, as a global atom that the
// asking process reads and deletes.
constexpr wchar_t kGetCaptionMessage[] = L"TintGetCaption";
constexpr UINT kRunPostedTask = WM_APP + 1;

forms::Handle ToHandle(const void* p) { return reinterpret_cast<forms::Handle>(p); }

COLORREF ToColorRef(forms::OleColour colour) {
    if (forms::IsSystemColour(colour)) return ::GetSysColor(static_cast<int>(colour & 0xFFu));
    return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

void FillWith(HDC dc, const RECT& rect, forms::OleColour colour) {
    // A solid brush made and freed here; the system colour brushes need no freeing.
    if (forms::IsSystemColour(colour)) {
        ::FillRect(dc, &rect, ::GetSysColorBrush(static_cast<int>(colour & 0xFFu)));
        return;
    }
    OwnedBrush brush(::CreateSolidBrush(ToColorRef(colour)));
    ::FillRect(dc, &rect, brush.Get());
}

RECT ToRect(const forms::PixelRect& r) { return RECT{r.left, r.top, r.left + r.width, r.top + r.height}; }

}  // namespace

Win32WindowSystem::Win32WindowSystem(HINSTANCE instance) : instance_(instance) {
    // The pictures are decoded by OLE.
    ::CoInitialize(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &Win32WindowSystem::WindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.lpszClassName = kFormClass;
    // A device context of its own, so the form's hDC stays the same for its
    // whole life and needs no release.
    wc.style = CS_OWNDC;
    ::RegisterClassExW(&wc);
    wc.style = 0;

    wc.lpfnWndProc = &Win32WindowSystem::WindowProc;
    wc.hIcon = nullptr;
    wc.lpszClassName = kPictureClass;
    ::RegisterClassExW(&wc);

    wc.lpfnWndProc = &Win32WindowSystem::DispatcherProc;
    wc.lpszClassName = kDispatcherClass;
    ::RegisterClassExW(&wc);
    dispatcher_ = ::CreateWindowExW(0, kDispatcherClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);

    INITCOMMONCONTROLSEX common{sizeof(common), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&common);

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        messageFont_ = OwnedFont(::CreateFontIndirectW(&metrics.lfMessageFont));
        controlFont_ = messageFont_.Get();
    }
    if (controlFont_ == nullptr) controlFont_ = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

Win32WindowSystem::~Win32WindowSystem() = default;

Win32WindowSystem::Item& Win32WindowSystem::Lookup(forms::Handle handle) { return *items_.at(handle); }

Win32WindowSystem::Item* Win32WindowSystem::FormOf(HWND hwnd) {
    HWND root = ::GetAncestor(hwnd, GA_ROOT);
    auto it = items_.find(ToHandle(root));
    return it == items_.end() ? nullptr : it->second.get();
}

forms::Handle Win32WindowSystem::CreateForm(const forms::FormSpec& spec, forms::WindowEvents& events) {
    auto item = std::make_unique<Item>();
    item->system = this;
    item->isForm = true;
    item->formSpec = spec;
    item->events = &events;
    Item* raw = item.get();
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT rect{0, 0, spec.clientSize.width, spec.clientSize.height};
    ::AdjustWindowRectEx(&rect, style, TRUE, 0);
    HWND hwnd = ::CreateWindowExW(0, kFormClass, spec.caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, rect.right - rect.left,
                                  rect.bottom - rect.top, nullptr, nullptr, instance_, raw);
    raw->hwnd = hwnd;
    forms::Handle handle = ToHandle(hwnd);
    items_[handle] = std::move(item);
    return handle;
}

HWND Win32WindowSystem::FormWindowOf(const Item& item) {
    if (item.hwnd != nullptr) return ::GetAncestor(item.hwnd, GA_ROOT);
    if (item.parent != nullptr) return ::GetAncestor(item.parent, GA_ROOT);
    return item.menuOwner;
}

void Win32WindowSystem::DestroyForm(forms::Handle form) {
    HWND hwnd = Lookup(form).hwnd;
    // The form's records go with its window: its controls, labels and menus.
    std::vector<forms::Handle> records;
    for (const auto& [handle, item] : items_) {
        if (FormWindowOf(*item) == hwnd) records.push_back(handle);
    }
    ::DestroyWindow(hwnd);
    for (forms::Handle handle : records) items_.erase(handle);
}

forms::Handle Win32WindowSystem::CreateControl(forms::Handle form, forms::Handle parent, const forms::ControlSpec& spec) {
    using forms::ControlKind;
    auto item = std::make_unique<Item>();
    item->system = this;
    item->spec = spec;
    Item* raw = item.get();
    Item& formItem = Lookup(form);
    HWND parentHwnd = reinterpret_cast<HWND>(parent);

    if (spec.kind == ControlKind::Menu) {
        HMENU bar = ::GetMenu(formItem.hwnd);
        if (bar == nullptr) {
            bar = ::CreateMenu();
            ::SetMenu(formItem.hwnd, bar);
        }
        raw->menu = ::CreatePopupMenu();
        raw->menuOwner = formItem.hwnd;
        ::AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(raw->menu), spec.caption.c_str());
        ::DrawMenuBar(formItem.hwnd);
        // The form's load lays out its controls against its client area, so
        // that must be right before the form is shown.
        FitClientArea(formItem);
        forms::Handle handle = ToHandle(raw);
        items_[handle] = std::move(item);
        return handle;
    }
    if (spec.kind == ControlKind::MenuItem) {
        Item& menu = Lookup(parent);
        raw->menu = menu.menu;
        raw->menuOwner = formItem.hwnd;
        UINT flags = MF_STRING | (spec.enabled ? MF_ENABLED : MF_GRAYED);
        ::AppendMenuW(menu.menu, flags, static_cast<UINT_PTR>(spec.id), spec.caption.c_str());
        forms::Handle handle = ToHandle(raw);
        items_[handle] = std::move(item);
        return handle;
    }
    if (spec.kind == ControlKind::Label || spec.kind == ControlKind::Image) {
        raw->parent = parentHwnd;
        Lookup(parent).windowless.push_back(raw);
        forms::Handle handle = ToHandle(raw);
        items_[handle] = std::move(item);
        ::InvalidateRect(parentHwnd, nullptr, TRUE);
        return handle;
    }

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
            // Lets dialog-style keyboard navigation reach the buttons inside.
            exStyle |= WS_EX_CONTROLPARENT;
            if (spec.border == forms::BorderStyle::ThreeD) exStyle |= WS_EX_CLIENTEDGE;
            if (spec.border == forms::BorderStyle::Flat) style |= WS_BORDER;
            break;
        default: break;
    }
    if (spec.visible) style |= WS_VISIBLE;
    if (!spec.enabled) style |= WS_DISABLED;
    raw->parent = parentHwnd;
    const forms::PixelRect& r = spec.rect;
    HWND hwnd = ::CreateWindowExW(exStyle, windowClass, spec.caption.c_str(), style, r.left, r.top, r.width, r.height, parentHwnd,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance_, raw);
    raw->hwnd = hwnd;
    if (spec.kind == ControlKind::PictureBox) MakeImage(*raw);
    ::SetPropW(hwnd, kItemProperty, reinterpret_cast<HANDLE>(raw));
    ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(spec.font)), FALSE);
    if (!spec.toolTip.empty()) UpdateToolTip(*raw);
    // Each control goes below the ones made before it: the design order is
    // the stacking order, first on top.
    ::SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    forms::Handle handle = ToHandle(hwnd);
    items_[handle] = std::move(item);
    return handle;
}

void Win32WindowSystem::FitClientArea(Item& form) {
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
    Item& item = Lookup(form);
    if (!item.sized) FitClientArea(item);
    ::SetWindowLongPtrW(item.hwnd, GWLP_HWNDPARENT, static_cast<LONG_PTR>(owner));
    ::ShowWindow(item.hwnd, SW_SHOW);
    ::SetForegroundWindow(item.hwnd);
    ::SetActiveWindow(item.hwnd);
}

void Win32WindowSystem::HideForm(forms::Handle form) { ::ShowWindow(Lookup(form).hwnd, SW_HIDE); }

forms::PixelSize Win32WindowSystem::ClientSize(forms::Handle form) {
    RECT client{};
    ::GetClientRect(Lookup(form).hwnd, &client);
    return {client.right, client.bottom};
}

void Win32WindowSystem::RedrawItem(Item& item) {
    if (item.hwnd != nullptr) {
        ::InvalidateRect(item.hwnd, nullptr, TRUE);
    } else if (item.parent != nullptr) {
        RECT rect = ToRect(item.spec.rect);
        ::InvalidateRect(item.parent, &rect, TRUE);
    }
}

void Win32WindowSystem::SetVisible(forms::Handle control, bool visible) {
    Item& item = Lookup(control);
    item.spec.visible = visible;
    if (item.hwnd != nullptr) {
        ::ShowWindow(item.hwnd, visible ? SW_SHOWNA : SW_HIDE);
    } else {
        RedrawItem(item);
    }
}

void Win32WindowSystem::SetEnabled(forms::Handle control, bool enabled) {
    Item& item = Lookup(control);
    item.spec.enabled = enabled;
    if (item.spec.kind == forms::ControlKind::MenuItem) {
        ::EnableMenuItem(item.menu, static_cast<UINT>(item.spec.id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    } else if (item.hwnd != nullptr) {
        ::EnableWindow(item.hwnd, enabled ? TRUE : FALSE);
    } else {
        RedrawItem(item);
    }
}

void Win32WindowSystem::SetCaption(forms::Handle control, const std::wstring& text) {
    Item& item = Lookup(control);
    item.spec.caption = text;
    if (item.spec.kind == forms::ControlKind::MenuItem) {
        ::ModifyMenuW(item.menu, static_cast<UINT>(item.spec.id), MF_BYCOMMAND | MF_STRING, static_cast<UINT_PTR>(item.spec.id),
                      text.c_str());
    } else if (item.hwnd != nullptr) {
        ::SetWindowTextW(item.hwnd, text.c_str());
    } else {
        RedrawItem(item);
    }
}

std::wstring Win32WindowSystem::GetCaption(forms::Handle control) {
    Item& item = Lookup(control);
    if (item.hwnd == nullptr) return item.spec.caption;
    int length = ::GetWindowTextLengthW(item.hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int got = ::GetWindowTextW(item.hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

void Win32WindowSystem::SetToolTip(forms::Handle control, const std::wstring& text) {
    Item& item = Lookup(control);
    item.spec.toolTip = text;
    UpdateToolTip(item);
}

void Win32WindowSystem::UpdateToolTip(Item& control) {
    if (control.hwnd == nullptr) return;
    Item* form = FormOf(control.hwnd);
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

HFONT Win32WindowSystem::FontFor(const forms::FontSpec& spec) {
    if (spec.name.empty()) return controlFont_;
    std::wstring key = spec.name + L"|" + std::to_wstring(spec.points) + L"|" + (spec.bold ? L"b" : L"") + L"|" + std::to_wstring(spec.charset);
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second.Get();
    HDC screen = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(spec.points * dpi / 72.0 + 0.5);
    lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = static_cast<BYTE>(spec.charset);
    lf.lfQuality = DEFAULT_QUALITY;
    ::lstrcpynW(lf.lfFaceName, spec.name.c_str(), LF_FACESIZE);
    OwnedFont font(::CreateFontIndirectW(&lf));
    if (font.Get() == nullptr) return controlFont_;
    HFONT made = font.Get();
    fonts_.emplace(key, std::move(font));
    return made;
}

void Win32WindowSystem::SetBounds(forms::Handle control, const forms::PixelRect& rect) {
    Item& item = Lookup(control);
    if (item.hwnd != nullptr) {
        item.spec.rect = rect;
        ::MoveWindow(item.hwnd, rect.left, rect.top, rect.width, rect.height, TRUE);
        if (item.image.Get() != nullptr) ResizeImage(item);
        return;
    }
    RedrawItem(item);
    item.spec.rect = rect;
    RedrawItem(item);
}

// ---- pictures and picture boxes --------------------------------------------

void Win32WindowSystem::MakeImage(Item& box) {
    RECT client{};
    ::GetClientRect(box.hwnd, &client);
    box.imageSize = {client.right > 0 ? client.right : 1, client.bottom > 0 ? client.bottom : 1};
    HDC screen = ::GetDC(nullptr);
    box.image = OwnedDC(::CreateCompatibleDC(screen));
    box.imageBitmap = OwnedBitmap(::CreateCompatibleBitmap(screen, box.imageSize.cx, box.imageSize.cy));
    ::ReleaseDC(nullptr, screen);
    HDC dc = box.ImageDC();
    // Selected for the image's whole life; the device context goes with it.
    ::SelectObject(dc, box.imageBitmap.Get());
    RECT all{0, 0, box.imageSize.cx, box.imageSize.cy};
    FillWith(dc, all, box.spec.backColour);
    ::SetBkMode(dc, TRANSPARENT);
    box.imageFont = FontFor(box.spec.font);
    box.imageFontCurrent = true;
    ::SelectObject(dc, box.imageFont);
    // The pen follows ForeColor, as lines drawn on the box expect.
    ::SelectObject(dc, ::GetStockObject(DC_PEN));
    ::SetTextColor(dc, ToColorRef(box.spec.foreColour));
    ::SetDCPenColor(dc, ToColorRef(box.spec.foreColour));
    DrawPicture(dc, box.spec.picture, 0, 0);
}

void Win32WindowSystem::ResizeImage(Item& box) {
    RECT client{};
    ::GetClientRect(box.hwnd, &client);
    SIZE size{client.right > 0 ? client.right : 1, client.bottom > 0 ? client.bottom : 1};
    if (size.cx == box.imageSize.cx && size.cy == box.imageSize.cy) return;
    OwnedBitmap bitmap(::CreateCompatibleBitmap(box.ImageDC(), size.cx, size.cy));
    {
        // Keep what was drawn; new area gets the back colour.
        OwnedDC temp(::CreateCompatibleDC(box.ImageDC()));
        Selection into(temp.Get(), bitmap.Get());
        RECT all{0, 0, size.cx, size.cy};
        FillWith(temp.Get(), all, box.spec.backColour);
        ::BitBlt(temp.Get(), 0, 0, box.imageSize.cx, box.imageSize.cy, box.ImageDC(), 0, 0, SRCCOPY);
    }
    ::SelectObject(box.ImageDC(), bitmap.Get());
    box.imageBitmap = std::move(bitmap);
    box.imageSize = size;
}

void Win32WindowSystem::DrawPicture(HDC dc, const forms::Picture& picture, int x, int y) {
    if (picture.Type() == forms::Picture::kBitmap) {
        OwnedDC temp(::CreateCompatibleDC(dc));
        Selection source(temp.Get(), reinterpret_cast<HGDIOBJ>(picture.Handle()));
        // A bitmap that is selected into another device context cannot be
        // selected here; then nothing is drawn.
        if (source.Succeeded()) ::BitBlt(dc, x, y, picture.Width(), picture.Height(), temp.Get(), 0, 0, SRCCOPY);
    } else if (picture.Type() == forms::Picture::kIcon) {
        ::DrawIconEx(dc, x, y, reinterpret_cast<HICON>(picture.Handle()), picture.Width(), picture.Height(), 0, nullptr, DI_NORMAL);
    }
}

void Win32WindowSystem::Changed(Item& box, const RECT* area) {
    if (box.hwnd != nullptr && ::IsWindowVisible(box.hwnd)) ::InvalidateRect(box.hwnd, area, FALSE);
}

forms::Picture Win32WindowSystem::LoadPicture(const std::wstring& name) {
    HRSRC resource = ::FindResourceW(instance_, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (resource == nullptr) return {};
    DWORD size = ::SizeofResource(instance_, resource);
    const void* bytes = ::LockResource(::LoadResource(instance_, resource));
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (bytes == nullptr || copy == nullptr) return {};
    std::memcpy(::GlobalLock(copy), bytes, size);
    ::GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        ::GlobalFree(copy);
        return {};
    }
    IPicture* picture = nullptr;
    HRESULT hr = ::OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(hr) || picture == nullptr) return {};
    SHORT type = 0;
    OLE_HANDLE handle = 0;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Type(&type);
    picture->get_Handle(&handle);
    picture->get_Width(&width);
    picture->get_Height(&height);
    // Picture sizes come in hundredths of a millimetre, at 96 pixels an inch.
    int pixelsWide = ::MulDiv(width, 96, 2540);
    int pixelsHigh = ::MulDiv(height, 96, 2540);
    // GDI handles carry 32 significant bits, sign-extended on 64-bit Windows.
    auto full = static_cast<forms::Handle>(static_cast<LONG>(handle));
    std::shared_ptr<void> owner(picture, [](void* p) { static_cast<IPicture*>(p)->Release(); });
    return forms::Picture(type, full, pixelsWide, pixelsHigh, owner);
}

void Win32WindowSystem::SetPicture(forms::Handle control, const forms::Picture& picture) {
    Item& item = Lookup(control);
    item.spec.picture = picture;
    if (item.image.Get() != nullptr) {
        RECT all{0, 0, item.imageSize.cx, item.imageSize.cy};
        FillWith(item.ImageDC(), all, item.spec.backColour);
        DrawPicture(item.ImageDC(), picture, 0, 0);
    }
    RedrawItem(item);
}

forms::Handle Win32WindowSystem::ImageDC(forms::Handle box) {
    Item& item = Lookup(box);
    return ToHandle(item.image.Get() != nullptr ? TextDC(item) : nullptr);
}

HDC Win32WindowSystem::TextDC(Item& box) {
    if (!box.imageFontCurrent) {
        HFONT font = FontFor(box.spec.font);
        if (font != box.imageFont) ::SelectObject(box.ImageDC(), font);
        box.imageFont = font;
        box.imageFontCurrent = true;
    }
    return box.ImageDC();
}

forms::Picture Win32WindowSystem::CopyImage(forms::Handle box) {
    Item& item = Lookup(box);
    auto bitmap = std::make_shared<OwnedBitmap>(::CreateCompatibleBitmap(item.ImageDC(), item.imageSize.cx, item.imageSize.cy));
    {
        OwnedDC temp(::CreateCompatibleDC(item.ImageDC()));
        Selection into(temp.Get(), bitmap->Get());
        ::BitBlt(temp.Get(), 0, 0, item.imageSize.cx, item.imageSize.cy, item.ImageDC(), 0, 0, SRCCOPY);
    }
    // The picture object owns the copy; the last copy of it frees it.
    return forms::Picture(forms::Picture::kBitmap, ToHandle(bitmap->Get()), item.imageSize.cx, item.imageSize.cy, bitmap);
}

void Win32WindowSystem::FillBox(forms::Handle box, int x1, int y1, int x2, int y2, forms::Colour colour) {
    Item& item = Lookup(box);
    RECT rect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    FillWith(item.ImageDC(), rect, colour & 0x00FFFFFFu);
    Changed(item, &rect);
}

void Win32WindowSystem::SetPixel(forms::Handle box, int x, int y, forms::Colour colour) {
    Item& item = Lookup(box);
    ::SetPixelV(item.ImageDC(), x, y, colour & 0x00FFFFFFu);
    RECT rect{x, y, x + 1, y + 1};
    Changed(item, &rect);
}

forms::Colour Win32WindowSystem::GetPixel(forms::Handle box, int x, int y) { return ::GetPixel(Lookup(box).ImageDC(), x, y); }

void Win32WindowSystem::SetForeColour(forms::Handle box, forms::Colour colour) {
    Item& item = Lookup(box);
    if (item.image.Get() == nullptr) return;
    ::SetTextColor(item.ImageDC(), ToColorRef(colour));
    ::SetDCPenColor(item.ImageDC(), ToColorRef(colour));
}

void Win32WindowSystem::SetFont(forms::Handle box, const forms::FontSpec& font) {
    Item& item = Lookup(box);
    // The scroller sets a size for most rows, mostly the one in force.
    if (item.spec.font == font) return;
    item.spec.font = font;
    item.imageFontCurrent = false;
}

forms::PixelSize Win32WindowSystem::MeasureText(forms::Handle box, const std::wstring& text) {
    SIZE size{};
    ::GetTextExtentPoint32W(TextDC(Lookup(box)), text.c_str(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

void Win32WindowSystem::PrintText(forms::Handle box, int x, int y, const std::wstring& text) {
    Item& item = Lookup(box);
    ::TextOutW(TextDC(item), x, y, text.c_str(), static_cast<int>(text.size()));
    Changed(item);
}

std::wstring Win32WindowSystem::TodayAsText() {
    wchar_t text[128] = {};
    int length = ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, 128);
    return std::wstring(text, length > 0 ? static_cast<size_t>(length - 1) : 0);
}

forms::TimeOfDay Win32WindowSystem::Now() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond};
}

wchar_t Win32WindowSystem::TimeSeparator() {
    wchar_t separator[8] = {};
    return ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, separator, 8) > 1 ? separator[0] : L':';
}

std::wstring Win32WindowSystem::ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return L"";
    // A drive's root keeps its separator ("C:\"); any other folder loses it.
    return path.substr(0, slash == 2 && path[1] == L':' ? slash + 1 : slash);
}

bool Win32WindowSystem::CanOpenForInput(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(file);
    return true;
}

forms::Handle Win32WindowSystem::FormDC(forms::Handle form) { return ToHandle(::GetDC(Lookup(form).hwnd)); }

void Win32WindowSystem::SetBorder(forms::Handle control, forms::BorderStyle border) {
    Item& item = Lookup(control);
    item.spec.border = border;
    if (item.hwnd == nullptr) return;
    LONG_PTR style = ::GetWindowLongPtrW(item.hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_BORDER);
    LONG_PTR exStyle = ::GetWindowLongPtrW(item.hwnd, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
    if (border == forms::BorderStyle::Flat) style |= WS_BORDER;
    if (border == forms::BorderStyle::ThreeD) exStyle |= WS_EX_CLIENTEDGE;
    ::SetWindowLongPtrW(item.hwnd, GWL_STYLE, style);
    ::SetWindowLongPtrW(item.hwnd, GWL_EXSTYLE, exStyle);
    ::SetWindowPos(item.hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (item.image.Get() != nullptr) ResizeImage(item);
}

void Win32WindowSystem::SetChecked(forms::Handle control, bool checked) {
    ::SendMessageW(Lookup(control).hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32WindowSystem::GetChecked(forms::Handle control) {
    return ::SendMessageW(Lookup(control).hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32WindowSystem::SetTimer(forms::Handle form, int timerId, int intervalMs) {
    HWND hwnd = Lookup(form).hwnd;
    if (intervalMs > 0) {
        ::SetTimer(hwnd, static_cast<UINT_PTR>(timerId), static_cast<UINT>(intervalMs), nullptr);
    } else {
        ::KillTimer(hwnd, static_cast<UINT_PTR>(timerId));
    }
}

void Win32WindowSystem::Post(std::function<void()> task) {
    posted_.push_back(std::move(task));
    ::PostMessageW(dispatcher_, kRunPostedTask, 0, 0);
}

void Win32WindowSystem::RunOnePostedTask() {
    if (posted_.empty()) return;
    std::function<void()> task = std::move(posted_.front());
    posted_.pop_front();
    task();
}

bool Win32WindowSystem::TabToNext(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || msg.hwnd == nullptr) return false;
    HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
    if (FormOf(root) == nullptr) return false;
    // The design's tab order, not the stacking order that Windows would walk:
    // the two differ (cmdExit lies over cmdClock but comes after it).
    std::vector<Item*> order;
    for (const auto& [handle, item] : items_) {
        if (item->hwnd == nullptr || item->isForm || item->spec.kind == forms::ControlKind::PictureBox) continue;
        if (::GetAncestor(item->hwnd, GA_ROOT) != root) continue;
        if (!::IsWindowVisible(item->hwnd) || !::IsWindowEnabled(item->hwnd)) continue;
        order.push_back(item.get());
    }
    if (order.empty()) return true;
    std::sort(order.begin(), order.end(), [](const Item* a, const Item* b) { return a->spec.tabIndex < b->spec.tabIndex; });
    HWND focus = ::GetFocus();
    bool backwards = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    size_t count = order.size();
    size_t next = backwards ? count - 1 : 0;
    for (size_t i = 0; i < count; ++i) {
        if (order[i]->hwnd == focus) {
            next = backwards ? (i + count - 1) % count : (i + 1) % count;
            break;
        }
    }
    ::SendMessageW(root, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(order[next]->hwnd), TRUE);
    return true;
}

void Win32WindowSystem::Dispatch(MSG& msg) {
    if (TabToNext(msg)) return;
    // Space and Enter press the focused button, arrows move between option buttons.
    HWND root = msg.hwnd != nullptr ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && FormOf(root) != nullptr && ::IsDialogMessageW(root, &msg)) return;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

void Win32WindowSystem::DoEvents() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Dispatch(msg);
    }
}

void Win32WindowSystem::RunMessageLoop() {
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
}

void Win32WindowSystem::ShowMessage(forms::Handle owner, const std::wstring& text, const std::wstring& title) {
    ::MessageBoxW(reinterpret_cast<HWND>(owner), text.c_str(), title.c_str(), MB_OK);
}

void Win32WindowSystem::EndProgram() { ::ExitProcess(0); }

void Win32WindowSystem::PaintWindowless(Item& item, HDC dc) {
    // Later items first: the earlier in design order lies on top.
    for (auto it = item.windowless.rbegin(); it != item.windowless.rend(); ++it) {
        Item& child = **it;
        if (!child.spec.visible || child.spec.kind != forms::ControlKind::Label) continue;
        RECT rect = ToRect(child.spec.rect);
        if (!child.spec.transparent) FillWith(dc, rect, child.spec.backColour);
        HGDIOBJ oldFont = ::SelectObject(dc, FontFor(child.spec.font));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, child.spec.enabled ? ToColorRef(child.spec.foreColour) : ::GetSysColor(COLOR_GRAYTEXT));
        UINT format = DT_WORDBREAK;
        if (child.spec.textAlign == forms::ControlSpec::Align::Centre) format |= DT_CENTER;
        if (child.spec.textAlign == forms::ControlSpec::Align::Right) format |= DT_RIGHT;
        ::DrawTextW(dc, child.spec.caption.c_str(), -1, &rect, format);
        ::SelectObject(dc, oldFont);
    }
}

LRESULT Win32WindowSystem::HandleMessage(Item& item, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND: {
            if (item.image.Get() != nullptr) return 1;  // the image covers it all
            RECT rect{};
            ::GetClientRect(hwnd, &rect);
            FillWith(reinterpret_cast<HDC>(wp), rect, item.isForm ? item.formSpec.backColour : item.spec.backColour);
            return 1;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd, &ps);
            if (item.image.Get() != nullptr) ::BitBlt(dc, 0, 0, item.imageSize.cx, item.imageSize.cy, item.ImageDC(), 0, 0, SRCCOPY);
            PaintWindowless(item, dc);
            ::EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_DRAWITEM: {
            // The graphical button: its back colour with a raised or pressed edge.
            auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
            auto* button = reinterpret_cast<Item*>(::GetPropW(draw->hwndItem, kItemProperty));
            if (button == nullptr) break;
            RECT rect = draw->rcItem;
            FillWith(draw->hDC, rect, button->spec.backColour);
            const forms::Picture& picture = button->spec.picture;
            int offset = (draw->itemState & ODS_SELECTED) ? 1 : 0;
            DrawPicture(draw->hDC, picture, (rect.right - picture.Width()) / 2 + offset, (rect.bottom - picture.Height()) / 2 + offset);
            ::DrawEdge(draw->hDC, &rect, (draw->itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
            if (draw->itemState & ODS_FOCUS) {
                ::InflateRect(&rect, -3, -3);
                ::DrawFocusRect(draw->hDC, &rect);
            }
            return TRUE;
        }
        case WM_COMMAND:
            // Menu commands, and clicks of buttons inside picture boxes, all
            // go to the form that owns them.
            if (lp == 0 || HIWORD(wp) == BN_CLICKED) {
                Item* form = FormOf(hwnd);
                if (form != nullptr && form->events != nullptr) form->events->OnCommand(LOWORD(wp));
                return 0;
            }
            break;
        default: break;
    }
    static const UINT findControl = ::RegisterWindowMessageW(kFindControlMessage);
    static const UINT findCommand = ::RegisterWindowMessageW(kFindCommandMessage);
    static const UINT getCaption = ::RegisterWindowMessageW(kGetCaptionMessage);
    if (item.isForm && (msg == findControl || msg == findCommand || msg == getCaption)) {
        wchar_t name[256] = {};
        if (::GlobalGetAtomNameW(static_cast<ATOM>(wp), name, 256) == 0) return 0;
        for (const auto& [handle, other] : items_) {
            if (other->isForm || other->spec.name != name) continue;
            if (FormWindowOf(*other) != hwnd) continue;
            if (msg == findCommand) return other->spec.id;
            if (msg == getCaption) return ::GlobalAddAtomW(other->spec.caption.empty() ? L"(none)" : other->spec.caption.c_str());
            return reinterpret_cast<LRESULT>(other->hwnd);
        }
        return 0;
    }
    if (item.isForm && item.events != nullptr) {
        switch (msg) {
            case WM_ACTIVATE:
                if (LOWORD(wp) != WA_INACTIVE) item.events->OnActivated();
                break;
            case WM_CLOSE: item.events->OnCloseRequest(0); return 0;
            case WM_QUERYENDSESSION: item.events->OnCloseRequest(2); return TRUE;
            case WM_TIMER: item.events->OnTimer(static_cast<int>(wp)); return 0;
            default: break;
        }
    }
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK Win32WindowSystem::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* item = reinterpret_cast<Item*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (item == nullptr || item->system == nullptr) return ::DefWindowProcW(hwnd, msg, wp, lp);
    return item->system->HandleMessage(*item, hwnd, msg, wp, lp);
}

LRESULT CALLBACK Win32WindowSystem::DispatcherProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32WindowSystem*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == kRunPostedTask && self != nullptr) {
        self->RunOnePostedTask();
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace tint::win32
