#include "win32/win32_api.h"

#include <windows.h>
#include <mmsystem.h>

#include "win32/frame_presenter.h"
#include "win32/gdi_objects.h"

namespace tint::win32 {

namespace {

template <class T>
T As(forms::Handle h) {
    return reinterpret_cast<T>(h);
}

forms::Handle From(const void* p) { return reinterpret_cast<forms::Handle>(p); }

}  // namespace

std::uint32_t Win32Api::GetSysColor(std::int32_t element) { return ::GetSysColor(element); }

std::int32_t Win32Api::SetSysColors(std::int32_t count, const std::int32_t* elements, const std::uint32_t* colours) {
    static_assert(sizeof(INT) == sizeof(std::int32_t) && sizeof(COLORREF) == sizeof(std::uint32_t));
    return ::SetSysColors(count, reinterpret_cast<const INT*>(elements), reinterpret_cast<const COLORREF*>(colours));
}

forms::Handle Win32Api::GetMenu(forms::Handle window) { return From(::GetMenu(As<HWND>(window))); }

forms::Handle Win32Api::GetSubMenu(forms::Handle menu, std::int32_t position) { return From(::GetSubMenu(As<HMENU>(menu), position)); }

std::int32_t Win32Api::GetMenuItemID(forms::Handle menu, std::int32_t position) {
    return static_cast<std::int32_t>(::GetMenuItemID(As<HMENU>(menu), position));
}

std::int32_t Win32Api::SetMenuItemBitmaps(forms::Handle menu, std::int32_t item, std::int32_t flags, forms::Handle unchecked, forms::Handle checked) {
    return ::SetMenuItemBitmaps(As<HMENU>(menu), static_cast<UINT>(item), static_cast<UINT>(flags), As<HBITMAP>(unchecked), As<HBITMAP>(checked));
}

// The faces keep what these two make for the whole run; they are counted
// with the program's other live GDI objects.
forms::Handle Win32Api::CreateCompatibleDC(forms::Handle dc) {
    HDC made = ::CreateCompatibleDC(As<HDC>(dc));
    if (made != nullptr) CountGdiObjects(+1);
    return From(made);
}

forms::Handle Win32Api::CreateHalftonePalette(forms::Handle dc) {
    HPALETTE made = ::CreateHalftonePalette(As<HDC>(dc));
    if (made != nullptr) CountGdiObjects(+1);
    return From(made);
}

forms::Handle Win32Api::SelectPalette(forms::Handle dc, forms::Handle palette, bool forceBackground) {
    return From(::SelectPalette(As<HDC>(dc), As<HPALETTE>(palette), forceBackground ? TRUE : FALSE));
}

forms::Handle Win32Api::SelectObject(forms::Handle dc, forms::Handle object) { return From(::SelectObject(As<HDC>(dc), As<HGDIOBJ>(object))); }

std::int32_t Win32Api::BitBlt(forms::Handle dst, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, forms::Handle src,
                              std::int32_t srcX, std::int32_t srcY, std::uint32_t rop) {
    // A frame's background, or a frame onto a window: the presenter knows what changed.
    BOOL result = FALSE;
    if (rop == SRCCOPY && srcX == 0 && srcY == 0 && FramePresenter::Copy(As<HDC>(dst), x, y, width, height, As<HDC>(src), result)) return result;
    return ::BitBlt(As<HDC>(dst), x, y, width, height, As<HDC>(src), srcX, srcY, rop);
}

std::int32_t Win32Api::BeginPath(forms::Handle dc) { return ::BeginPath(As<HDC>(dc)); }

std::int32_t Win32Api::EndPath(forms::Handle dc) { return ::EndPath(As<HDC>(dc)); }

std::int32_t Win32Api::StrokePath(forms::Handle dc) { return ::StrokePath(As<HDC>(dc)); }

std::int32_t Win32Api::FlattenPath(forms::Handle dc) { return ::FlattenPath(As<HDC>(dc)); }

// A point is two 32-bit coordinates on every Windows.
static_assert(sizeof(POINT) == 2 * sizeof(std::int32_t));

std::int32_t Win32Api::GetPath(forms::Handle dc, std::int32_t* xy, std::uint8_t* types, std::int32_t count) {
    return ::GetPath(As<HDC>(dc), reinterpret_cast<POINT*>(xy), types, count);
}

std::int32_t Win32Api::PolyDraw(forms::Handle dc, const std::int32_t* xy, const std::uint8_t* types, std::int32_t count) {
    return ::PolyDraw(As<HDC>(dc), reinterpret_cast<const POINT*>(xy), types, count);
}

std::int32_t Win32Api::MoveToEx(forms::Handle dc, std::int32_t x, std::int32_t y) { return ::MoveToEx(As<HDC>(dc), x, y, nullptr); }

std::int32_t Win32Api::LineTo(forms::Handle dc, std::int32_t x, std::int32_t y) { return ::LineTo(As<HDC>(dc), x, y); }

std::int32_t Win32Api::sndPlaySoundW(const std::wstring* name, std::uint32_t flags) {
    return ::sndPlaySoundW(name != nullptr ? name->c_str() : nullptr, flags);
}

}  // namespace tint::win32
