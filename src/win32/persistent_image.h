// A picture box's persistent image: a memory device context holding a bitmap
// of the box's inner size, made when the box's AutoRedraw comes on. Drawing
// goes into it and stays; painting copies it to the screen, and its frame
// presenter what it shows on other windows.
#pragma once

#include <optional>

#include "forms/picture.h"
#include "forms/window_system.h"
#include "win32/frame_presenter.h"
#include "win32/gdi_objects.h"

namespace tint::win32 {

class PersistentImage {
public:
    PersistentImage() = default;
    PersistentImage(const PersistentImage&) = delete;
    PersistentImage& operator=(const PersistentImage&) = delete;

    // Made the size of the box's inner area, in its back colour, with its
    // font and fore colour in force and its picture drawn at the top left.
    void Make(HWND box, const forms::ControlSpec& spec, HFONT font);
    // Follows the box's inner area; what was drawn stays, new area gets the
    // back colour.
    void Fit(HWND box, forms::OleColour backColour);

    bool Exists() const { return dc_.Get() != nullptr; }
    HDC DC() const { return dc_.Get(); }
    // The device context, handed out for drawing.
    HDC HandOut() {
        if (frames_) frames_->HandingOut();
        return dc_.Get();
    }
    SIZE Size() const { return size_; }

    // Back colour all over, then the picture at the top left.
    void Reset(forms::OleColour backColour, const forms::Picture& picture);
    void SetFont(HFONT font);  // selects it only when another is in force
    void SetForeColour(COLORREF colour);
    // A bitmap of the image as it stands, independent of later drawing.
    forms::Picture Copy() const;

private:
    // Declared in this order so that the selections go back before the
    // device context goes, and the device context before the bitmap.
    OwnedBitmap bitmap_;
    OwnedDC dc_;
    std::optional<Selection> bitmapIn_;
    std::optional<Selection> fontIn_;
    std::optional<Selection> penIn_;
    std::optional<FramePresenter> frames_;  // goes before the device context it is found by
    HFONT font_ = nullptr;
    SIZE size_{};
};

}  // namespace tint::win32
