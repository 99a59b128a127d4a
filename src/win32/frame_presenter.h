// What a picture box's persistent image shows on a window. A program that
// builds whole frames in the image and copies each onto a window in one
// block (the faces' scroller) asks for two full copies a frame; this makes
// them cheap without their knowing:
// - the background copied over the whole image is put back only where the
//   last frame drew, as the rest of the image still holds it;
// - the frame copied onto a window reaches it only where this frame or the
//   last one drew, as the rest of the window already shows it.
// What a frame drew is GDI's bounds, looked at whenever the image's device
// context is handed out and at each copy. Where that is not known, or a
// whole frame is due, the copy is whole. A window's paint copies what it
// paints from the image, so an uncovered or erased window is mended by the
// same image that the copies come from.
// The copies come as plain BitBlt calls on device contexts, so presenters
// are found by their image's device context.
#pragma once

#include <windows.h>

#include <vector>

#include "forms/areas.h"

namespace tint::win32 {

class FramePresenter {
public:
    FramePresenter(HDC image, SIZE size);
    FramePresenter(const FramePresenter&) = delete;
    FramePresenter& operator=(const FramePresenter&) = delete;
    ~FramePresenter();

    // The presenter of the image whose device context this is; null for any other.
    static FramePresenter* Of(HDC dc);
    // A BitBlt of the faces' kind (SRCCOPY, from the source's top left): done
    // here when it puts a background over a whole image or copies a whole
    // image onto a window; otherwise not done, and false.
    static bool Copy(HDC dst, int x, int y, int width, int height, HDC src, BOOL& result);
    // Part of a window is painted: the frames shown on it are copied there again.
    static void Paint(HWND window, HDC dc, const RECT& painted);
    // A window was hidden: what it showed may be lost. Once shown again, its
    // paint copies the last frame again, and the next frame goes out whole.
    static void WindowHidden(HWND window);
    static void WindowDestroyed(HWND window);

    // The image's device context is handed out for drawing: what was drawn
    // since it was last handed out is noted first.
    void HandingOut() {
        Look();
        mayHaveDrawn_ = true;
    }
    // The image was drawn on by other means than its device context, or was resized.
    void Forget(SIZE size);

private:
    // Notes where drawing reached since the device context was last handed out.
    void Look();
    // The same, whether or not the device context was handed out since: a
    // copy of the frame may follow drawing by any device context.
    void LookAgain() {
        mayHaveDrawn_ = true;
        Look();
    }
    bool PutBackground(HDC source);
    bool Present(HDC target, HWND window, int x, int y);
    bool CopyAreas(HDC dst, int x, int y, HDC src, const std::vector<forms::Area>& areas);

    HDC image_;
    SIZE size_;
    // Areas the last frame drew, and this one since the background went back.
    std::vector<forms::Area> drawnBefore_, drawnNow_;
    bool drawnKnown_ = false;      // GDI gathers the bounds, and all that was drawn is in drawnNow_
    bool mayHaveDrawn_ = false;    // the device context was handed out since the last look
    bool imageKnown_ = false;      // the image is its background but for drawnBefore_
    bool frameKnown_ = false;      // the frame being built is known to differ from the last only in the areas
    bool backgroundBack_ = false;  // the background was put back since the last copy to a window
    HDC background_ = nullptr;
    HGDIOBJ backgroundBitmap_ = nullptr;
    HWND shownOn_ = nullptr;  // shows the image's last frame at shownAt_, but where a paint will mend it
    POINT shownAt_{};
    bool shownCurrent_ = false;
    int framesSinceWhole_ = 0;
};

}  // namespace tint::win32
