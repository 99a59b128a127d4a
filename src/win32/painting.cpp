#include "win32/painting.h"

#include "win32/fonts.h"
#include "win32/records.h"

namespace tint::win32 {

COLORREF ToColorRef(forms::OleColour colour) {
    if (forms::IsSystemColour(colour)) return ::GetSysColor(static_cast<int>(colour & 0xFFu));
    return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

HBRUSH BrushCache::For(forms::OleColour colour) {
    if (forms::IsSystemColour(colour)) return ::GetSysColorBrush(static_cast<int>(colour & 0xFFu));
    const COLORREF value = ToColorRef(colour);
    auto it = solid_.find(value);
    if (it == solid_.end()) it = solid_.emplace(value, OwnedBrush(::CreateSolidBrush(value))).first;
    return it->second.Get();
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

void DrawPicture(HDC dc, const forms::Picture& picture, int x, int y) {
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

void PaintWindowless(const std::vector<Record*>& windowless, HDC dc, FontCache& fonts) {
    for (auto it = windowless.rbegin(); it != windowless.rend(); ++it) {
        const Record& child = **it;
        if (!child.spec.visible) continue;
        if (child.spec.kind == forms::ControlKind::Image) {
            DrawPicture(dc, child.spec.picture, child.spec.rect.left, child.spec.rect.top);
            continue;
        }
        RECT rect = ToRect(child.spec.rect);
        if (!child.spec.transparent) FillWith(dc, rect, child.spec.backColour);
        Selection font(dc, fonts.For(child.spec.font));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, child.spec.enabled ? ToColorRef(child.spec.foreColour) : ::GetSysColor(COLOR_GRAYTEXT));
        UINT format = DT_WORDBREAK;
        if (child.spec.textAlign == forms::ControlSpec::Align::Centre) format |= DT_CENTER;
        if (child.spec.textAlign == forms::ControlSpec::Align::Right) format |= DT_RIGHT;
        ::DrawTextW(dc, child.spec.caption.c_str(), -1, &rect, format);
    }
}

void DrawGraphicalButton(const Record& button, const DRAWITEMSTRUCT& draw) {
    RECT rect = draw.rcItem;
    FillWith(draw.hDC, rect, button.spec.backColour);
    const forms::Picture& picture = button.spec.picture;
    const bool pressed = (draw.itemState & ODS_SELECTED) != 0;
    const int offset = pressed ? 1 : 0;
    DrawPicture(draw.hDC, picture, (rect.right - picture.Width()) / 2 + offset, (rect.bottom - picture.Height()) / 2 + offset);
    ::DrawEdge(draw.hDC, &rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if (draw.itemState & ODS_FOCUS) {
        ::InflateRect(&rect, -3, -3);
        ::DrawFocusRect(draw.hDC, &rect);
    }
}

}  // namespace tint::win32
