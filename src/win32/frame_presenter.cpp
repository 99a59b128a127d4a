#include "win32/frame_presenter.h"

#include <unordered_map>

namespace tint::win32 {

namespace {

// Room round each drawn area for an antialiased edge that bounds might miss.
constexpr int kMargin = 2;
// Now and then a whole frame, whatever is known: should a system's bounds
// ever miss a pixel, it stays wrong for a second at most.
constexpr int kFramesBetweenWholeFrames = 100;

std::unordered_map<HDC, FramePresenter*>& Presenters() {
    static std::unordered_map<HDC, FramePresenter*> presenters;
    return presenters;
}

}  // namespace

FramePresenter::FramePresenter(HDC image, SIZE size) : image_(image), size_(size) { Presenters()[image] = this; }

FramePresenter::~FramePresenter() { Presenters().erase(image_); }

FramePresenter* FramePresenter::Of(HDC dc) {
    auto it = Presenters().find(dc);
    return it == Presenters().end() ? nullptr : it->second;
}

bool FramePresenter::Copy(HDC dst, int x, int y, int width, int height, HDC src, BOOL& result) {
    FramePresenter* frame = Of(src);
    if (frame != nullptr && width == frame->size_.cx && height == frame->size_.cy) {
        if (HWND window = ::WindowFromDC(dst)) {
            result = frame->Present(dst, window, x, y);
            return true;
        }
    }
    // A background is a device context that no one draws on; another image is none.
    FramePresenter* image = Of(dst);
    if (frame == nullptr && image != nullptr && x == 0 && y == 0 && width == image->size_.cx && height == image->size_.cy) {
        result = image->PutBackground(src);
        return true;
    }
    return false;
}

void FramePresenter::Paint(HWND window, HDC dc, const RECT& painted) {
    for (const auto& [image, presenter] : Presenters()) {
        if (presenter->shownOn_ != window) continue;
        const POINT at = presenter->shownAt_;
        const RECT frame{at.x, at.y, at.x + presenter->size_.cx, at.y + presenter->size_.cy};
        RECT part{};
        if (!::IntersectRect(&part, &frame, &painted)) continue;
        ::BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top, image, part.left - at.x, part.top - at.y, SRCCOPY);
    }
}

void FramePresenter::WindowHidden(HWND window) {
    for (const auto& [image, presenter] : Presenters()) {
        if (presenter->shownOn_ == window) presenter->shownCurrent_ = false;
    }
}

void FramePresenter::WindowDestroyed(HWND window) {
    for (const auto& [image, presenter] : Presenters()) {
        if (presenter->shownOn_ != window) continue;
        presenter->shownOn_ = nullptr;
        presenter->shownCurrent_ = false;
    }
}

void FramePresenter::Look() {
    if (!drawnKnown_ || !mayHaveDrawn_) return;
    mayHaveDrawn_ = false;
    RECT bounds{};
    const UINT state = ::GetBoundsRect(image_, &bounds, DCB_RESET);
    if (state == 0) {
        drawnKnown_ = false;
        return;
    }
    if ((state & DCB_SET) != DCB_SET) return;  // nothing drawn
    const auto area = forms::WidenedOnImage({bounds.left, bounds.top, bounds.right, bounds.bottom}, kMargin, size_.cx, size_.cy);
    if (area) drawnNow_.push_back(*area);
}

void FramePresenter::Forget(SIZE size) {
    size_ = size;
    drawnKnown_ = imageKnown_ = frameKnown_ = shownCurrent_ = false;
}

bool FramePresenter::PutBackground(HDC source) {
    // What was drawn since the last frame went out goes too, by whatever
    // device context handed out before.
    LookAgain();
    if (!drawnKnown_) imageKnown_ = false;
    drawnBefore_.insert(drawnBefore_.end(), drawnNow_.begin(), drawnNow_.end());
    drawnNow_.clear();
    if (++framesSinceWhole_ >= kFramesBetweenWholeFrames) {
        framesSinceWhole_ = 0;
        imageKnown_ = false;
        shownCurrent_ = false;
    }
    HGDIOBJ bitmap = ::GetCurrentObject(source, OBJ_BITMAP);
    const bool known = imageKnown_ && source == background_ && bitmap == backgroundBitmap_;
    background_ = source;
    backgroundBitmap_ = bitmap;
    const bool restored = known ? CopyAreas(image_, 0, 0, source, drawnBefore_) : ::BitBlt(image_, 0, 0, size_.cx, size_.cy, source, 0, 0, SRCCOPY) != 0;
    frameKnown_ = known;
    backgroundBack_ = restored;
    // From here on GDI gathers where the frame draws. A background not
    // wholly put back leaves the frame unknown.
    drawnKnown_ = restored && ::SetBoundsRect(image_, nullptr, DCB_RESET | DCB_ENABLE) != 0;
    return restored;
}

bool FramePresenter::Present(HDC target, HWND window, int x, int y) {
    LookAgain();
    const bool changesKnown = shownCurrent_ && frameKnown_ && drawnKnown_ && window == shownOn_ && x == shownAt_.x && y == shownAt_.y;
    // What this frame drew and what the last one drew, both kept now.
    std::vector<forms::Area> changed;
    if (changesKnown) {
        changed = drawnBefore_;
        changed.insert(changed.end(), drawnNow_.begin(), drawnNow_.end());
    }
    imageKnown_ = backgroundBack_ && drawnKnown_;
    drawnBefore_.swap(drawnNow_);
    drawnNow_.clear();
    frameKnown_ = backgroundBack_ = false;
    // A minimised window has no client area, and a frame placed by its size
    // lies where the restored window would show it wrongly: nothing is copied
    // and the place is not kept, so the restored window's paint puts the
    // frame where it showed before, and the next frame goes out whole.
    RECT client{};
    if (!::GetClientRect(window, &client) || ::IsRectEmpty(&client)) {
        shownCurrent_ = false;
        return true;
    }
    const bool copied = changesKnown ? CopyAreas(target, x, y, image_, changed) : ::BitBlt(target, x, y, size_.cx, size_.cy, image_, 0, 0, SRCCOPY) != 0;
    shownOn_ = window;
    shownAt_ = {x, y};
    shownCurrent_ = copied;
    return copied;
}

bool FramePresenter::CopyAreas(HDC dst, int x, int y, HDC src, const std::vector<forms::Area>& areas) {
    bool copied = true;
    for (const forms::Area& a : forms::MergedByRows(areas)) {
        copied = ::BitBlt(dst, x + a.left, y + a.top, a.right - a.left, a.bottom - a.top, src, a.left, a.top, SRCCOPY) != 0 && copied;
    }
    return copied;
}

}  // namespace tint::win32
