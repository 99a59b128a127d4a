#include "win32/persistent_image.h"

#include <algorithm>
#include <memory>

#include "win32/painting.h"

namespace tint::win32 {

namespace {

SIZE InnerSize(HWND box) {
    RECT client{};
    ::GetClientRect(box, &client);
    return {std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)};
}

}  // namespace

void PersistentImage::Make(HWND box, const forms::ControlSpec& spec, HFONT font) {
    size_ = InnerSize(box);
    HDC screen = ::GetDC(nullptr);
    dc_ = OwnedDC(::CreateCompatibleDC(screen));
    bitmap_ = OwnedBitmap(::CreateCompatibleBitmap(screen, size_.cx, size_.cy));
    ::ReleaseDC(nullptr, screen);
    HDC dc = dc_.Get();
    bitmapIn_.emplace(dc, bitmap_.Get());
    RECT all{0, 0, size_.cx, size_.cy};
    FillWith(dc, all, spec.backColour);
    ::SetBkMode(dc, TRANSPARENT);
    fontIn_.emplace(dc, font);
    font_ = font;
    // The pen follows ForeColor, as lines drawn on the box expect.
    penIn_.emplace(dc, ::GetStockObject(DC_PEN));
    SetForeColour(ToColorRef(spec.foreColour));
    DrawPicture(dc, spec.picture, 0, 0);
    frames_.emplace(dc, size_);
}

void PersistentImage::Fit(HWND box, forms::OleColour backColour) {
    SIZE size = InnerSize(box);
    if (size.cx == size_.cx && size.cy == size_.cy) return;
    OwnedBitmap bitmap(::CreateCompatibleBitmap(dc_.Get(), size.cx, size.cy));
    {
        OwnedDC temp(::CreateCompatibleDC(dc_.Get()));
        Selection into(temp.Get(), bitmap.Get());
        RECT all{0, 0, size.cx, size.cy};
        FillWith(temp.Get(), all, backColour);
        ::BitBlt(temp.Get(), 0, 0, size_.cx, size_.cy, dc_.Get(), 0, 0, SRCCOPY);
    }
    bitmapIn_->Replace(bitmap.Get());
    bitmap_ = std::move(bitmap);
    size_ = size;
    frames_->Forget(size);
}

void PersistentImage::Reset(forms::OleColour backColour, const forms::Picture& picture) {
    RECT all{0, 0, size_.cx, size_.cy};
    FillWith(dc_.Get(), all, backColour);
    DrawPicture(dc_.Get(), picture, 0, 0);
    frames_->Forget(size_);
}

void PersistentImage::SetFont(HFONT font) {
    if (font == font_) return;
    fontIn_->Replace(font);
    font_ = font;
}

void PersistentImage::SetForeColour(COLORREF colour) {
    ::SetTextColor(dc_.Get(), colour);
    ::SetDCPenColor(dc_.Get(), colour);
}

forms::Picture PersistentImage::Copy() const {
    auto bitmap = std::make_shared<OwnedBitmap>(::CreateCompatibleBitmap(dc_.Get(), size_.cx, size_.cy));
    {
        OwnedDC temp(::CreateCompatibleDC(dc_.Get()));
        Selection into(temp.Get(), bitmap->Get());
        ::BitBlt(temp.Get(), 0, 0, size_.cx, size_.cy, dc_.Get(), 0, 0, SRCCOPY);
    }
    // The picture object owns the copy; the last copy of it frees it.
    return forms::Picture(forms::Picture::kBitmap, reinterpret_cast<forms::Handle>(bitmap->Get()), size_.cx, size_.cy, bitmap);
}

}  // namespace tint::win32
