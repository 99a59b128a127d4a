// The two-colour frame around the music label on the status bar, drawn at
// every activation.
#include "faces/face.h"

namespace tint::faces {

namespace {

// A coordinate worked out in 32-bit integers: outside their range its statement fails.
std::int32_t Int32OrFail(std::int64_t value) { return forms::CLng(static_cast<double>(value)); }

}  // namespace

void Face::DrawMusicLabelFrame() {
    using forms::Skip;
    std::int32_t d = 0, x = 0, y = 0, w = 0, h = 0;
    Skip([&] { d = 2; });
    Skip([&] { x = forms::CLng(lblMusic.Left() - static_cast<double>(d)); });
    Skip([&] { y = forms::CLng(lblMusic.Top() - static_cast<double>(d)); });
    Skip([&] { w = forms::CLng(lblMusic.Width() + static_cast<double>(Int32OrFail(std::int64_t{d} * 2))); });
    Skip([&] { h = forms::CLng(lblMusic.Height() + static_cast<double>(Int32OrFail(std::int64_t{d} * 2))); });
    Skip([&] {
        std::int32_t n = 2;
        auto c1 = static_cast<std::int32_t>(profile_.frameColourTopLeft);
        auto c2 = static_cast<std::int32_t>(profile_.frameColourBottomRight);
        DrawBevel(picStatusBar, x, y, w, h, n, c1, c2);
    });
}

void Face::DrawBevel(forms::PictureBox& pic, std::int32_t& x, std::int32_t& y, std::int32_t& w, std::int32_t& h, std::int32_t& n,
                     std::int32_t& c1, std::int32_t& c2) {
    using forms::Skip;
    Skip([&] {
        if (n < 1) n = 1;
    });
    const std::int32_t limit = n;
    // LineTo stops short of its end point, so each corner is drawn once, by
    // the edge that starts there.
    for (std::int64_t i = 1; i <= limit; ++i) {
        Skip([&] { api_.MoveToEx(pic.hDC(), Int32OrFail(x - i), Int32OrFail(std::int64_t{y} + h + i - 1)); });
        Skip([&] { pic.SetForeColor(static_cast<forms::Colour>(c1)); });
        Skip([&] { api_.LineTo(pic.hDC(), Int32OrFail(x - i), Int32OrFail(y - i)); });
        Skip([&] { api_.LineTo(pic.hDC(), Int32OrFail(std::int64_t{x} + w + i - 1), Int32OrFail(y - i)); });
        Skip([&] { pic.SetForeColor(static_cast<forms::Colour>(c2)); });
        Skip([&] { api_.LineTo(pic.hDC(), Int32OrFail(std::int64_t{x} + w + i - 1), Int32OrFail(std::int64_t{y} + h + i - 1)); });
        Skip([&] { api_.LineTo(pic.hDC(), Int32OrFail(x - i), Int32OrFail(std::int64_t{y} + h + i - 1)); });
        Skip([&] { App().DoEvents(); });
    }
}

}  // namespace tint::faces
